// The standard rules behind the table picture: the picture filled from the table and the hand
// under way, and the player's intents mapped onto the hand's legal moves.
#pragma once

#include <string>

#include "model/table.h"
#include "picture/table_intents.h"
#include "picture/table_picture.h"
#include "report/table_notes.h"
#include "standard/table_game.h"

namespace holdem {

// What half the pot and the pot raise to for the seat to act: the call, then that share of the
// pot the call makes, kept within the least raise and all in.
std::int64_t quick_amount(const standard::HandState& hand, double share_of_pot);

class StandardIntents final : public TableIntents {
  public:
    explicit StandardIntents(standard::TableGame& game, Table& t) : game_(game), t_(t) {}
    void act(Intent intent) override;
    void amount_key(int key_code, const std::string& text_before) override;
    void amount_edited(const std::string& text) override { amount_text_ = text; }
    // The amount box's text as the game keeps it.
    const std::string& amount_text() const { return amount_text_; }

  private:
    void raise_to(std::int64_t to);
    void bet_typed(const std::string& text);

    standard::TableGame& game_;
    Table& t_;
    std::string amount_text_;
};

// Writes what the standard table shows now into `picture`.
void fill_standard_picture(const Table& t, const standard::TableGame& game, const TableNotes& notes,
                           const std::string& amount_text, TablePicture& picture);

}  // namespace holdem
