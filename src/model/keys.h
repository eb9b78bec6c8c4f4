// The character codes of the keys the amount box reacts to.
#pragma once

namespace holdem::key {

inline constexpr int backspace = 8;
inline constexpr int enter = 13;
// Printable characters, which land in the amount box as typed.
inline constexpr int first_printable = 32;
inline constexpr int last_printable = 126;

}  // namespace holdem::key
