// Folds everything that happens at the table into a tournament's signature, and counts how far
// into the end of the field it goes. Both rule sets' runs use it.
#pragma once

#include "rules/tournament/field.h"
#include "sim/policies.h"
#include "sim/runner.h"

namespace holdem::sim {

// Folds everything that happens into the tournament's signature, and counts how far into the
// end of the field it goes.
class SignatureWatch final : public TableObserver {
  public:
    explicit SignatureWatch(TournamentResult& result) : result_(result) {}
    void hand_started(const Table& t) override {
        if (t.field.eliminated >= closing_threshold) result_.closing_regime = true;
        for (CardCode c : t.deck)
            mix(result_.signature, static_cast<std::uint64_t>(c));
        for (int k = 1; k <= seat_count; ++k)
            mix(result_.signature, static_cast<std::uint64_t>(t.seat(k).prize) << 8 |
                                       static_cast<std::uint64_t>(t.seat(k).dealer));
        mix(result_.signature, static_cast<std::uint64_t>(t.limits));
    }
    void ante_posted(const Table&, int seat, Chips amount) override {
        mix(result_.signature, static_cast<std::uint64_t>(amount) << 8 | seat << 4 | 0xa);
    }
    void blind_posted(const Table&, int seat, Chips amount, bool big) override {
        mix(result_.signature, static_cast<std::uint64_t>(amount) << 8 | seat << 1 | big);
    }
    void action_taken(const Table&, const ActionEvent& e) override {
        mix(result_.signature, static_cast<std::uint64_t>(e.amount) << 16 |
                                   static_cast<std::uint64_t>(e.action) << 8 |
                                   static_cast<std::uint64_t>(e.seat));
    }
    void pot_won(const Table&, int seat, Chips amount) override {
        mix(result_.signature, static_cast<std::uint64_t>(amount) << 8 | seat);
    }
    void seat_closed(const Table&, int) override { ++result_.seats_closed; }

  private:
    TournamentResult& result_;
};

}  // namespace holdem::sim
