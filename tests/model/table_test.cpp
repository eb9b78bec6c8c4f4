#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(Table, StartValuesAfterStartUp) {
    auto t = seeded_table();
    start_game(*t);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(t->seat(k).Active);
        EXPECT_FALSE(t->seat(k).sittingout);
        EXPECT_EQ(caption(*t, ctl::name_label(k)), t->seat(k).caption);
    }
    EXPECT_EQ(t->seat(1).caption, "You");
    EXPECT_EQ(t->seat(2).caption, "boulder man");
    EXPECT_EQ(t->seat(8).caption, "juggle card man");
    EXPECT_EQ(t->seat(10).caption, "zub zub kid");
    EXPECT_EQ(t->limits, 10);
    EXPECT_EQ(t->level, 1);
    EXPECT_EQ(t->backside, 55);
    EXPECT_EQ(t->limittimersetting, 1000);
    EXPECT_EQ(t->tossdone, 1);  // the first hand has made the toss
}

TEST(Table, ClassSetToZeroEmptiesHandTextsOnly) {
    auto t = seeded_table();
    Player& p = t->seat(3);
    p.cardone = 17;
    p.prize = 640;
    p.fold = true;
    p.dealer = 4;
    p.handrank = 2;
    p.handnumber = 512;
    for (std::string* text :
         {&p.handvalue, &p.handvaluetops, &p.handvaluepair, &p.handvaluetwok, &p.handvaluethreek,
          &p.handvaluestraight, &p.handvalueflush, &p.handvaluefullhouse, &p.handvaluefourk,
          &p.handvaluesflush, &p.handvaluerflush})
        *text = "x";
    t->flopvalue = "Pair";
    class_set_to_zero(*t);
    EXPECT_EQ(p.cardone, 17);
    EXPECT_EQ(p.prize, 640);
    EXPECT_TRUE(p.fold);
    EXPECT_EQ(p.dealer, 4);
    EXPECT_EQ(p.handrank, 0);
    EXPECT_EQ(p.handnumber, 0);
    for (const std::string* text :
         {&p.handvalue, &p.handvaluetops, &p.handvaluepair, &p.handvaluetwok, &p.handvaluethreek,
          &p.handvaluestraight, &p.handvalueflush, &p.handvaluefullhouse, &p.handvaluefourk,
          &p.handvaluesflush, &p.handvaluerflush})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(t->flopvalue, "");
}

TEST(Table, ZeroTotalBetsLeavesThePot) {
    auto t = seeded_table();
    t->pot = 370;
    t->currentbet = 270;
    t->seat(4).bet = 270;
    t->seat(4).totalbet = 290;
    t->seat(1).prize = 900;
    zero_total_bets(*t);
    EXPECT_EQ(t->pot, 370);
    EXPECT_EQ(t->currentbet, 0);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(t->seat(k).bet, 0);
        EXPECT_EQ(t->seat(k).totalbet, 0);
    }
    EXPECT_EQ(t->seat(1).prize, 900);
}

}  // namespace
}  // namespace holdem
