#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "calculator/equity_calculator.h"
#include "calculator/hand_range.h"
#include "rules/reading/card_assessment.h"

namespace holdem::calculator {
namespace {

CardCode card(std::string_view text) {
    const int rank = std::string_view("23456789TJQKA").find(text[0]) + 2;
    const int suit = static_cast<int>(std::string_view("cdhs").find(text[1]));
    return card_code(rank, suit);
}

HandRange range(std::string_view text) {
    const RangeReading r = read_range(text);
    EXPECT_EQ(r.problem, "") << text;
    return r.range;
}

TEST(HandRange, TextFormCountsTheHandsOfEachItem) {
    EXPECT_EQ(range("QQ+").size(), 18);
    EXPECT_EQ(range("AKs").size(), 4);
    EXPECT_EQ(range("AJo+").size(), 36);
    EXPECT_EQ(range("QQ+, AKs, AJo+, 76s").size(), 62);
    EXPECT_EQ(range("22-55").size(), 24);
    EXPECT_EQ(range("A5s-A2s").size(), 16);
    EXPECT_EQ(range("K9s+").size(), 16);  // K9s KTs KJs KQs
    EXPECT_EQ(range("AK").size(), 16);
    EXPECT_EQ(range("ahkh").size(), 1);
    EXPECT_EQ(range("10s9s Th9h").size(), 2);
    EXPECT_TRUE(range("random").is_all());
    EXPECT_TRUE(range("").empty());
}

TEST(HandRange, MalformedItemsAreNamedAndReadAsNothing) {
    for (std::string_view text : {"AKx", "QQ+, AZs", "22-AKs", "AKs-QJs", "AhAh", "AKs-AQo", "Q"}) {
        const RangeReading r = read_range(text);
        EXPECT_NE(r.problem, "") << text;
        EXPECT_TRUE(r.range.empty()) << text;
    }
    EXPECT_NE(read_range("QQ+, AZs").problem.find("Item 2 \"AZs\""), std::string::npos);
}

TEST(HandRange, WrittenBackAsTheSameHands) {
    EXPECT_EQ(range_text(range("QQ+, AKs, AJo+, 76s")), "QQ+, AKs, AJo+, 76s");
    EXPECT_EQ(range_text(range("22-55, 88")), "88, 55-22");
    for (std::string_view text :
         {"QQ+, AKs, AJo+, 76s", "TT-77, A5s-A2s, KQo, AhKh, 9c8c", "random", "K9s+, 22+, T8o"}) {
        const HandRange r = range(text);
        EXPECT_EQ(range(range_text(r)), r) << text << " -> " << range_text(r);
    }
}

TEST(HandRange, GridCellsFollowTheChart) {
    EXPECT_EQ(cell_name({0, 1}), "AKs");
    EXPECT_EQ(cell_name({1, 0}), "AKo");
    EXPECT_EQ(cell_name({12, 12}), "22");
    EXPECT_EQ(cell_of(card("Ah"), card("Kh")), (GridCell{0, 1}));
    EXPECT_EQ(cell_of(card("Kd"), card("Ah")), (GridCell{1, 0}));
    HandRange r = range("AKs, AhKd");
    EXPECT_DOUBLE_EQ(r.cell_share({0, 1}), 1.0);
    EXPECT_DOUBLE_EQ(r.cell_share({1, 0}), 1.0 / 12);
    r.remove_cell({0, 1});
    EXPECT_EQ(r.size(), 1);
    for (int i = 0; i < starting_hands; ++i) {
        const auto cards = hand_cards(i);
        ASSERT_EQ(hand_index(cards[1], cards[0]), i);
    }
}

// The same spot worked out with the game's own hand ranking (the slower one the showdown
// uses), over every way of completing the board.
double equity_by_ranking(std::array<CardCode, 2> a, std::array<CardCode, 2> b,
                         const std::vector<CardCode>& board) {
    std::vector<CardCode> left;
    for (int c = 1; c <= 52; ++c) {
        const auto code = static_cast<CardCode>(c);
        if (code != a[0] && code != a[1] && code != b[0] && code != b[1] &&
            std::find(board.begin(), board.end(), code) == board.end())
            left.push_back(code);
    }
    const int n = static_cast<int>(left.size()), missing = 5 - static_cast<int>(board.size());
    double won = 0, deals = 0;
    std::array<CardCode, 7> x{}, y{};
    x[0] = a[0], x[1] = a[1], y[0] = b[0], y[1] = b[1];
    for (std::size_t i = 0; i < board.size(); ++i)
        x[i + 2] = y[i + 2] = board[i];
    auto deal = [&](auto&& self, int from, int still) -> void {
        if (still == 0) {
            const auto p = hand_number(x, Ranking::standard), q = hand_number(y, Ranking::standard);
            won += p > q ? 1 : p == q ? 0.5 : 0;
            ++deals;
            return;
        }
        for (int i = from; i < n; ++i) {
            x[static_cast<std::size_t>(7 - still)] = y[static_cast<std::size_t>(7 - still)] =
                left[static_cast<std::size_t>(i)];
            self(self, i + 1, still - 1);
        }
    };
    deal(deal, 0, missing);
    return won / deals;
}

TEST(EquityCalculator, EnumerationAgreesWithTheHandRankingDealByDeal) {
    // After the flop every turn and river, with the slower ranking the showdown uses.
    const std::vector<CardCode> flop{card("9c"), card("7d"), card("2h")};
    Spot spot{
        {HandRange::of_hand(card("Ah"), card("Kh")), HandRange::of_hand(card("Qs"), card("Qd"))},
        flop,
        {}};
    const Equities e = enumerate_equities(spot);
    ASSERT_TRUE(e.exact);
    EXPECT_EQ(e.deals, 990u);
    EXPECT_NEAR(e.players[0].equity,
                equity_by_ranking({card("Ah"), card("Kh")}, {card("Qs"), card("Qd")}, flop), 1e-12);
    EXPECT_NEAR(e.players[0].equity + e.players[1].equity, 1.0, 1e-12);
}

TEST(EquityCalculator, APairAgainstALowerPairBeforeTheFlop) {
    // Every one of the 1,712,304 boards, kings against nines with no suit in common.
    Spot spot{{range("KsKh"), range("9d9c")}, {}, {}};
    const Equities e = enumerate_equities(spot);
    EXPECT_EQ(e.deals, 1'712'304u);
    EXPECT_NEAR(e.players[0].equity,
                equity_by_ranking({card("Ks"), card("Kh")}, {card("9d"), card("9c")}, {}), 1e-12);
    EXPECT_NEAR(e.players[0].equity + e.players[1].equity, 1.0, 1e-12);
    EXPECT_NEAR(e.players[0].win + e.players[1].win + e.players[0].tie, 1.0, 1e-12);
}

TEST(EquityCalculator, SamplingStaysWithinItsStandardErrorOfTheEnumeration) {
    Spot spot{{range("QQ+, AKs"), range("22-66, AJo+, 76s"), range("T9s, 88")},
              {card("Kc"), card("8h"), card("3d")},
              {card("2s")}};
    ASSERT_LT(enumeration_size(spot), most_enumerated);
    const Equities exact = enumerate_equities(spot);
    Sampling s;
    s.target_error = 0.002;
    s.seed = 42;
    const Equities sampled = sample_equities(spot, s);
    ASSERT_FALSE(sampled.exact);
    double total = 0;
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_LT(sampled.players[p].standard_error, 0.002);
        EXPECT_NEAR(sampled.players[p].equity, exact.players[p].equity,
                    4 * sampled.players[p].standard_error);
        total += exact.players[p].equity;
    }
    EXPECT_NEAR(total, 1.0, 1e-9);
}

TEST(EquityCalculator, SpotsThatCannotBeWorkedOutSaySo) {
    const HandRange aces = range("AA");
    EXPECT_NE(spot_problem({{aces}, {}, {}}), "");
    EXPECT_NE(spot_problem({{aces, aces}, {card("2c"), card("3c")}, {}}), "");
    EXPECT_NE(spot_problem({{aces, aces}, {card("2c"), card("3c"), card("4c")}, {card("2c")}}), "");
    // The dead cards take every ace but one: nobody can hold two.
    const Equities e =
        calculate_equities({{aces, range("KK")}, {}, {card("As"), card("Ah"), card("Ad")}}, {});
    EXPECT_NE(e.problem, "");
    // Aces for both players but only one pair left: every deal clashes.
    const Equities clash = calculate_equities({{range("AsAh"), range("AsAh, AhAs")}, {}, {}}, {});
    EXPECT_NE(clash.problem, "");
}

TEST(EquityCalculator, ACancelledWorkStopsAndSaysSo) {
    std::atomic<bool> cancel{true};
    Spot spot{{range("random"), range("random"), range("random")}, {}, {}};
    EXPECT_TRUE(sample_equities(spot, {}, &cancel).cancelled);
    EXPECT_TRUE(enumerate_equities({{range("AA"), range("KK")}, {}, {}}, &cancel).cancelled);
}

}  // namespace
}  // namespace holdem::calculator
