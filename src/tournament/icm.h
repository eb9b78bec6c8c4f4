// The independent chip model: what a stack is worth in prizes. Each player finishes first with
// the share of the chips it holds, and the next places go the same way among those left. Exact
// for up to ten players (every order of the first places, by their subsets); above that the
// orders are sampled, the same ones for the same stacks.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/numbers.h"

namespace holdem::tournament {

inline constexpr std::size_t icm_exact_players = 10;

// Each stack's share of the prizes still to be won (`prizes[0]` the first place's); a stack of
// nothing is worth nothing.
std::vector<double> icm_values(std::span<const Chips> stacks, std::span<const double> prizes);

}  // namespace holdem::tournament
