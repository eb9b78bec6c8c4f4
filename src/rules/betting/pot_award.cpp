#include "rules/betting/pot_award.h"

namespace holdem {

void award_share(Table& t, int seat) {
    if (t.numberofwinners <= 0) return;  // nobody to share with: nothing is paid
    Player& p = t.seat(seat);
    p.prize = to_chips(static_cast<double>(p.prize) +
                       static_cast<double>(t.pot) / static_cast<double>(t.numberofwinners));
}

void pot_to_winner(Table& t, int winner) {
    struct Cycle {
        int start, low, restart;
    };
    // Each seat's walk down its own pile of chips; seat 6's restarts one chip short of its top.
    static constexpr Cycle cycles[] = {{5, 1, 5},    {11, 7, 11},  {17, 13, 17}, {23, 18, 23},
                                       {29, 25, 29}, {35, 30, 34}, {41, 37, 41}, {47, 43, 47},
                                       {53, 49, 53}, {59, 55, 59}};
    constexpr int last_moved = ctl::first_pot_chip + 10;  // the pot's first eleven chips move
    Controls& c = t.controls;
    const ControlId travelling = ctl::pile_chip(human_seat, 4);
    if (winner >= 1 && winner <= seat_count) {
        const Cycle& cycle = cycles[winner - 1];
        int n = cycle.start;
        for (int i = ctl::first_pot_chip; i <= last_moved; ++i) {
            c[ctl::backchips(i)].top = c[ctl::backchips(n)].top;
            c[ctl::backchips(i)].left = c[ctl::backchips(n)].left;
            // Seat 1's chip 4 travels along whoever wins; the human's next bet puts it back.
            c[travelling].top = n + c[ctl::backchips(n)].top;
            c[travelling].left += 30;
            if (--n < cycle.low) n = cycle.restart;
        }
    }
    for (int i = last_moved + 1; i <= ctl::last_pot_chip; ++i)
        c.hide(ctl::backchips(i));
    for (int i = ctl::first_pot_chip; i <= ctl::last_pot_chip; ++i)
        c.hide(ctl::backchips(i));
    c.hide(ctl::potlabel);
    // The places taken at start-up wrap after entry 9, these after entry 8: chips 69 and 70 go
    // back to the places of chips 70 and 61, and entry 9 is never read. The rules fix both.
    int j = 0;
    for (int i = ctl::first_pot_chip; i <= last_moved; ++i) {
        c[ctl::backchips(i)].top = static_cast<int>(t.chiptops[j]);
        c[ctl::backchips(i)].left = t.chiplefts[j];
        if (++j == 9) j = 0;
    }
}

void show_stacks(Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        t.controls.set_number(ctl::stack_label(k), t.seat(k).prize);
}

}  // namespace holdem
