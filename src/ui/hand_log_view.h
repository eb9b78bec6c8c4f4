// The hand log beside the table: every hand as it happens, earlier hands above, scrollable.
#pragma once

#include <QPlainTextEdit>

#include "report/hand_log.h"

namespace holdem::ui {

class HandLogView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit HandLogView(QWidget* parent = nullptr);

    // The watcher to register with the table.
    TableObserver& observer() { return log_; }
    // The log's lines as plain text, for tests and copying.
    QStringList lines() const;

  private:
    void add(const std::string& line);

    HandLog log_;
};

}  // namespace holdem::ui
