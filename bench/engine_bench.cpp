// Speed of the engine: the card assessment of a deal, and whole hands played headless.
#include <benchmark/benchmark.h>

#include <memory>

#include "cycle/dealing.h"
#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "rules/reading/card_assessment.h"

namespace holdem {
namespace {

// The assessment of all ten seats' cards, over many seeded deals (target: at most 2 µs a call).
void BM_EvaluatePlayerCards(benchmark::State& state) {
    constexpr int deals = 64;
    std::vector<std::unique_ptr<Table>> tables;
    for (int i = 0; i < deals; ++i) {
        tables.push_back(std::make_unique<Table>(std::make_unique<SeededRandom>(i + 1)));
        dealfirst(*tables.back());
        distribute_cards_for_10(*tables.back());
    }
    std::size_t i = 0;
    for (auto _ : state) {
        Table& t = *tables[i++ % deals];
        class_set_to_zero(t);
        evaluate_player_cards(t);
        benchmark::DoNotOptimize(t.numberofwinners);
    }
}
BENCHMARK(BM_EvaluatePlayerCards);

// Complete hands in virtual time, seat 1 calling or checking, a new tournament when one ends
// (target: at least 50,000 hands a second on one core).
void BM_CompleteHands(benchmark::State& state) {
    std::uint64_t seed = 1;
    auto table = std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
    start_game(*table);
    std::uint64_t hands = 0;
    for (auto _ : state) {
        const std::uint64_t target = table->hands_started + 1;
        while (table->hands_started < target) {
            Table& t = *table;
            if (t.ended) {
                hands += t.hands_started;
                table = std::make_unique<Table>(std::make_unique<SeededRandom>(++seed));
                start_game(*table);
                break;
            }
            if (human_turn_open(t))
                click(t, t.controls[ctl::Call].visible ? ctl::Call : ctl::Check);
            else
                run_until(t, *t.loop.next_deadline());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["hands_per_sec"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CompleteHands)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace holdem
