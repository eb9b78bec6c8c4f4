// What the window shows beside the rules' controls for the hand under way: each seat's last
// action for a moment, and at the showdown who was paid how much. Read from the event stream.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/table.h"
#include "report/seat_statistics.h"

namespace holdem {

class TableNotes final : public TableObserver {
  public:
    struct Award {
        int seat;
        Chips amount;
        std::string hand;
    };

    // The seat's last action this betting round ("Call 20"), empty when none.
    const std::string& badge(int seat) const { return badges_[seat]; }
    // What that action was; none for a blind or no action.
    std::optional<Action> badge_action(int seat) const { return actions_[seat]; }
    // Who was paid at this hand's showdown, in the order they were paid.
    const std::vector<Award>& awards() const { return awards_; }
    // The winner's line in players' words: every winner named, the amounts, the hand.
    std::string winners_line() const;
    // What each opponent has been seen to do, kept for the tournament.
    const SeatStatistics& statistics() const { return statistics_; }
    SeatStatistics& statistics() { return statistics_; }

    void hand_started(const Table& t) override;
    void ante_posted(const Table& t, int seat, Chips amount) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) override;

  private:
    SeatStatistics statistics_;
    std::array<std::string, seat_count + 1> badges_;
    std::array<std::optional<Action>, seat_count + 1> actions_;
    std::array<std::string, seat_count + 1> names_;
    std::vector<Award> awards_;
    bool side_pots_ = false;  // this hand was paid in more than one pot
};

}  // namespace holdem
