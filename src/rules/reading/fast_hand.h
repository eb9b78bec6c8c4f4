// Seven-card hands ranked by two table lookups, for the hot loops (the opponents' and the odds
// helper's sampled deals, the census). A hand is a running key: a rank key that is a sum of
// per-card constants (powers of five, so every mix of ranks has its own sum), four suit counters
// started at three so that a fifth card of a suit sets the counter's top bit, and the cards'
// mask for the flush's ranks. Adding a card is one addition and one or; a board's key is made
// once per deal and each hand adds its two cards. Gives the same `Strength` as
// `standard_strength`.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "model/cards.h"
#include "rules/reading/standard_hand.h"

namespace holdem {

// The two halves travel as one 16-byte vector, so adding a card is one load and one addition
// (the cards of a hand are distinct, so adding their mask bits is or-ing them).
using KeyPair = std::uint64_t __attribute__((vector_size(16)));
struct HandKey {
    KeyPair v = {std::uint64_t{0x3333} << 32, 0};  // {rank key low, suit counters high; mask}
    std::uint64_t sum() const { return v[0]; }
    CardMask mask() const { return v[1]; }
};

namespace fast_hand {

constexpr std::uint64_t power_of_five(int n) {
    std::uint64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 5;
    return p;
}

// Each card's share of the key, by card code (0 is no card).
struct alignas(16) CardShare {
    std::uint64_t value = 0;
    CardMask mask = 0;
};
inline constexpr std::array<CardShare, 53> card_shares = [] {
    std::array<CardShare, 53> v{};
    for (int c = 1; c <= 52; ++c) {
        const auto code = static_cast<CardCode>(c);
        v[static_cast<std::size_t>(c)] = {
            power_of_five(rank_index(code)) | std::uint64_t{1}
                                                  << (32 + 4 * static_cast<int>(card_suit(code))),
            card_bit(code)};
    }
    return v;
}();

// The same shares apart, eight bytes a card, for sums over cards given as codes.
inline constexpr std::array<std::uint64_t, 53> card_values = [] {
    std::array<std::uint64_t, 53> v{};
    for (std::size_t c = 0; c < v.size(); ++c)
        v[c] = card_shares[c].value;
    return v;
}();

// The tables: the strength of every seven ranks that make no flush, reached through a perfect
// hash of the rank key, and of every flush by its ranks. The key is first spread by an odd
// multiplier (a one-to-one map of 32-bit numbers); its top 13 bits choose one of 8192 groups,
// whose displacements (16 KB) stay in the first-level cache, and its low 16 bits, shifted by the
// group's displacement, the slot. The build proves that no two keys meet.
struct Tables {
    static constexpr std::uint32_t spread = 0x9E3779B1u;
    static constexpr int bucket_shift = 19;
    static constexpr std::uint32_t slots = 1u << 16;
    std::array<std::uint16_t, (std::uint64_t{1} << 32 >> bucket_shift)> displacement{};
    std::array<Strength, slots> plain{};
    std::array<Strength, 1u << 13> flush{};
};
const Tables& tables();

// The suit counters' top bits: one is set when its suit has five cards or more.
inline constexpr std::uint64_t flush_flags = std::uint64_t{0x8888} << 32;

inline Strength plain_strength(const Tables& t, std::uint32_t rank_key) {
    const std::uint32_t spread = rank_key * Tables::spread;
    const std::uint32_t slot =
        (spread + t.displacement[spread >> Tables::bucket_shift]) & (Tables::slots - 1);
    return t.plain[slot];
}

inline Strength flush_strength(const Tables& t, CardMask mask, std::uint64_t sum) {
    const int suit = std::countr_zero(static_cast<std::uint32_t>((sum & flush_flags) >> 32)) >> 2;
    return t.flush[static_cast<std::uint32_t>(mask >> (16 * suit)) & 0x1FFFu];
}

// Kept out of line, so the common path does not hold the cards in registers for it.
[[gnu::noinline]] Strength flush_of_cards(const Tables& t, const CardCode* seven,
                                                     std::uint64_t sum);

}  // namespace fast_hand

inline HandKey with_card(HandKey key, CardCode card) {
    KeyPair share;
    __builtin_memcpy(&share, &fast_hand::card_shares[card], sizeof share);
    key.v += share;
    return key;
}

// The strength of a key of exactly seven cards.
inline Strength fast_strength(const HandKey& key, const fast_hand::Tables& t) {
    const std::uint64_t sum = key.sum();
    // One hand in about thirty is a flush: the branch is nearly always guessed right.
    if (sum & fast_hand::flush_flags) [[unlikely]]
        return fast_hand::flush_strength(t, key.mask(), sum);
    return fast_hand::plain_strength(t, static_cast<std::uint32_t>(sum));
}
inline Strength fast_strength(const HandKey& key) {
    return fast_strength(key, fast_hand::tables());
}

// The strength of seven cards given as codes: the rank key and suit counters alone are summed,
// and only a flush looks at the cards again for its suit's ranks.
inline Strength fast_strength(const CardCode* seven, const fast_hand::Tables& t) {
    const auto& v = fast_hand::card_values;
    // Summed as a tree: the adds of one hand do not wait on each other in a chain.
    const std::uint64_t sum = ((v[seven[0]] + v[seven[1]]) + (v[seven[2]] + v[seven[3]])) +
                              ((v[seven[4]] + v[seven[5]]) + (v[seven[6]] + HandKey{}.sum()));
    if (sum & fast_hand::flush_flags) [[unlikely]]
        return fast_hand::flush_of_cards(t, seven, sum);
    return fast_hand::plain_strength(t, static_cast<std::uint32_t>(sum));
}

// Every seven-card hand once, its key built a card at a time as the loops go down, to
// `visit(key)`.
template <typename Visit>
void for_each_seven_card_key(Visit&& visit) {
    HandKey k0;
    for (int a = 1; a <= 52; ++a) {
        const HandKey k1 = with_card(k0, static_cast<CardCode>(a));
        for (int b = a + 1; b <= 52; ++b) {
            const HandKey k2 = with_card(k1, static_cast<CardCode>(b));
            for (int c = b + 1; c <= 52; ++c) {
                const HandKey k3 = with_card(k2, static_cast<CardCode>(c));
                for (int d = c + 1; d <= 52; ++d) {
                    const HandKey k4 = with_card(k3, static_cast<CardCode>(d));
                    for (int e = d + 1; e <= 52; ++e) {
                        const HandKey k5 = with_card(k4, static_cast<CardCode>(e));
                        for (int f = e + 1; f <= 52; ++f) {
                            const HandKey k6 = with_card(k5, static_cast<CardCode>(f));
#pragma GCC unroll 4
                            for (int g = f + 1; g <= 52; ++g)
                                visit(with_card(k6, static_cast<CardCode>(g)));
                        }
                    }
                }
            }
        }
    }
}

}  // namespace holdem
