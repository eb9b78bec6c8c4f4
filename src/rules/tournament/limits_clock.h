// The blinds ("Limits") rise on a clock that counts the pacing clock's running ticks: a level
// lasts 31 ticks, and the two labels show the countdown and the current blinds. As an option
// the blinds rise every ten hands instead.
#pragma once

#include <array>

#include "model/table.h"

namespace holdem {

inline constexpr std::array<Chips, 13> limits_schedule = {
    10, 25, 50, 100, 500, 1000, 2000, 5000, 10000, 20000, 25000, 50000, 100000};

// The level after `limits`, or `limits` itself at the last level or off the schedule.
Chips next_limits(Chips limits);

// The two labels' first texts at program start.
void show_limits_at_start(Table& t);
// One step of the countdown, run at the end of every pacing-clock tick. With the blinds rising
// by hands the tick only rewrites the labels.
void limits_clock_tick(Table& t);
// The blinds rising by hands: at the start of every tenth hand after the first the level goes
// up, and the countdown label counts the hands left.
void level_by_hands(Table& t);

}  // namespace holdem
