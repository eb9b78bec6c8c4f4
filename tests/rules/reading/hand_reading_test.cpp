#include "rules/reading/hand_reading.h"

#include <gtest/gtest.h>

namespace holdem {
namespace {

using Verdict = std::optional<std::string>;
const Verdict none = std::nullopt;

SevenTexts seven(std::string_view a, std::string_view b, FiveTexts board) {
    return {a, b, board[0], board[1], board[2], board[3], board[4]};
}

TEST(ReadCard, OnlyExactCardTextsRead) {
    EXPECT_EQ(read_card("10h").rank, 8);
    EXPECT_EQ(read_card("10h").suit, 2);
    EXPECT_EQ(read_card("As").rank, 12);
    for (const char* junk : {"", "1h", "10", "0h", "ah", "AS", "Ax", "10hh", "Ah ", "11c"})
        EXPECT_FALSE(read_card(junk).valid()) << junk;
}

TEST(ReadTopCard, NamesTheHigherHandCard) {
    const FiveTexts board = {"2c", "3d", "4h", "5s", "7c"};
    EXPECT_EQ(read_top_card(seven("Qh", "7d", board)), "Top Q");
    EXPECT_EQ(read_top_card(seven("10h", "9d", board)), "Top 10");
    EXPECT_EQ(read_top_card(seven("2h", "Ad", board)), "Top A");
    EXPECT_EQ(read_top_card(seven("8h", "8d", board)), "Top 8");
    EXPECT_EQ(read_top_card(seven("", "", board)), none);
}

TEST(ReadPairs, RulesInOrder) {
    struct Case {
        SevenTexts cards;
        Verdict verdict;
    };
    const Case cases[] = {
        {seven("9h", "9d", {"2c", "3d", "4h", "5s", "7c"}), "Pair 9"},
        {seven("9h", "9d", {"9c", "3d", "4h", "5s", "7c"}), "Three Kind 9"},
        {seven("9h", "9d", {"9c", "9s", "4h", "5s", "7c"}), "Four Kind 9"},
        // Two pairs are named by the higher pair whichever card came first.
        {seven("4h", "Kd", {"4c", "Kh", "2h", "7s", "8c"}), "Two Kind K"},
        {seven("Kd", "4h", {"4c", "Kh", "2h", "7s", "8c"}), "Two Kind K"},
        {seven("9h", "Kd", {"9c", "9s", "Kh", "2s", "3c"}), "FullHouse 9"},
        {seven("Kd", "9h", {"9c", "9s", "Kh", "2s", "3c"}), "FullHouse 9"},
        {seven("9h", "Kd", {"9c", "9s", "Kh", "Ks", "3c"}), "Three Kind K"},
        {seven("9h", "Kd", {"Kc", "2s", "3h", "5s", "7c"}), "Pair K"},
        {seven("9h", "Kd", {"9c", "2s", "3h", "5s", "7c"}), "Pair 9"},
        // Pairs on the board alone are not seen.
        {seven("9h", "Kd", {"2c", "2s", "3h", "3s", "7c"}), none},
        {seven("Ah", "Kd", {"2c", "3s", "4h", "6s", "7c"}), none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read_pairs(c.cards), c.verdict) << c.cards[0] << ' ' << c.cards[1];
}

TEST(ReadBoard, CountsThroughTheFirstThreeCardsOnly) {
    struct Case {
        FiveTexts board;
        Verdict pairing;
        Verdict flush;
    };
    const Case cases[] = {
        {{"Kc", "5d", "7h", "7s", "2c"}, "Pair", none},
        {{"Kc", "5d", "2h", "7s", "7c"}, none, none},
        {{"Kc", "Kd", "7h", "7s", "2c"}, "Three Kind", none},
        {{"Kc", "Kd", "Kh", "7s", "2c"}, "Three Kind", none},
        {{"Kc", "7d", "Kh", "7s", "2c"}, "Two Kind", none},
        {{"Kc", "7d", "Kh", "7s", "Ks"}, "FullHouse", none},
        {{"Kc", "7d", "7h", "7s", "Ks"}, "FullHouse", none},
        {{"Kc", "Kd", "Kh", "Ks", "2c"}, "Four Kind", none},
        {{"2s", "5s", "9s", "Js", "Ks"}, none, "flush spades"},
        {{"2h", "5h", "9h", "Jh", "Ks"}, none, none},
    };
    for (const Case& c : cases) {
        BoardTexts read = read_board(c.board);
        EXPECT_EQ(read.pairing, c.pairing)
            << c.board[0] << c.board[1] << c.board[2] << c.board[3] << c.board[4];
        EXPECT_EQ(read.flush, c.flush);
    }
}

TEST(ReadStraight, NeedsAHandCardInsideAndTakesTheLastWindow) {
    struct Case {
        SevenTexts cards;
        Verdict verdict;
    };
    const Case cases[] = {
        {seven("Ah", "Kd", {"Qc", "Jd", "10h", "2s", "3c"}), "straight A"},
        {seven("9h", "5d", {"6c", "7d", "8h", "10s", "Jc"}), "straight J"},
        {seven("Ah", "8d", {"2c", "3d", "4h", "5s", "9c"}), none},
        {seven("2h", "8d", {"Ac", "3d", "4h", "5s", "Kc"}), "straight 5"},
        {seven("2h", "8d", {"3c", "4d", "5h", "Ks", "Qc"}), none},
        {seven("2h", "8d", {"Ac", "3d", "4h", "5s", "6c"}), "straight 6"},
        {seven("Jh", "2d", {"3c", "4d", "5h", "6s", "Kc"}), "straight 6"},
        {seven("Kh", "Qd", {"3c", "4d", "5h", "6s", "7c"}), none},  // board alone
        {seven("10h", "2d", {"Jc", "Qd", "Kh", "As", "9c"}), "straight A"},
        {seven("6h", "6d", {"2c", "3d", "4h", "5s", "Kc"}), "straight 6"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read_straight(c.cards), c.verdict) << c.cards[0] << ' ' << c.cards[1];
}

TEST(ReadFlush, FiveOfOneSuitAmongSeven) {
    EXPECT_EQ(read_flush(seven("2h", "Kd", {"4h", "7h", "9h", "Jh", "3c"})), "flush hearts");
    EXPECT_EQ(read_flush(seven("2s", "Ks", {"4s", "7s", "9s", "Js", "3s"})), "flush spades");
    EXPECT_EQ(read_flush(seven("2h", "Kd", {"4h", "7h", "9h", "Jd", "3c"})), none);
    EXPECT_EQ(read_flush(seven("2c", "Kc", {"4c", "7c", "9c", "Jd", "3d"})), "flush clubs");
}

TEST(SuitedRun, FindsTheHighestRunOfOneSuit) {
    auto cards = read_cards(seven("9h", "Kd", {"10h", "Jh", "Qh", "Kh", "8h"}));
    EXPECT_EQ(suited_run_top(cards, 2), 11);  // 9-K of hearts
    cards = read_cards(seven("Ah", "2h", {"3h", "4h", "5h", "Kd", "8c"}));
    EXPECT_EQ(suited_run_top(cards, 2), 3);
    cards = read_cards(seven("Ah", "2h", {"3h", "4h", "6h", "5d", "8c"}));
    EXPECT_EQ(suited_run_top(cards, 2), -1);
}

}  // namespace
}  // namespace holdem
