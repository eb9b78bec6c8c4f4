#include "ui/history_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <ctime>

namespace holdem::ui {

QString HistoryFile::default_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/hand-histories";
}

HistoryFile::HistoryFile(QString folder) {
    const std::time_t started = std::time(nullptr);
    const std::string id = tournament_id(started, true);
    QDir().mkpath(folder);
    path_ = folder + "/tournament-" + QString::fromStdString(id) + ".txt";
    writer_ = std::make_unique<HandHistory>(
        id, [] { return timestamp_text(std::time(nullptr), true); },
        [path = path_](const std::string& hand) {
            // A hand that cannot be written is lost from the history, never from the game.
            QFile file(path);
            if (file.open(QIODevice::Append))
                file.write(hand.data(), static_cast<qint64>(hand.size()));
        });
}

}  // namespace holdem::ui
