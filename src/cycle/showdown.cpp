#include "cycle/showdown.h"

#include <stdexcept>

#include "cycle/hand_driver.h"
#include "cycle/turns.h"
#include "rules/betting/pot_award.h"
#include "rules/reading/standings.h"

namespace holdem {

namespace {

// A step of the showdown that fails (a share too big for a stack, a card the grid has no cell
// for) is abandoned, and the showdown goes on with its next step: one seat's fault never stops
// the game from reaching the next hand.
template <typename Step>
void skip_step_on_error(Step&& step) {
    try {
        step();
    } catch (const ChipOverflow&) {
    } catch (const std::out_of_range&) {
    }
}

// Turns up the hole cards of every seat that has not folded.
void reveal(Table& t) {
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        if (p.fold) continue;
        t.controls.set_cell(ctl::first_card(k), p.cardone);
        t.controls.set_cell(ctl::second_card(k), p.cardtwo);
    }
}

void show_winner_line(Table& t, int k) {
    const Player& p = t.seat(k);
    t.controls.set_caption(ctl::winnerlabel, p.caption + " " + p.handvalue);
}

void award(Table& t, int k) {
    const Chips before = t.seat(k).prize;
    award_share(t, k);
    const Chips won = t.seat(k).prize - before;
    notify(t, [&](TableObserver& o) { o.pot_won(t, k, won); });
}

}  // namespace

void evaluate_winner(Table& t) {
    if (t.gameover) return;  // the pot is paid once
    t.gameover = true;
    ++t.showdowns;
    notify(t, [&](TableObserver& o) { o.showdown_started(t); });
    stop_pacing_clock(t);
    t.controls.show(ctl::winnerlabel);

    t.assessed_deck.reset();  // the winners' standings are rewritten
    const std::vector<int> paid = paid_seats(t);
    t.numberofwinners = static_cast<std::int16_t>(paid.size());
    for (int k : paid)
        t.seat(k).handrank = 1;
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).in_hand()) notify(t, [&](TableObserver& o) { o.hand_shown(t, k); });

    std::int64_t stacks_before = 0;
    for (int k = 1; k <= seat_count; ++k)
        stacks_before += t.seat(k).prize;
    for (int k : paid) {
        // The human is paid before the hands are turned up, a computer seat after, so the
        // human's own line shows first. With several winners the last one's line stays.
        if (k == human_seat) {
            skip_step_on_error([&] { award(t, k); });
            skip_step_on_error([&] { show_winner_line(t, k); });
            skip_step_on_error([&] { pot_to_winner(t, k); });
            skip_step_on_error([&] { reveal(t); });
        } else {
            skip_step_on_error([&] { show_winner_line(t, k); });
            skip_step_on_error([&] { reveal(t); });
            skip_step_on_error([&] { award(t, k); });
            skip_step_on_error([&] { pot_to_winner(t, k); });
        }
    }
    std::int64_t stacks_after = 0;
    for (int k = 1; k <= seat_count; ++k)
        stacks_after += t.seat(k).prize;
    t.chips_brought += stacks_after - stacks_before - t.pot;
    skip_step_on_error([&] { show_stacks(t); });
    notify(t, [&](TableObserver& o) { o.pot_awarded(t); });
    Command1_Click(t);
}

}  // namespace holdem
