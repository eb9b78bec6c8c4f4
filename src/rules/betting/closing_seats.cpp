#include "rules/betting/closing_seats.h"

namespace holdem {

void raise_bookkeeping(Table& t, int seat) {
    t.raiservalue = static_cast<std::int16_t>(t.raiservalue + 1);
    if (t.raiservalue >= 3) return;
    // Every street reached so far, so a raise on the turn moves the pre-flop and flop closers
    // too, and the closing check later runs those streets' outcomes again.
    for (Street street : all_streets)
        if (street_flag(t, street))
            closing_seat(t, street) = static_cast<std::int16_t>(seat_before(seat));
}

void opening_closer(Table& t, int seat) {
    const std::optional<Street> street = current_street(t);
    // Only while the round has no closing seat: a raise early in the round has already set one,
    // and the round must still close (it would otherwise wait for a closer that never comes).
    if (!street || closing_seat(t, *street) != 0) return;
    if (t.seat(seat_before(seat, 3)).dealer != 1) return;
    for (Street s : all_streets)
        if (s <= *street && street_flag(t, s))
            closing_seat(t, s) = static_cast<std::int16_t>(seat_before(seat));
}

}  // namespace holdem
