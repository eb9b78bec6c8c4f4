#include "save/snapshot_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace holdem {

namespace {

constexpr std::string_view temporary_mark = ".tmp-";
WriteCall write_call = nullptr;

ssize_t write_some(int fd, const void* data, std::size_t size) {
    return write_call ? write_call(fd, data, size) : ::write(fd, data, size);
}

bool fail(std::string* why, int error_number) {
    if (why) *why = failure_words(error_number);
    return false;
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all of `text`, or sets errno and returns false.
bool write_all(int fd, std::string_view text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = write_some(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Closes `fd` keeping the errno of the failure that made us close it.
void close_keeping_errno(int fd) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
}

}  // namespace

void set_write_call(WriteCall call) {
    write_call = call;
}

bool write_atomically(const std::string& path, std::string_view text, std::string* why) {
    // A name of its own, so that two writers never share a temporary file.
    std::string temporary = path + std::string(temporary_mark) + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return fail(why, errno);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    // The data reaches the disk before the name does, so the rename never exposes a file whose
    // content is still in flight.
    if (!write_all(fd, text) || ::fsync(fd) != 0) {
        const int error_number = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return fail(why, error_number);
    }
    ::close(fd);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error_number = errno;
        ::unlink(temporary.c_str());
        return fail(why, error_number);
    }
    // The rename itself is made durable by syncing the folder that holds it.
    const int folder = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool is_temporary_of(std::string_view save_name, std::string_view name) {
    if (name.size() != save_name.size() + temporary_mark.size() + 6 ||
        name.substr(0, save_name.size()) != save_name ||
        name.substr(save_name.size(), temporary_mark.size()) != temporary_mark)
        return false;
    for (char c : name.substr(name.size() - 6))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

void remove_leftovers(const std::string& path) {
    const std::string folder = folder_of(path);
    const std::size_t slash = path.find_last_of('/');
    const std::string save_name = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!is_temporary_of(save_name, name)) continue;
        const std::string leftover = folder + "/" + name;
        struct stat info {};
        if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

bool append_whole(const std::string& path, std::string_view text, std::string* why) {
    const int fd = open_regular(path, O_WRONLY | O_APPEND | O_CREAT, why);
    if (fd < 0) return false;
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        close_keeping_errno(fd);
        return fail(why, errno);
    }
    if (static_cast<std::uint64_t>(before.st_size) + text.size() > max_history_bytes) {
        ::close(fd);
        if (why) *why = "the file has grown larger than a hand history can be";
        return false;
    }
    if (!write_all(fd, text)) {
        const int error_number = errno;
        // The part that went in is taken back: the file ends with its last whole hand.
        const bool taken_back = ::ftruncate(fd, before.st_size) == 0;
        static_cast<void>(taken_back);
        ::close(fd);
        return fail(why, error_number);
    }
    ::close(fd);
    return true;
}

FileRead read_saved_file(const std::string& path, std::size_t limit) {
    return read_bounded_file(path, limit, "it is far larger than any saved game");
}

FileRead read_bounded_file(const std::string& path, std::size_t limit, const char* too_large) {
    FileRead read;
    std::string why;
    const int fd = open_regular(path, O_RDONLY, &why);
    if (fd < 0) {
        read.why = why == "it is not an ordinary file" ? why : "it cannot be read (" + why + ")";
        return read;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        read.why = "it cannot be read (" + failure_words(errno) + ")";
        ::close(fd);
        return read;
    }
    if (static_cast<std::uint64_t>(info.st_size) > limit) {
        ::close(fd);
        read.why = too_large;
        return read;
    }
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t got = 0;
    // The file may grow while it is read: never beyond the limit.
    char more[4096];
    for (;;) {
        const ssize_t n = got < text.size() ? ::read(fd, text.data() + got, text.size() - got)
                                            : ::read(fd, more, sizeof more);
        if (n < 0) {
            if (errno == EINTR) continue;
            read.why = "it cannot be read (" + failure_words(errno) + ")";
            ::close(fd);
            return read;
        }
        if (n == 0) break;
        if (got < text.size()) {
            got += static_cast<std::size_t>(n);
        } else {
            text.append(more, static_cast<std::size_t>(n));
            got = text.size();
            if (got > limit) {
                ::close(fd);
                read.why = too_large;
                return read;
            }
        }
    }
    ::close(fd);
    text.resize(got);
    read.text = std::move(text);
    return read;
}

SetAside set_aside(const std::string& path, std::time_t now) {
    char moment[32] = "undated";
    std::tm parts{};
    if (::localtime_r(&now, &parts)) std::strftime(moment, sizeof moment, "%Y%m%d-%H%M%S", &parts);
    SetAside result;
    for (int n = 1; n < 1000; ++n) {
        const std::string target =
            path + "." + moment + (n > 1 ? "-" + std::to_string(n) : "") + ".corrupt";
        // A hard link claims the name only if it is free; then the old name goes.
        if (::link(path.c_str(), target.c_str()) == 0) {
            ::unlink(path.c_str());
            result.path = target;
            return result;
        }
        if (errno == EEXIST) continue;
        // Where links are not allowed, a rename to a name seen free does the same.
        if (errno == EPERM || errno == EXDEV || errno == EMLINK || errno == ENOSYS) {
            struct stat taken {};
            if (::lstat(target.c_str(), &taken) == 0) continue;
            if (::rename(path.c_str(), target.c_str()) == 0) {
                result.path = target;
                return result;
            }
        }
        result.why = failure_words(errno);
        return result;
    }
    result.why = "too many files were put aside already";
    return result;
}

namespace {

// What a hand's first bytes are in each kind of file.
std::string_view hand_start(HandFile kind) {
    switch (kind) {
        case HandFile::text_history:
            return "Final Table Hold'em Hand #";
        case HandFile::phh:
            return "[";
        case HandFile::records:
            break;
    }
    return "{";
}

}  // namespace

bool cut_back(const std::string& path, std::uint64_t length, HandFile kind, std::string* why) {
    struct stat there {};
    if (::lstat(path.c_str(), &there) != 0 && errno == ENOENT) return true;
    const int fd = open_regular(path, O_RDWR, why);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        close_keeping_errno(fd);
        return fail(why, errno);
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size <= length) {
        ::close(fd);
        return true;
    }
    // The hand after the saved moment starts right after a line's end.
    const std::string_view start = hand_start(kind);
    std::string around(start.size() + 1, '\0');
    const auto from = static_cast<off_t>(length == 0 ? 0 : length - 1);
    const ssize_t got = ::pread(fd, around.data(), around.size(), from);
    const std::string_view seen(around.data(), got < 0 ? 0 : static_cast<std::size_t>(got));
    const bool at_hand = length == 0 ? seen.substr(0, start.size()) == start
                                     : seen.size() > start.size() && seen[0] == '\n' &&
                                           seen.substr(1, start.size()) == start;
    if (!at_hand) {
        ::close(fd);
        if (why) *why = "the saved length falls inside a hand; the file is kept whole";
        return false;
    }
    if (::ftruncate(fd, static_cast<off_t>(length)) != 0) {
        close_keeping_errno(fd);
        return fail(why, errno);
    }
    ::close(fd);
    return true;
}

bool remove_file(const std::string& path, std::string* why) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    return fail(why, errno);
}

}  // namespace holdem
