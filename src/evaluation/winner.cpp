#include "evaluation/winner.h"

#include <vector>

#include "betting/turns.h"
#include "evaluation/pot_award.h"
#include "game/hand_driver.h"

namespace holdem {

void evaluate_ultimate_winner(Table& t, const std::array<std::int16_t, seat_count>& w) {
    auto greatest_below = [&](int limit) {
        int best = 0;
        for (int value : w)
            if (value < limit && value > best) best = value;
        return best;
    };
    int m1 = w[0];
    for (int value : w)
        if (value > m1) m1 = value;
    const int m2 = greatest_below(m1);
    const int m3 = greatest_below(m2);
    const int m4 = greatest_below(m3);
    // A seat ends with the standing of the last step that matched it.
    for (int k = 1; k <= seat_count; ++k)
        if (w[k - 1] == m4) t.seat(k).handrank = 4;
    for (int k = 1; k <= seat_count; ++k)
        if (w[k - 1] == m3) t.seat(k).handrank = 3;
    for (int k = 1; k <= seat_count; ++k)
        if (w[k - 1] == m2) t.seat(k).handrank = 2;
    int last_best = 0;
    for (int k = 1; k <= seat_count; ++k) {
        if (w[k - 1] != m1) continue;
        t.seat(k).handrank = 1;
        t.numberofwinners = static_cast<std::int16_t>(t.numberofwinners + 1);
        last_best = k;
    }
    // With several best seats the line of the highest-numbered one remains.
    const Player& best = t.seat(last_best);
    t.controls.set_caption(ctl::winnerlabel, best.caption + " " + best.handvalue);
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).handrank == 0) t.seat(k).handrank = 5;
}

void remove_folds(Table& t) {
    for (int k = 1; k <= seat_count; ++k) {
        t.seat(k).fold = false;
        t.seat(k).allin = false;
    }
}

namespace {

// One step of the showdown: a run-time error abandons the step, never the showdown.
template <typename Step>
void guarded(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// The seats the pot goes to: those still in the hand with the best hand number among them;
// when nobody is left in the hand, the active seats with the best number.
std::vector<int> paid_seats(const Table& t) {
    auto best_of = [&](auto&& eligible) {
        std::vector<int> seats;
        int best = -1;
        for (int k = 1; k <= seat_count; ++k) {
            const Player& p = t.seat(k);
            if (!eligible(p)) continue;
            if (p.handnumber > best) {
                best = p.handnumber;
                seats.clear();
            }
            if (p.handnumber == best) seats.push_back(k);
        }
        return seats;
    };
    std::vector<int> seats = best_of([](const Player& p) { return p.in_hand(); });
    if (seats.empty()) seats = best_of([](const Player& p) { return p.Active; });
    return seats;
}

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

}  // namespace

void evaluate_winner(Table& t) {
    if (t.gameover) return;  // the pot is paid once
    t.gameover = true;
    ++t.showdowns;
    notify(t, [&](TableObserver& o) { o.showdown_started(t); });
    stop_pacing_clock(t);
    t.controls.show(ctl::winnerlabel);

    const std::vector<int> paid = paid_seats(t);
    t.numberofwinners = static_cast<std::int16_t>(paid.size());
    for (int k : paid)
        t.seat(k).handrank = 1;
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).in_hand()) notify(t, [&](TableObserver& o) { o.hand_shown(t, k); });

    auto award = [&](int k) {
        const Chips before = t.seat(k).prize;
        award_share(t, k);
        const Chips won = t.seat(k).prize - before;
        notify(t, [&](TableObserver& o) { o.pot_won(t, k, won); });
    };
    for (int k : paid) {
        if (k == human_seat) {
            guarded([&] { award(k); });
            guarded([&] { show_winner_line(t, k); });
            guarded([&] { pot_to_winner(t, k); });
            guarded([&] { reveal(t); });
        } else {
            guarded([&] { show_winner_line(t, k); });
            guarded([&] { reveal(t); });
            guarded([&] { award(k); });
            guarded([&] { pot_to_winner(t, k); });
        }
    }
    guarded([&] { show_stacks(t); });
    notify(t, [&](TableObserver& o) { o.pot_awarded(t); });
    guarded([&] { Command1_Click(t); });
}

}  // namespace holdem
