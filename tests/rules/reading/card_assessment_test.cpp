#include "rules/reading/card_assessment.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(CardAssessment, FilesEachVerdictWhereItBelongs) {
    auto t = seeded_table();
    const std::array<const char*, 5> board = {"Kc", "2d", "5h", "9s", "Jc"};
    for (int k = 1; k <= 10; ++k)
        set_seven_cards(t->seat(k), {"3c", "4d", board[0], board[1], board[2], board[3], board[4]});
    set_seven_cards(t->seat(4), {"Kh", "7d", board[0], board[1], board[2], board[3], board[4]});
    class_set_to_zero(*t);
    evaluate_player_cards(*t);
    const Player& p = t->seat(4);
    EXPECT_EQ(p.handvaluetops, "Top K");
    EXPECT_EQ(p.handvaluepair, "Pair K");
    EXPECT_EQ(p.handvaluestraight, " ");
    EXPECT_EQ(p.handvalueflush, " ");
    EXPECT_EQ(p.handvaluetwok, "");
    EXPECT_EQ(p.handvaluethreek, "");
    EXPECT_EQ(p.handvalue, "Pair K");
    EXPECT_EQ(p.handnumber, 212);
    EXPECT_EQ(p.handrank, 1);
    EXPECT_EQ(t->numberofwinners, 1);
    EXPECT_EQ(t->seat(1).handnumber, 103);
    EXPECT_EQ(t->seat(1).handrank, 2);
    EXPECT_EQ(caption(*t, ctl::winnerlabel), t->seat(4).caption + " Pair K");
}

TEST(CardAssessment, AFlushBoardKeepsTheVerdictLineAndFillsEveryFlushText) {
    auto t = seeded_table();
    const std::array<const char*, 5> board = {"2h", "5h", "9h", "Jh", "Kh"};
    for (int k = 1; k <= 10; ++k)
        set_seven_cards(t->seat(k), {k % 2 ? "3c" : "4d", k % 2 ? "6d" : "7s", board[0], board[1],
                                     board[2], board[3], board[4]});
    class_set_to_zero(*t);
    evaluate_player_cards(*t);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(t->seat(k).handvalueflush, "flush hearts");
        EXPECT_EQ(t->seat(k).handvaluepair, "");
        EXPECT_EQ(t->seat(k).handnumber, 603);
        EXPECT_EQ(t->seat(k).handrank, 1);
    }
    EXPECT_EQ(t->numberofwinners, 10);
    EXPECT_EQ(t->fl, "flush hearts");
    EXPECT_EQ(t->flopvalue, " ");
    EXPECT_EQ(caption(*t, ctl::verdict_line), " ");
}

}  // namespace
}  // namespace holdem
