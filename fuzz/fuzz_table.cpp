// Random sequences of the player's input — clicks on any control, typed text, keys and waits —
// fed into a game, with every invariant checked after every step.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "game/events.h"
#include "sim/invariants.h"

using namespace holdem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8 | data[i];
    Table t(std::make_unique<SeededRandom>(seed));
    sim::InvariantChecker checker;
    t.observer = &checker;
    start_game(t);

    auto check = [&] {
        if (auto bad = checker.check(t)) {
            std::fprintf(stderr, "invariant broken: %s\n", bad->c_str());
            std::abort();
        }
    };
    std::size_t i = 8;
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
            case 4:  // the game's own pace until something is due
                if (auto due = t.loop.next_deadline()) run_until(t, *due);
                break;
            default:  // the human's usual buttons
                click(t, arg % 3 == 0 ? ctl::Call : arg % 3 == 1 ? ctl::Check : ctl::Fold);
                break;
        }
        check();
    }
    return 0;
}
