// The equity calculator: two to ten players, each a range of hands (one hand, a range, or any
// hand), a board of 0, 3, 4 or 5 cards and dead cards; every deal enumerated where that is
// small enough, else deals sampled until the standard error is small. Each deal weighs every
// way of giving the players hands without a card twice the same.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calculator/hand_range.h"

namespace holdem::calculator {

struct Spot {
    std::vector<HandRange> players;
    std::vector<CardCode> board;
    std::vector<CardCode> dead;
};

struct PlayerEquity {
    double win = 0;             // share of deals won alone
    double tie = 0;             // share of deals split
    double equity = 0;          // share of the pots: wins and each split's part
    double standard_error = 0;  // of the equity; 0 when enumerated
};

struct Equities {
    std::vector<PlayerEquity> players;
    std::uint64_t deals = 0;  // deals enumerated or sampled
    bool exact = false;
    bool cancelled = false;
    std::string problem;  // why nothing was worked out; empty when it was
};

// What is wrong with a spot, in words; empty when it can be worked out.
std::string spot_problem(const Spot& spot);

// The deals an enumeration visits: the players' hands that fit together times the boards.
// Counted with the players' hands taken one by one, so a large figure is only an estimate
// (at most what it would be without the cards the hands share).
double enumeration_size(const Spot& spot);

// Every deal, unless `cancel` is set on the way.
Equities enumerate_equities(const Spot& spot, const std::atomic<bool>* cancel = nullptr);

struct Sampling {
    double target_error = 0.001;  // stop when every player's standard error is below
    std::uint64_t most_deals = 20'000'000;
    std::uint64_t seed = 1;
    // Told the figures so far every `report_every` deals.
    std::uint64_t report_every = 200'000;
    std::function<void(const Equities&)> progress;
};
Equities sample_equities(const Spot& spot, const Sampling& sampling,
                         const std::atomic<bool>* cancel = nullptr);

// Enumerated when at most `most_enumerated` deals, else sampled.
inline constexpr double most_enumerated = 60'000'000;
Equities calculate_equities(const Spot& spot, const Sampling& sampling,
                            const std::atomic<bool>* cancel = nullptr);

}  // namespace holdem::calculator
