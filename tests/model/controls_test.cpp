#include "model/controls.h"

#include <gtest/gtest.h>

namespace holdem {
namespace {

TEST(Controls, CellsOutsideTheGridAreRefused) {
    Controls c;
    EXPECT_THROW(c.set_cell(ctl::first_card(1), 72), std::out_of_range);
    EXPECT_THROW(c.set_cell(ctl::first_card(1), -1), std::out_of_range);
}

}  // namespace
}  // namespace holdem
