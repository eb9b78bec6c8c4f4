#include "save/snapshot_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace holdem {

namespace {

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

std::string failure_words(int error_number) {
    switch (error_number) {
        case ENOSPC:
            return "no space left on the disk";
        case EDQUOT:
            return "the disk quota is used up";
        case EROFS:
            return "the disk is read-only";
        case EACCES:
        case EPERM:
            return "the folder may not be written";
        case ENOTDIR:
            return "a file stands where the folder should be";
        case ENOENT:
            return "the folder is missing";
        case EIO:
            return "the disk reported an error";
        default:
            return std::strerror(error_number);
    }
}

void set_write_call(WriteCall call) {
    write_call = call;
}

bool write_atomically(const std::string& path, std::string_view text, std::string* why) {
    // A name of its own, so that two writers never share a temporary file.
    std::string temporary = path + ".XXXXXX";
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

bool append_whole(const std::string& path, std::string_view text, std::string* why) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return fail(why, errno);
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        close_keeping_errno(fd);
        return fail(why, errno);
    }
    if (!write_all(fd, text)) {
        const int error_number = errno;
        // The part that went in is taken back: the file ends with its last whole hand.
        const bool cut_back = ::ftruncate(fd, before.st_size) == 0;
        static_cast<void>(cut_back);
        ::close(fd);
        return fail(why, error_number);
    }
    ::close(fd);
    return true;
}

FileRead read_saved_file(const std::string& path, std::size_t limit) {
    FileRead read;
    // Without blocking: a pipe or a device in the file's place must not hold the start up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        read.why = "it cannot be read (" + failure_words(errno) + ")";
        return read;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        read.why = "it is not an ordinary file";
        return read;
    }
    if (static_cast<std::uint64_t>(info.st_size) > limit) {
        ::close(fd);
        read.why = "it is far larger than any saved game";
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
                read.why = "it is far larger than any saved game";
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

bool remove_file(const std::string& path, std::string* why) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    return fail(why, errno);
}

}  // namespace holdem
