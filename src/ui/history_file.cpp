#include "ui/history_file.h"

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

std::uint64_t size_of(const QString& path) {
    const QFileInfo file(path);
    return file.exists() ? static_cast<std::uint64_t>(file.size()) : 0;
}

}  // namespace

HistoryFile::HistoryFile(QString folder, const std::optional<SavedTournament>& resumed,
                         bool standard_rules)
    : id_(resumed ? resumed->id : tournament_id(std::time(nullptr), true)) {
    QDir().mkpath(folder);
    path_ = folder + "/tournament-" + QString::fromStdString(id_) + ".txt";
    records_path_ = folder + "/tournament-" + QString::fromStdString(id_) + ".phhs";
    replays_path_ = folder + "/tournament-" + QString::fromStdString(id_) + ".jsonl";
    // Hands written after the saved game's moment are played again: they go from the files.
    if (resumed && length() > resumed->history_length)
        QFile::resize(path_, static_cast<qint64>(resumed->history_length));
    if (resumed && records_length() > resumed->records_length)
        QFile::resize(records_path_, static_cast<qint64>(resumed->records_length));
    if (resumed && replays_length() > resumed->replays_length)
        QFile::resize(replays_path_, static_cast<qint64>(resumed->replays_length));
    replays_ =
        std::make_unique<HandRecorder>([path = QFile::encodeName(replays_path_).toStdString()](
                                           const std::string& line) { append_whole(path, line); });
    if (standard_rules)
        records_ =
            std::make_unique<PhhWriter>("Final Table Hold'em, tournament " + id_,
                                        [path = QFile::encodeName(records_path_).toStdString()](
                                            const std::string& hand) { append_whole(path, hand); });
    writer_ = std::make_unique<HandHistory>(
        id_, [] { return timestamp_text(std::time(nullptr), true); },
        [path = QFile::encodeName(path_).toStdString()](const std::string& hand) {
            // A hand goes in whole or not at all, so the file always ends with a whole hand
            // (and a saved game's length of it counts whole hands). A hand that cannot be
            // written is lost from the history, never from the game.
            append_whole(path, hand);
        });
}

std::uint64_t HistoryFile::length() const {
    return size_of(path_);
}

std::uint64_t HistoryFile::records_length() const {
    return size_of(records_path_);
}

std::uint64_t HistoryFile::replays_length() const {
    return size_of(replays_path_);
}

}  // namespace holdem::ui
