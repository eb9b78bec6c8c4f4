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

TEST(Controls, CellsOutsideTheGridAreRefused) {
    Controls c;
    EXPECT_THROW(c.set_cell(ctl::first_card(1), 72), std::out_of_range);
    EXPECT_THROW(c.set_cell(ctl::first_card(1), -1), std::out_of_range);
}

}  // namespace
}  // namespace holdem
