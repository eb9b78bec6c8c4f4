// Shared wording of what happened: seat names, card texts the way hand histories write them,
// and the text of a seat's hand at the showdown.
#pragma once

#include <string>
#include <string_view>

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

}  // namespace holdem
