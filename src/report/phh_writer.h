// Hand histories of the standard rules in the open PHH format, written from the table's event
// stream: each hand a TOML table of its own (a `.phhs` file holds a tournament's hands), with
// the required fields of no-limit hold'em (variant, antes, blinds, the least bet, the starting
// stacks, the actions) and the players' names, seats, the hand's number and level, the event,
// the finishing stacks and the winnings. Players are listed from the small blind round to the
// button, as the format orders them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/table.h"

namespace holdem {

class PhhWriter final : public TableObserver {
  public:
    using Sink = std::function<void(const std::string& hand)>;
    // What each hand's table is called in the file: by default the hand's number, which is
    // unique within a tournament's file; a file of many tournaments numbers its hands itself.
    using Name = std::function<std::uint64_t(const Table&)>;
    PhhWriter(std::string event, Sink sink, Name name = nullptr)
        : event_(std::move(event)), sink_(std::move(sink)), name_(std::move(name)) {}

    void hand_started(const Table& t) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void hands_faced_up(const Table& t, const std::vector<int>& seats) override;
    void hand_shown(const Table& t, int seat) override;
    void hand_mucked(const Table& t, int seat) override;
    void pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) override;
    void pot_awarded(const Table& t) override;

  private:
    std::string player(int seat) const;  // "p1" … as the format numbers the players

    std::string event_;
    Sink sink_;
    Name name_;
    std::vector<int> shown_;  // seats whose cards are written shown this hand
    bool in_hand_ = false;
    std::vector<int> seats_;  // the players' seats, in the format's order
    std::vector<Chips> winnings_;
    std::vector<std::string> actions_;
    std::string header_;
};

// "Ac", "Td": a card as the format writes it.
std::string phh_card(CardCode code);

}  // namespace holdem
