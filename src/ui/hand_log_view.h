// The hand log beside the table: the last hands as they happen, earlier hands above,
// scrollable. It follows the newest line unless the player has scrolled up to read.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>
#include <deque>

#include "report/hand_log.h"

namespace holdem::ui {

class HandLogView : public QPlainTextEdit {
    Q_OBJECT
  public:
    // The log keeps this many hands; the hand-history files keep them all.
    static constexpr std::size_t hands_kept = 200;

    explicit HandLogView(QWidget* parent = nullptr);

    // The watcher to register with the table.
    TableObserver& observer() { return log_; }
    HandLog& log() { return log_; }
    // The log's lines as plain text, for tests and copying.
    QStringList lines();

  private:
    void add(const std::string& line);
    void flush();
    void forget_oldest_hand();

    HandLog log_;
    // Lines arriving together are added to the document together, a moment later, so the
    // table's own frame never waits for the log's.
    QStringList pending_;
    QTimer flush_timer_;
    // How many lines each hand shown has, oldest first (lines before the first header, if
    // any, count as a hand of their own).
    std::deque<int> hand_lines_{0};
    bool following_ = true;  // the view is at the newest line
    bool appending_ = false;
};

}  // namespace holdem::ui
