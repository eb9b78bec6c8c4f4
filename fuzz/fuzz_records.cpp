// Arbitrary lines, and mutations of real hand records, fed to the hands viewer's reader and the
// replay. A line the reader accepts must write back to a line that reads the same, and replay
// to steps whose pictures hold only what a table can show; anything else is refused.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "picture/replay.h"
#include "report/hand_record.h"

using namespace holdem;

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::optional<HandRecord> record = read_record(line);
    if (!record) return 0;
    const std::string again = record_line(*record);
    const std::optional<HandRecord> reread = read_record(again);
    if (!reread || record_line(*reread) != again) fail("a record does not read back as written");
    const std::vector<ReplayStep> steps = replay(*record);
    if (steps.size() != record->events.size() + 1) fail("a step is missing");
    for (const ReplayStep& step : steps) {
        if (step.log_lines > record->log.size()) fail("a step tells more lines than the hand has");
        const TablePicture& p = step.picture;
        for (const SeatPicture& s : p.seats) {
            for (const CardPicture* c : {&s.first_card, &s.second_card})
                if (c->shown && (c->cell < 0 || c->cell >= card_grid::cells))
                    fail("a card with no picture");
            if (s.name.size() > max_record_text) fail("a name longer than a record holds");
        }
        for (const CardPicture& c : p.board)
            if (c.shown && (c.cell < 1 || c.cell > 52)) fail("a board card that is no card");
    }
    return 0;
}
