// Numbers as the table shows and reads them: the display format, reading a number out of
// typed text, half-to-even rounding and chip arithmetic that refuses to wrap.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace holdem {

using Chips = std::int32_t;

// Raised by checked chip and counter arithmetic instead of wrapping silently.
class ChipOverflow : public std::overflow_error {
  public:
    ChipOverflow() : std::overflow_error("chip arithmetic overflow") {}
};

// A blank before zero and positive numbers, a minus sign before negative ones, no separators.
std::string number_text(std::int64_t value);
// The same, added to the end of `out` (reusing its room).
void append_number_text(std::string& out, std::int64_t value);
// The text replaced by number_text(value), written in place.
void assign_number_text(std::string& out, std::int64_t value);
// Whether the text is exactly number_text(value), without building it.
bool shows_number(std::string_view text, std::int64_t value);
// "1,000": a count or a stack with its thousands grouped, as the tournament's lines write them.
std::string grouped(std::int64_t value);
// "1st", "2nd", "137th": a finishing place.
std::string ordinal_text(int place);
// "You finished 137th of 1,000 and won 180", or without the prize when the place paid nothing.
std::string finish_words(int place, int entrants, std::int64_t prize);

// The longest leading part of the text that reads as a decimal number (blanks skipped, an
// optional sign, digits with at most one decimal point, an optional exponent); 0 when none.
double numeric_value(std::string_view text);

// True when the whole text, apart from leading and trailing blanks, reads as a number.
bool is_number(std::string_view text);

// Nearest whole number, a half going to the even neighbour.
double round_half_even(double value);

// Rounds half to even and stores as chips; throws ChipOverflow when out of range.
Chips to_chips(double value);

Chips checked_add(Chips a, Chips b);
Chips checked_sub(Chips a, Chips b);
Chips checked_mul(Chips a, Chips b);

}  // namespace holdem
