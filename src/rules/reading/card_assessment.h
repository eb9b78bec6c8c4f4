// The assessment of all ten seats' cards at the deal: every seat's seven cards are read into its
// hand texts, evaluated into a hand number and ranked into standings, which the computer seats
// bet by for the whole hand.
#pragma once

#include "model/table.h"
#include "rules/reading/hand_reading.h"

namespace holdem {

void evaluate_player_cards(Table& t);

// What the card reading leaves behind besides the seat's hand texts: the verdict line, the
// board's pairing and the last flush and straight verdicts.
struct ReadingScratch {
    std::string& verdict;
    std::string& flopvalue;
    std::string& fl;
    std::string& st;
};
// Reads one seat's seven cards (hand cards first) into its hand texts, as the assessment does.
void read_seat_cards(Player& p, const SevenCards& cards, const ReadingScratch& scratch);

// A seat's hand number and text read straight from seven card codes, touching no table.
struct ClassicHand {
    std::int32_t number = 0;
    std::string text;
};
ClassicHand read_classic_hand(const std::array<CardCode, 7>& codes);
// The hand number under either ranking.
std::int32_t hand_number(const std::array<CardCode, 7>& codes, Ranking ranking);
// Card codes of cards read from their texts (a text that is no card counts as the two of clubs).
std::array<CardCode, 7> codes_of(const SevenCards& cards);

}  // namespace holdem
