#include "standard/opponents/push_fold.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "standard/opponents/equity.h"
#include "standard/opponents/hand_classes.h"

namespace holdem::standard {

PushFoldRanges work_out_push_fold(int deals) {
    // The heads-up square, and the classes from the strongest down with their combos.
    std::vector<std::array<double, hand_classes>> square(hand_classes);
    for (int a = 0; a < hand_classes; ++a)
        for (int b = a; b < hand_classes; ++b) {
            const double e =
                work_out_heads_up(a, b, deals, static_cast<std::uint64_t>(a * 1000 + b + 1));
            square[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = e;
            square[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = 1 - e;
        }
    std::array<int, hand_classes> order;
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [](int a, int b) { return hand_percentile(a) < hand_percentile(b); });
    // A class against the strongest `share` of hands.
    auto against_top = [&](int c, double share) {
        double weight = 0, sum = 0;
        for (int g : order) {
            if (hand_percentile(g) > share + 1e-9 && weight > 0) break;
            weight += hand_class_combos(g);
            sum += hand_class_combos(g) *
                   square[static_cast<std::size_t>(c)][static_cast<std::size_t>(g)];
        }
        return weight > 0 ? sum / weight : 0.5;
    };
    // The strongest share of hands for which `gains` holds, taken from the top down.
    auto share_where = [&](auto gains) {
        double share = 0;
        for (int c : order) {
            if (!gains(c)) break;
            share = hand_percentile(c);
        }
        return share;
    };
    PushFoldRanges out;
    for (int stack = 1; stack <= push_fold_stacks; ++stack)
        for (int behind = 1; behind <= 9; ++behind) {
            // In big blinds: the blinds in the middle are 1.5; a call risks the whole stack.
            const double s = stack, dead = 1.5;
            double push = 1.0, call = 0.1;
            // Steps that shrink as they go: the ranges are steps of whole classes and would
            // otherwise swing between two answers.
            for (int round = 0; round < 60; ++round) {
                call = share_where(
                    [&](int c) { return against_top(c, push) * (2 * s + dead) - s > 0; });
                const double none_call = std::pow(1 - call, behind);
                const double next = share_where([&](int c) {
                    const double won = against_top(c, std::max(call, 0.005)) * (2 * s + dead) - s;
                    return none_call * dead + (1 - none_call) * won > 0;
                });
                push += (next - push) / (round + 2);
            }
            out.push[static_cast<std::size_t>(stack - 1)][static_cast<std::size_t>(behind - 1)] =
                static_cast<std::uint16_t>(push * 1000 + 0.5);
            out.call[static_cast<std::size_t>(stack - 1)][static_cast<std::size_t>(behind - 1)] =
                static_cast<std::uint16_t>(call * 1000 + 0.5);
        }
    // A deeper stack or more seats behind never pushes wider, nor calls a push wider.
    for (int stack = 0; stack < push_fold_stacks; ++stack)
        for (int behind = 0; behind < 9; ++behind)
            for (auto* part : {&out.push, &out.call}) {
                auto& v =
                    (*part)[static_cast<std::size_t>(stack)][static_cast<std::size_t>(behind)];
                if (behind > 0)
                    v = std::min(v, (*part)[static_cast<std::size_t>(stack)]
                                           [static_cast<std::size_t>(behind - 1)]);
                if (stack > 0)
                    v = std::min(v, (*part)[static_cast<std::size_t>(stack - 1)]
                                           [static_cast<std::size_t>(behind)]);
            }
    return out;
}

}  // namespace holdem::standard
