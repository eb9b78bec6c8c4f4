// Standard ranking: every seven-card hand counted by category against the known totals, and
// the order and words of hands players know.
#include "rules/reading/standard_hand.h"
#include "rules/reading/fast_hand.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

Strength of(std::array<const char*, 7> texts) {
    std::array<CardCode, 7> codes{};
    for (std::size_t i = 0; i < 7; ++i)
        codes[i] = code_of(texts[i]);
    return standard_strength(codes);
}

TEST(StandardHand, OrderKickersAndWords) {
    struct Case {
        std::array<const char*, 7> cards;
        const char* words;
    };
    // From strongest to weakest.
    const Case cases[] = {
        {{"Ah", "Kh", "Qh", "Jh", "10h", "2c", "3d"}, "Royal flush"},
        {{"9s", "8s", "7s", "6s", "5s", "Ks", "Kd"}, "Straight flush, nine high"},
        {{"Qs", "Qh", "Qd", "Qc", "2s", "3h", "Kd"}, "Four of a kind, queens"},
        {{"Qs", "Qh", "Qd", "2c", "2s", "3h", "3d"}, "Full house, queens full of threes"},
        {{"Ah", "Kh", "2h", "7h", "9h", "Ks", "Kd"}, "Flush, ace-king high"},
        {{"Qh", "Jh", "2h", "7h", "9h", "As", "Ad"}, "Flush, queen-jack high"},
        {{"10s", "9h", "8d", "7c", "6s", "2h", "2d"}, "Straight, ten high"},
        {{"As", "2h", "3d", "4c", "5s", "9h", "9d"}, "Straight, five high"},
        {{"5s", "5h", "5d", "Ac", "Ks", "9h", "2d"}, "Three of a kind, fives"},
        {{"Ks", "Kh", "7d", "7c", "As", "2h", "2d"}, "Two pair, kings and sevens"},
        {{"Ks", "Kh", "7d", "7c", "Qs", "2h", "2d"}, "Two pair, kings and sevens"},
        {{"10s", "10h", "Ad", "Kc", "Qs", "2h", "3d"}, "Pair of tens"},
        {{"10s", "10h", "Ad", "Kc", "Js", "2h", "3d"}, "Pair of tens"},
        {{"As", "Kh", "Qd", "Jc", "9s", "2h", "3d"}, "High card, ace"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(standard_words(of(cases[i].cards)), cases[i].words) << i;
        if (i > 0) {
            EXPECT_GT(of(cases[i - 1].cards), of(cases[i].cards)) << i;
        }
    }
    // Only an exact tie splits: the board plays for both.
    EXPECT_EQ(of({"2c", "3d", "Ah", "Kh", "Qh", "Jh", "10s"}),
              of({"4c", "5d", "Ah", "Kh", "Qh", "Jh", "10s"}));
}

// Counting all 133,784,560 hands takes a second or two optimised; the sanitised build skips it.
TEST(StandardHand, EverySevenCardHandCountedByCategory) {
#ifndef NDEBUG
    GTEST_SKIP() << "counted in the optimised build";
#endif
    std::array<std::uint64_t, 9> counts{};
    std::uint64_t royals = 0;
    for_each_seven_card_hand([&](CardMask hand) {
        const Strength s = standard_strength(hand);
        ++counts[static_cast<int>(category_of(s))];
        royals += s == ((8u << 26) | 12u);
    });
    const std::array<std::uint64_t, 9> known = {23294460, 58627800, 31433400, 6461620, 6180020,
                                                4047644,  3473184,  224848,   41584};
    EXPECT_EQ(counts, known);
    EXPECT_EQ(royals, 4324u);
}

// The table evaluator over every hand, its keys built a card at a time: each hand's strength
// is the one the bit-mask evaluator gives.
TEST(StandardHand, TheTableEvaluatorAgreesOnEverySevenCardHand) {
#ifndef NDEBUG
    GTEST_SKIP() << "checked in the optimised build";
#endif
    const fast_hand::Tables& tables = fast_hand::tables();
    std::uint64_t hands = 0, wrong = 0;
    for_each_seven_card_key([&](const HandKey& key) {
        ++hands;
        wrong += fast_strength(key, tables) != standard_strength(key.mask());
    });
    EXPECT_EQ(hands, 133'784'560u);
    EXPECT_EQ(wrong, 0u);

    // Hands given as seven card codes, in any order, come to the same strengths.
    std::uint64_t seed = 7;
    std::array<CardCode, 7> seven{};
    for (int n = 0; n < 1'000'000; ++n) {
        CardMask mask = 0;
        for (int i = 0; i < 7;) {
            const auto card = static_cast<CardCode>(1 + splitmix64(seed) % 52);
            if (mask & card_bit(card)) continue;
            mask |= card_bit(card);
            seven[static_cast<std::size_t>(i++)] = card;
        }
        ASSERT_EQ(fast_strength(seven.data(), tables), standard_strength(mask)) << n;
    }
}

}  // namespace
}  // namespace holdem
