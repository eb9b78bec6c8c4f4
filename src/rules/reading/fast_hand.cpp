#include "rules/reading/fast_hand.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace holdem::fast_hand {

namespace {

struct Entry {
    std::uint32_t key;  // spread
    Strength strength;
};

// Every mix of seven ranks, each at most four times, with its strength: the copies of a rank
// go to different suits and the suits are dealt round, so no suit holds five cards.
std::vector<Entry> every_seven_ranks() {
    std::vector<Entry> entries;
    std::array<int, 13> count{};
    auto visit = [&](auto&& self, int rank, int left) -> void {
        if (rank == 13) {
            if (left > 0) return;
            CardMask mask = 0;
            std::uint32_t key = 0;
            int suit = 0;
            for (int r = 0; r < 13; ++r)
                for (int i = 0; i < count[static_cast<std::size_t>(r)]; ++i) {
                    mask |= CardMask{1} << (16 * (suit % 4) + r);
                    key += static_cast<std::uint32_t>(power_of_five(r));
                    ++suit;
                }
            entries.push_back({key * Tables::spread, standard_strength(mask)});
            return;
        }
        for (int n = 0; n <= std::min(4, left); ++n) {
            count[static_cast<std::size_t>(rank)] = n;
            self(self, rank + 1, left - n);
        }
        count[static_cast<std::size_t>(rank)] = 0;
    };
    visit(visit, 0, 7);
    return entries;
}

// A perfect hash by displacement: spread keys are grouped by their top bits, the biggest groups
// placed first, each group shifted by the least displacement that lands all its keys on free
// slots. With these groups and this multiplier no two keys of a group share their low 16 bits,
// so a shift can always keep them apart.
void build(Tables& t) {
    const std::vector<Entry> entries = every_seven_ranks();

    const std::size_t buckets = t.displacement.size();
    std::vector<std::vector<Entry>> groups(buckets);
    for (const Entry& e : entries)
        groups[e.key >> Tables::bucket_shift].push_back(e);
    std::vector<std::size_t> order(buckets);
    for (std::size_t i = 0; i < buckets; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return groups[a].size() > groups[b].size();
    });
    std::vector<bool> taken(Tables::slots, false);
    for (std::size_t b : order) {
        const auto& group = groups[b];
        if (group.empty()) break;
        bool placed = false;
        for (std::uint32_t d = 0; d < 0x10000u && !placed; ++d) {
            placed = std::none_of(group.begin(), group.end(), [&](const Entry& e) {
                return taken[(e.key + d) & (Tables::slots - 1)];
            });
            if (!placed) continue;
            t.displacement[b] = static_cast<std::uint16_t>(d);
            for (const Entry& e : group) {
                taken[(e.key + d) & (Tables::slots - 1)] = true;
                t.plain[(e.key + d) & (Tables::slots - 1)] = e.strength;
            }
        }
        if (!placed) throw std::logic_error("the rank keys found no perfect hash");
    }
    // Five to seven cards of one suit: the best flush among them, a straight flush included.
    for (std::uint32_t ranks = 0; ranks < t.flush.size(); ++ranks)
        if (std::popcount(ranks) >= 5) t.flush[ranks] = standard_strength(CardMask{ranks});
}

}  // namespace

Strength flush_of_cards(const Tables& t, const CardCode* seven, std::uint64_t sum) {
    CardMask mask = 0;
    for (int i = 0; i < 7; ++i)
        mask |= card_shares[static_cast<std::size_t>(seven[i])].mask;
    return flush_strength(t, mask, sum);
}

const Tables& tables() {
    static const std::unique_ptr<Tables> made = [] {
        auto t = std::make_unique<Tables>();
        build(*t);
        return t;
    }();
    return *made;
}

}  // namespace holdem::fast_hand
