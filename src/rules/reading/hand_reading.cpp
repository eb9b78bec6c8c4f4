#include "rules/reading/hand_reading.h"

namespace holdem {

namespace {

constexpr std::string_view rank_texts[] = {"2", "3",  "4", "5", "6", "7", "8",
                                           "9", "10", "J", "Q", "K", "A"};
constexpr std::string_view suit_words[] = {"clubs", "diamonds", "hearts", "spades"};
constexpr int ace = 12;

int suit_of_letter(char c) {
    switch (c) {
        case 'c':
            return 0;
        case 'd':
            return 1;
        case 'h':
            return 2;
        case 's':
            return 3;
        default:
            return -1;
    }
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
    if (text.size() == 3 && text[0] == '1' && text[1] == '0') {
        rank = 8;
        rank_length = 2;
    } else if (text.size() == 2) {
        char r = text[0];
        if (r >= '2' && r <= '9')
            rank = r - '2';
        else if (r == 'J')
            rank = 9;
        else if (r == 'Q')
            rank = 10;
        else if (r == 'K')
            rank = 11;
        else if (r == 'A')
            rank = 12;
    }
    if (rank < 0) return card;
    int suit = suit_of_letter(text[rank_length]);
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

std::string_view rank_text(int rank) {
    return rank_texts[rank];
}
std::string_view suit_word(int suit) {
    return suit_words[suit];
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
    const unsigned present = rank_mask(cards);
    int verdict = -1;
    auto test = [&](int top) {
        unsigned window = window_mask(top);
        if ((present & window) == window) verdict = top;
    };
    for (int key = 0; key <= ace; ++key) {
        bool in_hand = (cards[0].valid() && cards[0].rank == key) ||
                       (cards[1].valid() && cards[1].rank == key);
        if (!in_hand) continue;
        // The windows that hold the key rank, lowest first; the Ace as key tests 10-A only.
        if (key == ace) {
            test(ace);
            continue;
        }
        if (key <= 3) test(3);
        for (int top = key < 4 ? 4 : key; top <= ace && top <= key + 4; ++top)
            test(top);
    }
    return verdict;
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

std::string top_text(int rank) {
    std::string text = "Top ";
    text += rank_text(rank);
    return text;
}

std::string pairs_text(const PairsVerdict& verdict) {
    std::string text(pairing_word(verdict.pairing));
    text += ' ';
    text += rank_text(verdict.rank);
    return text;
}

std::string straight_text(int top) {
    std::string text = "straight ";
    text += rank_text(top);
    return text;
}

std::string flush_text(int suit) {
    std::string text = "flush ";
    text += suit_word(suit);
    return text;
}

std::optional<std::string> read_top_card(const SevenTexts& texts) {
    int top = top_card_rank(read_cards(texts));
    if (top < 0) return std::nullopt;
    return top_text(top);
}

std::optional<std::string> read_pairs(const SevenTexts& texts) {
    PairsVerdict v = pairs_of(read_cards(texts));
    if (v.pairing == Pairing::None) return std::nullopt;
    return pairs_text(v);
}

std::optional<std::string> read_straight(const SevenTexts& texts) {
    int top = straight_top(read_cards(texts));
    if (top < 0) return std::nullopt;
    return straight_text(top);
}

std::optional<std::string> read_flush(const SevenTexts& texts) {
    int suit = flush_suit(read_cards(texts));
    if (suit < 0) return std::nullopt;
    return flush_text(suit);
}

BoardTexts read_board(const FiveTexts& texts) {
    FiveCards board;
    for (std::size_t i = 0; i < 5; ++i)
        board[i] = read_card(texts[i]);
    BoardVerdict v = board_of(board);
    BoardTexts out;
    if (v.pairing != Pairing::None) out.pairing = std::string(pairing_word(v.pairing));
    if (v.flush_suit >= 0) out.flush = flush_text(v.flush_suit);
    return out;
}

}  // namespace holdem
