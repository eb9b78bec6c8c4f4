#include "cycle/turns.h"

#include <vector>

#include "cycle/dealer.h"
#include "cycle/dealing.h"
#include "cycle/human_actions.h"
#include "cycle/showdown.h"
#include "cycle/streets.h"
#include "rules/betting/closing_seats.h"
#include "rules/betting/decision.h"
#include "rules/betting/fair_estimate.h"
#include "rules/betting/pot.h"
#include "rules/tournament/limits_clock.h"

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
    put_in_pot(t, seat, big ? checked_mul(t.limits, 2) : t.limits, Payer::blind);
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

// The small blind hands the turn straight on; the big blind deals the hand's cards again and
// starts the clock, whose next pass opens the pre-flop round.
void post_blinds_owed(Table& t, int seat) {
    const Player& p = t.seat(seat);
    if (!t.postblinds && small_blind_seat(t, seat) && p.Active) {
        post_blind(t, seat, false);
        Command4_Click(t);
        t.loop.set_focus(ctl::focus_box(seat_after(seat)));
    }
    if (!t.postblinds && big_blind_seat(t, seat) && p.Active) {
        post_blind(t, seat, true);
        // The same deck once more: the seats get the same cards and the assessment runs again.
        distribute_cards_for_10(t);
        show_hole_cards(t);
        // The clock never passes the turn on from seat 1, so its big blind opens the round
        // itself and hands straight to seat 2.
        if (seat == human_seat) t.postblinds = true;
        Command4_Click(t);
        if (seat == human_seat) t.loop.set_focus(ctl::focus_box(seat_after(seat)));
    }
}

// Seat 1's focus box: its highlight, and a sitting-out dealer's button and cards put away.
void human_focus_box(Table& t) {
    const Player& p = t.seat(human_seat);
    if (!p.sittingout) set_highlight(t, human_seat, colours::highlight);
    if (p.sittingout && p.dealer == 1) {
        place_dealer_button(t, human_seat);
        t.controls.hide(ctl::dealer_button);
        t.controls.hide(ctl::first_card(human_seat));
        t.controls.hide(ctl::second_card(human_seat));
    }
}

// The human's turn: the clock stops and the panel opens with the amount to call and a
// standard raise; "Check" stands in for "Call" when there is nothing to call.
void open_action_panel(Table& t) {
    const Player& p = t.seat(human_seat);
    Controls& c = t.controls;
    stop_pacing_clock(t);
    // The "Call" caption holds the amount to call, which the "Raise" caption builds on.
    const std::int64_t to_call = static_cast<std::int64_t>(t.currentbet) - p.totalbet;
    c.set_number(ctl::Call, to_call);
    // The "Raise" caption is a plain number, without the leading blank of every other number.
    c.set_caption(ctl::Raise, std::to_string(to_call + 2LL * t.limits));
    if (!t.postblinds) bet_panel_hide(t);
    if (p.fold || p.sittingout) return;
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

// A folded or all-in seat, or any seat once three raises are in, hands the turn on at once.
void pass_through(Table& t, int seat) {
    const bool human = seat == human_seat;
    closing_check(t, seat, human ? CloserOrder::HumanPassThrough : CloserOrder::Computer);
    if (human) {
        bet_panel_hide(t);
        // A human who passes counts as raising: the raise count goes up and, while
        // it is below 3, seat 10 becomes the closing seat, so the round still comes round to
        // the seats after him.
        raise_bookkeeping(t, seat);
        if (!t.gameover) Command4_Click(t);
    }
    if (!t.gameover) hand_turn_on(t, seat);
}

enum class Step : std::uint8_t { Show, Zero, Hide, Stop, Evaluate };

void run_step(Table& t, Step step, Street street) {
    switch (step) {
        case Step::Show:
            if (street == Street::preflop)
                show_flop1(t);
            else if (street == Street::flop)
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
    // Seat 1 is never passed from here: the human's actions hand the turn on themselves.
    for (int k = 2; k <= 9; ++k) {
        if (t.focuser != k) continue;
        t.focuser = 0;
        t.postblinds = true;
        t.loop.set_focus(ctl::focus_box(k + 1));
    }
    if (t.focuser == seat_count) {
        t.focuser = 0;
        t.postblinds = true;
        t.controls.show(ctl::Call);
        t.loop.set_focus(ctl::Call);
    }
    limits_clock_tick(t);
}

void seat_turn(Table& t, int seat, TurnEntry entry) {
    if (t.gameover) return;  // nothing happens at the table once the showdown has begun
    update_pace(t);
    Player& p = t.seat(seat);
    const bool human = seat == human_seat;
    open_round_if_blinds_came_round(t, seat);

    if (entry == TurnEntry::focus_box) {
        post_blinds_owed(t, seat);
        if (human) {
            human_focus_box(t);  // seat 1 plays through "Call", not through its box
            return;
        }
        set_highlight(t, seat, colours::highlight);
        if (seat == 2) set_highlight(t, human_seat, colours::idle);
    } else {
        open_action_panel(t);
    }

    if (!p.Active || p.sittingout) p.fold = true;
    if (t.postblinds && nobody_can_act(t)) {
        run_out_to_showdown(t);
        return;
    }
    if (p.fold || p.allin || t.raiservalue >= 3) pass_through(t, seat);
    if (human) return;  // the human's buttons do the rest

    // A seat that passed through still decides here: an all-in seat puts in nothing, and once
    // three raises are in every seat still decides as it passes.
    if (p.in_hand() && t.postblinds && !t.gameover) {
        const int handrank =
            t.options.opponents == Opponents::fair ? fair_handrank(t, seat) : p.handrank;
        computer_decision(t, seat, handrank);
        closing_check(t, seat, CloserOrder::Computer);
    }
    t.focuser = static_cast<std::int16_t>(seat);
    opening_closer(t, seat);
}

void Picture2_GotFocus(Table& t) {
    seat_turn(t, 1, TurnEntry::focus_box);
}
void Picture3_GotFocus(Table& t) {
    seat_turn(t, 2, TurnEntry::focus_box);
}
void Picture4_GotFocus(Table& t) {
    seat_turn(t, 3, TurnEntry::focus_box);
}
void Picture5_GotFocus(Table& t) {
    seat_turn(t, 4, TurnEntry::focus_box);
}
void Picture6_GotFocus(Table& t) {
    seat_turn(t, 5, TurnEntry::focus_box);
}
void Picture7_GotFocus(Table& t) {
    seat_turn(t, 6, TurnEntry::focus_box);
}
void Picture8_GotFocus(Table& t) {
    seat_turn(t, 7, TurnEntry::focus_box);
}
void Picture9_GotFocus(Table& t) {
    seat_turn(t, 8, TurnEntry::focus_box);
}
void Picture10_GotFocus(Table& t) {
    seat_turn(t, 9, TurnEntry::focus_box);
}
void Picture11_GotFocus(Table& t) {
    seat_turn(t, 10, TurnEntry::focus_box);
}
void Command5_GotFocus(Table& t) {
    seat_turn(t, human_seat, TurnEntry::call_button);
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

void run_closing_outcomes(Table& t, int seat, CloserOrder order) {
    using enum Step;
    // The steps of each outcome (flop, turn, river, showdown) for each caller, each in its own
    // order; the order only matters for what the panel shows in between.
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
    // One call can close several streets when one seat closes them all: after a raise moved
    // every closer, an earlier street's outcome runs again on the same board cards.
    for (Street street : all_streets) {
        if (t.gameover) return;
        if (closing_seat(t, street) != seat || !street_flag(t, street)) continue;
        for (Step step : outcomes[static_cast<int>(street)])
            run_step(t, step, street);
    }
}

}  // namespace holdem
