// Turns a seat's hand texts into its hand number (category base plus one rank or suit index;
// higher is better, equal numbers tie) and the text of its best hand.
#pragma once

#include <string_view>

#include "model/table.h"
#include "rules/reading/hand_reading.h"

namespace holdem {

// Derives the seat's straight-flush and royal-flush texts from a flush verdict whose suit runs
// five consecutive ranks among the seat's seven cards. The straight flush also needs a
// straight verdict and is named by the run's top; a run of 10-J-Q-K-A is a royal flush.
void evaluate_royal(Player& p, const SevenCards& cards);

// The per-seat evaluation: handvalue and handnumber from the highest category found.
void evaluate_seat(Player& p);
void evaluate_hand_value1(Table& t);  // seats 1 … 5
void evaluate_hand_value(Table& t);   // seats 6 … 10

// The detail index that follows a category word: the highest rank text ("2" 1 … "A" 13) or
// suit word ("clubs" 1 … "spades" 4) found in the text; 0 when none.
int rank_detail(std::string_view text);
int suit_detail(std::string_view text);

}  // namespace holdem
