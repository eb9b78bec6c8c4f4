// The hand log beside the table: every hand as it happens, earlier hands above, scrollable.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include "report/hand_log.h"

namespace holdem::ui {

class HandLogView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit HandLogView(QWidget* parent = nullptr);

    // The watcher to register with the table.
    TableObserver& observer() { return log_; }
    // The log's lines as plain text, for tests and copying.
    QStringList lines();

  private:
    void add(const std::string& line);
    void flush();

    HandLog log_;
    // Lines arriving together are added to the document together, a moment later, so the
    // table's own frame never waits for the log's.
    QStringList pending_;
    QTimer flush_timer_;
};

}  // namespace holdem::ui
