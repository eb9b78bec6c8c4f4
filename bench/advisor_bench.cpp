// The advisor's decision time at the human's turns of seeded standard tournaments, one by one:
// the median and the 99th percentile (target: at most 50 ms, the window's budget for it).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "picture/standard_picture.h"
#include "standard/table_game.h"
#include "trainer/advisor.h"

using namespace holdem;

namespace {

struct HumanSpot {
    ActionPanel panel;
    std::int64_t pot;
};

// The human calls what costs at most a tenth of its stack and checks or folds otherwise, so
// the spots reach every street with several players.
std::vector<HumanSpot> human_spots(std::size_t wanted) {
    std::vector<HumanSpot> spots;
    for (std::uint64_t seed = 1; spots.size() < wanted && seed < 200; ++seed) {
        Table t(std::make_unique<SeededRandom>(seed), std::make_unique<SeededRandom>(seed + 7));
        t.options.rules = Rules::standard;
        t.options = in_force(t.options);
        standard::TableGame game(t);
        TableNotes notes;
        t.observers.push_back(&notes);
        game.start();
        for (int step = 0; step < 100000 && !t.ended && spots.size() < wanted; ++step) {
            if (game.human_to_act()) {
                TablePicture picture;
                fill_standard_picture(t, game, notes, "", picture);
                spots.push_back({picture.human, picture.pot});
                const standard::Legal l = game.hand()->legal();
                const bool cheap = l.can_call && l.to_call * 10 <= game.hand()->stack(1);
                game.human_act(l.can_check ? standard::Move::check
                               : cheap     ? standard::Move::call
                                           : standard::Move::fold);
            } else if (auto due = t.loop.next_deadline()) {
                game.run_until(*due);
            }
        }
    }
    return spots;
}

}  // namespace

static void BM_AdvisorDecision(benchmark::State& state) {
    const std::vector<HumanSpot> spots = human_spots(1500);
    std::vector<double> millis;
    for (auto _ : state) {
        millis.clear();
        for (const HumanSpot& s : spots) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(trainer::advise(s.panel, s.pot, millis.size()));
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["spots"] = static_cast<double>(millis.size());
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["p99_ms"] = millis[millis.size() * 99 / 100];
    state.counters["max_ms"] = millis.back();
}
BENCHMARK(BM_AdvisorDecision)->Unit(benchmark::kMillisecond)->Iterations(1);
