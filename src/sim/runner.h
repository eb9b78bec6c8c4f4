// Plays whole tournaments headless in virtual time, seat 1 played by a policy, checking the
// invariants after every step.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "report/hand_history.h"
#include "results/results_recorder.h"
#include "save/snapshot.h"
#include "sim/policies.h"

namespace holdem::sim {

// The standard opponents' moves counted: every decision, those that would have been wrong, and
// by style the hands dealt, played voluntarily and raised before the flop.
struct OpponentCounts {
    std::uint64_t decisions = 0, folds_when_free = 0, below_minimum = 0, illegal = 0;
    std::array<std::uint64_t, 4> dealt{}, voluntary{}, raised{};
    void add(const OpponentCounts& o) {
        decisions += o.decisions;
        folds_when_free += o.folds_when_free;
        below_minimum += o.below_minimum;
        illegal += o.illegal;
        for (std::size_t i = 0; i < dealt.size(); ++i) {
            dealt[i] += o.dealt[i];
            voluntary[i] += o.voluntary[i];
            raised[i] += o.raised[i];
        }
    }
};

struct TournamentResult {
    std::uint64_t hands = 0;
    std::uint64_t signature = 0xCBF29CE484222325ull;  // every card dealt and every action taken
    std::optional<GameEnd> end;                       // none when the hand limit stopped it
    std::optional<std::string> violation;
    std::int64_t virtual_ms = 0;
    // How far into the end of the field the tournament went.
    bool closing_regime = false;  // a hand began with broke seats closing, not refilled
    int seats_closed = 0;
    int final_rank = 0;  // the entrants still in when it ended
    OpponentCounts opponents;
    // When the whole field plays: the human's finishing place and prize, and the hands every
    // table of the field dealt.
    int place = 0;
    std::int64_t prize = 0, buy_in = 0;
    std::uint64_t field_hands = 0;
};

// The entrants a late start may have knocked out already: the table's ten must still be in.
inline constexpr int max_late_start = 990;

// One tournament from its seed until it ends or `max_hands` hands have been dealt. A tournament
// may start late, with entrants already knocked out elsewhere, to reach the end of the field.
// With `history`, every hand's history is written to it, stamped in virtual time from
// `history_epoch` (seconds, UTC).
struct TournamentSetup {
    PolicyKind policy = PolicyKind::random;
    std::uint64_t max_hands = 1'000'000;
    int late = 0;  // entrants knocked out before the first hand
    Options options;
    std::ostream* history = nullptr;      // every hand's history, stamped in virtual time
    std::time_t history_epoch = 0;        // from this moment (seconds, UTC)
    bool reload_each_hand = false;        // save the game and take it up again before every hand
    std::ostream* phh = nullptr;          // standard rules: every hand in the PHH format
    std::uint64_t* phh_tables = nullptr;  // the hands written to it so far, over the run
    bool phh_every_table = false;         // the whole field's hands, not the human's table's
    ResultsRecorder* results = nullptr;   // the human's results, when kept
};
TournamentResult play_tournament(std::uint64_t seed, const TournamentSetup& setup);
inline TournamentResult play_tournament(std::uint64_t seed, PolicyKind policy,
                                        std::uint64_t max_hands, int late = 0) {
    TournamentSetup setup;
    setup.policy = policy;
    setup.max_hands = max_hands;
    setup.late = late;
    return play_tournament(seed, setup);
}

// With `setup.history`, a hand-history writer stamped in the virtual time of whichever table
// `table` holds, watching it.
void write_history(std::optional<HandHistory>& writer, const std::unique_ptr<Table>& table,
                   const TournamentSetup& setup);

// Saves the whole table and takes it up again on a new one with the same watchers, as a restart
// would; the new table, or why the save was refused.
// With the whole field, `field` is saved with it and the field read back comes out in it.
std::variant<std::unique_ptr<Table>, std::string> saved_and_taken_up(
    const Table& table, std::shared_ptr<const SavedField>* field = nullptr);

// The seed of the n-th tournament of a run.
std::uint64_t tournament_seed(std::uint64_t run_seed, std::uint64_t n);

// A run: tournament after tournament until `hands` hands have been dealt.
struct RunOptions {
    std::uint64_t hands = 10000;
    std::uint64_t seed = 1;
    PolicyKind policy = PolicyKind::random;
    int late = 0;
    Options options;
    std::ostream* history = nullptr;  // hand histories of every hand, when given
    // When set, exactly this many whole tournaments, whatever their length, instead of `hands`.
    std::uint64_t tournaments = 0;
    bool reload_each_hand = false;
    bool standard_rules = false;  // the standard rules' tournament instead of the classic game
    std::ostream* phh = nullptr;  // with the standard rules: every hand in the PHH format
    ResultsRecorder* results = nullptr;  // the classic game's results kept in a database
    bool phh_every_table = false;        // with the whole field: every table's hands
    int jobs = 1;  // tournaments played at once, each on a thread; the results do not change
};
// The simulated tournaments start at this moment, one an hour, in the hand histories.
inline constexpr std::time_t simulated_epoch = 1767225600;  // 2026-01-01 00:00:00 UTC
struct RunSummary {
    std::uint64_t hands = 0;
    std::uint64_t tournaments = 0;
    std::uint64_t signature = 0xCBF29CE484222325ull;  // of every tournament, in order
    std::array<std::uint64_t, 4> ends{};              // by GameEnd
    std::uint64_t cut_short = 0;                      // stopped by the hand limit
    std::uint64_t rank_sum = 0;                       // of the tournaments' final ranks
    // When the whole field plays: places, cashes, prizes and buy-ins over the run.
    std::uint64_t place_sum = 0, cashes = 0, field_hands = 0;
    std::int64_t prizes = 0, buy_ins = 0;
    // The first violation: where it happened and what broke.
    std::optional<std::string> violation;
    std::uint64_t violation_tournament_seed = 0;
    OpponentCounts opponents;  // under the standard rules
};
RunSummary run_simulation(const RunOptions& options);

}  // namespace holdem::sim
