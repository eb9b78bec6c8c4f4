// The standard rules' tournament at the final table, on the same table facts, field, blind
// levels, clocks and random stream as the classic game: each hand is played by `HandState`,
// a computer seat acts at each tick of the pacing clock, a street is turned up a tick at a
// time, and the deal timer starts the next hand. What happens is told to the table's watchers.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "model/table.h"
#include "standard/field_play.h"
#include "standard/hand_state.h"
#include "standard/opponents/player.h"

namespace holdem::standard {

class TableGame final : public EventHandler {
  public:
    explicit TableGame(Table& t);
    ~TableGame() override;

    // The whole field plays beside this table (a structure of its own): its players come from
    // the field, its blinds from the structure, and the busts are placed in the field. Without
    // one the table plays on the classic game's field and clock.
    void play_field(std::unique_ptr<FieldPlay> field) {
        field_ = std::move(field);
        if (field_) t_.field_left = field_->field().players_left();
    }
    const FieldPlay* field() const { return field_.get(); }
    FieldPlay* field() { return field_.get(); }
    std::unique_ptr<FieldPlay> take_field() { return std::move(field_); }
    // Every seat is a computer seat: a table of the field the human does not sit at.
    void play_without_human() { human_ = false; }
    // Between hands, the field's round is finished now rather than at the deal timer: what a
    // save taken at this moment must hold. Nothing happens without a field or a round.
    void finish_field_round();
    // Deals the next hand and plays it through at once, with no clock (the field's tables).
    void play_hand_at_once();

    // Start values, the button drawn and the first hand dealt.
    void start();
    // Plays on a game saved between hands: the next hand is dealt when its timer is due.
    void resume();
    void run_until(std::int64_t ms);

    // The hand under way (or just paid), if any.
    const HandState* hand() const { return hand_.get(); }
    // The human has the turn and the clock waits for them.
    bool human_to_act() const;
    // The human's move; false, and nothing changes, when it is not theirs to make.
    bool human_act(Move move, Chips to = 0);
    // From the next hand on the human sits out (posts and folds), or plays again.
    void ask_sit_out(bool out);
    // Gives the tournament up.
    void leave();
    // Board cards turned up so far this hand.
    int board_shown() const { return shown_; }
    // The hands still in are face up: a seat is all in and the betting is over.
    bool faced_up() const { return faced_up_; }
    // The last hand's settlement once it has been paid.
    const std::optional<Settlement>& settled() const { return settled_; }

    // What every seat has done this hand, as the table saw it.
    const HandReads& reads() const { return reads_; }
    // Who decides the computer seats' moves: by default the standard players, each by its
    // seat's style and the difficulty in force; it must choose a move `legal()` allows.
    using ComputerPlayer = std::function<Decision(Table&, const HandState&, const HandReads&)>;
    void set_computer_player(ComputerPlayer player) { computer_ = std::move(player); }
    // Told before and after each move is applied, for a referee that watches the hand.
    using MoveWatch = std::function<void(const HandState&, int seat, Move, Chips)>;
    void watch_moves(MoveWatch before, MoveWatch after) {
        before_move_ = std::move(before);
        after_move_ = std::move(after);
    }

    void focus_lost(ControlId) override {}
    void focus_got(ControlId) override {}
    void timer_tick(TimerId timer) override;
    void timer_due(TimerId timer) override;
    bool stopped() const override { return t_.ended.has_value(); }

  private:
    void start_values();
    void draw_style(int seat);
    void deal_hand();
    void clock_tick();
    void make_move(int seat, Decision d);
    void mirror_hand();
    void give_back_uncalled();
    void after_betting_moves();
    void tell_folded_out();
    void face_up_all_in();
    void turn_up_street();
    void pay_out();
    int streets_due() const;

    Table& t_;
    std::unique_ptr<HandState> hand_;
    int shown_ = 0;
    bool faced_up_ = false;
    std::optional<Settlement> settled_;
    HandReads reads_;
    ComputerPlayer computer_;
    MoveWatch before_move_, after_move_;
    std::unique_ptr<FieldPlay> field_;
    bool human_ = true;
};

// The standard player at the seat to act, by its style and the difficulty in force; its
// sampling seeded from the table's facts, so a game taken up again decides the same.
Decision seat_decision(Table& t, const HandState& hand, const HandReads& reads);

}  // namespace holdem::standard
