#include "model/controls.h"

#include <gtest/gtest.h>

#include <set>

namespace holdem {
namespace {

TEST(Controls, EveryControlHasOneNameThatFindsItAgain) {
    std::set<std::string> names;
    for (std::uint16_t i = 0; i < Controls::size(); ++i) {
        std::string name = control_name(ControlId{i});
        ASSERT_FALSE(name.empty()) << i;
        EXPECT_TRUE(names.insert(name).second) << name;
        auto found = find_control(name);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(found->index, i) << name;
    }
    EXPECT_EQ(control_name(ctl::Command(11)), "Command11");
    EXPECT_EQ(control_name(ctl::backchips(61)), "backchips(61)");
    for (const char* bad : {"Picture1", "Picture37", "Command9", "Label0", "backchips(91)",
                            "backchips(", "Picture012", "Shape", "", "potlabelx"})
        EXPECT_FALSE(find_control(bad)) << bad;
}

TEST(Controls, SeatsOwnTheirControls) {
    EXPECT_EQ(control_name(ctl::focus_box(1)), "Picture2");
    EXPECT_EQ(control_name(ctl::focus_box(10)), "Picture11");
    EXPECT_EQ(control_name(ctl::name_label(1)), "Label3");
    EXPECT_EQ(control_name(ctl::stack_label(10)), "Label22");
    EXPECT_EQ(control_name(ctl::first_card(1)), "Picture12");
    EXPECT_EQ(control_name(ctl::second_card(10)), "Picture31");
    EXPECT_EQ(control_name(ctl::board_card(5)), "Picture36");
    EXPECT_EQ(control_name(ctl::highlight(1)), "Shape7");
    EXPECT_EQ(control_name(ctl::highlight(6)), "Shape2");
    EXPECT_EQ(control_name(ctl::highlight(7)), "Shape11");
    EXPECT_EQ(control_name(ctl::highlight(10)), "Shape8");
    for (int seat = 1; seat <= 10; ++seat)
        EXPECT_EQ(ctl::seat_of_focus_box(ctl::focus_box(seat)), seat);
    EXPECT_EQ(ctl::seat_of_focus_box(ctl::Picture(12)), 0);
    EXPECT_EQ(ctl::seat_of_focus_box(ctl::Label(2)), 0);
}

TEST(Controls, StartState) {
    Controls c;
    for (ControlId id : {ctl::Call, ctl::Raise, ctl::Check, ctl::Fold, ctl::BetIt, ctl::Text2,
                         ctl::Shape(12), ctl::potlabel, ctl::Label(1), ctl::winnerlabel,
                         ctl::Label(2), ctl::Label(23), ctl::Command(1), ctl::Command(4)})
        EXPECT_FALSE(c[id].visible) << control_name(id);
    for (ControlId id : {ctl::SitOut, ctl::Exit, ctl::limitslabel, ctl::limitsdisplay,
                         ctl::Shape(1), ctl::Shape(13)})
        EXPECT_TRUE(c[id].visible) << control_name(id);
    for (int i = 0; i <= 90; ++i)
        EXPECT_FALSE(c[ctl::backchips(i)].visible);
    for (int n = 12; n <= 31; ++n)
        EXPECT_TRUE(c[ctl::Picture(n)].visible);
    for (int n = 32; n <= 36; ++n)
        EXPECT_FALSE(c[ctl::Picture(n)].visible);
    EXPECT_EQ(c[ctl::Call].caption, "Call");
    EXPECT_EQ(c[ctl::BetIt].caption, "Bet It");
    EXPECT_EQ(c[ctl::Exit].back_colour, 0xFFFF00u);
    EXPECT_EQ(c[ctl::focus_box(3)].back_colour, colours::idle);
    // A few places from the layout.
    EXPECT_EQ(c[ctl::focus_box(8)].left, 9984);
    EXPECT_EQ(c[ctl::highlight(6)].top, -24);
    EXPECT_EQ(c[ctl::second_card(1)].left, 5436);  // the left picture is the second card
    EXPECT_EQ(c[ctl::first_card(1)].left, 5916);
    EXPECT_EQ(c[ctl::board_card(3)].left, 5664);
    EXPECT_EQ(c[ctl::chiplabel(9)].left, 7812);
    EXPECT_EQ(c[ctl::backchips(4)].top, 4896);
    EXPECT_EQ(c[ctl::backchips(4)].left, 5676);
    EXPECT_THROW(c.set_cell(ctl::Picture(12), 72), std::out_of_range);
    EXPECT_THROW(c.set_cell(ctl::Picture(12), -1), std::out_of_range);
}

}  // namespace
}  // namespace holdem
