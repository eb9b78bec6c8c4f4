// What the human has seen each opponent do, hand by hand, kept for the tournament by the
// player's name (so it follows a player who moves to the human's table): hands seen, VPIP, PFR,
// 3-bets, aggression after the flop and folds to a continuation bet. Counted from actions
// alone, never from cards not shown.
#pragma once

#include <array>
#include <map>
#include <string>

#include "model/table.h"
#include "report/hand_record.h"

namespace holdem {

struct PlayerStatistics {
    int hands = 0;
    int voluntary = 0;       // hands it put chips in before the flop of its own accord
    int preflop_raises = 0;  // hands it bet or raised before the flop
    int three_bet_chances = 0, three_bets = 0;  // faced one raise before the flop; raised it
    int aggressive = 0, calls = 0;              // bets and raises, and calls, after the flop
    int cbet_faced = 0, cbet_folds = 0;         // faced the raiser's first bet on the flop

    // "VPIP 24 · PFR 18 · 3B 6 · AF 2.1 (55)": the figures and the hands seen
    std::string line() const;
    // The same in words, with the sample sizes, for a tooltip.
    std::string words() const;
};

class SeatStatistics {
  public:
    // The events of the hands at the human's table, as TableNotes receives them: the names
    // of the seats at the hand's start.
    void hand_started(const Table& t);
    void hand_started(const std::array<std::string, seat_count + 1>& names);
    void blind_posted(int seat);
    void action_taken(const ActionEvent& e);
    void street_dealt(Street street);
    // A hand of the records counted again as it was played: a tournament taken up again
    // keeps what the human has seen of each player.
    void recall(const HandRecord& hand);

    // The player's figures so far; nothing before a first hand.
    const PlayerStatistics* of(const std::string& name) const;

  private:
    struct Seat {
        std::string name;
        bool seen = false, voluntary = false, raised = false, chance = false;
    };
    PlayerStatistics& counts(const Seat& seat) { return players_[seat.name]; }
    void see(int seat);

    std::map<std::string, PlayerStatistics> players_;
    std::array<Seat, seat_count + 1> seats_{};
    Street street_ = Street::preflop;
    int preflop_raises_ = 0;  // raises so far before the flop this hand
    int preflop_raiser_ = 0;  // the last seat to raise before the flop
    bool flop_bet_ = false;   // someone has bet on the flop
    bool cbet_live_ = false;  // that bet was the preflop raiser's and nobody raised it yet
};

}  // namespace holdem
