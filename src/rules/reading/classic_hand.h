// The classic ranking's categories, once: from a top card to a royal flush, each a base of
// 100 … 1000 to which its verdict's detail (a rank 1 … 13, or a suit 1 … 4) is added. The
// evaluator, the fair estimates and the pairs rules all number hands from here.
#pragma once

#include <cstdint>

namespace holdem {

enum class ClassicCategory : std::uint8_t {
    top = 1,
    pair,
    two_kind,
    three_kind,
    straight,
    flush,
    full_house,
    four_kind,
    straight_flush,
    royal,
};

inline constexpr int classic_category_count = 10;

constexpr std::int32_t classic_base(ClassicCategory c) {
    return 100 * static_cast<std::int32_t>(c);
}

// A hand's number: its category's base plus the detail its verdict names (0 for none).
constexpr std::int32_t classic_number(ClassicCategory c, int detail) {
    return classic_base(c) + detail;
}

}  // namespace holdem
