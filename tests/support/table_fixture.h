// Shared set-up for the core's tests: tables with seeded or scripted randomness, stacked decks
// and a few readable ways to drive the game the way a host would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cycle/dealer.h"
#include "cycle/dealing.h"
#include "cycle/events.h"
#include "cycle/hand_driver.h"
#include "cycle/human_actions.h"
#include "cycle/turns.h"
#include "model/cards.h"
#include "model/table.h"

namespace holdem::testing {

// Plays back fixed draws in order, then goes on with seeded draws; reseeding does not restart
// the script.
class ScriptedRandom final : public Random {
  public:
    explicit ScriptedRandom(std::vector<float> draws, std::uint64_t seed = 99)
        : draws_(std::move(draws)), rest_(seed) {}
    void reseed() override {
        ++reseeds;
        if (position_ >= draws_.size()) rest_.reseed();
    }
    float next() override {
        if (position_ < draws_.size()) return draws_[position_++];
        return rest_.next();
    }
    State state() const override { return rest_.state(); }
    void restore(const State& s) override { rest_.restore(s); }
    int reseeds = 0;

  private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
    SeededRandom rest_;
};

inline std::unique_ptr<Table> seeded_table(std::uint64_t seed = 1) {
    return std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
}

// The draw that yields card code `code` from ⌊r × 52 + 1⌋.
inline float draw_for(CardCode code) {
    return (static_cast<float>(code) - 0.5f) / 52.0f;
}

inline CardCode code_of(const std::string& text) {
    for (CardCode c = 1; c <= 52; ++c)
        if (convert2card(c) == text) return c;
    ADD_FAILURE() << "no card " << text;
    return 0;
}

// Puts the given 25 card texts into the deck (positions 0 … 24).
inline void stack_deck(Table& t, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size() && i < t.deck.size(); ++i)
        t.deck[i] = code_of(texts[i]);
}

// A deck whose hole cards are spread out and whose board is given.
inline std::vector<std::string> deck_with_board(std::vector<std::string> board) {
    std::vector<std::string> texts = {"2c", "3c", "4c", "5c", "6c", "7c", "8c", "9c", "Jc", "Qc",
                                      "2d", "3d", "4d", "5d", "6d", "7d", "8d", "9d", "Jd", "Qd"};
    texts.insert(texts.end(), board.begin(), board.end());
    return texts;
}

// Draws that make `dealer` win the opening toss with the ace of spades, followed by the
// draws of the first hand's deck (seeded when none is given).
inline std::vector<float> toss_draws(int dealer, const std::vector<std::string>& first_hand = {}) {
    std::vector<float> draws;
    for (CardCode c = 1; c <= 25; ++c)
        draws.push_back(draw_for(c));  // drawn and thrown away
    CardCode low = 1;
    for (int position = 0; position < 25; ++position)
        draws.push_back(draw_for(position == dealer - 1 ? 52 : low++));
    for (const std::string& text : first_hand)
        draws.push_back(draw_for(code_of(text)));
    return draws;
}

// A started game whose first hand is dealt by `dealer`, blinds posted, the clock running.
inline std::unique_ptr<Table> game_with_dealer(int dealer,
                                               const std::vector<std::string>& first_hand = {},
                                               std::uint64_t seed = 5) {
    auto t = std::make_unique<Table>(
        std::make_unique<ScriptedRandom>(toss_draws(dealer, first_hand), seed));
    start_game(*t);
    return t;
}

// Sets every seat's standing (the computer seats bet by it) and a matching hand number.
inline void set_standings(Table& t, std::array<int, 10> ranks) {
    for (int k = 1; k <= 10; ++k) {
        t.seat(k).handrank = static_cast<std::int16_t>(ranks[k - 1]);
        t.seat(k).handnumber = 1000 - 100 * ranks[k - 1];
    }
}

// Advances virtual time by whole pacing-clock ticks.
inline void ticks(Table& t, int n = 1) {
    run_until(t, t.loop.now() + 1500LL * n);
}

inline std::string focus_name(const Table& t) {
    return t.loop.focus() ? control_name(*t.loop.focus()) : std::string("none");
}

inline Chips stacks_and_pot(const Table& t) {
    Chips sum = t.pot;
    for (int k = 1; k <= 10; ++k)
        sum += t.seat(k).prize;
    return sum;
}

// A seat's two hand cards and its copy of the board, as card texts.
inline void set_seven_cards(Player& p, std::array<const char*, 7> cards) {
    p.cardtext1 = cards[0];
    p.cardtext2 = cards[1];
    p.flop1 = cards[2];
    p.flop2 = cards[3];
    p.flop3 = cards[4];
    p.flop4 = cards[5];
    p.flop5 = cards[6];
}

inline const std::string& caption(const Table& t, ControlId id) {
    return t.controls.caption(id);
}
inline bool visible(const Table& t, ControlId id) {
    return t.controls[id].visible;
}

}  // namespace holdem::testing
