// The rule set a table plays by, as its host sees it: start the game or take it up again, run
// its clocks, take the player's intents and fill the table picture. The table's options choose
// the classic game or the standard rules.
#pragma once

#include <cstdint>
#include <memory>

#include "model/table.h"
#include "picture/table_intents.h"
#include "picture/table_picture.h"
#include "report/table_notes.h"
#include "save/snapshot.h"
#include "standard/table_game.h"

namespace holdem {

class TableRules : public TableIntents {
  public:
    // The start values and the first hand.
    virtual void start() = 0;
    // Plays on a saved game taken up again.
    virtual void resume() = 0;
    // Runs everything due up to game time `ms`.
    virtual void run_until(std::int64_t ms) = 0;
    virtual void fill(const TableNotes& notes, TablePicture& picture) const = 0;
    // The whole field beside the table, when a structure of its own plays; else none.
    virtual const standard::FieldPlay* field() const { return nullptr; }
    // The field as a saved game keeps it, copied at the moment between hands.
    std::shared_ptr<const SavedField> field_for_save() const;
};

// The rule set the table's options name. Under the standard rules `computer`, when given,
// decides the computer seats' moves in place of the standard players (tools that drive the
// rules hard want moves of every kind, cheaply).
// A game taken up again brings its `field`; a new whole-field tournament draws one.
std::unique_ptr<TableRules> rules_for(Table& t,
                                      standard::TableGame::ComputerPlayer computer = nullptr,
                                      std::shared_ptr<const SavedField> field = nullptr);

}  // namespace holdem
