#include "save/snapshot_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace holdem {

namespace {

bool fail(std::string* why, const std::string& what) {
    if (why) *why = what + ": " + std::strerror(errno);
    return false;
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool write_atomically(const std::string& path, std::string_view text, std::string* why) {
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fail(why, "cannot create " + temporary);
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            ::unlink(temporary.c_str());
            return fail(why, "cannot write " + temporary);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // The data reaches the disk before the name does, so the rename never exposes a file whose
    // content is still in flight.
    if (::fsync(fd) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return fail(why, "cannot sync " + temporary);
    }
    ::close(fd);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return fail(why, "cannot rename " + temporary);
    }
    // The rename itself is made durable by syncing the folder that holds it.
    const int folder = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

std::optional<std::string> read_whole_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool set_aside(const std::string& path) {
    return std::rename(path.c_str(), (path + ".corrupt").c_str()) == 0;
}

bool remove_file(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

}  // namespace holdem
