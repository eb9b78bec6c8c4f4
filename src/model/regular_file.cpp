#include "model/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace holdem {

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

int open_regular(const std::string& path, int flags, std::string* why) {
    // Without blocking: a pipe or a device in the file's place must not hold the game up.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        // A pipe nobody reads refuses a writer that will not wait.
        if (why) *why = errno == ENXIO ? "it is not an ordinary file" : failure_words(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (why) *why = "it is not an ordinary file";
        return -1;
    }
    // Plain blocking writes from here: a regular file never waits on a reader.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace holdem
