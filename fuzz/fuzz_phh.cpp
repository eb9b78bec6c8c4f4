// Arbitrary text, and mutations of the game's own PHH files, fed to the PHH reader and each hand
// it takes to the strict player and the replay. A hand played to its end keeps every chip, and
// its replay has a step for every event; nothing else may happen but a refusal with a reason.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <string_view>

#include "picture/replay.h"
#include "report/phh_play.h"
#include "report/phh_reader.h"

using namespace holdem;

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PhhRead read = read_phh(text);
    for (const std::string& problem : read.problems)
        if (problem.empty()) fail("a problem without a reason");
    for (const PhhHand& hand : read.hands) {
        const PhhPlayed played = play_phh(hand);
        if (played.problem && played.problem->empty()) fail("a refusal without a reason");
        if (played.complete) {
            const auto sum = [](const std::vector<Chips>& v) {
                return std::accumulate(v.begin(), v.end(), std::int64_t{0});
            };
            if (sum(played.finishing) != sum(hand.starting_stacks)) fail("a chip was made or lost");
        }
        if (played.record.seats.empty()) continue;
        const std::vector<ReplayStep> steps = replay(played.record);
        if (steps.size() != played.record.events.size() + 1) fail("a step is missing");
    }
    return 0;
}
