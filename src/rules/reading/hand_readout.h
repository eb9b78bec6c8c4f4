// What a player holds, in poker words: the best hand made from the two hole cards and the
// board shown so far ("Pair of nines", "Flush, ace-king high"), and the draws that one more
// card could complete while cards are still to come ("flush draw", "open-ended straight draw").
#pragma once

#include <array>
#include <span>
#include <string>

#include "model/cards.h"

namespace holdem {

std::string hand_readout(std::array<CardCode, 2> hole, std::span<const CardCode> board);

}  // namespace holdem
