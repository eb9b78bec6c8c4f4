#include "report/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "model/regular_file.h"

namespace holdem {

namespace {

struct Closer {
    int fd;
    ~Closer() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

RecordFileRead read_record_file(const std::string& path, std::uint64_t limit,
                                const std::atomic<bool>* cancel) {
    RecordFileRead read;
    const int fd = open_regular(path, O_RDONLY, &read.why);
    if (fd < 0) return read;
    const Closer closer{fd};
    std::string line;       // the line being gathered
    bool too_long = false;  // it grew beyond a record: skipped to its end
    std::uint64_t line_start = 0;
    std::vector<char> chunk(std::size_t{1} << 20);
    auto take = [&](std::uint64_t end) {
        if (too_long) {
            ++read.left_out;
        } else if (!line.empty()) {
            if (auto r = read_record(line)) {
                RecordSummary s;
                s.hand = r->hand;
                s.level = r->level;
                for (const RecordedSeat& seat : r->seats)
                    if (seat.seat == human_seat) s.cards = seat.cards;
                s.result = r->result;
                s.offset = line_start;
                s.length = static_cast<std::uint32_t>(end - line_start);
                read.hands.push_back(s);
            } else {
                ++read.left_out;
            }
        }
        line.clear();
        too_long = false;
    };
    while (read.bytes_read < limit) {
        if (cancel && cancel->load(std::memory_order_relaxed)) return read;
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(chunk.size(), limit - read.bytes_read));
        const ssize_t got = ::read(fd, chunk.data(), want);
        if (got < 0) {
            if (errno == EINTR) continue;
            read.why = failure_words(errno);
            return read;
        }
        if (got == 0) {
            take(read.bytes_read);  // a last line without its end
            return read;
        }
        const char* p = chunk.data();
        const char* end = p + got;
        while (p < end) {
            const char* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* stop = newline ? newline : end;
            if (!too_long) {
                line.append(p, stop);
                if (line.size() > max_record_line) {
                    too_long = true;
                    line.clear();
                    line.shrink_to_fit();
                }
            }
            const std::uint64_t at =
                read.bytes_read + static_cast<std::uint64_t>(stop - chunk.data());
            if (newline) {
                take(at);
                line_start = at + 1;
            }
            p = newline ? newline + 1 : end;
        }
        read.bytes_read += static_cast<std::uint64_t>(got);
    }
    // The limit reached: what is left of a cut line is not counted.
    char probe;
    read.beyond_limit = ::read(fd, &probe, 1) == 1;
    if (!read.beyond_limit) take(read.bytes_read);
    return read;
}

std::optional<HandRecord> read_record_at(const std::string& path, const RecordSummary& summary) {
    if (summary.length > max_record_line) return std::nullopt;
    const int fd = open_regular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    const Closer closer{fd};
    std::string line(summary.length, '\0');
    std::size_t got = 0;
    while (got < line.size()) {
        const ssize_t n = ::pread(fd, line.data() + got, line.size() - got,
                                  static_cast<off_t>(summary.offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        got += static_cast<std::size_t>(n);
    }
    auto record = read_record(line);
    // The file may have changed under the viewer: only the same hand is the hand asked for.
    if (record && record->hand != summary.hand) return std::nullopt;
    return record;
}

}  // namespace holdem
