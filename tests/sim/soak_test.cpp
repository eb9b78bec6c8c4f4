// The soak: thousands of hands for every way of playing seat 1, from the start of the field and
// from its end, with every invariant checked after every step. Together the late starts must
// reach the closing regime, close seats and win tournaments.
#include <gtest/gtest.h>

#include <cstdlib>

#include "sim/runner.h"

namespace holdem::sim {
namespace {

struct SoakCase {
    PolicyKind policy;
    int late;  // entrants knocked out before the first hand
};

constexpr PolicyKind all_policies[] = {PolicyKind::caller, PolicyKind::raiser, PolicyKind::folder,
                                       PolicyKind::sitout, PolicyKind::random, PolicyKind::shark};
constexpr int late_starts[] = {950, 965, 980, 989};

TEST(Soak, InvariantsHoldFromTheStartAndTheEndOfTheField) {
    const bool short_run = std::getenv("HOLDEM_SHORT") != nullptr;
    std::vector<SoakCase> cases;
    for (PolicyKind policy : all_policies) {
        cases.push_back({policy, 0});
        for (int late : late_starts)
            cases.push_back({policy, late});
    }
    std::uint64_t won = 0, closing = 0, closed = 0;
    for (const SoakCase& c : cases) {
        const std::uint64_t wanted = short_run ? 150 : (c.late ? 1000 : 3000);
        std::uint64_t hands = 0;
        for (std::uint64_t n = 0; hands < wanted; ++n) {
            const TournamentResult r = play_tournament(tournament_seed(2026 + c.late, n), c.policy,
                                                       wanted - hands, c.late);
            ASSERT_FALSE(r.violation) << policy_name(c.policy) << " late " << c.late
                                      << " tournament " << n << ": " << *r.violation;
            hands += r.hands;
            won += r.end == GameEnd::TournamentWon;
            closing += r.closing_regime;
            closed += r.seats_closed;
        }
    }
    EXPECT_GT(won, 0u);
    EXPECT_GT(closing, 0u);
    EXPECT_GT(closed, 0u);
}

TEST(Soak, EveryCombinationOfOptionsKeepsTheInvariants) {
    const bool short_run = std::getenv("HOLDEM_SHORT") != nullptr;
    int combination = 0;
    for (Pace pace : {Pace::classic, Pace::quick, Pace::fast})
        for (Levels levels : {Levels::classic, Levels::by_hands})
            for (Ranking ranking : {Ranking::classic, Ranking::standard})
                for (Opponents opponents : {Opponents::all_seeing, Opponents::fair}) {
                    TournamentSetup setup;
                    setup.options = {pace, combination % 2 == 1, levels, ranking, opponents};
                    setup.policy = all_policies[combination % std::size(all_policies)];
                    setup.late = combination % 3 == 0 ? 0 : late_starts[combination % 4];
                    const std::uint64_t wanted = short_run ? 60 : 400;
                    std::uint64_t hands = 0;
                    for (std::uint64_t n = 0; hands < wanted; ++n) {
                        setup.max_hands = wanted - hands;
                        const TournamentResult r =
                            play_tournament(tournament_seed(77 + combination, n), setup);
                        ASSERT_FALSE(r.violation)
                            << "options " << combination << ": " << *r.violation;
                        hands += r.hands;
                    }
                    ++combination;
                }
}

TEST(Soak, TournamentsWithoutAHandLimitAllEnd) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const TournamentResult r = play_tournament(seed, PolicyKind::shark, 1'000'000);
        ASSERT_FALSE(r.violation) << "seed " << seed << ": " << *r.violation;
        ASSERT_TRUE(r.end == GameEnd::TournamentWon || r.end == GameEnd::HumanBroke)
            << "seed " << seed;
        EXPECT_GT(r.virtual_ms, 60 * 1000);  // minutes of play in virtual time
    }
}

}  // namespace
}  // namespace holdem::sim
