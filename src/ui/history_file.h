// Hand histories on disk: one file per tournament in the user's data folder, each hand appended
// as it ends; under the standard rules every hand also goes to a PHH file beside it
// (`tournament-ID.phhs`), and under both rule sets a machine-readable record of each hand for
// the hands viewer (`tournament-ID.jsonl`). A tournament taken up again goes on in its own
// files, cut back to the hands the saved game had seen end.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "report/hand_history.h"
#include "save/hand_appender.h"
#include "save/snapshot.h"

namespace holdem::ui {

class HistoryFile {
  public:
    // Starts a tournament's file in `folder` (the user's data folder by default), or takes up
    // the resumed tournament's file.
    explicit HistoryFile(QString folder = default_folder(),
                         const std::optional<SavedTournament>& resumed = std::nullopt,
                         bool standard_rules = false);

    TableObserver& observer() { return *writer_; }
    // The PHH writer under the standard rules, else none.
    TableObserver* records() { return records_.get(); }
    const QString& path() const { return path_; }
    const QString& records_path() const { return records_path_; }
    // The hand records for the hands viewer.
    TableObserver& replays() { return *replays_; }
    const QString& replays_path() const { return replays_path_; }
    std::uint64_t replays_length() const;
    const std::string& id() const { return id_; }
    // How much of the file has been written: what a saved game remembers.
    std::uint64_t length() const;
    std::uint64_t records_length() const;
    // What could not be written, in one line for the window ("Hand history not written: no
    // space left on the disk"), or empty while every file takes its hands.
    QString problem() const;

    static QString default_folder();

  private:
    std::string id_;
    QString path_;
    QString records_path_;
    QString replays_path_;
    HandAppender text_, phh_, records_file_;
    QString cut_problem_;  // a saved length that fell inside a hand, when taken up
    std::unique_ptr<HandHistory> writer_;
    std::unique_ptr<TableObserver> records_;
    std::unique_ptr<TableObserver> replays_;
};

}  // namespace holdem::ui
