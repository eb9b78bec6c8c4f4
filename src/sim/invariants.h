// What must hold at every step of a game: a proper deck, chips that neither appear nor vanish,
// a pot paid out in full, no negative stack, honest stack labels, a rank line that never shows
// fewer entrants than sit at the table, and a showdown for every hand within a bounded number
// of events.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/table.h"

namespace holdem::sim {

class InvariantChecker final : public TableObserver {
  public:
    // Events one hand may take, waits for the human included, before it counts as hung.
    static constexpr std::uint64_t max_events_per_hand = 20000;

    // Checks the table after a step; the first broken invariant, if any.
    std::optional<std::string> check(const Table& t);

    void hand_started(const Table& t) override;
    void showdown_started(const Table& t) override;
    void pot_awarded(const Table& t) override;

  private:
    void fail(std::string why);

    std::optional<std::string> violation_;
    std::int64_t hand_total_ = 0;  // stacks plus pot since the hand began
    std::int64_t stacks_before_award_ = 0;
    std::uint64_t events_at_hand_start_ = 0;
    bool in_hand_ = false;
};

std::int64_t chips_in_play(const Table& t);  // every stack plus the pot
std::optional<std::string> check_distinct_deck(const Table& t);
std::optional<std::string> check_cards_agree(const Table& t);

}  // namespace holdem::sim
