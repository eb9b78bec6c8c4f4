// Random intents fed to either rule set through the interface the window drives, with every
// watcher the window has (notes, log, text and PHH histories, hand records) and the table
// picture filled after every step. The chips are checked at every step and every pay-out.
// Input: eight bytes of seed, one byte of options (the rule set, the levels, the pace, the
// difficulty, the start in the field), then pairs of operation and argument bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

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

void check_stacks(const Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).prize < 0) broken("seat " + std::to_string(k) + " below nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
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

    const std::unique_ptr<TableRules> rules = rules_for(t);
    TablePicture picture;
    auto step_done = [&] {
        check_stacks(t);
        if (t.options.rules == Rules::classic)
            if (auto bad = classic_checker.check(t)) broken(*bad);
        rules->fill(notes, picture);
    };
    rules->start();
    step_done();
    std::size_t i = 9;
    while (i < size && !t.ended) {
        const std::uint8_t op = data[i++];
        const std::uint8_t arg = i < size ? data[i++] : 0;
        switch (op % 6) {
            case 0:  // any of the player's buttons but leaving
                if (static_cast<Intent>(arg % 10) != Intent::exit)
                    rules->act(static_cast<Intent>(arg % 10));
                break;
            case 1:  // a key in the amount box, Enter among them
                rules->amount_key(arg % 4 == 0 ? 13 : arg, picture.human.amount_text);
                break;
            case 2: {  // a whole text in the amount box
                std::string text;
                for (int n = 0; n < arg % 24 && i < size; ++n)
                    text += static_cast<char>(data[i++]);
                rules->amount_edited(text);
                break;
            }
            case 3:  // a wait of up to about six seconds
                rules->run_until(t.loop.now() + arg * 25);
                break;
            case 4:  // the game's own pace until something is due, `arg` times over
                for (int n = 0; n <= arg % 64 && !t.ended; ++n)
                    if (auto due = t.loop.next_deadline()) rules->run_until(*due);
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
