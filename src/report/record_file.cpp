#include "report/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#include "model/regular_file.h"

namespace holdem {

namespace {

// A record's values found by their spans in one pass, without building anything: listing a
// file of thousands of hands must cost little more than reading it. Each call scans one object
// or array, handing each member's (or item's) span on.
class Spans {
  public:
    template <typename Member>
    static bool object(std::string_view text, Member member) {
        Spans s{text};
        if (!s.open('{')) return false;
        if (s.closes('}')) return s.done();
        for (;;) {
            s.blank();
            if (s.at() != '"') return false;
            const std::size_t key = s.i_ + 1;
            if (!s.skip_string()) return false;
            const std::string_view name = text.substr(key, s.i_ - 1 - key);
            s.blank();
            if (s.at() != ':') return false;
            ++s.i_;
            std::string_view value;
            if (!s.value(value)) return false;
            member(name, value);
            if (s.closes('}')) return s.done();
            if (s.at() != ',') return false;
            ++s.i_;
        }
    }
    template <typename Item>
    static bool array(std::string_view text, Item item) {
        Spans s{text};
        if (!s.open('[')) return false;
        if (s.closes(']')) return s.done();
        for (;;) {
            std::string_view value;
            if (!s.value(value) || !item(value)) return false;
            if (s.closes(']')) return s.done();
            if (s.at() != ',') return false;
            ++s.i_;
        }
    }

  private:
    explicit Spans(std::string_view text) : t_(text) {}
    char at() const { return i_ < t_.size() ? t_[i_] : '\0'; }
    void blank() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\r'))
            ++i_;
    }
    bool open(char bracket) {
        blank();
        if (at() != bracket) return false;
        ++i_;
        return true;
    }
    bool closes(char bracket) {
        blank();
        if (at() != bracket) return false;
        ++i_;
        return true;
    }
    bool done() {
        blank();
        return i_ == t_.size();
    }
    bool skip_string() {
        for (++i_; i_ < t_.size(); ++i_) {
            if (t_[i_] == '\\') {
                ++i_;
            } else if (t_[i_] == '"') {
                ++i_;
                return true;
            }
        }
        return false;
    }
    // One value of any nesting, up to the comma or bracket that ends it at this level.
    bool value(std::string_view& out) {
        blank();
        const std::size_t start = i_;
        int depth = 0;
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (c == '"') {
                if (!skip_string()) return false;
                continue;
            }
            if (c == '{' || c == '[') {
                ++depth;
            } else if (c == '}' || c == ']') {
                if (depth == 0) break;
                --depth;
            } else if (c == ',' && depth == 0) {
                break;
            }
            ++i_;
        }
        if (i_ >= t_.size() || depth != 0) return false;
        out = t_.substr(start, i_ - start);
        while (!out.empty() && (out.back() == ' ' || out.back() == '\t'))
            out.remove_suffix(1);
        return !out.empty();
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

std::optional<std::int64_t> whole_number(std::string_view text, std::int64_t least,
                                         std::int64_t most) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < least || value > most)
        return std::nullopt;
    return value;
}

// A line's summary for the listing; its full reading waits for its replay.
std::optional<RecordSummary> summary_of(std::string_view line) {
    std::string_view hand, level, result, seats;
    const bool object = Spans::object(line, [&](std::string_view key, std::string_view value) {
        if (key == "hand") hand = value;
        if (key == "level") level = value;
        if (key == "result") result = value;
        if (key == "seats") seats = value;
    });
    const auto number = whole_number(hand, 1, max_record_chips);
    const auto at_level = whole_number(level, 1, 1000);
    const auto won = whole_number(result, -max_record_chips, max_record_chips);
    if (!object || !number || !at_level || !won) return std::nullopt;
    RecordSummary s;
    s.hand = static_cast<std::uint64_t>(*number);
    s.level = static_cast<int>(*at_level);
    s.result = static_cast<Chips>(*won);
    int seated = 0;
    const bool listed = Spans::array(seats, [&](std::string_view seat) {
        std::string_view number_text, cards;
        if (++seated > seat_count ||
            !Spans::object(seat, [&](std::string_view key, std::string_view value) {
                if (key == "seat") number_text = value;
                if (key == "cards") cards = value;
            }))
            return false;
        const auto at = whole_number(number_text, 1, seat_count);
        if (!at) return false;
        if (*at != human_seat) return true;
        std::size_t n = 0;
        return Spans::array(cards, [&](std::string_view card) {
            const auto code = whole_number(card, 0, 52);
            if (!code || n >= 2) return false;
            s.cards[n++] = static_cast<CardCode>(*code);
            return true;
        });
    });
    if (!listed) return std::nullopt;
    return s;
}

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
    std::string line;       // a line cut by the end of a chunk, gathered
    bool too_long = false;  // it grew beyond a record: skipped to its end
    std::uint64_t line_start = 0;
    std::vector<char> chunk(std::size_t{1} << 20);
    line.reserve(max_record_line + 1);
    auto take_text = [&](std::string_view text, std::uint64_t end) {
        if (too_long) {
            ++read.left_out;
        } else if (!text.empty()) {
            if (auto s = summary_of(text)) {
                s->offset = line_start;
                s->length = static_cast<std::uint32_t>(end - line_start);
                read.hands.push_back(*s);
            } else {
                ++read.left_out;
            }
        }
        line.clear();
        too_long = false;
    };
    auto take = [&](std::uint64_t end) { take_text(line, end); };
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
            const std::uint64_t at =
                read.bytes_read + static_cast<std::uint64_t>(stop - chunk.data());
            if (newline && line.empty() && !too_long) {
                // A whole line within the chunk is read where it lies.
                take_text(std::string_view(p, static_cast<std::size_t>(newline - p)), at);
                line_start = at + 1;
                p = newline + 1;
                continue;
            }
            if (!too_long) {
                line.append(p, stop);
                if (line.size() > max_record_line) {
                    too_long = true;
                    line.clear();
                }
            }
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

void each_record(const std::string& path, const std::function<void(const HandRecord&)>& hand,
                 std::uint64_t limit) {
    const RecordFileRead read = read_record_file(path, limit);
    for (const RecordSummary& summary : read.hands)
        if (const std::optional<HandRecord> record = read_record_at(path, summary)) hand(*record);
}

}  // namespace holdem
