// The game's files on disk: saved games written atomically and durably (a temporary file of
// its own in the same folder, flushed and synced, then renamed over the old one, and the folder
// synced), hand histories appended a whole hand at a time, and saved games read as untrusted
// input (regular files only, never blocking, never larger than a save can be).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace holdem {

// False, with the reason in the player's words, when the file could not be written; the old
// file is then untouched.
bool write_atomically(const std::string& path, std::string_view text, std::string* why = nullptr);
// Appends `text` whole or not at all: a write cut short is taken back to the file's old end.
bool append_whole(const std::string& path, std::string_view text, std::string* why = nullptr);

struct FileRead {
    std::optional<std::string> text;  // the whole file, when it was read
    std::string why;                  // why it was not
};
// A saved game's file as untrusted input: only a regular file, opened without blocking, and
// only up to `limit` bytes.
FileRead read_saved_file(const std::string& path, std::size_t limit);
struct SetAside {
    std::optional<std::string> path;  // where the file went, if it could be moved
    std::string why;                  // why it could not
};
// Moves a file that cannot be trusted out of the way, to a name that keeps the moment
// (`tournament.json.20261206-231502.corrupt`), never over an earlier one.
SetAside set_aside(const std::string& path, std::time_t now);
// True when the file is gone (or never was), else false with the reason.
bool remove_file(const std::string& path, std::string* why = nullptr);

// The reason of a failed file call, as the player reads it: "no space left on the disk".
std::string failure_words(int error_number);

// The call that writes to the disk; tests put a failing one in its place to fill the disk.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);
void set_write_call(WriteCall call);  // nullptr: the system's own

}  // namespace holdem
