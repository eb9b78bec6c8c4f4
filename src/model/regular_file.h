// Opening a file the game did not make as untrusted input: without blocking (a pipe or a device
// in its place must not hold the game up) and as a regular file only.
#pragma once

#include <string>

namespace holdem {

// Opens `path` (`flags` as open(2) takes them, O_CREAT among them) as a regular file; -1, with
// the reason in the player's words, for anything else.
int open_regular(const std::string& path, int flags, std::string* why = nullptr);

// The reason of a failed file call, as the player reads it: "no space left on the disk".
std::string failure_words(int error_number);

}  // namespace holdem
