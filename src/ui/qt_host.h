// Connects the game core to Qt: delivers the player's intents, runs the core's event loop up to
// the current time, arms one single-shot timer for its next deadline and keeps the table picture
// the window draws. No polling: between deadlines and input nothing runs.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/table.h"
#include "picture/table_intents.h"
#include "picture/table_picture.h"
#include "picture/table_rules.h"
#include "report/table_notes.h"

namespace holdem::ui {

class QtHost : public QObject, public TableIntents {
    Q_OBJECT
  public:
    // Milliseconds of game time; by default the real time since the host was made, counted on
    // from the table's own time, so a game taken up again goes on from where it was saved.
    using Clock = std::function<std::int64_t()>;

    // A game taken up again brings its whole `field`, when it plays one.
    explicit QtHost(std::unique_ptr<Table> table, Clock clock = {}, QObject* parent = nullptr,
                    std::shared_ptr<const SavedField> field = nullptr);
    ~QtHost() override;

    Table& table() { return *table_; }
    const Table& table() const { return *table_; }
    // What the table shows now, with each seat's last action and the winners.
    const TablePicture& picture() const { return picture_; }
    const TableNotes& notes() const { return notes_; }
    TableNotes& notes() { return notes_; }
    // The whole field beside the table, if a structure of its own plays, and its copy to save.
    const standard::FieldPlay* field() const { return rules_->field(); }
    std::shared_ptr<const SavedField> field_for_save() const { return rules_->field_for_save(); }

    // The window's load: start values and the first hand.
    void start();
    // Plays on a saved game taken up again: no load, the clocks go on from the saved moment.
    void resume();
    void act(Intent intent) override;
    void amount_key(int key_code, const std::string& text_before) override;
    void amount_edited(const std::string& text) override;
    // Runs everything due by now, re-arms the timer and tells the window when what it shows
    // has changed.
    void pump();

    std::int64_t now() const { return clock_(); }
    // The game time the timer is armed for, if any.
    std::optional<std::int64_t> armed_for() const { return armed_for_; }

  signals:
    void changed();
    void gameEnded(holdem::GameEnd why);

  private:
    std::unique_ptr<Table> table_;
    Clock clock_;
    QElapsedTimer elapsed_;
    QTimer timer_;
    std::optional<std::int64_t> armed_for_;
    TableNotes notes_;
    std::unique_ptr<TableRules> rules_;  // the classic game or the standard rules
    TablePicture picture_;
    bool end_reported_ = false;
};

}  // namespace holdem::ui
