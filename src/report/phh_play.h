// A no-limit hold'em hand of a PHH file played from its actions, strictly and in order, by an
// account of its own (antes as dead money in the main pot, blinds and straddles, the least
// raise, short all-ins that do not reopen the betting, seats with nothing to answer, the
// uncalled bet, side pots, the showdown by the best five cards, odd chips to the first winner
// left of the button). Nothing is inferred: an action out of turn or beyond the rules stops the
// hand with the reason. The hand comes out as finishing stacks and winnings, and as a record
// the hands viewer replays.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/hand_record.h"
#include "report/phh_reader.h"

namespace holdem {

struct PhhPlayed {
    // The first thing that could not be applied, in the player's words: "action 7 (p3 cc):
    // it is p1's turn". Everything before it was applied.
    std::optional<std::string> problem;
    bool complete = false;                   // the hand reached its end and every pot was paid
    std::vector<Chips> finishing, winnings;  // by player, in the file's order
    HandRecord record;
};

PhhPlayed play_phh(const PhhHand& hand);

}  // namespace holdem
