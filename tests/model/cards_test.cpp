#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(Cards, TextTableAndCodeOrder) {
    const char* texts[] = {"2c", "2d", "2h", "2s", "3c"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(convert2card(CardCode(i + 1)), texts[i]);
    EXPECT_EQ(convert2card(33), "10c");
    EXPECT_EQ(convert2card(36), "10s");
    EXPECT_EQ(convert2card(37), "Jc");
    EXPECT_EQ(convert2card(48), "Ks");
    EXPECT_EQ(convert2card(49), "Ac");
    EXPECT_EQ(convert2card(52), "As");
    EXPECT_EQ(convert2card(0), "");
    EXPECT_EQ(convert2card(53), "");
    EXPECT_EQ(convert2card(-1), "");
    for (CardCode c = 1; c <= 52; ++c) {
        EXPECT_EQ(card_code(card_rank(c), card_suit(c)), c);
        EXPECT_EQ(convert2card(c).size(), card_rank(c) == 10 ? 3u : 2u);
    }
}

TEST(Dealing, DrawNeverExceeds52EvenAtTheTopOfTheRange) {
    ScriptedRandom top({0.99999994f});
    EXPECT_EQ(draw_card(top), 52);
    ScriptedRandom bottom({0.0f});
    EXPECT_EQ(draw_card(bottom), 1);
    EXPECT_EQ(unit_float(~0ull), 16777215.0f / 16777216.0f);
}

TEST(Dealing, RedrawsATakenCodeUntilItIsNew) {
    // Position 1 draws the same card as position 0 twice before a new one comes.
    std::vector<float> draws = {draw_for(5), draw_for(5), draw_for(5), draw_for(9)};
    for (CardCode c = 10; c < 40; ++c)
        draws.push_back(draw_for(c));
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(draws));
    dealfirst(*t);
    EXPECT_EQ(t->deck[0], 5);
    EXPECT_EQ(t->deck[1], 9);
    EXPECT_EQ(t->deck[2], 10);
}

TEST(Dealing, DistributeHandsOutTheDeckAndRepeatsOnTheSameDeck) {
    auto t = seeded_table(3);
    dealfirst(*t);
    distribute_cards_for_10(*t);
    const Player& four = t->seat(4);
    EXPECT_EQ(four.cardone, t->deck[3]);
    EXPECT_EQ(four.cardtwo, t->deck[13]);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(t->seat(k).flop3, convert2card(t->deck[22]));
        EXPECT_EQ(t->seat(k).cardtext1, convert2card(t->seat(k).cardone));
        EXPECT_EQ(t->seat(k).cardtext2, convert2card(t->seat(k).cardtwo));
    }
    EXPECT_EQ(t->controls[ctl::first_card(1)].cell, t->seat(1).cardone);
    EXPECT_EQ(t->controls[ctl::second_card(1)].cell, t->seat(1).cardtwo);
    for (int k = 2; k <= 10; ++k) {
        EXPECT_EQ(t->controls[ctl::first_card(k)].cell, 55);
        EXPECT_EQ(t->controls[ctl::second_card(k)].cell, 55);
    }
    EXPECT_TRUE(t->loop.timer_enabled(TimerId::roundtimer));
    EXPECT_GE(t->numberofwinners, 1);

    std::vector<std::string> before;
    for (int k = 1; k <= 10; ++k)
        before.push_back(t->seat(k).cardtext1 + t->seat(k).cardtext2 + t->seat(k).handvalue);
    distribute_cards_for_10(*t);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(before[k - 1],
                  t->seat(k).cardtext1 + t->seat(k).cardtext2 + t->seat(k).handvalue);
}

}  // namespace
}  // namespace holdem
