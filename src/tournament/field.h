// The whole field of a tournament: every entrant (a name, a stack, a style, a seat) and every
// table, as tournament directors run them. Players who bust are placed (several in the same
// hand by the stacks they began it with) and paid; tables are broken in a fixed order, the
// highest-numbered first, their players drawn into the empty seats, and the others balanced so
// that no two differ by more than one player, the player due the big blind next moving into
// the seat that pays it soonest. The last ten play the final table, table 1.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/random.h"
#include "tournament/payouts.h"
#include "tournament/structures.h"

namespace holdem::tournament {

inline constexpr int table_seats = 10;
inline constexpr int max_entrants = 5000;

struct Entrant {
    std::string name;
    Chips stack = 0;
    std::int16_t style = 0;  // how the standard player at this seat plays (0 … 3)
    bool human = false;
    int table = 0;  // 0 once out
    int seat = 0;   // 1 … 10
    int place = 0;  // 0 while still in
    std::int64_t prize = 0;
    Chips hand_start = 0;  // the stack it began the hand under way with
};

struct FieldTable {
    int number = 0;                            // 1 …
    std::array<int, table_seats + 1> seats{};  // the entrant at each seat (from 1), or -1
    int button = 0;  // the button's seat in the last hand dealt there; 0 before the first
    bool broken = false;
    std::uint64_t hands = 0;  // hands dealt at this table
    int players() const;
};

// A player moved from one table to another, and why.
struct SeatMove {
    int entrant = 0;
    int from_table = 0, from_seat = 0, to_table = 0, to_seat = 0;
    bool table_broken = false;  // its table was broken (else the tables were balanced)
};

// Where a player stands in the field.
struct Standing {
    int chip_rank = 0;  // among the players left, 1 the chip leader
    int players_left = 0;
    std::int64_t average = 0;
    int paid = 0;
};

// The seat of the human's table a seat of the field's table is shown at, the human's at 1.
constexpr int table_seat_of(int field_seat, int human_field_seat) {
    return (field_seat - human_field_seat + table_seats) % table_seats + 1;
}
constexpr int field_seat_of(int table_seat, int human_field_seat) {
    return (table_seat - 1 + human_field_seat - 1) % table_seats + 1;
}

class Field {
  public:
    // Draws `entrants` players, the human among them, with names and styles from `seed`, gives
    // each the structure's starting stack and seats them at random, ten to a table.
    Field(int entrants, StructureKind structure, std::uint64_t seed);
    // A field read from a saved game; `check()` says whether it can be played.
    Field(StructureKind structure, std::vector<Entrant> entrants, std::vector<FieldTable> tables,
          Random::State random);

    const Structure& structure() const { return structure_of(structure_); }
    StructureKind structure_kind() const { return structure_; }
    const Payouts& payouts() const { return payouts_; }
    int entrants() const { return static_cast<int>(entrants_.size()); }
    int players_left() const { return left_; }
    int human() const { return human_; }
    const Entrant& entrant(int i) const { return entrants_[static_cast<std::size_t>(i)]; }
    Entrant& entrant(int i) { return entrants_[static_cast<std::size_t>(i)]; }
    const std::vector<Entrant>& all() const { return entrants_; }
    const std::vector<FieldTable>& tables() const { return tables_; }
    FieldTable& table(int number) { return tables_[static_cast<std::size_t>(number - 1)]; }
    const FieldTable& table(int number) const {
        return tables_[static_cast<std::size_t>(number - 1)];
    }
    // The tables still playing, in their numbers' order.
    std::vector<int> open_tables() const;
    Random::State random_state() const { return random_.state(); }

    // Before a hand at every table: each stack is remembered, to place the busts by.
    void begin_hand();
    // After it: the players with no chips leave the field, placed by the stacks they began the
    // hand with (the larger the better) and paid; the players placed, worst first.
    std::vector<int> place_busts();
    // Tables broken and balanced; the moves made, in order.
    std::vector<SeatMove> rebalance();

    bool final_table() const { return left_ <= table_seats; }
    // One more bust and every player left is paid: the field plays hand for hand.
    bool on_bubble() const { return left_ == payouts_.paid() + 1; }
    bool in_the_money() const { return left_ <= payouts_.paid(); }
    Standing standing_of(int entrant) const;
    std::int64_t chips_in_play() const;

    // What cannot be: a seat held twice, a player in at no seat, places not one each, chips
    // made or lost. None when the field is sound.
    std::optional<std::string> check() const;

  private:
    void seat(int entrant, int table, int seat);
    void unseat(int entrant);
    int next_big_blind_seat(const FieldTable& t) const;
    int hands_until_big_blind(const FieldTable& t, int empty_seat) const;

    StructureKind structure_ = StructureKind::regular;
    Payouts payouts_;
    std::vector<Entrant> entrants_;
    std::vector<FieldTable> tables_;
    int left_ = 0;
    int human_ = 0;
    SeededRandom random_{0};
};

}  // namespace holdem::tournament
