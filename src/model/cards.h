// Card codes (1 … 52, ordered by rank then suit), their texts, the card grid's layout and the
// 25 positions of a hand's deck.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace holdem {

using CardCode = std::int16_t;

// code = 4 × (rank − 2) + suit + 1, rank 2 … 14, suit 0 clubs, 1 diamonds, 2 hearts, 3 spades.
constexpr CardCode card_code(int rank, int suit) {
    return CardCode(4 * (rank - 2) + suit + 1);
}
constexpr int card_rank(CardCode code) {
    return (code - 1) / 4 + 2;
}
constexpr int card_suit(CardCode code) {
    return (code - 1) % 4;
}
constexpr bool is_card(CardCode code) {
    return code >= 1 && code <= 52;
}
// The card as bit `code` of a 64-bit set of cards: the dead-card masks of the samplers.
constexpr std::uint64_t code_bit(CardCode code) {
    return std::uint64_t{1} << code;
}

// The card vocabulary every part of the game speaks: rank index 0 ("2") … 12 ("A") as the card
// texts write the ranks, and suit 0 … 3 as letters and words.
inline constexpr std::array<std::string_view, 13> rank_texts = {"2", "3",  "4", "5", "6", "7", "8",
                                                                "9", "10", "J", "Q", "K", "A"};
inline constexpr std::array<char, 4> suit_letters = {'c', 'd', 'h', 's'};
inline constexpr std::array<std::string_view, 4> suit_words = {"clubs", "diamonds", "hearts",
                                                               "spades"};
constexpr int rank_index(CardCode code) {
    return card_rank(code) - 2;
}

// The card's text ("2c" … "10s" … "As"); the empty text for any code outside 1 … 52.
std::string convert2card(CardCode code);
std::string_view card_text(CardCode code);  // the same, without a string of its own

// The card grid: 18 columns × 4 rows of equal cells, cell n shows the face of card n,
// cells 0 and 53 … 55 are backs (pink, teal, slate blue, peach), 56 … 71 are empty.
namespace card_grid {
inline constexpr int columns = 18;
inline constexpr int rows = 4;
inline constexpr int cells = columns * rows;
inline constexpr int back_pink = 0;
inline constexpr int back_teal = 53;
inline constexpr int back_slate = 54;
inline constexpr int back_peach = 55;
constexpr bool is_face(int cell) {
    return cell >= 1 && cell <= 52;
}
constexpr bool is_back(int cell) {
    return cell == 0 || (cell >= 53 && cell <= 55);
}
}  // namespace card_grid

// A hand's 25 cards: first hole cards of seats 1 … 10, second hole cards, then the board.
inline constexpr int deck_size = 25;
using Deck = std::array<CardCode, deck_size>;
namespace deck_pos {
constexpr int first_card(int seat) {
    return seat - 1;
}
constexpr int second_card(int seat) {
    return 10 + seat - 1;
}
constexpr int board(int index) {
    return 20 + index - 1;
}  // board cards 1 … 5
}  // namespace deck_pos

}  // namespace holdem
