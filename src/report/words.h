// Shared wording of what happened: seat names, card texts the way hand histories write them,
// and the text of a seat's hand at the showdown.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/table.h"

namespace holdem {

// "2s", "Td", "Ah": ten as T, as hand-history tools read it.
std::string history_card(CardCode code);
// Cards joined by blanks: "2s Td 2d".
std::string card_list(std::initializer_list<CardCode> cards, bool history_style);
// The board's first n cards.
std::string board_list(const Table& t, int n, bool history_style);

// The text of a seat's hand as the showdown names it.
std::string hand_text(const Table& t, int seat);

// Under the standard rules: "pot" when the hand had one, else "main pot", "side pot-1" …
std::string pot_name(int pot, int pots);
// "Total pot 900", or with side pots "Total pot 900 Main pot 600. Side pot-1 300.".
std::string pots_summary(const std::vector<Chips>& pots);

}  // namespace holdem
