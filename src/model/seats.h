// The seats of the table (how many, which is the human's), the field's size, and seat arithmetic,
// which wraps (after seat 10 comes seat 1).
#pragma once

namespace holdem {

inline constexpr int seat_count = 10;
inline constexpr int human_seat = 1;
inline constexpr int field_size = 1000;

constexpr int seat_after(int seat, int steps = 1) {
    return ((seat - 1 + steps) % seat_count + seat_count) % seat_count + 1;
}
constexpr int seat_before(int seat, int steps = 1) {
    return seat_after(seat, -steps);
}
// A seat's place counted from the dealer's: 1 for the dealer, 2 for the seat after it, … 10.
constexpr int place_from_dealer(int seat, int dealer) {
    return seat_after(seat, 1 - dealer);
}

}  // namespace holdem
