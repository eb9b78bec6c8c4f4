// The odds helper against exact counts: sampled figures within half a point of enumeration.
#include "rules/reading/odds.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using testing::code_of;

double equity(const Odds& o) {
    return o.win + o.tie / 2;
}

TEST(Odds, SampledFiguresMatchExactCountsWithinHalfAPoint) {
    // Aces against one random hand before the flop: 85.2 % by the known count.
    const Odds aces = estimate_odds({code_of("Ac"), code_of("Ad")}, {}, 1, 200000, 7);
    EXPECT_NEAR(equity(aces), 0.852, 0.005);
    struct Spot {
        const char* hole[2];
        std::vector<const char*> board;
        int outs;
    };
    const Spot spots[] = {
        {{"Ah", "5h"}, {"2h", "9h", "Kc"}, 9},         // a flush draw on the flop
        {{"8c", "9d"}, {"10h", "Jc", "2s"}, 8},        // open-ended on the flop
        {{"Ks", "Kd"}, {"Kc", "7h", "2d", "9s"}, 10},  // a set on the turn: the board pairing
    };
    for (const Spot& s : spots) {
        std::vector<CardCode> board;
        for (const char* c : s.board)
            board.push_back(code_of(c));
        const std::array<CardCode, 2> hole = {code_of(s.hole[0]), code_of(s.hole[1])};
        const Odds exact = exact_odds(hole, board);
        const Odds sampled = estimate_odds(hole, board, 1, 100000, 11);
        EXPECT_NEAR(sampled.win, exact.win, 0.005) << s.hole[0] << s.hole[1];
        EXPECT_NEAR(sampled.tie, exact.tie, 0.005) << s.hole[0] << s.hole[1];
        EXPECT_EQ(exact.outs, s.outs) << s.hole[0] << s.hole[1];
    }
    EXPECT_DOUBLE_EQ(pot_odds(50, 150), 0.25);
    EXPECT_DOUBLE_EQ(pot_odds(0, 150), 0.0);
}

}  // namespace
}  // namespace holdem
