// Hand histories in the open PHH format read as untrusted input: the TOML the format is written
// in (the part of it hand histories use: tables, keys, strings, numbers, booleans, arrays,
// comments), each hand's fields checked for what they must be, every size and value bounded. A
// `.phh` file is one hand; a `.phhs` file holds hands under table headers of their own. What is
// wrong is said by hand and field.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/numbers.h"

namespace holdem {

struct PhhHand {
    std::string name;     // the table header ("12" for [12]); empty in a single-hand file
    std::string variant;  // "NT" is no-limit hold'em, the one the game replays
    std::vector<Chips> antes, blinds, starting_stacks;
    Chips min_bet = 0;
    std::vector<std::string> actions;
    // Optional fields, when given.
    std::vector<std::string> players;
    std::vector<int> seats;
    int seat_count = 0;
    std::optional<std::int64_t> hand, level;
    std::string event;
    std::optional<std::vector<Chips>> finishing_stacks, winnings;
};

struct PhhRead {
    std::vector<PhhHand> hands;
    // What could not be read, in the player's words: "hand [3]: antes is not an array of
    // whole numbers". A hand with a problem is left out; a file with a broken structure stops
    // at the first.
    std::vector<std::string> problems;
    bool cut_short = false;  // more hands than the reader takes
};

// Far more than the hands of a tournament file; far less than could take long to read.
inline constexpr std::size_t max_phh_hands = 20000;
inline constexpr std::size_t max_phh_bytes = std::size_t{64} << 20;
// Stacks and bets beyond these are no table's.
inline constexpr Chips max_phh_chips = 1'000'000'000;

PhhRead read_phh(std::string_view text);

}  // namespace holdem
