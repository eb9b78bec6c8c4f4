// The hand log: what happens at the table told in players' words, one line per event, for the
// window's log beside the table.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/table.h"

namespace holdem {

class HandLog final : public TableObserver {
  public:
    using Line = std::function<void(const std::string&)>;
    explicit HandLog(Line line) : line_(std::move(line)) {}
    // Where the human finished, for the last line, in a field played whole: "you finished
    // 137th of 1,000 and won 180"; without it the line gives the classic rank.
    void set_finish(std::function<std::optional<std::string>()> finish) {
        finish_ = std::move(finish);
    }

    void hand_started(const Table& t) override;
    void showdown_started(const Table& t) override;
    void ante_posted(const Table& t, int seat, Chips amount) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void hands_faced_up(const Table& t, const std::vector<int>& seats) override;
    void hand_shown(const Table& t, int seat) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void uncalled_bet_returned(const Table& t, int seat, Chips amount) override;
    void pots_counted(const Table& t, const std::vector<Chips>& pots) override;
    void hand_mucked(const Table& t, int seat) override;
    void pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) override;
    void seat_refilled(const Table& t, int seat, Chips old_stack) override;
    void seat_closed(const Table& t, int seat) override;
    void sit_out_charged(const Table& t, Chips amount) override;
    void game_ended(const Table& t, GameEnd why) override;

  private:
    // The steps between hands (refills, closings, the sit-out charge) are told under the
    // header of the hand they lead into, so every hand's lines begin with its header.
    void step(std::string line);

    Line line_;
    std::function<std::optional<std::string>()> finish_;
    std::vector<std::string> steps_;
    bool shown_down_ = false;  // this hand's cards were shown
};

// A seat's action in a word or two, as the table shows it beside the seat: "Check", "Call 20",
// "Raise 290", "Fold", "All in".
std::string action_badge(const ActionEvent& e);

}  // namespace holdem
