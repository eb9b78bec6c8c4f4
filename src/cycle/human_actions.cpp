#include "cycle/human_actions.h"

#include <algorithm>
#include <cmath>

#include "cycle/turns.h"
#include "rules/betting/closing_seats.h"
#include "rules/betting/pot.h"

namespace holdem {

namespace {

constexpr ControlId panel[] = {ctl::Call,  ctl::Raise, ctl::Check,       ctl::Fold,
                               ctl::BetIt, ctl::Text2, ctl::action_frame};

Player& human(Table& t) {
    return t.seat(human_seat);
}

// Seat 1 puts `amount` in: the whole stack when the amount reaches it.
void put_chips_in(Table& t, Chips amount) {
    const Chips bet_before = t.currentbet;
    put_in_pot(t, human_seat, amount, Payer::human);
    bet_panel_hide(t);
    report_action(t, human_seat, bet_before, human(t).bet, false);
}

void hand_on(Table& t) {
    if (t.human_turn_waiting) end_human_highlight(t);
    if (!t.gameover) t.loop.set_focus(ctl::focus_box(2));
}

Chips amount_to_call(const Table& t) {
    return checked_sub(t.currentbet, t.seat(human_seat).totalbet);
}

// The amount to call plus the typed amount, rounded half to even; any amount beyond the stack
// is the whole stack, however many digits it has.
Chips typed_bet(const Table& t, std::string_view text) {
    const Player& p = t.seat(human_seat);
    const Chips to_call = amount_to_call(t);
    if (!is_number(text)) return to_call;
    const double total =
        static_cast<double>(to_call) + std::fabs(round_half_even(numeric_value(text)));
    if (total >= static_cast<double>(p.prize)) return p.prize;
    return static_cast<Chips>(total);
}

void bet_typed_amount(Table& t, std::string_view text) {
    const std::string typed(text);  // the panel empties the box as the chips go in
    put_chips_in(t, typed_bet(t, typed));
    hand_on(t);
    raise_bookkeeping(t, human_seat);
}

}  // namespace

bool typed_amount_accepted(const Table& t, std::string_view text) {
    if (text.empty()) return false;
    const double typed = numeric_value(text);
    return typed >= numeric_value(t.controls.caption(ctl::Call)) &&
           typed >= numeric_value(t.controls.caption(ctl::Raise));
}

TypedAmount read_typed_amount(const Table& t, std::string_view text) {
    TypedAmount typed;
    typed.least = std::max(numeric_value(t.controls.caption(ctl::Call)),
                           numeric_value(t.controls.caption(ctl::Raise)));
    typed.to_call = std::max<Chips>(0, amount_to_call(t));
    typed.accepted = typed_amount_accepted(t, text);
    typed.calls_only = typed.accepted && !is_number(text);
    return typed;
}

void Command5_Click(Table& t) {
    if (t.gameover) return;  // nobody bets once the showdown has begun
    put_chips_in(t, amount_to_call(t));
    closing_check(t, human_seat, CloserOrder::CallFold);
    hand_on(t);
    opening_closer(t, human_seat);
}

void Command6_Click(Table& t) {
    if (t.gameover) return;
    put_chips_in(t, checked_add(amount_to_call(t), checked_mul(t.limits, 2)));
    hand_on(t);
    raise_bookkeeping(t, human_seat);
}

void Command7_Click(Table& t) {
    if (!t.gameover) report_action(t, human_seat, t.currentbet, 0, false);
    show_stack_or_all_in(t, human_seat);
    bet_panel_hide(t);
    closing_check(t, human_seat, CloserOrder::Check);
    hand_on(t);
    opening_closer(t, human_seat);
}

void Command8_Click(Table& t) {
    // Folded from the moment the button is pressed: a fold that closes the river starts the
    // showdown inside the closing check, which must neither show nor pay the folded hand; and
    // the watchers told of the fold find the seat folded, as they find every other change.
    human(t).fold = true;
    if (!t.gameover) report_action(t, human_seat, t.currentbet, 0, true);
    show_stack_or_all_in(t, human_seat);
    bet_panel_hide(t);
    t.controls.hide(ctl::first_card(human_seat));
    t.controls.hide(ctl::second_card(human_seat));
    closing_check(t, human_seat, CloserOrder::CallFold);
    hand_on(t);
    update_pace(t);
    opening_closer(t, human_seat);
}

void Command11_Click(Table& t) {
    if (t.gameover) return;
    human(t).bet = amount_to_call(t);
    const std::string& text = t.controls.caption(ctl::Text2);
    if (!typed_amount_accepted(t, text)) return;
    bet_typed_amount(t, text);
}

void Text2_KeyPress(Table& t, int key_ascii) {
    if (t.gameover) return;
    human(t).bet = amount_to_call(t);
    const std::string& text = t.controls.caption(ctl::Text2);
    if (key_ascii != key::enter || !typed_amount_accepted(t, text)) return;
    bet_typed_amount(t, text);
}

void Command3_Click(Table& t) {
    Control& button = t.controls[ctl::SitOut];
    if (!human(t).sittingout) {
        t.sitter = 1;
        button.back_colour = colours::red;
    } else {
        t.sitter = 0;
        button.back_colour = colours::yellow;
    }
}

void Command2_Click(Table& t) {
    end_game(t, GameEnd::Exit);
}

bool human_turn_open(const Table& t) {
    return !t.ended && !t.gameover && t.controls[ctl::Fold].visible;
}

void bet_panel_show(Table& t) {
    for (ControlId id : panel)
        t.controls.show(id);
}

void bet_panel_hide(Table& t) {
    for (ControlId id : panel)
        t.controls.hide(id);
    t.controls.set_caption(ctl::Text2, "");
}

}  // namespace holdem
