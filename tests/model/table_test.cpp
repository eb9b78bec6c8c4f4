#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(Table, ResetsTouchOnlyWhatTheyOwn) {
    auto t = seeded_table();
    Player& p = t->seat(3);
    p.cardone = 17;
    p.prize = 640;
    p.fold = true;
    p.handrank = 2;
    p.handnumber = 512;
    p.handvalue = p.handvaluepair = p.handvaluerflush = "x";
    t->flopvalue = "Pair";
    class_set_to_zero(*t);
    EXPECT_EQ(p.cardone, 17);
    EXPECT_EQ(p.prize, 640);
    EXPECT_TRUE(p.fold);
    EXPECT_EQ(p.handrank, 0);
    EXPECT_EQ(p.handnumber, 0);
    EXPECT_EQ(p.handvalue + p.handvaluepair + p.handvaluerflush + t->flopvalue, "");

    t->pot = 370;
    t->currentbet = 270;
    p.bet = 270;
    p.totalbet = 290;
    zero_total_bets(*t);
    EXPECT_EQ(t->pot, 370);
    EXPECT_EQ(t->currentbet + p.bet + p.totalbet, 0);
}

}  // namespace
}  // namespace holdem
