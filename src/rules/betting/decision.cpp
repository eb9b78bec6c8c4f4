#include "rules/betting/decision.h"

#include "rules/betting/closing_seats.h"
#include "rules/betting/pot.h"

namespace holdem {

void computer_decision(Table& t, int k, int handrank) {
    Player& p = t.seat(k);
    const Chips bet_before = t.currentbet;
    const bool was_all_in = p.allin;
    const Chips to_call = checked_sub(t.currentbet, p.totalbet);
    switch (decide(handrank)) {
        case Decision::raise:
            // A quarter of the stack on top of the call; a stack of 1 raises by nothing and
            // still counts as a raise.
            put_in_pot(t, k,
                       to_chips(static_cast<double>(p.prize) / 4.0 + static_cast<double>(to_call)),
                       Payer::computer);
            raise_bookkeeping(t, k);
            break;
        case Decision::call:
            put_in_pot(t, k, to_call, Payer::computer);
            break;
        case Decision::fold:
            p.fold = true;
            t.controls.hide(ctl::first_card(k));
            t.controls.hide(ctl::second_card(k));
            show_stack_or_all_in(t, k);
            // After a short big blind the table's bet can be below this seat's round total.
            if (p.totalbet > t.currentbet) t.currentbet = p.totalbet;
            break;
    }
    // A seat already all in acts with an empty stack: nothing happens that a player would see.
    if (p.fold || !was_all_in) report_action(t, k, bet_before, p.bet, p.fold);
}

}  // namespace holdem
