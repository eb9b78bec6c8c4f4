// Saved games on disk: written atomically and durably (a temporary file in the same folder,
// flushed and synced, then renamed over the old one, and the folder synced), so a crash at any
// moment leaves the old file or the new one, never a broken one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace holdem {

// False, with the reason, when the file could not be written; the old file is then untouched.
bool write_atomically(const std::string& path, std::string_view text, std::string* why = nullptr);
std::optional<std::string> read_whole_file(const std::string& path);
// Moves a file that cannot be trusted out of the way, to `path` + ".corrupt".
bool set_aside(const std::string& path);
bool remove_file(const std::string& path);

}  // namespace holdem
