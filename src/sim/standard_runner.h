// Whole tournaments under the standard rules, headless: seat 1 played by a policy, the others
// by the placeholder computer player, with the money and the hand checked after every move.
#pragma once

#include "sim/runner.h"

namespace holdem::sim {

TournamentResult play_standard_tournament(std::uint64_t seed, const TournamentSetup& setup);

}  // namespace holdem::sim
