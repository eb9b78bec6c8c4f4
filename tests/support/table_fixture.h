// Shared set-up for the core's tests: tables with seeded or scripted randomness, stacked decks
// and a few readable ways to drive the game the way a host would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "betting/human_actions.h"
#include "betting/turns.h"
#include "game/cards.h"
#include "game/dealer.h"
#include "game/dealing.h"
#include "game/events.h"
#include "game/hand_driver.h"
#include "game/table.h"

namespace holdem::testing {

// Plays back fixed draws in order, then repeats the last one; reseeding does not restart it.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    void reseed() override { ++reseeds; }
    float next() override {
        if (draws_.empty()) return 0.0f;
        float r = draws_[std::min(position_, draws_.size() - 1)];
        ++position_;
        return r;
    }
    int reseeds = 0;

private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
};

inline std::unique_ptr<Table> seeded_table(std::uint64_t seed = 1) {
    return std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
}

// The draw that yields card code `code` from ⌊r × 52 + 1⌋.
inline float draw_for(CardCode code) { return (static_cast<float>(code) - 0.5f) / 52.0f; }

inline CardCode code_of(const std::string& text) {
    for (CardCode c = 1; c <= 52; ++c)
        if (convert2card(c) == text) return c;
    ADD_FAILURE() << "no card " << text;
    return 0;
}

// Puts the given 25 card texts into the deck (positions 0 … 24).
inline void stack_deck(Table& t, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size() && i < t.deck.size(); ++i) t.deck[i] = code_of(texts[i]);
}

// A deck whose hole cards are spread out and whose board is given.
inline std::vector<std::string> deck_with_board(std::vector<std::string> board) {
    std::vector<std::string> texts = {"2c", "3c", "4c", "5c", "6c", "7c", "8c", "9c", "Jc", "Qc",
                                      "2d", "3d", "4d", "5d", "6d", "7d", "8d", "9d", "Jd", "Qd"};
    texts.insert(texts.end(), board.begin(), board.end());
    return texts;
}

inline const std::string& caption(const Table& t, ControlId id) { return t.controls.caption(id); }
inline bool visible(const Table& t, ControlId id) { return t.controls[id].visible; }

}  // namespace holdem::testing
