// Hand histories on disk: one file per tournament in the user's data folder, each hand appended
// as it ends. A tournament taken up again goes on in its own file, cut back to the hands the
// saved game had seen end.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "report/hand_history.h"
#include "save/snapshot.h"

namespace holdem::ui {

class HistoryFile {
  public:
    // Starts a tournament's file in `folder` (the user's data folder by default), or takes up
    // the resumed tournament's file.
    explicit HistoryFile(QString folder = default_folder(),
                         const std::optional<SavedTournament>& resumed = std::nullopt);

    TableObserver& observer() { return *writer_; }
    const QString& path() const { return path_; }
    const std::string& id() const { return id_; }
    // How much of the file has been written: what a saved game remembers.
    std::uint64_t length() const;

    static QString default_folder();

  private:
    std::string id_;
    QString path_;
    std::unique_ptr<HandHistory> writer_;
};

}  // namespace holdem::ui
