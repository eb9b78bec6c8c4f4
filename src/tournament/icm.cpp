#include "tournament/icm.h"

#include <algorithm>
#include <bit>

#include "model/random.h"

namespace holdem::tournament {

namespace {

std::vector<double> exact(std::span<const Chips> stacks, std::span<const double> prizes) {
    const std::size_t n = stacks.size();
    std::vector<double> value(n, 0.0);
    const std::size_t places = std::min(n, prizes.size());
    double total = 0;
    for (Chips s : stacks)
        total += std::max<Chips>(0, s);
    if (total <= 0) return value;
    // The chance that exactly the players of a set took the first places, in some order.
    std::vector<double> reached(std::size_t{1} << n, 0.0);
    std::vector<double> left(std::size_t{1} << n, total);
    for (std::size_t mask = 1; mask < left.size(); ++mask) {
        const std::size_t low = static_cast<std::size_t>(std::countr_zero(mask));
        left[mask] = left[mask & (mask - 1)] - std::max<Chips>(0, stacks[low]);
    }
    reached[0] = 1.0;
    for (std::size_t mask = 0; mask < reached.size(); ++mask) {
        const auto placed = static_cast<std::size_t>(std::popcount(mask));
        if (placed >= places || reached[mask] == 0 || left[mask] <= 0) continue;
        for (std::size_t i = 0; i < n; ++i) {
            if ((mask >> i & 1) || stacks[i] <= 0) continue;
            const double chance = reached[mask] * static_cast<double>(stacks[i]) / left[mask];
            value[i] += chance * prizes[placed];
            reached[mask | std::size_t{1} << i] += chance;
        }
    }
    return value;
}

// Finishing orders drawn by the chips: a tree of sums picks each next place in log time.
std::vector<double> sampled(std::span<const Chips> stacks, std::span<const double> prizes,
                            int samples) {
    const std::size_t n = stacks.size();
    std::vector<double> value(n, 0.0);
    const std::size_t places = std::min(n, prizes.size());
    std::size_t size = 1;
    while (size < n)
        size <<= 1;
    std::vector<double> tree(2 * size, 0.0);
    auto set = [&](std::size_t i, double v) {
        std::size_t at = size + i;
        tree[at] = v;
        for (at >>= 1; at > 0; at >>= 1)
            tree[at] = tree[2 * at] + tree[2 * at + 1];
    };
    // The same orders for the same stacks: what is compared is never a draw's luck.
    std::uint64_t state = 0x1CE1CE1CEull ^ n;
    for (Chips s : stacks)
        state = state * 0x100000001B3ull ^ static_cast<std::uint64_t>(s);
    for (int sample = 0; sample < samples; ++sample) {
        for (std::size_t i = 0; i < n; ++i)
            set(i, static_cast<double>(std::max<Chips>(0, stacks[i])));
        for (std::size_t place = 0; place < places && tree[1] > 0; ++place) {
            double pick = static_cast<double>(splitmix64(state) >> 11) * 0x1.0p-53 * tree[1];
            std::size_t at = 1;
            while (at < size) {
                if (pick < tree[2 * at] || tree[2 * at + 1] <= 0) {
                    at = 2 * at;
                } else {
                    pick -= tree[2 * at];
                    at = 2 * at + 1;
                }
            }
            const std::size_t who = at - size;
            value[who] += prizes[place];
            set(who, 0.0);
        }
    }
    for (double& v : value)
        v /= samples;
    return value;
}

}  // namespace

std::vector<double> icm_values(std::span<const Chips> stacks, std::span<const double> prizes) {
    if (stacks.size() <= icm_exact_players) return exact(stacks, prizes);
    return sampled(stacks, prizes, 2000);
}

}  // namespace holdem::tournament
