// Standard hand ranking: the best five of seven cards with kickers, as players know it. One
// number per hand (higher wins, equal numbers split), worked out from bit masks and small
// tables: no allocation, a few dozen instructions a hand.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/cards.h"

namespace holdem {

enum class Category : std::uint8_t {
    high_card,
    pair,
    two_pair,
    three_of_a_kind,
    straight,
    flush,
    full_house,
    four_of_a_kind,
    straight_flush
};

// A hand's cards as one 64-bit mask, 16 bits a suit and one bit a rank (bit 0 the two).
using CardMask = std::uint64_t;
constexpr CardMask card_bit(CardCode code) {
    return CardMask{1} << (16 * card_suit(code) + rank_index(code));
}
CardMask mask_of(const std::array<CardCode, 7>& cards);

// Every seven-card hand once, as its mask, to `visit`: the cards in code order, the first four
// combined once for all the hands they start.
template <typename Visit>
void for_each_seven_card_hand(Visit&& visit) {
    CardMask bit[52];
    for (int c = 0; c < 52; ++c)
        bit[c] = card_bit(static_cast<CardCode>(c + 1));
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d) {
                    const CardMask four = bit[a] | bit[b] | bit[c] | bit[d];
                    for (int e = d + 1; e < 52; ++e)
                        for (int f = e + 1; f < 52; ++f)
                            for (int g = f + 1; g < 52; ++g)
                                visit(four | bit[e] | bit[f] | bit[g]);
                }
}

// The hand's strength: the category in the top bits, then its ranks in order of importance.
using Strength = std::uint32_t;
Strength standard_strength(CardMask cards);
inline Strength standard_strength(const std::array<CardCode, 7>& cards) {
    return standard_strength(mask_of(cards));
}

Category category_of(Strength strength);
// "Flush, ace-king high", "Two pair, kings and sevens", "Royal flush".
std::string standard_words(Strength strength);

}  // namespace holdem
