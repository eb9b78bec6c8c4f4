#include "ui/saved_game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <ctime>

#include "rules/tournament/field.h"
#include "save/game_keeper.h"
#include "save/snapshot_file.h"
#include "ui/language.h"

namespace holdem::ui {

QString SavedGame::default_path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/tournament.json";
}

SavedGameFound SavedGame::look(const QString& path) {
    SavedGameFound found;
    const std::string where = QFile::encodeName(path).toStdString();
    remove_leftovers(where);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return found;
    const FileRead read = read_saved_file(where, max_save_bytes);
    std::string why = read.why;
    if (read.text) {
        auto loaded = load_snapshot(*read.text, clock_random(), clock_random());
        if (auto* game = std::get_if<LoadedGame>(&loaded)) {
            found.game = std::move(*game);
            return found;
        }
        why = std::get<std::string>(loaded);
    }
    const SetAside aside = set_aside(where, std::time(nullptr));
    const QString reason = QString::fromStdString(why);
    if (aside.path)
        found.notice =
            QCoreApplication::translate(
                "holdem::ui::SavedGame",
                "The saved tournament could not be resumed: %1. It was put aside as "
                "%2 and a new tournament starts.")
                .arg(reason, QFileInfo(QFile::decodeName(aside.path->c_str())).fileName());
    else
        found.notice = QCoreApplication::translate(
                           "holdem::ui::SavedGame",
                           "The saved tournament could not be resumed: %1. It could not be put "
                           "aside either (%2); the new tournament's first save will replace it.")
                           .arg(reason, QString::fromStdString(aside.why));
    return found;
}

QString SavedGame::summary(const Table& t) {
    return QCoreApplication::translate("holdem::ui::SavedGame",
                                       "Saved tournament: hand %1, %2 players left, your stack %3")
        .arg(hand_to_play(t))
        .arg(number_words(entrants_left(t)))
        .arg(number_words(t.seat(1).prize));
}

}  // namespace holdem::ui
