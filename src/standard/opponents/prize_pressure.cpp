#include "standard/opponents/prize_pressure.h"

#include <algorithm>
#include <vector>

#include "tournament/icm.h"
#include "tournament/payouts.h"

namespace holdem::standard {

namespace {

// The payouts of the field's size, worked out once per thread and size.
const tournament::Payouts& payouts_of(int entrants) {
    thread_local int size = -1;
    thread_local tournament::Payouts payouts;
    if (size != entrants) {
        payouts = tournament::payouts_for(entrants);
        size = entrants;
    }
    return payouts;
}

// What seat `me` is worth in prizes: a stack that is gone finishes in the last place paid
// among these players, the others play on for the places above.
double worth(std::span<const Chips> stacks, std::size_t me, std::span<const double> prizes) {
    std::vector<Chips> in;
    std::size_t mine = 0, out = 0;
    for (std::size_t i = 0; i < stacks.size(); ++i) {
        if (stacks[i] <= 0) {
            ++out;
            continue;
        }
        if (i == me) mine = in.size();
        in.push_back(stacks[i]);
    }
    const std::size_t places = std::min(prizes.size(), stacks.size());
    const std::size_t first_out = places > out ? places - out : 0;
    if (stacks[me] <= 0) {
        // Busts of the same hand share the places they take.
        double shared = 0;
        for (std::size_t p = first_out; p < places; ++p)
            shared += prizes[p];
        return shared / static_cast<double>(out);
    }
    return tournament::icm_values(in, prizes.first(first_out))[mine];
}

constexpr double most_pressure = 0.25;
constexpr double bubble_pressure = 0.10;
constexpr double paid_pressure = 0.02;

}  // namespace

double final_table_pressure(std::span<const Chips> stacks, std::size_t me, Chips risk,
                            std::span<const double> prizes) {
    std::size_t rival = me;
    for (std::size_t i = 0; i < stacks.size(); ++i)
        if (i != me && (rival == me || stacks[i] > stacks[rival])) rival = i;
    if (rival == me || risk <= 0) return 0.0;
    risk = std::min({risk, stacks[me], stacks[rival]});
    std::vector<Chips> now(stacks.begin(), stacks.end()), won = now, lost = now;
    won[me] += risk;
    won[rival] -= risk;
    lost[me] -= risk;
    lost[rival] += risk;
    const double before = worth(now, me, prizes);
    const double up = worth(won, me, prizes) - before;
    const double down = before - worth(lost, me, prizes);
    if (up <= 0) return most_pressure;
    // An even bet for chips needs half; one for prizes needs what it risks over all at stake.
    const double needed = down / (down + up);
    return std::clamp(needed - 0.5, 0.0, most_pressure);
}

double prize_pressure(const Table& t, const HandState& hand, int me, Difficulty difficulty) {
    if (difficulty == Difficulty::easy || t.field_left <= 0 || !field_played(t.options)) return 0.0;
    const tournament::Payouts& payouts = payouts_of(t.options.entrants);
    const int left = t.field_left, paid = payouts.paid();
    if (left <= seat_count) {
        std::vector<Chips> stacks;
        std::vector<double> prizes;
        std::size_t mine = 0;
        Chips risk = 0;
        for (int k = 1; k <= seat_count; ++k) {
            if (!t.seat(k).Active) continue;
            if (k == me) {
                mine = stacks.size();
                risk = hand.stack(k) + hand.put_in(k);
            }
            stacks.push_back(hand.stack(k) + hand.put_in(k));
        }
        // The final table holds every player left: its places are the field's first ones.
        for (int place = 1; place <= static_cast<int>(stacks.size()); ++place)
            prizes.push_back(static_cast<double>(payouts.prize_for(place)));
        return final_table_pressure(stacks, mine, risk, prizes);
    }
    if (left <= paid) return paid_pressure;
    const int window = std::max(seat_count, paid / 5);
    if (left - paid > window) return 0.0;
    const double closeness = 1.0 - static_cast<double>(left - paid - 1) / window;
    return bubble_pressure * closeness;
}

}  // namespace holdem::standard
