// Arbitrary bytes, and mutations of saved games from the seed corpus, fed to the loader. A
// document it accepts must save back to itself and play on for a while with every invariant
// holding; anything else must be refused with a reason.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "save/snapshot.h"
#include "sim/invariants.h"

using namespace holdem;

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

std::variant<LoadedGame, std::string> load(std::string_view text) {
    return load_snapshot(text, std::make_unique<SeededRandom>(1),
                         std::make_unique<SeededRandom>(2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto loaded = load(text);
    if (auto* why = std::get_if<std::string>(&loaded)) {
        if (why->empty()) fail("refused without a reason", "");
        return 0;
    }
    LoadedGame& game = std::get<LoadedGame>(loaded);
    Table& t = *game.table;

    const std::string saved = save_snapshot(t, game.tournament);
    auto again = load(saved);
    if (auto* why = std::get_if<std::string>(&again)) fail("a saved game was refused", *why);
    if (save_snapshot(*std::get<LoadedGame>(again).table, game.tournament) != saved)
        fail("a saved game does not load back to itself", saved);

    // Play on from the loaded hand, the human calling, for a bounded number of steps.
    sim::InvariantChecker checker;
    t.observers = {&checker};
    settle(t);
    for (int step = 0; step < 400 && !t.ended; ++step) {
        if (human_turn_open(t)) {
            click(t, ctl::Call);
            click(t, ctl::Check);
        } else if (auto due = t.loop.next_deadline()) {
            run_until(t, *due);
        } else {
            fail("the game stalled", saved);
        }
        if (auto bad = checker.check(t)) fail("invariant broken", *bad);
    }
    return 0;
}
