#include "rules/reading/standard_hand.h"

#include <bit>

namespace holdem {

namespace {

constexpr int ranks = 13;
constexpr unsigned all_ranks = (1u << ranks) - 1;
constexpr int category_shift = 26;

// Everything the evaluator looks up about a set of ranks, one entry per 13-bit mask.
struct RankTables {
    std::array<std::uint8_t, 1u << ranks> count{};
    std::array<std::int8_t, 1u << ranks> straight{};  // the highest straight's top, or -1
    std::array<std::array<std::uint16_t, 1u << ranks>, 6> top{};  // the k highest ranks

    constexpr RankTables() {
        for (unsigned m = 0; m <= all_ranks; ++m) {
            count[m] = static_cast<std::uint8_t>(std::popcount(m));
            straight[m] = -1;
            for (int high = ranks - 1; high >= 4 && straight[m] < 0; --high) {
                const unsigned run = 0b11111u << (high - 4);
                if ((m & run) == run) straight[m] = static_cast<std::int8_t>(high);
            }
            const unsigned wheel = (1u << 12) | 0b1111u;  // A-2-3-4-5, five high
            if (straight[m] < 0 && (m & wheel) == wheel) straight[m] = 3;
            unsigned left = m, taken = 0;
            for (int k = 1; k <= 5; ++k) {
                if (left) {
                    const unsigned highest = 1u << (std::bit_width(left) - 1);
                    taken |= highest;
                    left &= ~highest;
                }
                top[k][m] = static_cast<std::uint16_t>(taken);
            }
        }
    }
};

// A few pages worked out once. GCC does it while compiling; compilers with a tighter budget for
// compile-time work fill them in at start-up instead, so this is const rather than constexpr.
const RankTables rank_tables;

int highest(unsigned mask) {
    return std::bit_width(mask) - 1;
}

Strength make(Category c, unsigned value) {
    return static_cast<Strength>(c) << category_shift | value;
}

}  // namespace

CardMask mask_of(const std::array<CardCode, 7>& cards) {
    CardMask m = 0;
    for (CardCode c : cards)
        m |= card_bit(c);
    return m;
}

Strength standard_strength(CardMask cards) {
    const RankTables& t = rank_tables;
    const unsigned s0 = cards & all_ranks, s1 = (cards >> 16) & all_ranks,
                   s2 = (cards >> 32) & all_ranks, s3 = (cards >> 48) & all_ranks;
    // Five of one suit among seven cards leave too few for four of a kind or a full house.
    for (unsigned suit : {s0, s1, s2, s3}) {
        if (t.count[suit] < 5) continue;
        if (t.straight[suit] >= 0)
            return make(Category::straight_flush, static_cast<unsigned>(t.straight[suit]));
        return make(Category::flush, t.top[5][suit]);
    }
    const unsigned any = s0 | s1 | s2 | s3;
    const unsigned two = (s0 & s1) | (s0 & s2) | (s0 & s3) | (s1 & s2) | (s1 & s3) | (s2 & s3);
    const unsigned three = (s0 & s1 & s2) | (s0 & s1 & s3) | (s0 & s2 & s3) | (s1 & s2 & s3);
    const unsigned four = s0 & s1 & s2 & s3;
    if (four) {
        const int quad = highest(four);
        return make(Category::four_of_a_kind,
                    static_cast<unsigned>(quad << 4 | highest(any & ~(1u << quad))));
    }
    const unsigned pairs = two & ~three;
    if (three && (t.count[three] >= 2 || pairs)) {
        const int trips = highest(three);
        const int pair = highest((three & ~(1u << trips)) | pairs);
        return make(Category::full_house, static_cast<unsigned>(trips << 4 | pair));
    }
    if (t.straight[any] >= 0)
        return make(Category::straight, static_cast<unsigned>(t.straight[any]));
    if (three) {
        const int trips = highest(three);
        return make(Category::three_of_a_kind,
                    static_cast<unsigned>(trips) << ranks | t.top[2][any & ~(1u << trips)]);
    }
    if (t.count[pairs] >= 2) {
        const unsigned both = t.top[2][pairs];
        const int high = highest(both), low = highest(both & ~(1u << high));
        return make(Category::two_pair,
                    static_cast<unsigned>(high << 4 | low) << ranks | t.top[1][any & ~both]);
    }
    if (pairs) {
        const int pair = highest(pairs);
        return make(Category::pair,
                    static_cast<unsigned>(pair) << ranks | t.top[3][any & ~(1u << pair)]);
    }
    return make(Category::high_card, t.top[5][any]);
}

Category category_of(Strength strength) {
    return static_cast<Category>(strength >> category_shift);
}

namespace {

constexpr const char* singular[] = {"two",  "three", "four", "five",  "six",  "seven", "eight",
                                    "nine", "ten",   "jack", "queen", "king", "ace"};
constexpr const char* plural[] = {"twos",  "threes", "fours", "fives",  "sixes", "sevens", "eights",
                                  "nines", "tens",   "jacks", "queens", "kings", "aces"};

}  // namespace

std::string standard_words(Strength strength) {
    const unsigned value = strength & ((1u << category_shift) - 1);
    const unsigned low = value & all_ranks;  // the kickers' or the flush's ranks
    const int main = static_cast<int>(value >> ranks);
    // A hand of fewer than five cards (two hole cards, or with the flop alone) may have no
    // kickers at all.
    const std::string high = low ? singular[highest(low)] : "";
    switch (category_of(strength)) {
        case Category::high_card:
            return "High card, " + high;
        case Category::pair:
            return std::string("Pair of ") + plural[main];
        case Category::two_pair:
            return std::string("Two pair, ") + plural[main >> 4] + " and " + plural[main & 15];
        case Category::three_of_a_kind:
            return std::string("Three of a kind, ") + plural[main];
        case Category::straight:
            return std::string("Straight, ") + singular[value] + " high";
        case Category::flush:
            return "Flush, " + high + "-" + singular[highest(low & ~(1u << highest(low)))] +
                   " high";
        case Category::full_house:
            return std::string("Full house, ") + plural[value >> 4] + " full of " +
                   plural[value & 15];
        case Category::four_of_a_kind:
            return std::string("Four of a kind, ") + plural[value >> 4];
        case Category::straight_flush:
            if (value == 12) return "Royal flush";
            return std::string("Straight flush, ") + singular[value] + " high";
    }
    return {};
}

}  // namespace holdem
