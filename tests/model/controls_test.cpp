#include "model/controls.h"

#include <gtest/gtest.h>

#include <set>

namespace holdem {
namespace {

TEST(Controls, EveryControlHasOneNameThatFindsItAgain) {
    std::set<std::string> names;
    for (std::uint16_t i = 0; i < Controls::size(); ++i) {
        std::string name = control_name(ControlId{i});
        EXPECT_TRUE(names.insert(name).second) << name;
        auto found = find_control(name);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(found->index, i) << name;
    }
    for (const char* bad : {"Picture1", "Picture37", "Command9", "Label0", "backchips(91)",
                            "backchips(", "Picture012", "Shape", "", "potlabelx"})
        EXPECT_FALSE(find_control(bad)) << bad;
}

TEST(Controls, StartStateAndCells) {
    Controls c;
    for (ControlId id : {ctl::Call, ctl::Raise, ctl::Check, ctl::Fold, ctl::BetIt, ctl::Text2,
                         ctl::action_frame, ctl::potlabel, ctl::dealer_button, ctl::winnerlabel,
                         ctl::rank_line, ctl::board_card(1), ctl::backchips(0), ctl::backchips(90)})
        EXPECT_FALSE(c[id].visible) << control_name(id);
    for (ControlId id : {ctl::SitOut, ctl::Exit, ctl::limitslabel, ctl::first_card(10)})
        EXPECT_TRUE(c[id].visible) << control_name(id);
    EXPECT_EQ(control_name(ctl::highlight(7)), "Shape11");  // seats 7 … 10 own Shapes 11 … 8
    EXPECT_THROW(c.set_cell(ctl::first_card(1), 72), std::out_of_range);
    EXPECT_THROW(c.set_cell(ctl::first_card(1), -1), std::out_of_range);
}

}  // namespace
}  // namespace holdem
