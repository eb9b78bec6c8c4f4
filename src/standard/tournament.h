// A tournament under the standard rules at the final table: ten seats from a field of 1000,
// every hand dealt from a seeded stream and played by `HandState`, the blinds rising every ten
// hands, broke computer seats refilled from the field and closed once it has run out, until
// the human (seat 1) is broke or the last entrant left. Headless: whoever drives it decides
// when each step happens.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/cards.h"
#include "model/random.h"
#include "standard/hand_state.h"

namespace holdem::standard {

enum class TournamentEnd : std::uint8_t { human_broke, won };

struct TableSeat {
    std::string name;
    Chips stack = 0;
    bool open = true;  // closed once the field has run out and the seat went broke
    bool sitting_out = false;
};

class Tournament {
  public:
    static constexpr int seats = 10;
    static constexpr int field = 1000;

    // `late`: entrants already knocked out elsewhere before the first hand.
    explicit Tournament(std::uint64_t seed, int late = 0);

    // The tournament's step and the next hand's deal; false once the tournament has ended.
    bool deal();
    HandState& hand() { return *hand_; }
    const HandState& hand() const { return *hand_; }
    // A seat's two cards this hand, and the board (all five, shown by the round).
    const std::array<CardCode, 2>& hole(int seat) const { return holes_[seat - 1]; }
    const std::array<CardCode, 5>& board() const { return board_; }
    int board_shown() const;
    // The move the computer seat to act chooses from its own cards and the board shown.
    struct Decision {
        Move move = Move::fold;
        Chips to = 0;
    };
    Decision computer_decision();
    // Pays the hand out; its settlement stays for whoever reports it.
    const Settlement& finish_hand();

    const TableSeat& seat(int k) const { return seats_[static_cast<std::size_t>(k - 1)]; }
    void set_sitting_out(bool out) { seats_[0].sitting_out = out; }
    std::optional<TournamentEnd> ended() const { return ended_; }
    int entrants_left() const { return field - eliminated_; }
    std::uint64_t hands_dealt() const { return hands_; }
    Chips small_blind() const;
    // Every chip the table was given, and the stacks between hands: always the same sum.
    std::int64_t chips_brought() const { return brought_; }
    std::int64_t chips_at_table() const;

  private:
    void tournament_step();
    std::string new_name();
    float draw() { return random_.next(); }

    SeededRandom random_;
    std::array<TableSeat, seats> seats_;
    int eliminated_ = 0;
    std::int64_t eliminated_chips_ = 0;
    std::int64_t brought_ = 0;  // all the chips the table was ever given
    int button_ = 0;
    std::uint64_t hands_ = 0;
    std::optional<TournamentEnd> ended_;
    std::unique_ptr<HandState> hand_;
    std::array<std::array<CardCode, 2>, seats> holes_{};
    std::array<CardCode, 5> board_{};
    Settlement settlement_;
};

}  // namespace holdem::standard
