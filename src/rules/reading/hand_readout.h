// What a player holds, in poker words: the best hand made from the two hole cards and the
// board shown so far ("Pair of nines", "Flush, ace-king high"), and the draws that one more
// card could complete while cards are still to come ("flush draw", "open-ended straight draw").
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/cards.h"

namespace holdem {

std::string hand_readout(std::array<CardCode, 2> hole, std::span<const CardCode> board);

// The same under the classic ranking: what the game's own reading will count of the cards shown
// so far ("Pair Q" is "Pair of queens"), with the draws to come.
std::string classic_readout(std::array<CardCode, 2> hole, std::span<const CardCode> board);
// A classic hand text in players' words: "Top K" is "High card, king", "Two Kind 6" is "Two
// pair, sixes high", "flush hearts" is "Flush, hearts".
std::string classic_words(std::string_view text);

}  // namespace holdem
