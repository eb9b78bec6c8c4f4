// The player's results read back for the statistics: totals over the tournaments of a rule set
// (or all), each tournament's final rank in order, and one tournament's stack hand by hand.
// Every column may be NULL in a database another program has touched; the reads take long on a
// large database, so the window makes them away from its own thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "results/decision_row.h"

namespace holdem {

struct ResultsSummary {
    int tournaments = 0, wins = 0;
    int finished = 0;     // tournaments with a final rank
    int best_finish = 0;  // 0: none finished
    double mean_finish = 0;
    std::int64_t hands = 0;
    double vpip = 0, pfr = 0;  // shares of the hands with a chance to put chips in
    double aggression = 0;     // raises before the flop over calls before the flop
    double showdowns_won = 0;  // share of the showdowns gone to
    // The tournaments played for prizes and finished: how many, how many paid, what they paid
    // and what their buy-ins cost.
    int prize_tournaments = 0, cashes = 0;
    std::int64_t prizes = 0, buy_ins = 0;
};

// The leaks the statistics show: VPIP and PFR from each position (1 the dealer, 2 the small
// blind, 3 the big blind, then round the table), how often a raise before the flop met a
// re-raise and was given up, the calls the price did not pay for, and what the graded
// decisions cost on each street.
struct PositionFigures {
    int position = 0;
    std::int64_t hands = 0, chances = 0;
    double vpip = 0, pfr = 0;
};
struct StreetCost {
    std::string street;
    std::int64_t decisions = 0;
    double cost = 0;
};
struct Leaks {
    std::vector<PositionFigures> by_position;
    std::int64_t re_raised = 0, folds_to_re_raise = 0;
    std::int64_t calls = 0, unpaid_calls = 0;
    double unpaid_cost = 0;
    std::vector<StreetCost> by_street;
};

struct TournamentRow {
    std::int64_t id = 0;
    std::string name, started, rules, ending;
    int final_rank = 0;  // 0 while it goes on
    std::int64_t hands = 0;
    int field_size = 0;
    std::string structure;
    std::int64_t prize = 0, buy_in = 0;
};

struct ResultsRead {
    std::optional<ResultsSummary> summary;  // none: nothing to show
    Leaks leaks;
    std::vector<TournamentRow> tournaments;
    bool no_results = false;  // no database yet, or one with nothing in it
    std::string problem;      // why the database cannot be read, or cannot take new results
};

// Reads the database at `path`; `rules` empty for every rule set.
ResultsRead read_results(const std::string& path, const std::string& rules);
std::vector<std::int64_t> read_stacks(const std::string& path, std::int64_t tournament);
// A tournament's graded decisions, the costliest first, at most `most` of them; none from a
// database older than the decisions.
std::vector<DecisionRow> read_decisions(const std::string& path, std::int64_t tournament, int most);

}  // namespace holdem
