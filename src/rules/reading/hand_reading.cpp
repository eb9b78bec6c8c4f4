#include "rules/reading/hand_reading.h"

#include <algorithm>
#include <utility>

namespace holdem {

using namespace std::string_view_literals;

namespace {

constexpr int ace = 12;

// The rank of a one-character rank text and the suit of a suit letter, by character.
constexpr auto by_character(auto&& index_of) {
    std::array<std::int8_t, 128> table{};
    table.fill(-1);
    index_of(table);
    return table;
}
constexpr auto single_rank = by_character([](auto& table) {
    for (int r = 0; r <= ace; ++r)
        if (rank_texts[r].size() == 1) table[static_cast<unsigned char>(rank_texts[r][0])] = r;
});
constexpr auto suit_of_letter = by_character([](auto& table) {
    for (int s = 0; s < 4; ++s)
        table[static_cast<unsigned char>(suit_letters[s])] = s;
});
constexpr int lookup(const std::array<std::int8_t, 128>& table, char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < table.size() ? table[u] : -1;
}

// Ranks present among the cards, one bit per rank index.
unsigned rank_mask(const SevenCards& cards) {
    unsigned mask = 0;
    for (const ReadCard& c : cards)
        if (c.valid()) mask |= 1u << c.rank;
    return mask;
}

// The five ranks of the window whose top is `top` (3 is A-2-3-4-5, 12 is 10-J-Q-K-A).
unsigned window_mask(int top) {
    if (top == 3) return (1u << ace) | 0b1111u;
    return 0b11111u << (top - 4);
}

}  // namespace

ReadCard read_card(std::string_view text) {
    ReadCard card;
    std::size_t rank_length = 1;
    int rank = -1;
    if (text.size() == 3 && text.substr(0, 2) == rank_texts[8]) {
        rank = 8;
        rank_length = 2;
    } else if (text.size() == 2) {
        rank = lookup(single_rank, text[0]);
    }
    if (rank < 0) return card;
    int suit = lookup(suit_of_letter, text[rank_length]);
    if (suit < 0) return card;
    card.rank = static_cast<std::int8_t>(rank);
    card.suit = static_cast<std::int8_t>(suit);
    return card;
}

SevenCards read_cards(const SevenTexts& texts) {
    SevenCards cards;
    for (std::size_t i = 0; i < 7; ++i)
        cards[i] = read_card(texts[i]);
    return cards;
}

std::string_view pairing_word(Pairing pairing) {
    switch (pairing) {
        case Pairing::Pair:
            return "Pair";
        case Pairing::TwoKind:
            return "Two Kind";
        case Pairing::ThreeKind:
            return "Three Kind";
        case Pairing::FullHouse:
            return "FullHouse";
        case Pairing::FourKind:
            return "Four Kind";
        case Pairing::None:
            break;
    }
    return {};
}

int top_card_rank(const SevenCards& cards) {
    int top = -1;
    if (cards[0].valid()) top = cards[0].rank;
    if (cards[1].valid() && cards[1].rank > top) top = cards[1].rank;
    return top;
}

PairsVerdict pairs_of(const SevenCards& cards) {
    auto count = [&](const ReadCard& hand) {
        int n = 0;
        if (!hand.valid()) return n;
        for (const ReadCard& c : cards)
            n += c.rank == hand.rank;
        return n;
    };
    const int r1 = cards[0].rank, r2 = cards[1].rank;
    const int nA = count(cards[0]), nB = count(cards[1]);
    PairsVerdict v;
    auto set = [&](Pairing pairing, int rank) { v = {pairing, rank}; };
    // The rules in order; a later rule that fires overwrites an earlier one.
    if (nA == 2) set(Pairing::Pair, r1);
    if (nB == 2) set(Pairing::Pair, r2);
    if (r1 == r2 && nA == 2) set(Pairing::Pair, r1);
    // Two pairs are named by the higher pair, whichever hand card was dealt first.
    if (r1 != r2 && nA == 2 && nB == 2) set(Pairing::TwoKind, r1 > r2 ? r1 : r2);
    if (nA == 3) set(Pairing::ThreeKind, r1);
    if (nB == 3) set(Pairing::ThreeKind, r2);
    if (nA == 3 && nB == 2) set(Pairing::FullHouse, r1);
    if (nA == 2 && nB == 3) set(Pairing::FullHouse, r2);
    if (nA == 4) set(Pairing::FourKind, r1);
    if (nB == 4) set(Pairing::FourKind, r2);
    return v;
}

BoardVerdict board_of(const FiveCards& b) {
    auto starts_with = [](const ReadCard& card, int rank) {
        return rank >= 0 && card.rank == rank;
    };
    const int rA = b[0].rank;
    int nA = 0;
    for (const ReadCard& c : b)
        nA += starts_with(c, rA);
    const int rB = b[1].rank;
    int nB = 0;
    if (rB != rA) {
        nB = starts_with(b[1], rB);
        for (int i = 2; i < 5; ++i)
            nB += starts_with(b[i], rB);
    }
    // The third card's pairs are counted into the first card's counter.
    const int rC = b[2].rank;
    if (rC != rA && rC != rB) nA += starts_with(b[3], rC) + starts_with(b[4], rC);

    BoardVerdict v;
    if (nA == 2) v.pairing = Pairing::Pair;
    if (nB == 2) v.pairing = Pairing::Pair;
    if (nB == 2 && nA == 2) v.pairing = Pairing::TwoKind;
    if (nA == 3) v.pairing = Pairing::ThreeKind;
    if (nB == 3) v.pairing = Pairing::ThreeKind;
    if (nB == 2 && nA == 3) v.pairing = Pairing::FullHouse;
    if (nB == 3 && nA == 2) v.pairing = Pairing::FullHouse;
    if (nA == 4) v.pairing = Pairing::FourKind;
    if (nB == 4) v.pairing = Pairing::FourKind;

    int counts[4] = {0, 0, 0, 0};
    for (const ReadCard& c : b)
        if (c.suit >= 0) ++counts[c.suit];
    for (int suit = 0; suit < 4; ++suit)
        if (counts[suit] >= 5) v.flush_suit = suit;
    return v;
}

int straight_top(const SevenCards& cards) {
    // The reading tests each hand card's rank as a key, keys ascending and each key's windows from
    // the lowest, and keep the last window that passes: the highest passing window of the
    // higher key that has one. The ace as key tests 10-A only; A-5 counts under keys 2 … 5.
    const unsigned present = rank_mask(cards);
    auto highest_window = [&](int key) {
        if (key < 0) return -1;
        if (key == ace) return (present & window_mask(ace)) == window_mask(ace) ? ace : -1;
        for (int top = std::min(key + 4, ace); top >= std::max(key, 4); --top)
            if ((present & window_mask(top)) == window_mask(top)) return top;
        if (key <= 3 && (present & window_mask(3)) == window_mask(3)) return 3;
        return -1;
    };
    const int high = std::max<int>(cards[0].rank, cards[1].rank);
    const int low = std::min<int>(cards[0].rank, cards[1].rank);
    const int verdict = highest_window(high);
    return verdict >= 0 ? verdict : highest_window(low);
}

int flush_suit(const SevenCards& cards) {
    int counts[4] = {0, 0, 0, 0};
    for (const ReadCard& c : cards)
        if (c.suit >= 0) ++counts[c.suit];
    int suit = -1;
    for (int s = 0; s < 4; ++s)
        if (counts[s] >= 5) suit = s;
    return suit;
}

int suited_run_top(const SevenCards& cards, int suit) {
    if (suit < 0) return -1;
    unsigned mask = 0;
    for (const ReadCard& c : cards)
        if (c.valid() && c.suit == suit) mask |= 1u << c.rank;
    for (int top = ace; top >= 3; --top) {
        unsigned window = window_mask(top);
        if ((mask & window) == window) return top;
    }
    return -1;
}

// Written with clear and append: for texts this short that is cheaper than assign.
void top_text(std::string& out, int rank) {
    out.clear();
    out.append("Top "sv).append(rank_texts[rank]);
}

void pairs_text(std::string& out, const PairsVerdict& verdict) {
    out.clear();
    out.append(pairing_word(verdict.pairing)).append(" "sv).append(rank_texts[verdict.rank]);
}

void straight_text(std::string& out, int top) {
    out.clear();
    out.append("straight "sv).append(rank_texts[top]);
}

void flush_text(std::string& out, int suit) {
    out.clear();
    out.append("flush "sv).append(suit_words[suit]);
}

}  // namespace holdem
