// The advisor: what a strong player would do at the human's turn, worked out from what the
// human can see alone (the cards held, the board, the pot and the price, the ranges the
// opponents' actions suggest, the stacks, the position and the prize pressure), with its
// reasons in one line. The same figures grade a decision taken by its expected cost in chips.
#pragma once

#include <cstdint>
#include <string>

#include "picture/table_picture.h"

namespace holdem::trainer {

enum class Advised : std::uint8_t { fold, check, call, bet, raise, all_in };

struct Advice {
    Advised move = Advised::fold;
    std::int64_t amount = 0;  // what a call puts in; the total a bet or raise goes to
    double equity = 0;        // against the opponents' likely hands
    double needed = 0;        // the equity the price asks for, prize pressure included
    std::string line;         // "Call 60: 41 % equity against their likely hands, 25 % needed …"
};

// Nothing is advised when it is not the human's turn (the line is then empty). `deals`
// sampled deals weigh the equity, from a stream seeded by `seed`: the same spot, the same
// advice.
Advice advise(const ActionPanel& panel, std::int64_t pot, std::uint64_t seed, int deals = 3000);

// A share as the trainer writes it: "41 %".
std::string percent_words(double share);

// A move as the table says it: "Fold", "Call 60", "Raise to 240", "All in 1500".
std::string move_words(Advised move, std::int64_t amount);

// What a move is worth from the moment of the decision, in chips, by the equity against the
// likely hands, the pot and the price: a call wins its share of the pot and the call and pays
// the call, a bet or raise is taken as called, a check wins its share of the pot, a fold is 0.
double move_value(Advised move, std::int64_t amount, const ActionPanel& panel, std::int64_t pot,
                  double equity);

}  // namespace holdem::trainer
