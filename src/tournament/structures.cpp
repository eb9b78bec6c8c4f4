#include "tournament/structures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace holdem::tournament {

namespace {

// The blinds every structure but the classic clock climbs: no level's big blind more than half
// again the one before, the big-blind ante from the third level on.
constexpr Level climb[] = {{50, 100, 0},
                           {75, 150, 0},
                           {100, 200, 200},
                           {150, 300, 300},
                           {200, 400, 400},
                           {250, 500, 500},
                           {300, 600, 600},
                           {400, 800, 800},
                           {500, 1000, 1000},
                           {600, 1200, 1200},
                           {800, 1600, 1600},
                           {1000, 2000, 2000},
                           {1200, 2400, 2400},
                           {1500, 3000, 3000},
                           {2000, 4000, 4000},
                           {2500, 5000, 5000},
                           {3000, 6000, 6000},
                           {4000, 8000, 8000},
                           {5000, 10000, 10000},
                           {6000, 12000, 12000},
                           {8000, 16000, 16000},
                           {10000, 20000, 20000},
                           {12500, 25000, 25000},
                           {15000, 30000, 30000},
                           {20000, 40000, 40000},
                           {25000, 50000, 50000},
                           {30000, 60000, 60000},
                           {40000, 80000, 80000},
                           {50000, 100000, 100000},
                           {60000, 120000, 120000},
                           {80000, 160000, 160000},
                           {100000, 200000, 200000}};
// The turbo's ante comes a level sooner.
constexpr Level turbo_climb[] = {
    {50, 100, 0},           {75, 150, 150},        {100, 200, 200},       {150, 300, 300},
    {200, 400, 400},        {250, 500, 500},       {300, 600, 600},       {400, 800, 800},
    {500, 1000, 1000},      {600, 1200, 1200},     {800, 1600, 1600},     {1000, 2000, 2000},
    {1200, 2400, 2400},     {1500, 3000, 3000},    {2000, 4000, 4000},    {2500, 5000, 5000},
    {3000, 6000, 6000},     {4000, 8000, 8000},    {5000, 10000, 10000},  {6000, 12000, 12000},
    {8000, 16000, 16000},   {10000, 20000, 20000}, {12500, 25000, 25000}, {15000, 30000, 30000},
    {20000, 40000, 40000},  {25000, 50000, 50000}, {30000, 60000, 60000}, {40000, 80000, 80000},
    {50000, 100000, 100000}};
// The classic game's blinds, the big blind twice the small, no ante.
constexpr Level classic_climb[] = {
    {10, 20, 0},       {25, 50, 0},        {50, 100, 0},       {100, 200, 0},     {500, 1000, 0},
    {1000, 2000, 0},   {2000, 4000, 0},    {5000, 10000, 0},   {10000, 20000, 0}, {20000, 40000, 0},
    {25000, 50000, 0}, {50000, 100000, 0}, {100000, 200000, 0}};

constexpr std::array<Structure, structure_kinds> structures = {{
    {StructureKind::classic_clock, "Classic clock", 1000, 0, classic_climb},
    {StructureKind::regular, "Regular", 20000, 12, climb},
    {StructureKind::turbo, "Turbo", 10000, 7, turbo_climb},
    {StructureKind::hyper_turbo, "Hyper-turbo", 5000, 4, turbo_climb},
    {StructureKind::deep, "Deep", 50000, 15, climb},
}};

}  // namespace

const Structure& structure_of(StructureKind kind) {
    return structures[static_cast<std::size_t>(kind)];
}

Level level_at(const Structure& s, int level) {
    const int last = static_cast<int>(s.levels.size());
    if (level <= last) return s.levels[static_cast<std::size_t>(std::max(1, level) - 1)];
    Level l = s.levels.back();
    // Half again each level, down to two figures; it stops well within what a stack can hold.
    for (int i = last; i < level && l.big_blind < 200'000'000; ++i) {
        std::int64_t small = std::int64_t{l.small_blind} * 3 / 2;
        std::int64_t unit = 1;
        while (small / unit >= 100)
            unit *= 10;
        small = small / unit * unit;
        l.small_blind = static_cast<Chips>(small);
        l.big_blind = 2 * l.small_blind;
        l.ante = l.ante > 0 ? l.big_blind : 0;
    }
    return l;
}

int level_after_hands(const Structure& s, std::uint64_t hands) {
    if (s.hands_per_level <= 0 || hands == 0) return 1;
    return static_cast<int>(std::min<std::uint64_t>(
        (hands - 1) / static_cast<std::uint64_t>(s.hands_per_level) + 1, 10000));
}

}  // namespace holdem::tournament
