// Hand histories on disk: one file per tournament in the user's data folder, each hand appended
// as it ends.
#pragma once

#include <QString>
#include <memory>

#include "report/hand_history.h"

namespace holdem::ui {

class HistoryFile {
  public:
    // Starts a tournament's file in `folder` (the user's data folder by default).
    explicit HistoryFile(QString folder = default_folder());

    TableObserver& observer() { return *writer_; }
    const QString& path() const { return path_; }

    static QString default_folder();

  private:
    QString path_;
    std::unique_ptr<HandHistory> writer_;
};

}  // namespace holdem::ui
