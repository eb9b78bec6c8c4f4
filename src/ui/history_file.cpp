#include "ui/history_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <ctime>

#include "report/hand_record.h"
#include "report/phh_writer.h"
#include "save/snapshot_file.h"

namespace holdem::ui {

QString HistoryFile::default_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/hand-histories";
}

namespace {

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

HistoryFile::HistoryFile(QString folder, const std::optional<SavedTournament>& resumed,
                         bool standard_rules)
    : id_(resumed ? resumed->id : tournament_id(std::time(nullptr), true)),
      path_(folder + "/tournament-" + QString::fromStdString(id_) + ".txt"),
      records_path_(folder + "/tournament-" + QString::fromStdString(id_) + ".phhs"),
      replays_path_(folder + "/tournament-" + QString::fromStdString(id_) + ".jsonl"),
      text_(local(path_), HandFile::text_history),
      phh_(local(records_path_), HandFile::phh),
      records_file_(local(replays_path_), HandFile::records) {
    QDir().mkpath(folder);
    // Hands written after the saved game's moment are played again: they go from the files,
    // cut back where a hand begins; a save that does not know a file's length leaves it whole.
    if (resumed) {
        const std::pair<HandAppender*, std::optional<std::uint64_t>> cuts[] = {
            {&text_, resumed->history_length},
            {&phh_, resumed->records_length},
            {&records_file_, resumed->replays_length}};
        for (const auto& [file, length] : cuts) {
            std::string why;
            if (length && !cut_back(file->path(), *length, file->kind(), &why))
                cut_problem_ = QString("%1 not taken back to the saved hand: %2")
                                   .arg(QFileInfo(QString::fromStdString(file->path())).fileName(),
                                        QString::fromStdString(why));
        }
    }
    replays_ = std::make_unique<HandRecorder>(
        [this](const std::string& line) { records_file_.append(line); });
    if (standard_rules)
        records_ =
            std::make_unique<PhhWriter>("Final Table Hold'em, tournament " + id_,
                                        [this](const std::string& hand) { phh_.append(hand); });
    // A hand goes in whole or not at all, so the file always ends with a whole hand (and a
    // saved game's length of it counts whole hands). A hand that cannot be written waits for
    // the next that can; it is never lost from the game.
    writer_ = std::make_unique<HandHistory>(
        id_, [] { return timestamp_text(std::time(nullptr), true); },
        [this](const std::string& hand) {
            text_.append(hand);
            // A file kept whole is told until the next hand has gone in.
            if (!text_.problem()) cut_problem_.clear();
        });
}

std::uint64_t HistoryFile::length() const {
    return text_.length();
}

std::uint64_t HistoryFile::records_length() const {
    return phh_.length();
}

std::uint64_t HistoryFile::replays_length() const {
    return records_file_.length();
}

QString HistoryFile::problem() const {
    for (const HandAppender* file : {&text_, &phh_, &records_file_})
        if (file->problem())
            return QCoreApplication::translate("holdem::ui::HistoryFile",
                                               "Hand history not written (%1): %2")
                .arg(QFileInfo(QString::fromStdString(file->path())).fileName(),
                     QString::fromStdString(*file->problem()));
    return cut_problem_;
}

}  // namespace holdem::ui
