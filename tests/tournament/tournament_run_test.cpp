// Whole tournaments played to their end headless, in virtual time.
#include <gtest/gtest.h>

#include <chrono>

#include "sim/runner.h"

namespace holdem::sim {
namespace {

TEST(TournamentRun, PlaysToItsEndWithTheRankLineNeverBelowTheTable) {
    int won = 0, broke = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const auto started = std::chrono::steady_clock::now();
        TournamentResult r = play_tournament(seed, PolicyKind::shark, 100000);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ASSERT_FALSE(r.violation) << "seed " << seed << ": " << *r.violation;
        ASSERT_TRUE(r.end) << "seed " << seed << " did not end";
        won += *r.end == GameEnd::TournamentWon;
        broke += *r.end == GameEnd::HumanBroke;
        EXPECT_GT(r.hands, 1u);
        EXPECT_GT(r.virtual_ms, 60 * 1000);  // minutes of play …
        EXPECT_LT(seconds, 1.0);             // … in well under a second
    }
    EXPECT_EQ(won + broke, 20);
}

TEST(TournamentRun, TheSameSeedReplaysAndGamesDoNotLeakIntoEachOther) {
    const TournamentResult alone = play_tournament(7, PolicyKind::random, 2000);
    const TournamentResult other = play_tournament(8, PolicyKind::random, 2000);
    const TournamentResult again = play_tournament(7, PolicyKind::random, 2000);
    EXPECT_EQ(alone.signature, again.signature);
    EXPECT_EQ(alone.hands, again.hands);
    EXPECT_NE(alone.signature, other.signature);
}

}  // namespace
}  // namespace holdem::sim
