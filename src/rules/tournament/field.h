// The tournament's field of 1000 entrants: batches knocked out elsewhere before every hand,
// refills of broke or short computer seats with new names, closed seats once the field is
// nearly gone, the rank line, the human's sit-out request and the end of the game.
#pragma once

#include <string_view>

#include "model/table.h"

namespace holdem {

inline constexpr int closing_threshold = 990;  // from here on, broke seats close

inline constexpr std::string_view human_name = "You";
// The computer seats' names at the start, seats 2 … 10.
inline constexpr std::string_view starting_names[] = {
    "boulder man", "river rat",       "bad quab luck", "poker man",  "chips chips",
    "rotten kid",  "juggle card man", "texas route",   "zub zub kid"};

// Knocks out a batch of 5 … 14 entrants elsewhere (never more than are left outside the
// table) and returns the replacement stack: their chips over the knocked-out count minus 3.
Chips grow_field(Table& t);
// One of the 25 name fragments, drawn at random.
std::string_view name_fragment(Random& random);
// Three fragments joined by single blanks.
std::string new_player_name(Random& random);

// A name the game itself gives: the human's, a starting name, or three fragments.
bool is_player_name(std::string_view name, std::string_view human);

// The human's rank: the entrants still in.
int entrants_left(const Table& t);

// The first steps of every hand after the first; ends the game when the human is broke or is
// the last entrant left.
void tournament_step(Table& t);
// Its parts: the field, the seats and the human's sit-out request; then the charge a human who
// sits out on the button pays under the classic rules.
void field_step(Table& t);
void charge_sitting_out_dealer(Table& t);

}  // namespace holdem
