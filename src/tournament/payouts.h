// What a tournament pays: a prize pool of the entrants' buy-ins (tournament chips, play money),
// about 15 % of the field paid, the first place the largest, every paid place at least about
// one and a half buy-ins, and the places beyond the ninth paid in bands of a table's worth, as
// the big live events pay.
#pragma once

#include <cstdint>
#include <vector>

#include "model/numbers.h"

namespace holdem::tournament {

inline constexpr Chips default_buy_in = 100;

struct Payouts {
    Chips buy_in = default_buy_in;
    std::int64_t pool = 0;
    std::vector<std::int64_t> prizes;  // by place: prizes[0] is the winner's
    int paid() const { return static_cast<int>(prizes.size()); }
    // The prize of a finishing place (from 1); 0 outside the money.
    std::int64_t prize_for(int place) const;
};

Payouts payouts_for(int entrants, Chips buy_in = default_buy_in);

}  // namespace holdem::tournament
