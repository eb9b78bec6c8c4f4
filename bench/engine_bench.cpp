// Speed of the engine: the card assessment of a deal, and whole hands played headless.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include <memory>

#include "cycle/dealing.h"
#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "rules/betting/fair_estimate.h"
#include "rules/reading/card_assessment.h"
#include "picture/table_picture.h"
#include "rules/reading/fast_hand.h"
#include "rules/reading/odds.h"
#include "rules/reading/standard_hand.h"
#include "sim/runner.h"
#include "standard/table_game.h"

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
// (target: at least 150,000 hands a second on one core).
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

// Standard ranking over every seven-card hand, the cards enumerated in order (target: at least
// 100 million evaluations a second on one core).
void BM_StandardSevenCard(benchmark::State& state) {
    std::uint64_t hands = 0;
    for (auto _ : state) {
        Strength checksum = 0;
        for_each_seven_card_hand([&](CardMask hand) { checksum += standard_strength(hand); });
        benchmark::DoNotOptimize(checksum);
        hands += 133'784'560;
    }
    state.counters["evaluations_per_sec"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StandardSevenCard)->Unit(benchmark::kMillisecond)->Iterations(3);

// The table evaluator over every seven-card hand in enumeration order, each key built a card at
// a time (target: at least 1,000 million evaluations a second).
void BM_FastSevenCardEnumerated(benchmark::State& state) {
    const fast_hand::Tables& tables = fast_hand::tables();
    std::uint64_t hands = 0;
    for (auto _ : state) {
        Strength checksum = 0;
        for_each_seven_card_key(
            [&](const HandKey& key) { checksum += fast_strength(key, tables); });
        benchmark::DoNotOptimize(checksum);
        hands += 133'784'560;
    }
    state.counters["evaluations_per_sec"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FastSevenCardEnumerated)->Unit(benchmark::kMillisecond)->Iterations(5);

// The table evaluator on seven-card hands in random order, each summed from its seven cards
// (target: at least 400 million evaluations a second).
void BM_FastSevenCardRandom(benchmark::State& state) {
    const fast_hand::Tables& tables = fast_hand::tables();
    constexpr std::size_t count = 1 << 20;
    std::vector<std::array<CardCode, 7>> hands(count);
    std::uint64_t seed = 12345;
    for (auto& hand : hands) {
        std::array<CardCode, 52> deck;
        for (int i = 0; i < 52; ++i)
            deck[static_cast<std::size_t>(i)] = static_cast<CardCode>(i + 1);
        for (int i = 0; i < 7; ++i) {
            const auto j =
                i + static_cast<int>(splitmix64(seed) % static_cast<std::uint64_t>(52 - i));
            std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(j)]);
            hand[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(i)];
        }
    }
    for (auto _ : state) {
        Strength checksum = 0;
        for (const auto& hand : hands)
            checksum += fast_strength(hand.data(), tables);
        benchmark::DoNotOptimize(checksum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.counters["evaluations_per_sec"] = benchmark::Counter(
        static_cast<double>(state.iterations() * count), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FastSevenCardRandom)->Unit(benchmark::kMillisecond);

// A fair seat's decision at the turn with nine seats still in, the most it ever has to deal
// (target: at most 2 ms).
void BM_FairDecision(benchmark::State& state) {
    auto table = std::make_unique<Table>(std::make_unique<SeededRandom>(5));
    Table& t = *table;
    t.options.opponents = Opponents::fair;
    t.options.ranking = state.range(0) ? Ranking::standard : Ranking::classic;
    start_game(t);
    dealfirst(t);
    distribute_cards_for_10(t);
    t.postblinds = t.postflop1 = t.postflop2 = true;
    for (auto _ : state) {
        t.fair_estimates[4] = {};  // no estimate kept from the last round
        benchmark::DoNotOptimize(fair_handrank(t, 4));
    }
}
BENCHMARK(BM_FairDecision)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The odds helper as the table asks it: the human's hand on the flop against Arg(0) random
// hands, from the 20,000 deals the window asks for (target: at most 50 ms).
static void BM_OddsHelper(benchmark::State& state) {
    // Ah 5h on 2h 9h Kc: a flush draw.
    const std::array<CardCode, 2> hole = {card_code(14, 2), card_code(5, 2)};
    const std::array<CardCode, 3> flop = {card_code(2, 2), card_code(9, 2), card_code(13, 0)};
    std::uint64_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            estimate_odds(hole, flop, static_cast<int>(state.range(0)), 20000, seed++));
}
// Whole hands under the standard rules as the simulator plays them, the standard players at the
// computer seats and the referee judging every move (target: at least 10,000 hands a second).
static void BM_StandardHands(benchmark::State& state) {
    std::uint64_t seed = 1;
    for (auto _ : state) {
        sim::RunOptions options;
        options.hands = 10000;
        options.seed = seed++;
        options.standard_rules = true;
        benchmark::DoNotOptimize(sim::run_simulation(options).signature);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 10000);
}
BENCHMARK(BM_StandardHands)->Unit(benchmark::kMillisecond);

// One standard player's decision, timed one by one over whole tournaments of seeded play:
// the median and the 99th percentile (targets: at most 5 ms and 20 ms).
static void BM_OpponentDecision(benchmark::State& state) {
    std::vector<double> micros;
    for (auto _ : state) {
        micros.clear();
        for (std::uint64_t seed = 1; micros.size() < 20000 && seed < 400; ++seed) {
            Table t(std::make_unique<SeededRandom>(seed), std::make_unique<SeededRandom>(seed + 7));
            t.options.rules = Rules::standard;
            t.options.levels = Levels::by_hands;
            t.options = in_force(t.options);
            standard::TableGame game(t);
            game.set_computer_player([&](Table& table, const standard::HandState& hand,
                                         const standard::HandReads& reads) {
                const auto start = std::chrono::steady_clock::now();
                const standard::Decision d = standard::seat_decision(table, hand, reads);
                micros.push_back(std::chrono::duration<double, std::micro>(
                                     std::chrono::steady_clock::now() - start)
                                     .count());
                return d;
            });
            game.start();
            for (int step = 0; step < 100000 && !t.ended; ++step) {
                if (game.human_to_act()) {
                    const standard::Legal l = game.hand()->legal();
                    game.human_act(l.can_check ? standard::Move::check : standard::Move::fold);
                } else if (auto due = t.loop.next_deadline()) {
                    game.run_until(*due);
                }
            }
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["decisions"] = static_cast<double>(micros.size());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.counters["max_us"] = micros.back();
}
BENCHMARK(BM_OpponentDecision)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(BM_OddsHelper)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

// The whole odds line under the standard rules, as the window asks it: the random-hands
// estimate and the equity against Arg(0) opponents' likely hands (target: at most 50 ms).
static void BM_OddsLineAgainstRanges(benchmark::State& state) {
    ActionPanel panel;
    panel.hole = {card_code(14, 2), card_code(5, 2)};
    panel.board = {card_code(2, 2), card_code(9, 2), card_code(13, 0)};
    panel.opponents = static_cast<int>(state.range(0));
    panel.ranges.assign(static_cast<std::size_t>(panel.opponents), standard::LikelyRange{0.4, 1});
    std::uint64_t seed = 1;
    for (auto _ : state) benchmark::DoNotOptimize(odds_line(panel, 300, 20000, seed++));
}
BENCHMARK(BM_OddsLineAgainstRanges)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace holdem
