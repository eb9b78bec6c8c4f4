// The whole field's speed: one hand at every other table of a 1,000-entrant Regular field for
// one hand of the human's (early levels; targets 15 ms median, 50 ms at the 99th percentile),
// a whole tournament played headless (target 2 s median on one core), tournaments on one
// thread against two (about twice as many a second), and the chip model of prizes for ten.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "sim/runner.h"
#include "standard/field_play.h"
#include "standard/table_game.h"
#include "tournament/icm.h"

namespace holdem {
namespace {

void BM_FieldRound(benchmark::State& state) {
    Table t(std::make_unique<SeededRandom>(3), std::make_unique<SeededRandom>(4));
    t.options.rules = Rules::standard;
    t.options.structure = StructureKind::regular;
    t.options = in_force(t.options);
    auto play = standard::new_field_play(t);
    play->seat_human_table(t);
    play->set_level(t, 1);
    // Each round's own time, for the 99th percentile beside the median of the whole runs.
    std::vector<double> rounds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        play->begin_round();
        play->end_round(t);
        rounds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (t.ended || t.hands_started > 30) {
            state.PauseTiming();
            t.ended.reset();
            t.hands_started = 0;
            play = standard::new_field_play(t);
            play->seat_human_table(t);
            state.ResumeTiming();
        }
        ++t.hands_started;
        play->set_level(t, t.hands_started);
    }
    if (!rounds.empty()) {
        std::sort(rounds.begin(), rounds.end());
        state.counters["p99_ms"] = rounds[rounds.size() * 99 / 100];
    }
}
BENCHMARK(BM_FieldRound)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_WholeTournament(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state) {
        sim::RunOptions options;
        options.standard_rules = true;
        options.tournaments = 1;
        options.seed = seed++;
        options.policy = sim::PolicyKind::tag;
        options.options.structure = StructureKind::regular;
        options.jobs = static_cast<int>(state.range(0));
        options.tournaments = static_cast<std::uint64_t>(state.range(0));
        benchmark::DoNotOptimize(sim::run_simulation(options));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WholeTournament)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->UseRealTime();

void BM_ChipModelTen(benchmark::State& state) {
    const std::vector<Chips> stacks = {9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1500, 500};
    const std::vector<double> prizes = {3000, 2000, 1500, 1000, 800, 600, 400, 300, 200, 100};
    for (auto _ : state)
        benchmark::DoNotOptimize(tournament::icm_values(stacks, prizes));
}
BENCHMARK(BM_ChipModelTen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace holdem
