#include "rules/reading/standings.h"

namespace holdem {

void evaluate_ultimate_winner(Table& t, const std::array<std::int32_t, seat_count>& w) {
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
    t.controls[ctl::winnerlabel].caption.assign(best.caption).append(" ").append(best.handvalue);
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).handrank == 0) t.seat(k).handrank = 5;
}

void remove_folds(Table& t) {
    for (int k = 1; k <= seat_count; ++k) {
        t.seat(k).fold = false;
        t.seat(k).allin = false;
    }
}

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

}  // namespace holdem
