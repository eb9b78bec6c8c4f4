#include "procedures/card_assessment.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

// Gives every seat the same two hand cards and board.
void set_cards(Table& t, int seat, const std::string& a, const std::string& b, std::array<std::string, 5> board) {
    Player& p = t.seat(seat);
    p.cardtext1 = a;
    p.cardtext2 = b;
    p.flop1 = board[0];
    p.flop2 = board[1];
    p.flop3 = board[2];
    p.flop4 = board[3];
    p.flop5 = board[4];
}

TEST(CardAssessment, FilesEachVerdictWhereItBelongs) {
    auto t = seeded_table();
    const std::array<std::string, 5> board = {"Kc", "2d", "5h", "9s", "Jc"};
    for (int k = 1; k <= 10; ++k) set_cards(*t, k, "3c", "4d", board);
    set_cards(*t, 4, "Kh", "7d", board);
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
    const std::array<std::string, 5> board = {"2h", "5h", "9h", "Jh", "Kh"};
    for (int k = 1; k <= 10; ++k) set_cards(*t, k, k % 2 ? "3c" : "4d", k % 2 ? "6d" : "7s", board);
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
    EXPECT_EQ(caption(*t, ctl::Label(23)), " ");
}

TEST(CardAssessment, TableStateHoldsTheLastSeatsReadings) {
    auto t = seeded_table();
    const std::array<std::string, 5> board = {"Kc", "Kd", "5h", "6s", "7c"};
    for (int k = 1; k <= 9; ++k) set_cards(*t, k, "Ac", "2d", board);
    set_cards(*t, 10, "8c", "9d", board);
    class_set_to_zero(*t);
    evaluate_player_cards(*t);
    EXPECT_EQ(t->flopvalue, "Pair");
    EXPECT_EQ(t->st, "straight 9");
    EXPECT_EQ(t->cards[0], "8c");
    EXPECT_EQ(t->cards[6], "7c");
    EXPECT_EQ(t->seat(10).handnumber, 508);
}

TEST(CardAssessment, FoldedAndInactiveSeatsAreReadLikeAnyOther) {
    auto t = seeded_table();
    dealfirst(*t);
    distribute_cards_for_10(*t);
    std::vector<int> numbers;
    for (int k = 1; k <= 10; ++k) numbers.push_back(t->seat(k).handnumber);
    t->seat(3).fold = true;
    t->seat(5).Active = false;
    t->seat(1).sittingout = true;
    class_set_to_zero(*t);
    evaluate_player_cards(*t);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(t->seat(k).handnumber, numbers[k - 1]);
}

}  // namespace
}  // namespace holdem
