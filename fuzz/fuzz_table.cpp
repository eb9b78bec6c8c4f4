// Random sequences of the player's input — clicks on any control, typed text, keys and waits —
// fed into a game that may start late in the field, with every invariant checked after every
// step. Input: eight bytes of seed, one byte choosing the start (fresh, 950, 980 or 989 entrants
// already out), then pairs of operation and argument bytes.
// With HOLDEM_FUZZ_REPORT set, each input prints how far into the field it went.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cycle/events.h"
#include "rules/tournament/field.h"
#include "sim/invariants.h"

using namespace holdem;

namespace {

constexpr int late_starts[] = {0, 950, 980, 989};

// Notes the end-of-field states an input reaches.
struct Reached final : TableObserver {
    bool closing = false;
    int closed = 0;
    void hand_started(const Table& t) override {
        closing |= t.field.eliminated >= closing_threshold;
    }
    void seat_closed(const Table&, int) override { ++closed; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8 | data[i];
    Table t(std::make_unique<SeededRandom>(seed));
    sim::InvariantChecker checker;
    Reached reached;
    t.observers = {&checker, &reached};
    t.field.eliminated = static_cast<std::int16_t>(late_starts[data[8] % 4]);
    t.field.eliminated_chips = t.field.eliminated * 1000;
    start_game(t);

    auto check = [&] {
        if (auto bad = checker.check(t)) {
            std::fprintf(stderr, "invariant broken: %s\n", bad->c_str());
            std::abort();
        }
    };
    check();
    std::size_t i = 9;
    while (i < size && !t.ended) {
        const std::uint8_t op = data[i++];
        const std::uint8_t arg = i < size ? data[i++] : 0;
        switch (op % 6) {
            case 0:  // a click on any control at all
                if (ControlId{static_cast<std::uint16_t>(arg % Controls::size())} != ctl::Exit)
                    click(t, ControlId{static_cast<std::uint16_t>(arg % Controls::size())});
                break;
            case 1:  // a key in the amount box
                press_key(t, arg);
                break;
            case 2: {  // a whole text in the amount box
                std::string text;
                for (int n = 0; n < arg % 24 && i < size; ++n)
                    text += static_cast<char>(data[i++]);
                set_amount_text(t, text);
                break;
            }
            case 3:  // a wait of up to about six seconds
                run_until(t, t.loop.now() + arg * 25);
                break;
            case 4:  // the game's own pace until something is due, `arg` times over
                for (int n = 0; n <= arg % 64 && !t.ended; ++n)
                    if (auto due = t.loop.next_deadline()) run_until(t, *due);
                break;
            default:  // the human's usual buttons
                click(t, arg % 3 == 0 ? ctl::Call : arg % 3 == 1 ? ctl::Check : ctl::Fold);
                break;
        }
        check();
    }
    if (std::getenv("HOLDEM_FUZZ_REPORT"))
        std::printf("hands=%llu closing=%d closed=%d won=%d\n",
                    static_cast<unsigned long long>(t.hands_started), reached.closing,
                    reached.closed, t.ended == GameEnd::TournamentWon);
    return 0;
}
