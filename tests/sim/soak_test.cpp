// The soak: tens of thousands of hands over every way of playing seat 1, from the start of the
// field and from its end, with every invariant checked after every step.
#include <gtest/gtest.h>

#include <cstdlib>

#include "sim/runner.h"

namespace holdem::sim {
namespace {

struct SoakCase {
    PolicyKind policy;
    int already_knocked_out;
};

class Soak : public ::testing::TestWithParam<SoakCase> {};

TEST_P(Soak, InvariantsHoldOverThousandsOfHands) {
    const std::uint64_t wanted = std::getenv("HOLDEM_SHORT") ? 500 : 4000;
    std::uint64_t hands = 0, tournaments = 0, closed_field = 0;
    while (hands < wanted) {
        TournamentResult r = play_tournament(tournament_seed(2026, tournaments), GetParam().policy,
                                             wanted - hands, GetParam().already_knocked_out);
        ASSERT_FALSE(r.violation) << policy_name(GetParam().policy) << " tournament " << tournaments
                                  << ": " << *r.violation;
        hands += r.hands;
        ++tournaments;
        closed_field += r.end == GameEnd::TournamentWon;
    }
    EXPECT_GE(hands, wanted);
    if (GetParam().already_knocked_out > 0 && GetParam().policy == PolicyKind::shark) {
        EXPECT_GT(closed_field, 0u);  // the end of the field is reached and won
    }
}

INSTANTIATE_TEST_SUITE_P(
    Policies, Soak,
    ::testing::Values(SoakCase{PolicyKind::caller, 0}, SoakCase{PolicyKind::raiser, 0},
                      SoakCase{PolicyKind::folder, 0}, SoakCase{PolicyKind::sitout, 0},
                      SoakCase{PolicyKind::random, 0}, SoakCase{PolicyKind::shark, 0},
                      SoakCase{PolicyKind::random, 950}, SoakCase{PolicyKind::shark, 970},
                      SoakCase{PolicyKind::sitout, 980}),
    [](const auto& info) {
        return std::string(policy_name(info.param.policy)) +
               (info.param.already_knocked_out ? "_late" : "");
    });

}  // namespace
}  // namespace holdem::sim
