// The equity calculator: one hand against any hand before the flop, every deal enumerated, and
// a range against a range sampled to a standard error of 0.2 points.
#include <benchmark/benchmark.h>

#include "calculator/equity_calculator.h"

namespace {

using namespace holdem;
using namespace holdem::calculator;

void BM_CalculatorHandAgainstRandomExact(benchmark::State& state) {
    const Spot spot{{read_range("AsKs").range, HandRange::all()}, {}, {}};
    for (auto _ : state) {
        const Equities e = enumerate_equities(spot);
        benchmark::DoNotOptimize(e.players[0].equity);
        state.counters["deals"] = static_cast<double>(e.deals);
        state.counters["equity"] = e.players[0].equity;
    }
}
BENCHMARK(BM_CalculatorHandAgainstRandomExact)->Unit(benchmark::kSecond)->Iterations(1);

void BM_CalculatorRangeAgainstRange(benchmark::State& state) {
    const Spot spot{
        {read_range("QQ+, AKs, AKo").range, read_range("22+, A2s+, KTs+, QJs, ATo+, KQo").range},
        {},
        {}};
    Sampling s;
    s.target_error = 0.002;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        s.seed = seed++;
        const Equities e = sample_equities(spot, s);
        benchmark::DoNotOptimize(e.players[0].equity);
        state.counters["deals"] = static_cast<double>(e.deals);
    }
}
BENCHMARK(BM_CalculatorRangeAgainstRange)->Unit(benchmark::kMillisecond);

}  // namespace
