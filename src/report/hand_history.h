// Hand histories: every hand of a tournament written out as it ends, in the plain-text layout
// that hand-history tools read (a header, the seats, the blinds, the hole cards, each street's
// actions, the showdown and a summary).
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "model/table.h"

namespace holdem {

class HandHistory final : public TableObserver {
  public:
    // Receives one finished hand's text, ending with a blank line.
    using Sink = std::function<void(const std::string&)>;
    // The moment a hand starts, as "2026-12-06 13:48:16".
    using Timestamp = std::function<std::string()>;

    HandHistory(std::string tournament_id, Timestamp timestamp, Sink sink);

    void hand_started(const Table& t) override;
    void ante_posted(const Table& t, int seat, Chips amount) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void showdown_started(const Table& t) override;
    void hand_shown(const Table& t, int seat) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void pot_awarded(const Table& t) override;
    void sit_out_charged(const Table& t, Chips amount) override;
    void uncalled_bet_returned(const Table& t, int seat, Chips amount) override;
    void pots_counted(const Table& t, const std::vector<Chips>& pots) override;
    void hand_mucked(const Table& t, int seat) override;
    void pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) override;

  private:
    void line(const std::string& text);
    void hole_cards(const Table& t);
    void standard_summary(const Table& t);

    std::string tournament_id_;
    Timestamp timestamp_;
    Sink sink_;
    std::string hand_;  // the hand being written
    bool in_hand_ = false;
    bool hole_cards_written_ = false;
    Chips pending_charge_ = 0;  // the sit-out charge taken before the next hand
    // What each seat has put in since the street was dealt. The round's bets are cleared
    // again when a raise makes one seat close earlier streets too; the history counts chips.
    std::array<Chips, seat_count + 1> street_total_{};
    std::vector<std::string> summary_;
    std::vector<Chips> pots_;  // under the standard rules, the pots as they were counted
    bool shown_down_ = false;
    std::array<Chips, seat_count + 1> won_{};  // under the standard rules, by seat
    std::array<bool, seat_count + 1> mucked_{}, shown_{};
};

// A tournament's name in the histories: the moment it started, "20261206134501".
std::string tournament_id(std::time_t started, bool local);
// "2026-12-06 13:48:16", in local time or UTC.
std::string timestamp_text(std::time_t moment, bool local);

}  // namespace holdem
