// The reading routines' verdicts are checked against a plain reference over many deals (the
// cross-check); here only what deals never produce: texts that are no card.
#include "rules/reading/hand_reading.h"

#include <gtest/gtest.h>

namespace holdem {
namespace {

TEST(ReadCard, OnlyExactCardTextsRead) {
    EXPECT_EQ(read_card("10h").rank, 8);
    EXPECT_EQ(read_card("10h").suit, 2);
    EXPECT_EQ(read_card("As").rank, 12);
    for (const char* junk : {"", "1h", "10", "0h", "ah", "AS", "Ax", "10hh", "Ah ", "11c"})
        EXPECT_FALSE(read_card(junk).valid()) << junk;
    EXPECT_EQ(top_card_rank(read_cards({"", "", "2c", "3d", "4h", "5s", "7c"})), -1);
}

}  // namespace
}  // namespace holdem
