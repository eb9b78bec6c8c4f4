// The standard rules' computer players. They decide from what a player at the table knows: their
// own cards, the board shown, the pot, the stacks, the position, the blinds and the actions so
// far; never another seat's cards. Before the flop a hand is worth its equity and its place
// among all starting hands; after it, its equity by sampling against the hands each seat still
// in is likely to hold after what it did. Short stacks move all in or fold. A style sets how
// many hands a player plays and how often it bets; the difficulty how well it plays them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/options.h"
#include "model/table.h"
#include "standard/hand_state.h"
#include "standard/opponents/equity.h"

namespace holdem::standard {

enum class Style : std::uint8_t {
    tight_passive,
    tight_aggressive,
    loose_passive,
    loose_aggressive
};
inline constexpr int styles = 4;
std::string_view style_name(Style style);  // "tight-aggressive"
Style style_of(const Player& p);           // a seat's style, any stored value kept in range

// The share of hands a style is meant to play voluntarily and to raise before the flop, over
// a whole tournament at a full table.
struct StyleBand {
    double vpip_low, vpip_high, pfr_low, pfr_high;
};
StyleBand style_band(Style style);

// What a seat has done this hand, as everybody at the table saw it.
struct SeatReads {
    bool raised_preflop = false;    // bet or raised before the flop
    bool called_preflop = false;    // put chips in before the flop without raising
    bool aggressive_now = false;    // bet or raised on the street under way
    int aggressive_after_flop = 0;  // bets and raises after the flop
};
struct HandReads {
    std::array<SeatReads, seat_count + 1> seats{};
    int preflop_raiser = 0;  // the last seat to raise before the flop
    int raises_now = 0;      // bets and raises on the street under way
};
// What the table reads from a seat's move on the street under way.
void read_move(HandReads& reads, int seat, Move move, bool preflop);

// What a seat still likely holds after what it did, as a player of the given difficulty reads
// it, before the flop or after it.
LikelyRange likely_range(const SeatReads& reads, bool big_blind, bool after_flop,
                         Difficulty difficulty);

// The board cards turned up so far.
std::vector<CardCode> board_turned_up(const Table& t);
// The likely range of each other seat still in, as a player of the difficulty at `seat` reads it.
std::vector<LikelyRange> likely_ranges(const Table& t, const HandState& hand,
                                       const HandReads& reads, int seat, Difficulty difficulty);

// The hands a deep-stacked seat of a style holds after a move before the flop, as ranks among
// all starting hands, the best first: those after `from` up to `to`, and a share `scattered`
// of the range that may be any hand (the bluffs of the aggressive).
struct PreflopRange {
    double from = 0.0, to = 1.0, scattered = 0.0;
};
enum class PreflopMove : std::uint8_t { open_raise, limp, reraise, call_raise };
// `raises_faced`: the raises before the move (0 for an open); `position`: how much wider the
// seat plays for where it sits, 1 for the blinds.
PreflopRange preflop_range(Style style, Difficulty difficulty, PreflopMove move, int raises_faced,
                           double position);
// The position factor of a seat as it was when it first acted before the flop: by the seats
// dealt in that act after it to the button.
double dealt_position(const Table& t, const HandState& hand, int seat);

struct Decision {
    Move move = Move::fold;
    Chips to = 0;
};

// The move of the seat to act. `seed` varies the sampling and the mixed choices.
Decision player_decision(const Table& t, const HandState& hand, const HandReads& reads, Style style,
                         Difficulty difficulty, std::uint64_t seed);

}  // namespace holdem::standard
