#include "rules/betting/pot_award.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(Share, PotOverWinnersRoundedHalfToEven) {
    auto t = seeded_table();
    struct Case {
        Chips stack, pot;
        int winners;
        Chips after;
    };
    const Case cases[] = {
        {500, 1000, 1, 1500}, {500, 1000, 3, 833}, {100, 25, 2, 112}, {101, 25, 2, 114}};
    for (const Case& c : cases) {
        t->seat(3).prize = c.stack;
        t->pot = c.pot;
        t->numberofwinners = static_cast<std::int16_t>(c.winners);
        award_share(*t, 3);
        EXPECT_EQ(t->seat(3).prize, c.after);
        EXPECT_EQ(t->pot, c.pot);
    }
    const Chips before = t->seat(3).prize;
    t->numberofwinners = 0;
    award_share(*t, 3);  // nobody to share with: nothing is paid
    EXPECT_EQ(t->seat(3).prize, before);
    t->numberofwinners = 1;
    t->pot = 2'000'000'000;
    t->seat(3).prize = 2'000'000'000;
    EXPECT_THROW(award_share(*t, 3), ChipOverflow);
    EXPECT_EQ(t->seat(3).prize, 2'000'000'000);
}

}  // namespace
}  // namespace holdem
