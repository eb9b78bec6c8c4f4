// Speed of saving the game at the start of a hand (target: under 2 ms a hand, written and
// synced to disk), and of taking it up again.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "save/snapshot.h"
#include "save/snapshot_file.h"

namespace holdem {
namespace {

// A game some hands in, at the moment the next hand is due: when the game saves.
std::unique_ptr<Table> table_between_hands() {
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(7),
                                     std::make_unique<SeededRandom>(8));
    start_game(*t);
    while (!t->ended && !(t->hands_started >= 12 && t->loop.next_is(TimerId::Timer1))) {
        if (human_turn_open(*t)) {
            click(*t, ctl::Check);
            if (human_turn_open(*t)) click(*t, ctl::Fold);
        } else if (auto due = t->loop.next_deadline()) {
            run_until(*t, *due);
        }
    }
    return t;
}

const SavedTournament tournament{"20261206134501", 52000, std::nullopt, std::nullopt, nullptr};

void BM_SaveSnapshotText(benchmark::State& state) {
    const auto t = table_between_hands();
    for (auto _ : state)
        benchmark::DoNotOptimize(save_snapshot(*t, tournament));
}
BENCHMARK(BM_SaveSnapshotText)->Unit(benchmark::kMicrosecond);

// What a hand costs the game: the document made, written beside the old one, synced, renamed.
void BM_SaveSnapshotToDisk(benchmark::State& state) {
    const auto t = table_between_hands();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("holdem-save-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "tournament.json").string();
    for (auto _ : state)
        if (!write_atomically(path, save_snapshot(*t, tournament))) state.SkipWithError("write");
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveSnapshotToDisk)->Unit(benchmark::kMicrosecond);

void BM_LoadSnapshot(benchmark::State& state) {
    const std::string text = save_snapshot(*table_between_hands(), tournament);
    for (auto _ : state)
        benchmark::DoNotOptimize(load_snapshot(text, std::make_unique<SeededRandom>(1),
                                               std::make_unique<SeededRandom>(2)));
}
BENCHMARK(BM_LoadSnapshot)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace holdem
