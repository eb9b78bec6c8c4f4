#include "betting/turns.h"

#include <algorithm>
#include <vector>

#include "betting/chips.h"
#include "betting/decision.h"
#include "betting/human_actions.h"
#include "evaluation/winner.h"
#include "game/dealer.h"
#include "game/dealing.h"
#include "game/streets.h"
#include "tournament/limits_clock.h"

namespace holdem {

namespace {

void set_highlight(Table& t, int seat, Colour colour) {
    t.controls[ctl::highlight(seat)].back_colour = colour;
    t.controls[ctl::focus_box(seat)].back_colour = colour;
}

// Gives the turn to the seat after `seat`: its focus box, or the human's "Call" after seat 10.
// During the blinds with seat 9 dealing, seat 10 hands on to seat 1's focus box instead, as its
// small blind does, so that seat 1 still posts the big blind when seat 10 has none to post.
void hand_turn_on(Table& t, int seat) {
    if (seat == seat_count && !t.postblinds && t.seat(9).dealer == 1) {
        t.loop.set_focus(ctl::focus_box(human_seat));
    } else if (seat == seat_count) {
        t.controls.show(ctl::Call);
        t.loop.set_focus(ctl::Call);
    } else {
        t.loop.set_focus(ctl::focus_box(seat + 1));
    }
}

// A blind: the seat pays the amount or its whole stack, and its chips show.
void post_blind(Table& t, int seat, bool big) {
    forced_bet(t, seat, big ? checked_mul(t.limits, 2) : t.limits);
    chips_player_show(t, t.seat(seat).bet, seat);
    notify(t, [&](TableObserver& o) { o.blind_posted(t, seat, t.seat(seat).bet, big); });
}

bool small_blind_seat(const Table& t, int seat) {
    return t.seat(seat_before(seat)).dealer == 1;
}
bool big_blind_seat(const Table& t, int seat) {
    return t.seat(seat_before(seat, 2)).dealer == 1;
}

// When the turn comes round to the seat after the dealer before the pre-flop round has begun
// (no big blind was posted and everybody else passed), the round begins there.
void open_round_if_blinds_came_round(Table& t, int seat) {
    if (t.postblinds || !small_blind_seat(t, seat)) return;
    if (t.small_blind_turn_taken)
        t.postblinds = true;
    else
        t.small_blind_turn_taken = true;
}

enum class Step { Show, Zero, Hide, Stop, Evaluate };

void run_step(Table& t, Step step, int street) {
    switch (step) {
        case Step::Show:
            if (street == 0)
                show_flop1(t);
            else if (street == 1)
                show_flop2(t);
            else
                show_flop3(t);
            break;
        case Step::Zero:
            zero_total_bets(t);
            break;
        case Step::Hide:
            bet_panel_hide(t);
            break;
        case Step::Stop:
            stop_pacing_clock(t);
            break;
        case Step::Evaluate:
            evaluate_winner(t);
            break;
    }
}

}  // namespace

void Command4_Click(Table& t) {
    if (t.gameover) return;
    t.loop.set_timer_enabled(TimerId::roundtimer, true);
}

void stop_pacing_clock(Table& t) {
    t.loop.set_timer_enabled(TimerId::roundtimer, false);
}

void roundtimer_Timer(Table& t) {
    for (int k = 2; k <= 9; ++k) {
        if (t.focuser != k) continue;
        t.focuser = 0;
        t.postblinds = true;
        t.loop.set_focus(ctl::focus_box(k + 1));
    }
    if (t.focuser == 10) {
        t.focuser = 0;
        t.postblinds = true;
        t.controls.show(ctl::Call);
        t.loop.set_focus(ctl::Call);
    }
    limits_clock_tick(t);
}

void forced_bet(Table& t, int seat, Chips amount) {
    Player& p = t.seat(seat);
    p.pay(amount);
    t.currentbet = p.bet;  // assigned, not compared: a short blind lowers it
    show_stack_or_all_in(t, seat);
    t.pot = checked_add(t.pot, p.bet);
    t.controls.set_caption(ctl::potlabel, number_text(t.pot));
}

void show_stack_or_all_in(Table& t, int seat) {
    Player& p = t.seat(seat);
    if (p.prize <= 0) {
        t.controls.set_caption(ctl::stack_label(seat), "All in");
        p.allin = true;
    } else {
        t.controls.set_caption(ctl::stack_label(seat), number_text(p.prize));
    }
}

void report_action(Table& t, int seat, Chips bet_before, Chips amount, bool folded) {
    const Player& p = t.seat(seat);
    ActionEvent e;
    e.seat = seat;
    e.street = static_cast<Street>(std::max(0, current_street(t)));
    e.amount = folded ? 0 : amount;
    e.total = p.totalbet;
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

bool nobody_can_act(const Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).can_act()) return false;
    return true;
}

void run_out_to_showdown(Table& t) {
    bet_panel_hide(t);
    if (!t.postflop1) {
        show_flop1(t);
        zero_total_bets(t);
    }
    if (!t.postflop2) {
        show_flop2(t);
        zero_total_bets(t);
    }
    if (!t.postflop3) {
        show_flop3(t);
        zero_total_bets(t);
    }
    stop_pacing_clock(t);
    zero_total_bets(t);
    evaluate_winner(t);
}

void computer_seat_turn(Table& t, int k) {
    if (t.gameover) return;  // nothing happens at the table once the showdown has begun
    Player& p = t.seat(k);
    open_round_if_blinds_came_round(t, k);

    if (!t.postblinds && small_blind_seat(t, k) && p.Active) {
        post_blind(t, k, false);
        Command4_Click(t);
        t.loop.set_focus(ctl::focus_box(seat_after(k)));
    }
    if (!t.postblinds && big_blind_seat(t, k) && p.Active) {
        post_blind(t, k, true);
        distribute_cards_for_10(t);
        show_hole_cards(t);
        Command4_Click(t);
    }

    set_highlight(t, k, colours::highlight);
    if (k == 2) set_highlight(t, human_seat, colours::idle);

    if (!p.Active) p.fold = true;
    if (p.sittingout) p.fold = true;

    if (t.postblinds && nobody_can_act(t)) {
        run_out_to_showdown(t);
        return;
    }

    if (p.fold || p.allin || t.raiservalue >= 3) {
        closing_check(t, k, CloserOrder::Computer);
        if (!t.gameover) hand_turn_on(t, k);
    }
    if (p.Active && !p.fold && !p.sittingout && t.postblinds && !t.gameover)
        computer_decision(t, k);
    t.focuser = static_cast<std::int16_t>(k);
    opening_closer(t, k);
}

void Picture2_GotFocus(Table& t) {
    if (t.gameover) return;
    Player& p = t.seat(human_seat);
    open_round_if_blinds_came_round(t, human_seat);
    if (!t.postblinds && small_blind_seat(t, human_seat) && p.Active) {
        post_blind(t, human_seat, false);
        Command4_Click(t);
        t.loop.set_focus(ctl::focus_box(2));
    }
    if (!t.postblinds && big_blind_seat(t, human_seat) && p.Active) {
        post_blind(t, human_seat, true);
        distribute_cards_for_10(t);
        show_hole_cards(t);
        t.postblinds = true;
        Command4_Click(t);
        t.loop.set_focus(ctl::focus_box(2));
    }
    if (!p.sittingout) set_highlight(t, human_seat, colours::highlight);
    if (p.sittingout && p.dealer == 1) {
        place_dealer_button(t, ctl::first_card(human_seat));
        t.controls.hide(ctl::Label(1));
        t.controls.hide(ctl::first_card(human_seat));
        t.controls.hide(ctl::second_card(human_seat));
    }
}

void Command5_GotFocus(Table& t) {
    if (t.gameover) return;
    Player& p = t.seat(human_seat);
    Controls& c = t.controls;
    open_round_if_blinds_came_round(t, human_seat);

    stop_pacing_clock(t);
    c.set_caption(ctl::Call, number_text(static_cast<std::int64_t>(t.currentbet) - p.totalbet));
    const double to_call = numeric_value(c.caption(ctl::Call));
    c.set_caption(ctl::Raise, std::to_string(static_cast<std::int64_t>(to_call) + 2LL * t.limits));
    if (!t.postblinds) bet_panel_hide(t);

    if (!p.fold && !p.sittingout) {
        set_highlight(t, human_seat, colours::highlight);
        bet_panel_show(t);
        if (to_call <= 0) {
            c.show(ctl::Check);
            c.hide(ctl::Call);
            // "Call" held the focus and is gone: "Check" takes it, without ending the turn.
            if (t.loop.focus() == ctl::Call) t.loop.move_focus_quietly(ctl::Check);
        } else {
            c.hide(ctl::Check);
            c.show(ctl::Call);
        }
    }
    if (!p.Active || p.sittingout) p.fold = true;

    if (t.postblinds && nobody_can_act(t)) {
        run_out_to_showdown(t);
        return;
    }

    if (p.fold || p.allin || t.raiservalue >= 3) {
        closing_check(t, human_seat, CloserOrder::HumanPassThrough);
        bet_panel_hide(t);
        raise_bookkeeping(t, human_seat);
        if (!t.gameover) {
            Command4_Click(t);
            t.loop.set_focus(ctl::focus_box(2));
        }
    }
}

void focus_box_lost_focus(Table& t, int seat) {
    set_highlight(t, seat, colours::idle);
    if (seat == human_seat) bet_panel_hide(t);
}

// The human's turn ends when an action hands it on. While the action panel is open, the focus
// moving to "Sit Out" or to a "Bet It" that may yet be refused ends nothing: the clock stays
// stopped and seat 1 keeps its highlight until an action closes the panel.
void human_button_lost_focus(Table& t) {
    const std::optional<ControlId> to = t.loop.focus();
    if (t.controls[ctl::Fold].visible && to && (*to == ctl::SitOut || *to == ctl::BetIt)) {
        t.human_turn_waiting = true;
        return;
    }
    end_human_highlight(t);
}

void end_human_highlight(Table& t) {
    t.human_turn_waiting = false;
    set_highlight(t, human_seat, colours::idle);
    Command4_Click(t);
}

void closing_check(Table& t, int seat, CloserOrder order) {
    using enum Step;
    // The steps of each outcome (flop, turn, river, showdown) for each caller.
    static const std::vector<Step> computer[4] = {
        {Show, Zero}, {Show, Zero}, {Show, Zero}, {Stop, Zero, Evaluate}};
    static const std::vector<Step> pass_through[4] = {
        {Show, Zero}, {Hide, Show, Zero}, {Zero, Hide, Show}, {Zero, Hide, Stop, Evaluate}};
    static const std::vector<Step> call_fold[4] = {
        {Zero, Hide, Show}, {Zero, Hide, Show}, {Zero, Hide, Show}, {Zero, Hide, Stop, Evaluate}};
    static const std::vector<Step> check[4] = {
        {Zero, Hide, Show}, {Hide, Zero, Show}, {Zero, Hide, Show}, {Zero, Hide, Stop, Evaluate}};
    const std::vector<Step>* outcomes = order == CloserOrder::Computer           ? computer
                                        : order == CloserOrder::HumanPassThrough ? pass_through
                                        : order == CloserOrder::CallFold         ? call_fold
                                                                                 : check;
    for (int street = 0; street < 4; ++street) {
        if (t.gameover) return;
        if (closing_seat(t, street) != seat || !street_flag(t, street)) continue;
        for (Step step : outcomes[street])
            run_step(t, step, street);
    }
}

void raise_bookkeeping(Table& t, int seat) {
    t.raiser = true;
    t.raiservalue = static_cast<std::int16_t>(t.raiservalue + 1);
    if (t.raiservalue >= 3) return;
    for (int street = 0; street < 4; ++street)
        if (street_flag(t, street))
            closing_seat(t, street) = static_cast<std::int16_t>(seat_before(seat));
}

void opening_closer(Table& t, int seat) {
    const int street = current_street(t);
    if (street < 0 || closing_seat(t, street) != 0) return;
    if (t.seat(seat_before(seat, 3)).dealer != 1) return;
    for (int s = 0; s <= street; ++s)
        if (street_flag(t, s)) closing_seat(t, s) = static_cast<std::int16_t>(seat_before(seat));
}

}  // namespace holdem
