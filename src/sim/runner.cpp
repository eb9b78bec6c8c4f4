#include "sim/runner.h"

#include "sim/standard_runner.h"

#include <atomic>
#include <memory>
#include <ostream>
#include <thread>
#include <vector>

#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "report/hand_history.h"
#include "rules/tournament/field.h"
#include "save/snapshot.h"
#include "sim/invariants.h"
#include "sim/signature_watch.h"

namespace holdem::sim {

void write_history(std::optional<HandHistory>& writer, const std::unique_ptr<Table>& table,
                   const TournamentSetup& setup) {
    if (!setup.history) return;
    const std::time_t epoch = setup.history_epoch;
    writer.emplace(
        tournament_id(epoch, false),
        [&table, epoch] { return timestamp_text(epoch + table->loop.now() / 1000, false); },
        [out = setup.history](const std::string& hand) { *out << hand; });
    table->observers.push_back(&*writer);
}

std::variant<std::unique_ptr<Table>, std::string> saved_and_taken_up(
    const Table& table, std::shared_ptr<const SavedField>* field) {
    SavedTournament tournament{"sim", 0, std::nullopt, std::nullopt, nullptr};
    if (field) tournament.field = *field;
    const std::string saved = save_snapshot(table, tournament);
    auto loaded =
        load_snapshot(saved, std::make_unique<SeededRandom>(0), std::make_unique<SeededRandom>(0));
    if (auto* why = std::get_if<std::string>(&loaded)) return *why;
    if (field) *field = std::get<LoadedGame>(loaded).tournament.field;
    std::unique_ptr<Table> again = std::move(std::get<LoadedGame>(loaded).table);
    again->observers = table.observers;
    return again;
}

std::uint64_t tournament_seed(std::uint64_t run_seed, std::uint64_t n) {
    std::uint64_t state = run_seed * 0x9E3779B97F4A7C15ull + n;
    return splitmix64(state);
}

TournamentResult play_tournament(std::uint64_t seed, const TournamentSetup& setup) {
    const PolicyKind policy = setup.policy;
    const std::uint64_t max_hands = setup.max_hands;
    TournamentResult result;
    auto table = std::make_unique<Table>(std::make_unique<SeededRandom>(seed),
                                         std::make_unique<SeededRandom>(seed ^ 0xFA1B5EEDull));
    PolicyRandom choices(seed ^ 0x5DEECE66Dull);
    InvariantChecker checker;
    SignatureWatch watch(result);
    table->observers = {&checker, &watch};
    table->options = setup.options;
    std::optional<HandHistory> writer;
    write_history(writer, table, setup);

    // Saves the whole game and takes it up again in a new table, as a restart would.
    auto reload = [&]() -> bool {
        auto again = saved_and_taken_up(*table);
        if (auto* why = std::get_if<std::string>(&again)) {
            result.violation = "a saved game was refused: " + *why;
            return false;
        }
        table = std::move(std::get<std::unique_ptr<Table>>(again));
        return true;
    };
    auto after_step = [&]() -> bool {
        if (auto bad = checker.check(*table)) {
            result.violation = bad;
            return false;
        }
        return true;
    };

    if (setup.results) {
        const std::string started = timestamp_text(setup.history_epoch, false);
        setup.results->begin_tournament(std::to_string(seed), started, "classic",
                                        options_words(setup.options));
        const std::time_t epoch = setup.history_epoch;
        setup.results->set_clock(
            [&table, epoch] { return timestamp_text(epoch + table->loop.now() / 1000, false); });
        table->observers.push_back(setup.results);
    }
    table->field.eliminated = static_cast<std::int16_t>(setup.late);
    table->field.eliminated_chips = setup.late * 1000;
    open_table(*table);
    if (setup.reload_each_hand && !table->ended && !reload()) return result;
    settle(*table);
    if (!after_step()) return result;
    while (!table->ended) {
        Table& t = *table;
        // Stop at the start of the hand after the last one asked for.
        if (t.hands_started > max_hands) break;
        if (human_turn_open(t)) {
            play_human_turn(policy, t, choices, result.signature);
        } else if (auto due = t.loop.next_deadline()) {
            // Between hands, when the next hand is due, the game may be saved and taken up.
            if (setup.reload_each_hand && t.loop.next_is(TimerId::Timer1)) {
                if (!reload()) break;
                run_until(*table, *due);
            } else {
                run_until(t, *due);
            }
        } else {
            result.violation = "the game stalled with nothing due and no turn for the human";
            break;
        }
        if (!after_step()) break;
    }
    const Table& t = *table;
    result.hands = std::min<std::uint64_t>(t.hands_started, max_hands);
    result.end = t.ended;
    result.virtual_ms = t.loop.now();
    result.final_rank = entrants_left(t);
    if (setup.results) setup.results->set_clock({});  // its table goes with this call
    if (t.ended) mix(result.signature, static_cast<std::uint64_t>(*t.ended) + 1000);
    return result;
}

namespace {

TournamentSetup setup_of(const RunOptions& options, std::uint64_t n, std::uint64_t max_hands,
                         std::uint64_t* phh_tables) {
    TournamentSetup setup;
    setup.policy = options.policy;
    setup.max_hands = max_hands;
    setup.late = options.late;
    setup.options = options.options;
    setup.history = options.history;
    setup.history_epoch = simulated_epoch + static_cast<std::time_t>(n) * 3600;
    setup.reload_each_hand = options.reload_each_hand;
    setup.phh = options.phh;
    setup.phh_tables = phh_tables;
    setup.phh_every_table = options.phh_every_table;
    setup.results = options.results;
    return setup;
}

TournamentResult play_one(const RunOptions& options, std::uint64_t n, std::uint64_t max_hands,
                          std::uint64_t* phh_tables) {
    const std::uint64_t seed = tournament_seed(options.seed, n);
    const TournamentSetup setup = setup_of(options, n, max_hands, phh_tables);
    return options.standard_rules ? play_standard_tournament(seed, setup)
                                  : play_tournament(seed, setup);
}

// Adds a tournament to the run; false once it broke an invariant.
bool count_in(RunSummary& run, const RunOptions& options, const TournamentResult& r) {
    ++run.tournaments;
    if (r.violation) {
        run.violation = "tournament " + std::to_string(run.tournaments) + " hand " +
                        std::to_string(r.hands) + ": " + *r.violation;
        run.violation_tournament_seed = tournament_seed(options.seed, run.tournaments - 1);
        return false;
    }
    run.hands += r.hands;
    run.opponents.add(r.opponents);
    run.rank_sum += static_cast<std::uint64_t>(r.final_rank);
    run.place_sum += static_cast<std::uint64_t>(r.place);
    run.cashes += r.prize > 0;
    run.prizes += r.prize;
    run.buy_ins += r.buy_in;
    run.field_hands += r.field_hands;
    mix(run.signature, r.signature);
    if (r.end)
        ++run.ends[static_cast<std::size_t>(*r.end)];
    else
        ++run.cut_short;
    return true;
}

}  // namespace

RunSummary run_simulation(const RunOptions& options) {
    RunSummary run;
    std::uint64_t phh_tables = 0;
    const bool whole = options.tournaments > 0;
    if (whole && options.jobs > 1) {
        // Each thread takes the next tournament not yet begun; they are counted in order.
        std::vector<TournamentResult> results(options.tournaments);
        std::atomic<std::uint64_t> next{0};
        std::vector<std::thread> threads;
        for (int j = 0; j < options.jobs; ++j)
            threads.emplace_back([&] {
                for (std::uint64_t n; (n = next++) < options.tournaments;)
                    results[n] = play_one(options, n, 1'000'000, nullptr);
            });
        for (std::thread& t : threads)
            t.join();
        for (const TournamentResult& r : results)
            if (!count_in(run, options, r)) break;
        return run;
    }
    while (whole ? run.tournaments < options.tournaments : run.hands < options.hands) {
        const TournamentResult r = play_one(
            options, run.tournaments, whole ? 1'000'000 : options.hands - run.hands, &phh_tables);
        if (!count_in(run, options, r)) return run;
    }
    return run;
}

}  // namespace holdem::sim
