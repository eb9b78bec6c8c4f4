// The hand log tells a seeded hand event by event in players' words.
#include "report/hand_log.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(HandLog, ASeededHandLineByLine) {
    // Seat 3 deals; seat 7's three twos are the best hand, so it raises every time it acts; the
    // human calls through.
    const std::vector<std::string> first_hand = {
        "Jh",  "3d", "4h", "5s", "6c", "Ac", "8d", "9h", "Jc", "Kd",  // first hole cards
        "9c",  "8c", "9d", "Qh", "Qs", "Ad", "2h", "3s", "4c", "Ks",  // second hole cards
        "10d", "2s", "2d", "5c", "7h"};                               // the board
    auto t = std::make_unique<Table>(std::make_unique<ScriptedRandom>(toss_draws(3, first_hand)));
    std::vector<std::string> lines;
    HandLog log([&](const std::string& line) { lines.push_back(line); });
    t->observers.push_back(&log);
    start_game(*t);
    for (int step = 0; step < 400 && t->showdowns == 0; ++step) {
        if (human_turn_open(*t))
            click(*t, visible(*t, ctl::Call) ? ctl::Call : ctl::Check);
        else
            run_until(*t, *t->loop.next_deadline());
    }
    const std::vector<std::string> expected = {
        "--- Hand 1 --- blinds 10/20, river rat deals",
        "bad quab luck posts the small blind 10",
        "poker man posts the big blind 20",
        "chips chips calls 20",
        "rotten kid raises 250 to 270",
        "juggle card man folds",
        "texas route folds",
        "zub zub kid calls 270",
        "You call 270",
        "boulder man folds",
        "river rat folds",
        "bad quab luck calls 260",
        "poker man folds",
        "chips chips calls 250",
        "*** FLOP *** [10d 2s 2d]",
        "rotten kid bets 182",
        "zub zub kid calls 182",
        "You call 182",
        "bad quab luck calls 182",
        "chips chips calls 182",
        "*** TURN *** [10d 2s 2d] [5c]",
        "rotten kid bets 137",
        "zub zub kid calls 137",
        "You call 137",
        "bad quab luck calls 137",
        "chips chips calls 137",
        "*** RIVER *** [10d 2s 2d 5c] [7h]",
        "rotten kid bets 103",
        "zub zub kid calls 103",
        "You call 103",
        "bad quab luck calls 103",
        "chips chips calls 103",
        "You show Jh 9c (Top J)",
        "bad quab luck shows 5s Qh (Pair 5)",
        "chips chips shows Ac Ad (Pair A)",
        "rotten kid shows 8d 2h (Three Kind 2)",
        "zub zub kid shows Kd Ks (Pair K)",
        "rotten kid wins 3480 with Three Kind 2",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace holdem
