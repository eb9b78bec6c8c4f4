// Drawing a hand's 25 cards and handing them to the ten seats and the board.
#pragma once

#include "model/table.h"

namespace holdem {

// Reseeds the randomness port, then draws 25 distinct codes: each position draws
// ⌊r × 52 + 1⌋ and draws again while the code is already taken.
void dealfirst(Table& t);
// A deck drawn and thrown away before the next is drawn. It moves the randomness port
// on all the same; a seeded stream depends on its reseeds alone, so there the reseed is enough.
void throw_away_deck(Table& t);

// Copies the deck into the seats' cards, texts and pictures (faces for the human, backs for
// the others), files the board texts into every seat, clears the hand descriptions, starts the
// pacing clock and assesses every seat's cards.
void distribute_cards_for_10(Table& t);

// One card code from one uniform draw: ⌊r × 52 + 1⌋, in 1 … 52 for any r in [0, 1).
CardCode draw_card(Random& random);

}  // namespace holdem
