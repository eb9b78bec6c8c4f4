#include "rules/betting/pot_award.h"

namespace holdem {

void award_share(Table& t, int seat) {
    if (t.numberofwinners <= 0) return;  // nobody to share with: nothing is paid
    Player& p = t.seat(seat);
    p.prize = to_chips(static_cast<double>(p.prize) +
                       static_cast<double>(t.pot) / static_cast<double>(t.numberofwinners));
}

// The pot's chips leave the table once the pot is paid; the window shows them going to the
// winners.
void pot_to_winner(Table& t, int) {
    for (int i = ctl::first_pot_chip; i <= ctl::last_pot_chip; ++i)
        t.controls.hide(ctl::backchips(i));
    t.controls.hide(ctl::potlabel);
}

void show_stacks(Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        t.controls.set_number(ctl::stack_label(k), t.seat(k).prize);
}

}  // namespace holdem
