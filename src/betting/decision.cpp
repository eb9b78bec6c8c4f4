#include "betting/decision.h"

#include "betting/chips.h"
#include "betting/turns.h"

namespace holdem {

void computer_decision(Table& t, int k) {
    Player& p = t.seat(k);
    const Chips bet_before = t.currentbet;
    const bool was_all_in = p.allin;
    bool folded = false;
    if (p.handrank == 1) {
        const Chips to_call = checked_sub(t.currentbet, p.totalbet);
        p.pay(to_chips(static_cast<double>(p.prize) / 4.0 + static_cast<double>(to_call)));
        raise_bookkeeping(t, k);
    } else if (p.handrank >= 2 && p.handrank <= 4) {
        p.pay(checked_sub(t.currentbet, p.totalbet));
    } else {
        p.fold = true;
        folded = true;
        t.controls.hide(ctl::first_card(k));
        t.controls.hide(ctl::second_card(k));
    }

    show_stack_or_all_in(t, k);
    if (p.totalbet > t.currentbet) t.currentbet = p.totalbet;
    if (!folded) {
        t.pot = checked_add(t.pot, p.bet);
        t.controls.set_caption(ctl::potlabel, number_text(t.pot));
        if (p.bet != 0) chips_player_show(t, p.bet, k);
    }
    // A seat already all in acts with an empty stack: nothing happens that a player would see.
    if (folded || !was_all_in) report_action(t, k, bet_before, p.bet, folded);
    closing_check(t, k, CloserOrder::Computer);
}

}  // namespace holdem
