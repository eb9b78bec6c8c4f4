// The five card-reading routines: card texts in, verdict out. They see only pairings that
// involve a hand card, straights with a hand card inside, and flushes; kickers play no part.
// Each routine parses the texts once and answers with the exact verdict text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/cards.h"

namespace holdem {

// A card text read once: rank index 0 ("2") … 12 ("A") and suit 0 clubs … 3 spades;
// anything that is not a card text reads as no card and matches nothing.
struct ReadCard {
    std::int8_t rank = -1;
    std::int8_t suit = -1;
    bool valid() const { return rank >= 0; }
};
ReadCard read_card(std::string_view text);

using SevenTexts = std::array<std::string_view, 7>;  // two hand cards, then the five board cards
using SevenCards = std::array<ReadCard, 7>;
using FiveCards = std::array<ReadCard, 5>;

enum class Pairing : std::uint8_t { None, Pair, TwoKind, ThreeKind, FullHouse, FourKind };
std::string_view pairing_word(Pairing pairing);  // "Pair", "Two Kind", … "Four Kind"

struct PairsVerdict {
    Pairing pairing = Pairing::None;
    int rank = -1;
};
struct BoardVerdict {
    Pairing pairing = Pairing::None;  // the board's own pairing, without a rank
    int flush_suit = -1;              // five of one suit on the board
};

// Structured readings, for callers that read many hands.
int top_card_rank(const SevenCards& cards);  // -1 when neither hand card is a card
PairsVerdict pairs_of(const SevenCards& cards);
BoardVerdict board_of(const FiveCards& board);
int straight_top(const SevenCards& cards);  // rank index of the straight's top, or -1
int flush_suit(const SevenCards& cards);    // suit with five or more cards, or -1
// The top rank of the highest run of five consecutive ranks (ace low or high) in one suit.
int suited_run_top(const SevenCards& cards, int suit);

// The verdict texts, written into `out` (whose room is reused).
void top_text(std::string& out, int rank);
void pairs_text(std::string& out, const PairsVerdict& verdict);
void straight_text(std::string& out, int top);
void flush_text(std::string& out, int suit);

SevenCards read_cards(const SevenTexts& texts);

}  // namespace holdem
