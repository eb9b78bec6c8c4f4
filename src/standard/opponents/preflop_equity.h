// Equities before the flop: each kind of starting hand against one to nine random hands, in
// hundredths of a percent (a tie counts as its share), as `tools/make_opponent_tables` works
// them out and commits them; and the sampling that works them out.
#pragma once

#include <array>
#include <cstdint>

#include "standard/opponents/hand_classes.h"

namespace holdem::standard {

inline constexpr int preflop_deals = 20000;  // deals an entry of the table is worked out from

// [opponents - 1][hand class]
extern const std::array<std::array<std::uint16_t, hand_classes>, 9> preflop_equity_table;

// The class against `opponents` random hands over `deals` deals from a seeded stream, in
// hundredths of a percent.
std::uint16_t work_out_preflop_equity(int hand_class, int opponents, int deals, std::uint64_t seed);

// The equity the table gives, as a share (0 … 1).
inline double preflop_equity(int hand_class, int opponents) {
    const int row = opponents < 1 ? 0 : opponents > 9 ? 8 : opponents - 1;
    return preflop_equity_table[static_cast<std::size_t>(row)]
                               [static_cast<std::size_t>(hand_class)] /
           10000.0;
}

}  // namespace holdem::standard
