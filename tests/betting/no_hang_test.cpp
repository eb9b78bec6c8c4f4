// Thousands of seeded hands for each way of playing seat 1: every hand reaches its showdown
// within a bounded number of events, and the invariants hold after every step.
#include <gtest/gtest.h>

#include <cstdlib>

#include "sim/runner.h"

namespace holdem::sim {
namespace {

class NoHang : public ::testing::TestWithParam<PolicyKind> {};

TEST_P(NoHang, EveryHandReachesItsShowdownAndTheInvariantsHold) {
    const std::uint64_t wanted = std::getenv("HOLDEM_SHORT") ? 300 : 3000;
    std::uint64_t hands = 0;
    for (std::uint64_t n = 0; hands < wanted; ++n) {
        TournamentResult r = play_tournament(tournament_seed(42, n), GetParam(), wanted - hands);
        ASSERT_FALSE(r.violation) << policy_name(GetParam()) << " tournament " << n << ": "
                                  << *r.violation;
        hands += r.hands;
    }
}

INSTANTIATE_TEST_SUITE_P(Policies, NoHang,
                         ::testing::Values(PolicyKind::caller, PolicyKind::raiser,
                                           PolicyKind::folder, PolicyKind::sitout,
                                           PolicyKind::random, PolicyKind::shark),
                         [](const auto& info) { return std::string(policy_name(info.param)); });

}  // namespace
}  // namespace holdem::sim
