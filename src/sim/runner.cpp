#include "sim/runner.h"

#include <memory>
#include <ostream>

#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "report/hand_history.h"
#include "rules/tournament/field.h"
#include "sim/invariants.h"

namespace holdem::sim {

namespace {

// Folds everything that happens into the tournament's signature, and counts how far into the
// end of the field it goes.
class Watch final : public TableObserver {
  public:
    explicit Watch(TournamentResult& result) : result_(result) {}
    void hand_started(const Table& t) override {
        if (t.field.eliminated >= closing_threshold) result_.closing_regime = true;
        for (CardCode c : t.deck)
            mix(result_.signature, static_cast<std::uint64_t>(c));
        for (int k = 1; k <= seat_count; ++k)
            mix(result_.signature, static_cast<std::uint64_t>(t.seat(k).prize) << 8 |
                                       static_cast<std::uint64_t>(t.seat(k).dealer));
        mix(result_.signature, static_cast<std::uint64_t>(t.limits));
    }
    void blind_posted(const Table&, int seat, Chips amount, bool big) override {
        mix(result_.signature, static_cast<std::uint64_t>(amount) << 8 | seat << 1 | big);
    }
    void action_taken(const Table&, const ActionEvent& e) override {
        mix(result_.signature, static_cast<std::uint64_t>(e.amount) << 16 |
                                   static_cast<std::uint64_t>(e.action) << 8 |
                                   static_cast<std::uint64_t>(e.seat));
    }
    void pot_won(const Table&, int seat, Chips amount) override {
        mix(result_.signature, static_cast<std::uint64_t>(amount) << 8 | seat);
    }
    void seat_closed(const Table&, int) override { ++result_.seats_closed; }

  private:
    TournamentResult& result_;
};

}  // namespace

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
    Table& t = *table;
    PolicyRandom choices(seed ^ 0x5DEECE66Dull);
    InvariantChecker checker;
    Watch watch(result);
    t.observers = {&checker, &watch};
    t.options = setup.options;
    std::optional<HandHistory> writer;
    if (setup.history) {
        const std::time_t epoch = setup.history_epoch;
        writer.emplace(
            tournament_id(epoch, false),
            [&t, epoch] { return timestamp_text(epoch + t.loop.now() / 1000, false); },
            [out = setup.history](const std::string& hand) { *out << hand; });
        t.observers.push_back(&*writer);
    }

    auto after_step = [&]() -> bool {
        if (auto bad = checker.check(t)) {
            result.violation = bad;
            return false;
        }
        return true;
    };

    t.field.eliminated = static_cast<std::int16_t>(setup.late);
    t.field.eliminated_chips = setup.late * 1000;
    start_game(t);
    if (!after_step()) return result;
    while (!t.ended) {
        // Stop at the start of the hand after the last one asked for.
        if (t.hands_started > max_hands) break;
        if (human_turn_open(t)) {
            play_human_turn(policy, t, choices, result.signature);
        } else if (auto due = t.loop.next_deadline()) {
            run_until(t, *due);
        } else {
            result.violation = "the game stalled with nothing due and no turn for the human";
            break;
        }
        if (!after_step()) break;
    }
    result.hands = std::min<std::uint64_t>(t.hands_started, max_hands);
    result.end = t.ended;
    result.virtual_ms = t.loop.now();
    result.final_rank = entrants_left(t);
    if (t.ended) mix(result.signature, static_cast<std::uint64_t>(*t.ended) + 1000);
    return result;
}

RunSummary run_simulation(const RunOptions& options) {
    RunSummary run;
    const bool whole = options.tournaments > 0;
    while (whole ? run.tournaments < options.tournaments : run.hands < options.hands) {
        const std::uint64_t seed = tournament_seed(options.seed, run.tournaments);
        TournamentSetup setup;
        setup.policy = options.policy;
        setup.max_hands = whole ? 1'000'000 : options.hands - run.hands;
        setup.late = options.late;
        setup.options = options.options;
        setup.history = options.history;
        setup.history_epoch = simulated_epoch + static_cast<std::time_t>(run.tournaments) * 3600;
        TournamentResult r = play_tournament(seed, setup);
        ++run.tournaments;
        if (r.violation) {
            run.violation = "tournament " + std::to_string(run.tournaments) + " hand " +
                            std::to_string(r.hands) + ": " + *r.violation;
            run.violation_tournament_seed = seed;
            return run;
        }
        run.hands += r.hands;
        run.rank_sum += static_cast<std::uint64_t>(r.final_rank);
        mix(run.signature, r.signature);
        if (r.end)
            ++run.ends[static_cast<std::size_t>(*r.end)];
        else
            ++run.cut_short;
    }
    return run;
}

}  // namespace holdem::sim
