// The classic game behind the table picture: the picture filled from its table and controls,
// and the player's intents mapped onto its handlers.
#pragma once

#include "model/table.h"
#include "picture/table_intents.h"
#include "picture/table_picture.h"
#include "report/table_notes.h"

namespace holdem {

// Writes what the classic table shows now into `picture`, with the notes' last actions and
// awards.
void fill_classic_picture(const Table& t, const TableNotes& notes, TablePicture& picture);

class ClassicIntents final : public TableIntents {
  public:
    explicit ClassicIntents(Table& t) : t_(t) {}
    void act(Intent intent) override;
    void amount_key(int key_code, const std::string& text_before) override;
    void amount_edited(const std::string& text) override;

  private:
    Table& t_;
};

}  // namespace holdem
