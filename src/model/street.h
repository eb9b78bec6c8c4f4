// The four betting rounds of a hand, and which board cards each has turned up.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace holdem {

enum class Street : std::uint8_t { preflop, flop, turn, river };
inline constexpr std::array<Street, 4> all_streets = {Street::preflop, Street::flop, Street::turn,
                                                      Street::river};

// Board cards 1 … 5 shown once the street is dealt: none, three, four, five.
constexpr int board_cards_shown(Street street) {
    constexpr int shown[] = {0, 3, 4, 5};
    return shown[static_cast<int>(street)];
}

// "PRE-FLOP", "FLOP", "TURN", "RIVER", as a hand's history names them.
constexpr std::string_view street_name(Street street) {
    constexpr std::string_view names[] = {"PRE-FLOP", "FLOP", "TURN", "RIVER"};
    return names[static_cast<int>(street)];
}

}  // namespace holdem
