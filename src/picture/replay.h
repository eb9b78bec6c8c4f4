// A recorded hand played back: one step for the hand's start and one for each thing that
// happened, each with the table picture it leaves (stacks, bets, the cards as the table showed
// them, the board, the pot, each seat's last action, the winners) and how many of the hand's
// log lines had been told.
#pragma once

#include <array>
#include <vector>

#include "model/table.h"
#include "picture/table_picture.h"
#include "report/hand_record.h"

namespace holdem {

// The facts a replay must give back at every step: every seat's stack and bet this round,
// whether it is still in the hand, the board cards shown and the pot.
struct ReplayFrame {
    std::array<Chips, seat_count + 1> stack{}, bet{};
    std::array<bool, seat_count + 1> in_hand{};
    int board = 0;
    Chips pot = 0;
    friend bool operator==(const ReplayFrame&, const ReplayFrame&) = default;
};
// The same facts as the table holds them now.
ReplayFrame live_frame(const Table& t);

struct ReplayStep {
    ReplayFrame frame;
    TablePicture picture;
    std::size_t log_lines = 0;
};
std::vector<ReplayStep> replay(const HandRecord& record);

}  // namespace holdem
