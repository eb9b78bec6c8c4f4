#include "rules/betting/pot.h"

#include <algorithm>

#include "rules/betting/chips.h"

namespace holdem {

void put_in_pot(Table& t, int seat, Chips amount, Payer payer) {
    Player& p = t.seat(seat);
    p.pay(amount);
    // A blind sets the table's bet outright, so a short big blind lowers it below the small
    // blind; any other payment only ever raises it to the seat's round total.
    if (payer == Payer::blind) t.currentbet = p.bet;
    show_stack_or_all_in(t, seat);
    if (payer != Payer::blind && p.totalbet > t.currentbet) t.currentbet = p.totalbet;
    t.pot = checked_add(t.pot, p.bet);
    t.controls.set_number(ctl::potlabel, t.pot);
    // The human's pile shows even for nothing put in; a computer seat's only when it paid.
    if (payer != Payer::computer || p.bet != 0) chips_player_show(t, p.bet, seat);
}

void show_stack_or_all_in(Table& t, int seat) {
    Player& p = t.seat(seat);
    if (p.prize <= 0) {
        t.controls.set_caption(ctl::stack_label(seat), "All in");
        p.allin = true;
    } else {
        t.controls.set_number(ctl::stack_label(seat), p.prize);
    }
}

void report_action(Table& t, int seat, Chips bet_before, Chips amount, bool folded) {
    if (t.observers.empty()) return;
    const Player& p = t.seat(seat);
    ActionEvent e;
    e.seat = seat;
    e.street = current_street(t).value_or(Street::preflop);
    e.amount = folded ? 0 : amount;
    e.total = p.totalbet;
    e.bet_before = bet_before;
    if (folded)
        e.action = Action::fold;
    else if (amount > 0 && p.prize <= 0)
        e.action = Action::all_in;
    else if (p.totalbet > bet_before)
        e.action = bet_before == 0 ? Action::bet : Action::raise;
    else if (amount > 0)
        e.action = Action::call;
    else
        e.action = Action::check;
    notify(t, [&](TableObserver& o) { o.action_taken(t, e); });
}

}  // namespace holdem
