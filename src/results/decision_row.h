// One of the human's decisions graded against the advisor's, as the results keep it and
// Game › Review lists it: `ordinal` counts the human's actions in the hand from 1 (the replay
// finds it by it), `position` as the hands' rows give it, `cost` the chips the decision is
// expected to give up against the advised move.
#pragma once

#include <cstdint>
#include <string>

namespace holdem {

struct DecisionRow {
    std::uint64_t hand = 0;
    int ordinal = 0;
    std::string street;
    int position = 0;
    std::string taken, advised;
    double equity = 0, needed = 0, cost = 0;
};

}  // namespace holdem
