// Sets of two-card starting hands for the equity calculator: the 1,326 hands, the 13 × 13
// grid of kinds a player clicks, and the usual text form ("QQ+, AKs, AJo+, 76s, 22-55, AhKh").
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cards.h"

namespace holdem::calculator {

inline constexpr int starting_hands = 1326;
inline constexpr int grid_ranks = 13;

// The hand's place among the 1,326 (cards in any order), and the two cards of a place, the
// lower code first.
int hand_index(CardCode a, CardCode b);
std::array<CardCode, 2> hand_cards(int index);

// A grid cell: row and column 0 … 12 from the ace down; pairs on the diagonal, suited hands
// above it (row the higher rank), offsuit below, as charts print them.
struct GridCell {
    int row = 0, column = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};
std::string cell_name(GridCell cell);  // "AKs", "T9o", "77"
GridCell cell_of(CardCode a, CardCode b);

class HandRange {
  public:
    static HandRange all();
    static HandRange of_hand(CardCode a, CardCode b);

    bool contains(int index) const { return hands_[static_cast<std::size_t>(index)]; }
    void add(int index) { hands_.set(static_cast<std::size_t>(index)); }
    void add_cell(GridCell cell);
    void remove_cell(GridCell cell);
    // How much of the cell is in: 0 none, 1 all of its hands, between for some.
    double cell_share(GridCell cell) const;
    int size() const { return static_cast<int>(hands_.count()); }
    bool empty() const { return hands_.none(); }
    bool is_all() const { return hands_.all(); }
    // The hands of the range that use none of the cards in `dead` (bits by card code).
    std::vector<int> hands_without(std::uint64_t dead) const;
    friend bool operator==(const HandRange&, const HandRange&) = default;

  private:
    std::bitset<starting_hands> hands_;
};

struct RangeReading {
    HandRange range;
    std::string problem;  // empty when the text was read; else what is wrong and where
};
// Reads the text form: items apart by commas or spaces, each a kind ("AKs", "AKo", "AK" for
// both, "77"), a kind and up ("QQ+": the higher pairs; "AJo+": the kicker up to the one below
// the top card), a span ("22-55", "A2s-A5s"), two cards ("AhKh", "10s9s") or "random".
// Ranks A K Q J T (or 10) 9 … 2, suits c d h s, in either case.
RangeReading read_range(std::string_view text);
struct CardsReading {
    std::vector<CardCode> cards;
    std::string problem;  // empty when read
};
// Cards written one after another, with or without spaces or commas: "Kc 8h 3d", "Kc8h3d".
CardsReading read_cards(std::string_view text);

// The range written back in the text form, whole kinds joined into spans and "+" forms where
// they run to the top ("random" for every hand).
std::string range_text(const HandRange& range);

}  // namespace holdem::calculator
