// Random intents fed to either rule set through the interface the window drives, with every
// watcher the window has (notes, log, text and PHH histories, hand records) and the table
// picture filled after every step. The chips are checked at every step and every pay-out.
// Input: eight bytes of seed, one byte of options (the rule set, the levels, the pace, the
// difficulty, the start in the field), one byte choosing the computer seats' players (the
// standard players, or moves of every kind, legal or not, drawn from the seed), then pairs of
// operation and argument bytes. The work of one input is bounded (its operations and the clock
// steps each may run), so that the fuzzer tries many inputs a second.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/random.h"
#include "picture/table_rules.h"
#include "report/hand_history.h"
#include "report/hand_log.h"
#include "report/hand_record.h"
#include "report/phh_writer.h"
#include "report/table_notes.h"
#include "sim/invariants.h"

using namespace holdem;

namespace {

constexpr int late_starts[] = {0, 950, 980, 989};

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

// Every pay-out leaves the chips where they belong.
struct ChipWatch final : TableObserver {
    void pot_awarded(const Table& t) override {
        if (auto wrong = sim::chips_after_pay_out(t)) broken(*wrong);
    }
};

// Moves of every kind for the computer seats: each legal move, a raise to any amount in its
// range, and now and then one the rules refuse (the game must fall back on a legal one).
class AnyMove {
  public:
    explicit AnyMove(std::uint64_t seed) : state_(seed) {}
    standard::Decision operator()(Table&, const standard::HandState& hand,
                                  const standard::HandReads&) {
        const standard::Legal l = hand.legal();
        const std::uint64_t draw = splitmix64(state_);
        using standard::Move;
        switch (draw % 8) {
            case 0:
                return {Move::fold, 0};
            case 1:
            case 2:
                return {l.can_check ? Move::check : Move::call, 0};
            case 3:
            case 4:
                return {hand.current_bet() == 0 ? Move::bet : Move::raise, l.min_to};
            case 5: {
                const Chips span = std::max<Chips>(1, l.max_to - l.min_to + 1);
                return {
                    hand.current_bet() == 0 ? Move::bet : Move::raise,
                    l.min_to + static_cast<Chips>((draw >> 8) % static_cast<std::uint64_t>(span))};
            }
            case 6:
                return {hand.current_bet() == 0 ? Move::bet : Move::raise, l.max_to};
            default:  // refused: below the least raise, beyond the stack, or a check facing a bet
                return {static_cast<Move>((draw >> 8) % 5),
                        static_cast<Chips>((draw >> 16) % 3 == 0 ? l.min_to - 1 : l.max_to + 1)};
        }
    }

  private:
    std::uint64_t state_;
};

constexpr std::size_t max_operations = 64;
constexpr int max_clock_steps = 200;
constexpr std::uint64_t max_hands = 2;  // a wait may run many clock ticks: hands bound it too

void check_stacks(const Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).prize < 0) broken("seat " + std::to_string(k) + " below nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8 | data[i];
    const std::uint8_t choice = data[8];
    Table t(std::make_unique<SeededRandom>(seed), std::make_unique<SeededRandom>(~seed));
    t.options.rules = choice & 1 ? Rules::standard : Rules::classic;
    t.options.levels = choice & 2 ? Levels::by_hands : Levels::classic;
    t.options.pace = static_cast<Pace>((choice >> 2) % 3);
    t.options.difficulty = static_cast<Difficulty>((choice >> 4) % 3);
    t.options = in_force(t.options);
    t.field.eliminated = static_cast<std::int16_t>(late_starts[(choice >> 6) % 4]);
    t.field.eliminated_chips = t.field.eliminated * 1000;

    std::size_t written = 0;
    auto sink = [&written](const std::string& text) { written += text.size(); };
    TableNotes notes;
    HandLog log(sink);
    HandHistory history(
        "fuzz", [] { return std::string("2026-12-07 00:00:00"); }, sink);
    PhhWriter phh("fuzz", sink);
    HandRecorder records(sink);
    sim::InvariantChecker classic_checker;
    ChipWatch chips;
    t.observers = {&notes, &log, &history, &records, &chips};
    if (t.options.rules == Rules::standard)
        t.observers.push_back(&phh);
    else
        t.observers.push_back(&classic_checker);

    const bool standard_players = data[9] % 64 == 0;
    const std::unique_ptr<TableRules> rules = rules_for(
        t, standard_players ? standard::TableGame::ComputerPlayer{} : AnyMove(seed ^ 0x9E37));
    int clock_steps = 0;
    auto run_to = [&](std::int64_t ms) {
        if (clock_steps++ < max_clock_steps) rules->run_until(ms);
    };
    TablePicture picture;
    // The picture is filled whenever anything it shows may have changed: an event run, an
    // input taken, the amount box edited. Filling an unchanged table again proves nothing.
    std::uint64_t filled_at_events = ~0ull, filled_at_inputs = ~0ull;
    bool amount_touched = true;
    auto step_done = [&] {
        check_stacks(t);
        if (t.options.rules == Rules::classic)
            if (auto bad = classic_checker.check(t)) broken(*bad);
        if (amount_touched || t.loop.events_run() != filled_at_events ||
            t.inputs_handled != filled_at_inputs) {
            rules->fill(notes, picture);
            filled_at_events = t.loop.events_run();
            filled_at_inputs = t.inputs_handled;
        }
        amount_touched = false;
    };
    rules->start();
    step_done();
    std::size_t i = 10;
    std::size_t operations = 0;
    while (i < size && !t.ended && operations++ < max_operations && clock_steps < max_clock_steps &&
           t.hands_started <= max_hands) {
        const std::uint8_t op = data[i++];
        const std::uint8_t arg = i < size ? data[i++] : 0;
        switch (op % 6) {
            case 0:  // any of the player's buttons but leaving
                if (static_cast<Intent>(arg % 10) != Intent::exit)
                    rules->act(static_cast<Intent>(arg % 10));
                amount_touched = true;  // a quick amount or a sit-out request shows at once
                break;
            case 1:  // a key in the amount box, Enter among them
                rules->amount_key(arg % 4 == 0 ? 13 : arg, picture.human.amount_text);
                amount_touched = true;
                break;
            case 2: {  // a whole text in the amount box
                std::string text;
                for (int n = 0; n < arg % 24 && i < size; ++n)
                    text += static_cast<char>(data[i++]);
                rules->amount_edited(text);
                amount_touched = true;
                break;
            }
            case 3:  // a wait of up to about six seconds
                run_to(t.loop.now() + arg * 25);
                break;
            case 4:  // the game's own pace until something is due, `arg` times over
                for (int n = 0; n <= arg % 16 && !t.ended; ++n)
                    if (auto due = t.loop.next_deadline()) run_to(*due);
                break;
            default:  // the usual buttons
                rules->act(arg % 3 == 0   ? Intent::call
                           : arg % 3 == 1 ? Intent::check
                                          : Intent::fold);
                break;
        }
        step_done();
    }
    if (std::getenv("HOLDEM_FUZZ_REPORT"))
        std::printf("rules=%d hands=%llu ended=%d written=%zu\n", choice & 1,
                    static_cast<unsigned long long>(t.hands_started), t.ended.has_value(), written);
    return 0;
}
