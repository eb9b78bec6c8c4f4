// What the human holds, in words, from the hole cards and the board shown so far.
#include "rules/reading/hand_readout.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using testing::code_of;

TEST(HandReadout, BestHandAndDrawsInPlayersWords) {
    struct Case {
        const char* hole[2];
        std::vector<const char*> board;
        const char* words;
    };
    const Case cases[] = {
        {{"Ac", "Ad"}, {}, "Pair of aces"},
        {{"9s", "9h"}, {"Kd", "2c", "7h"}, "Pair of nines"},
        {{"Ah", "5h"}, {"2h", "9h", "Kc"}, "High card, ace, flush draw"},
        {{"Ah", "5c"}, {"2h", "9h", "Kh", "Qh"}, "Flush, ace-king high"},
        {{"8c", "9d"}, {"10h", "Jc", "2s"}, "High card, jack, open-ended straight draw"},
        {{"8c", "9d"}, {"Jh", "Qc", "2s"}, "High card, queen, gutshot straight draw"},
        {{"8c", "9d"}, {"10h", "Jc", "2s", "4d", "3h"}, "High card, jack"},  // nothing to come
        {{"2c", "3d"}, {"9h", "10c", "Jd", "Qs"}, "High card, queen"},       // the board's own draw
        {{"7c", "7d"}, {"7h", "Kc", "Kd"}, "Full house, sevens full of kings"},
    };
    for (const Case& c : cases) {
        std::vector<CardCode> board;
        for (const char* card : c.board)
            board.push_back(code_of(card));
        EXPECT_EQ(hand_readout({code_of(c.hole[0]), code_of(c.hole[1])}, board), c.words)
            << c.hole[0] << c.hole[1];
    }
}

}  // namespace
}  // namespace holdem
