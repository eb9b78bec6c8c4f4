// What must hold at every step of a game: a proper deck, chips that neither appear nor vanish
// within a hand or between hands, blinds posted by position, a pot paid in full to exactly the
// best hands still in, no negative stack, honest stack labels, a field that only shrinks, and an
// end that the table's state allows. A hand must reach its showdown within a bounded number of
// events.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/table.h"

namespace holdem::sim {

// After a pay-out: no stack below nothing, and every chip on the seats one the table was given.
std::optional<std::string> chips_after_pay_out(const Table& t);

class InvariantChecker final : public TableObserver {
  public:
    // Events one hand may take, waits for the human included, before it counts as hung.
    static constexpr std::uint64_t max_events_per_hand = 20000;

    // Checks the table after a step; the first broken invariant, if any.
    std::optional<std::string> check(const Table& t);

    void hand_started(const Table& t) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void showdown_started(const Table& t) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void pot_awarded(const Table& t) override;
    void seat_refilled(const Table& t, int seat, Chips old_stack) override;
    void sit_out_charged(const Table& t, Chips amount) override;
    void game_ended(const Table& t, GameEnd why) override;

  private:
    void fail(std::string why);
    void blinds_done(const Table& t);

    std::optional<std::string> violation_;
    std::int64_t hand_total_ = 0;  // stacks plus pot since the hand began
    std::int64_t stacks_before_award_ = 0;
    std::uint64_t events_at_hand_start_ = 0;
    bool in_hand_ = false;

    // Between hands: the stacks after the last award, moved by refills and the sit-out charge.
    std::optional<std::int64_t> expected_at_next_hand_;

    // The blinds of the hand under way.
    int small_blind_seat_ = 0, big_blind_seat_ = 0;
    Chips limits_ = 0;
    std::array<Chips, seat_count + 1> stacks_at_start_{};
    std::array<std::uint8_t, seat_count + 1> blinds_posted_{};
    bool blinds_checked_ = false;

    // The showdown under way: who must be paid, and who was.
    std::array<bool, seat_count + 1> due_{};
    std::array<bool, seat_count + 1> paid_{};

    std::int16_t eliminated_seen_ = 0;
    // What had run at the last check: with nothing run since, nothing can have changed.
    std::optional<std::uint64_t> checked_at_;
    // The stacks whose labels were last read; labels are read again when a stack moves, and
    // at every hand's start and award, where every label is rewritten.
    std::array<Chips, seat_count + 1> labels_read_for_{};
    bool labels_due_ = true;
};

std::int64_t chips_in_play(const Table& t);  // every stack plus the pot
std::optional<std::string> check_distinct_deck(const Table& t);
std::optional<std::string> check_cards_agree(const Table& t);

}  // namespace holdem::sim
