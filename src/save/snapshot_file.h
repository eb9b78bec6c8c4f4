// The game's files on disk: saved games written atomically and durably (a temporary file of
// its own in the same folder, flushed and synced, then renamed over the old one, and the folder
// synced), hand histories appended a whole hand at a time, and saved games read as untrusted
// input (regular files only, never blocking, never larger than a save can be).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "model/regular_file.h"

namespace holdem {

// False, with the reason in the player's words, when the file could not be written; the old
// file is then untouched. The temporary file is named `path` + ".tmp-" and six characters.
bool write_atomically(const std::string& path, std::string_view text, std::string* why = nullptr);
// Whether `name` is a temporary file that writing `save_name` atomically leaves behind when
// a crash cuts it off.
bool is_temporary_of(std::string_view save_name, std::string_view name);
// Takes away the temporary files a cut-off save left beside `path`; nothing else.
void remove_leftovers(const std::string& path);

// Far above any hand history a tournament writes, far below what could fill a disk.
inline constexpr std::uint64_t max_history_bytes = std::uint64_t{1} << 30;
// Appends `text` whole or not at all: a write cut short is taken back to the file's old end.
// Only to a regular file (a pipe or a device in its place is refused without blocking), and
// never beyond `max_history_bytes`.
bool append_whole(const std::string& path, std::string_view text, std::string* why = nullptr);

// How each hand of a file of whole hands begins.
enum class HandFile : std::uint8_t { text_history, phh, records };
// Cuts a file of whole hands back to `length` (a saved game's moment in it). A length that does
// not fall where a hand begins (or ends the file) is refused and the file left whole; a file
// already no longer than `length`, or missing, is left as it is.
bool cut_back(const std::string& path, std::uint64_t length, HandFile kind,
              std::string* why = nullptr);

struct FileRead {
    std::optional<std::string> text;  // the whole file, when it was read
    std::string why;                  // why it was not
};
// A file as untrusted input: only a regular file, opened without blocking, and only up to
// `limit` bytes; `too_large` says why a larger one is refused.
FileRead read_bounded_file(const std::string& path, std::size_t limit, const char* too_large);
// A saved game's file, so read.
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

// The call that writes to the disk; tests put a failing one in its place to fill the disk.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);
void set_write_call(WriteCall call);  // nullptr: the system's own

}  // namespace holdem
