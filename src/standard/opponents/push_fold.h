// Short stacks (about twelve big blinds or less) move all in or fold. The ranges come from a
// model worked out by `tools/make_opponent_tables` and committed: a pusher with a stack of S big
// blinds and n seats behind, each calling with the hands that win enough against the pushing
// range to pay for the call, and pushing the hands that gain more than folding; pushing and
// calling ranges adjusted in turn until they settle. Hands are ranked by their percentile.
#pragma once

#include <array>
#include <cstdint>

namespace holdem::standard {

inline constexpr int push_fold_stacks = 12;  // 1 … 12 big blinds
inline constexpr int push_fold_deals = 600;  // deals per pair of classes in the heads-up square

struct PushFoldRanges {
    // [stack in big blinds - 1][seats behind - 1]: the strongest share of hands to push, and
    // the share a seat behind calls that push with; in thousandths.
    std::array<std::array<std::uint16_t, 9>, push_fold_stacks> push{}, call{};
    friend bool operator==(const PushFoldRanges&, const PushFoldRanges&) = default;
};

extern const PushFoldRanges push_fold_table;

// The ranges from the heads-up equities of every pair of classes (`deals` deals each).
PushFoldRanges work_out_push_fold(int deals);

// The table's entry for a stack (in big blinds) and the seats behind, each kept in range.
inline std::uint16_t push_fold_entry(
    const std::array<std::array<std::uint16_t, 9>, push_fold_stacks>& part, int stack_bb,
    int behind) {
    const int s = stack_bb < 1                  ? 0
                  : stack_bb > push_fold_stacks ? push_fold_stacks - 1
                                                : stack_bb - 1;
    const int b = behind < 1 ? 0 : behind > 9 ? 8 : behind - 1;
    return part[static_cast<std::size_t>(s)][static_cast<std::size_t>(b)];
}
inline double push_share(int stack_bb, int behind) {
    return push_fold_entry(push_fold_table.push, stack_bb, behind) / 1000.0;
}
inline double call_share(int stack_bb, int behind) {
    return push_fold_entry(push_fold_table.call, stack_bb, behind) / 1000.0;
}

}  // namespace holdem::standard
