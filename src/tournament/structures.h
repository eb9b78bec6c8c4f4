// The tournament structures as data: each a starting stack, a table of levels (small blind,
// big blind, the big-blind ante as the big live events now play it) and a level's length in
// hands of the human's table. "Classic clock" is the standard rules with the classic game's own
// field and blinds on the clock, as the standard game was first played.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/numbers.h"
#include "model/options.h"

namespace holdem::tournament {

struct Level {
    Chips small_blind = 0, big_blind = 0, ante = 0;  // the ante: the big blind's, for the table
};

struct Structure {
    StructureKind kind;
    std::string_view name;  // "Regular", as the window says it
    Chips starting_stack;
    int hands_per_level;  // 0: the blinds rise on the classic clock
    std::span<const Level> levels;
};

const Structure& structure_of(StructureKind kind);

// The level in force at `level` (from 1). Beyond the table the blinds go on rising by half
// again, the ante with the big blind, so a tournament always ends.
Level level_at(const Structure& s, int level);
// The level a table is at after `hands` hands (the first hand is hand 1).
int level_after_hands(const Structure& s, std::uint64_t hands);

}  // namespace holdem::tournament
