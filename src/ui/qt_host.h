// Connects the game core to Qt: delivers the player's input, runs the core's event loop up to
// the current time and arms one single-shot timer for its next deadline. No polling: between
// deadlines and input nothing runs.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/table.h"

namespace holdem::ui {

class QtHost : public QObject {
    Q_OBJECT
  public:
    // Milliseconds of game time; by default the real time since the host was made, counted on
    // from the table's own time, so a game taken up again goes on from where it was saved.
    using Clock = std::function<std::int64_t()>;

    explicit QtHost(std::unique_ptr<Table> table, Clock clock = {}, QObject* parent = nullptr);

    Table& table() { return *table_; }
    const Table& table() const { return *table_; }

    // The window's load: start values and the first hand.
    void start();
    // Plays on a saved game taken up again: no load, the clocks go on from the saved moment.
    void resume();
    void click(ControlId button);
    // A key typed into the amount box, with the box's text before the key lands.
    void amount_key(int key_code, const QString& text_before);
    void amount_text(const QString& text);
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
    Controls shown_;
    bool end_reported_ = false;
};

}  // namespace holdem::ui
