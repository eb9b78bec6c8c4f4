#include "evaluation/pot_award.h"

namespace holdem {

void award_share(Table& t, int seat) {
    if (t.numberofwinners == 0) throw std::domain_error("no winners to share the pot");
    Player& p = t.seat(seat);
    p.prize = to_chips(static_cast<double>(p.prize) +
                       static_cast<double>(t.pot) / static_cast<double>(t.numberofwinners));
}

void pot_to_winner(Table& t, int winner) {
    struct Cycle {
        int start, low, restart;
    };
    // Each seat's cycle over its own pile of chips.
    static constexpr Cycle cycles[] = {{5, 1, 5},    {11, 7, 11},  {17, 13, 17}, {23, 18, 23},
                                       {29, 25, 29}, {35, 30, 34}, {41, 37, 41}, {47, 43, 47},
                                       {53, 49, 53}, {59, 55, 59}};
    Controls& c = t.controls;
    if (winner >= 1 && winner <= seat_count) {
        const Cycle& cycle = cycles[winner - 1];
        int n = cycle.start;
        for (int i = 60; i <= 70; ++i) {
            c[ctl::backchips(i)].top = c[ctl::backchips(n)].top;
            c[ctl::backchips(i)].left = c[ctl::backchips(n)].left;
            // Seat 1's chip 4 travels along whoever wins.
            c[ctl::backchips(4)].top = n + c[ctl::backchips(n)].top;
            c[ctl::backchips(4)].left += 30;
            if (--n < cycle.low) n = cycle.restart;
        }
    }
    for (int i = 71; i <= 90; ++i)
        c.hide(ctl::backchips(i));
    for (int i = 60; i <= 90; ++i)
        c.hide(ctl::backchips(i));
    c.hide(ctl::potlabel);
    int j = 0;
    for (int i = 60; i <= 70; ++i) {
        c[ctl::backchips(i)].top = static_cast<int>(t.chiptops[j]);
        c[ctl::backchips(i)].left = t.chiplefts[j];
        if (++j == 9) j = 0;
    }
}

void show_stacks(Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        t.controls.set_caption(ctl::stack_label(k), number_text(t.seat(k).prize));
}

}  // namespace holdem
