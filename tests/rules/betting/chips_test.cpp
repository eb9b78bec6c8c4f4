#include "rules/betting/chips.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

std::vector<int> visible_chips(const Table& t) {
    std::vector<int> shown;
    for (int i = 0; i <= 90; ++i)
        if (t.controls[ctl::backchips(i)].visible) shown.push_back(i);
    return shown;
}

std::vector<int> range(int first, int last) {
    std::vector<int> r;
    for (int i = first; i <= last; ++i)
        r.push_back(i);
    return r;
}

TEST(ChipsPlayerShow, ShowsTheWholePileAndThisBetsAmount) {
    auto t = seeded_table();
    chips_player_show(*t, 270, 3);
    EXPECT_EQ(visible_chips(*t), range(12, 17));
    EXPECT_TRUE(visible(*t, ctl::chiplabel(3)));
    EXPECT_EQ(caption(*t, ctl::chiplabel(3)), " 270");
    chips_player_show(*t, 0, 5);
    EXPECT_EQ(caption(*t, ctl::chiplabel(5)), " 0");
    chips_player_show(*t, -5, 5);
    EXPECT_EQ(caption(*t, ctl::chiplabel(5)), "-5");
    chips_player_show(*t, 40, 11);
    chips_player_show(*t, 40, 0);
    auto shown = visible_chips(*t);
    EXPECT_EQ(shown.size(), 12u);
}

TEST(ChipsToPot, BandsGrowStreetByStreet) {
    auto t = seeded_table();
    chips_player_show(*t, 20, 2);
    chips_to_pot(*t, Street::flop);
    EXPECT_EQ(visible_chips(*t), range(60, 75));
    EXPECT_FALSE(visible(*t, ctl::chiplabel(2)));
    EXPECT_TRUE(visible(*t, ctl::potlabel));
    chips_to_pot(*t, Street::turn);
    EXPECT_EQ(visible_chips(*t), range(60, 83));
    chips_to_pot(*t, Street::river);
    EXPECT_EQ(visible_chips(*t), range(60, 90));
}

}  // namespace
}  // namespace holdem
