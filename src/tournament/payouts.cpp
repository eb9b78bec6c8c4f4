#include "tournament/payouts.h"

#include <algorithm>
#include <cmath>

namespace holdem::tournament {

namespace {

int places_paid(int entrants) {
    if (entrants <= 4) return 1;
    if (entrants <= 6) return 2;
    if (entrants <= 10) return 3;
    return static_cast<int>(std::lround(0.15 * entrants));
}

// The winner's share of the pool: most of a small field's, a fifth of a large one's.
double first_share(int paid) {
    if (paid <= 2) return 0.65;
    if (paid <= 3) return 0.5;
    if (paid <= 20) return 0.3;
    if (paid <= 200) return 0.2;
    return 0.16;
}

// The weight of each place above the least cash, falling as a power of the place.
std::vector<double> weights(int paid, double power) {
    std::vector<double> w(static_cast<std::size_t>(paid));
    const double floor = std::pow(paid + 1.0, -power);
    for (int i = 0; i < paid; ++i)
        w[static_cast<std::size_t>(i)] = std::pow(i + 1.0, -power) - floor;
    return w;
}

}  // namespace

std::int64_t Payouts::prize_for(int place) const {
    if (place < 1 || place > paid()) return 0;
    return prizes[static_cast<std::size_t>(place - 1)];
}

Payouts payouts_for(int entrants, Chips buy_in) {
    Payouts p;
    p.buy_in = buy_in;
    entrants = std::max(1, entrants);
    p.pool = std::int64_t{entrants} * buy_in;
    const int paid = places_paid(entrants);
    if (paid <= 3) {
        // A single table pays as a sit-and-go does: all, 65/35 or 50/30/20.
        static constexpr int shares[3][3] = {{100, 0, 0}, {65, 35, 0}, {50, 30, 20}};
        std::int64_t given = 0;
        for (int i = 0; i < paid; ++i) {
            p.prizes.push_back(p.pool * shares[paid - 1][i] / 100);
            given += p.prizes.back();
        }
        p.prizes[0] += p.pool - given;
        return p;
    }
    const std::int64_t unit = buy_in >= 100 ? 5 : 1;
    std::int64_t least = (3 * std::int64_t{buy_in} + 1) / 2;
    least = (least + unit - 1) / unit * unit;
    const double extra = static_cast<double>(p.pool - paid * least);
    // The power that gives the winner the share a field of this size pays.
    const double target =
        first_share(paid) * static_cast<double>(p.pool) - static_cast<double>(least);
    double low = 0.05, high = 6.0;
    for (int step = 0; step < 60; ++step) {
        const double mid = (low + high) / 2;
        const std::vector<double> w = weights(paid, mid);
        double total = 0;
        for (double x : w)
            total += x;
        (extra * w[0] / total < target ? low : high) = mid;
    }
    std::vector<double> w = weights(paid, (low + high) / 2);
    double total = 0;
    for (double x : w)
        total += x;
    std::vector<double> raw(static_cast<std::size_t>(paid));
    for (int i = 0; i < paid; ++i)
        raw[static_cast<std::size_t>(i)] =
            static_cast<double>(least) + extra * w[static_cast<std::size_t>(i)] / total;
    // Beyond the ninth place the places are paid a table's worth at a time.
    for (int band = 9; band < paid; band += 9) {
        const int end = std::min(paid, band + 9);
        double sum = 0;
        for (int i = band; i < end; ++i)
            sum += raw[static_cast<std::size_t>(i)];
        for (int i = band; i < end; ++i)
            raw[static_cast<std::size_t>(i)] = sum / (end - band);
    }
    p.prizes.resize(static_cast<std::size_t>(paid));
    std::int64_t given = 0;
    for (int i = 0; i < paid; ++i) {
        const auto prize = std::max<std::int64_t>(
            least, static_cast<std::int64_t>(
                       std::floor(raw[static_cast<std::size_t>(i)] / static_cast<double>(unit))) *
                       unit);
        p.prizes[static_cast<std::size_t>(i)] = prize;
        given += prize;
    }
    p.prizes[0] += p.pool - given;  // what rounding left goes to the winner
    return p;
}

}  // namespace holdem::tournament
