#include "rules/reading/hand_readout.h"

#include <bit>

#include "rules/reading/standard_hand.h"

namespace holdem {

namespace {

constexpr unsigned all_ranks = 0x1FFF;

// Five ranks in a row among `ranks` (bit 0 the two, bit 12 the ace, which also plays low).
bool has_straight(unsigned ranks) {
    const unsigned with_low_ace = ranks << 1 | (ranks >> 12 & 1);
    for (int low = 0; low <= 9; ++low)
        if ((with_low_ace >> low & 0x1F) == 0x1F) return true;
    return false;
}

}  // namespace

std::string hand_readout(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    CardMask cards = card_bit(hole[0]) | card_bit(hole[1]);
    for (CardCode c : board)
        cards |= card_bit(c);
    const Strength strength = standard_strength(cards);
    std::string words = standard_words(strength);
    // Draws need a card to come, and a hole card among the cards they are made of.
    if (board.empty() || board.size() >= 5) return words;
    const Category made = category_of(strength);
    if (made < Category::flush) {
        for (int suit = 0; suit < 4; ++suit) {
            const unsigned in_suit = (cards >> (16 * suit)) & all_ranks;
            const bool mine = card_suit(hole[0]) == suit || card_suit(hole[1]) == suit;
            if (std::popcount(in_suit) == 4 && mine) words += ", flush draw";
        }
    }
    if (made < Category::straight) {
        unsigned ranks = 0;
        for (int suit = 0; suit < 4; ++suit)
            ranks |= (cards >> (16 * suit)) & all_ranks;
        const unsigned hole_ranks = 1u << rank_index(hole[0]) | 1u << rank_index(hole[1]);
        int completing = 0;
        for (int r = 0; r < 13; ++r) {
            const unsigned with = ranks | 1u << r;
            // The straight must use a hole card: one on the board alone is everybody's.
            if (!(ranks >> r & 1) && has_straight(with) && !has_straight(with & ~hole_ranks))
                ++completing;
        }
        if (completing >= 2)
            words += ", open-ended straight draw";
        else if (completing == 1)
            words += ", gutshot straight draw";
    }
    return words;
}

}  // namespace holdem
