#include "rules/reading/hand_readout.h"

#include <bit>

#include "rules/reading/card_assessment.h"
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

constexpr const char* singular[] = {"two",  "three", "four", "five",  "six",  "seven", "eight",
                                    "nine", "ten",   "jack", "queen", "king", "ace"};
constexpr const char* plural[] = {"twos",  "threes", "fours", "fives",  "sixes", "sevens", "eights",
                                  "nines", "tens",   "jacks", "queens", "kings", "aces"};

int rank_of(std::string_view text) {
    for (std::size_t r = 0; r < rank_texts.size(); ++r)
        if (rank_texts[r] == text) return static_cast<int>(r);
    return -1;
}

// The draws one more card could complete, given what is made already.
void add_draws(std::string& words, std::array<CardCode, 2> hole, CardMask cards, Category made) {
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
}

CardMask mask_of(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    CardMask cards = card_bit(hole[0]) | card_bit(hole[1]);
    for (CardCode c : board)
        cards |= card_bit(c);
    return cards;
}

}  // namespace

std::string hand_readout(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    const CardMask cards = mask_of(hole, board);
    const Strength strength = standard_strength(cards);
    std::string words = standard_words(strength);
    // Draws need a card to come, and a hole card among the cards they are made of.
    if (!board.empty() && board.size() < 5) add_draws(words, hole, cards, category_of(strength));
    return words;
}

std::string classic_words(std::string_view text) {
    struct Form {
        std::string_view word;
        const char* before;
        const char* after;
        bool many;  // the rank said in the plural
    };
    static constexpr Form forms[] = {
        {"straight flush ", "Straight flush, ", " high", false},
        {"Top ", "High card, ", "", false},
        {"Pair ", "Pair of ", "", true},
        {"Two Kind ", "Two pair, ", " high", true},
        {"Three Kind ", "Three of a kind, ", "", true},
        {"straight ", "Straight, ", " high", false},
        {"FullHouse ", "Full house, ", " full", true},
        {"Four Kind ", "Four of a kind, ", "", true},
    };
    if (text.starts_with("royal")) return "Royal flush";
    if (text.starts_with("flush ")) return "Flush, " + std::string(text.substr(6));
    for (const Form& f : forms) {
        if (!text.starts_with(f.word)) continue;
        const int rank = rank_of(text.substr(f.word.size()));
        if (rank < 0) break;
        return std::string(f.before) + (f.many ? plural[rank] : singular[rank]) + f.after;
    }
    return std::string(text);
}

std::string classic_readout(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    std::array<CardCode, 7> codes{hole[0], hole[1]};
    for (std::size_t i = 0; i < board.size() && i < 5; ++i)
        codes[i + 2] = board[i];
    std::string words = classic_words(read_classic_hand(codes).text);
    if (!board.empty() && board.size() < 5) {
        const CardMask cards = mask_of(hole, board);
        add_draws(words, hole, cards, category_of(standard_strength(cards)));
    }
    return words;
}

}  // namespace holdem
