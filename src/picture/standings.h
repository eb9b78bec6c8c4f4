// The Standings window's contents, from the field as it stood at the last hand's end: the chip
// leaders and the human's place, the payouts with the bubble, the tables with their players,
// and any table's last hand as a table picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture/table_picture.h"
#include "standard/field_play.h"
#include "tournament/field.h"

namespace holdem {

struct StandingRow {
    int rank = 0;  // by chips among the players left
    std::string name;
    Chips stack = 0;
    int table = 0;
    bool human = false;
};

struct PayoutRow {
    std::string places;  // "1st", "10th–18th"
    std::int64_t prize = 0;
    bool reached = false;  // every place of the band is still to be decided or is the human's
};

struct TableRow {
    int number = 0;
    int players = 0;
    Chips chips = 0, biggest = 0;
    bool human = false;
};

struct Standings {
    std::string summary;  // "587 of 1,000 left · average 17,035 · 150 paid · Level 6: …"
    std::string human;    // "You: rank 213 with 12,400 at table 41" or the place finished
    std::vector<StandingRow> leaders;  // the ten biggest stacks, then the human's if below
    std::vector<PayoutRow> payouts;
    std::string bubble;  // "The bubble: 151st pays nothing; 437 players from the money"
    std::vector<TableRow> tables;
};

Standings standings_of(const tournament::Field& field);

// A table's last hand as it stood when it was paid: the players with their stacks after it,
// the cards shown at the showdown, the board dealt, the button and the blinds.
TablePicture last_hand_picture(const tournament::Field& field, const standard::FieldHand& hand,
                               int table);

}  // namespace holdem
