#include "ui/saved_game.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "rules/tournament/field.h"
#include "save/snapshot_file.h"

namespace holdem::ui {

QString SavedGame::default_path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/tournament.json";
}

SavedGameFound SavedGame::look(const QString& path) {
    SavedGameFound found;
    if (!QFileInfo::exists(path)) return found;
    const std::string where = QFile::encodeName(path).toStdString();
    const std::optional<std::string> text = read_whole_file(where);
    std::string why = "it cannot be read";
    if (text) {
        auto loaded = load_snapshot(*text, clock_random(), clock_random());
        if (auto* game = std::get_if<LoadedGame>(&loaded)) {
            found.game = std::move(*game);
            return found;
        }
        why = std::get<std::string>(loaded);
    }
    set_aside(where);
    found.notice = "The saved tournament could not be resumed: " + QString::fromStdString(why) +
                   ". It was put aside and a new tournament starts.";
    return found;
}

QString SavedGame::summary(const Table& t) {
    // Saved as the deal timer runs out, the hand to play is the next one; saved at the start,
    // the first hand is dealt already.
    const auto hand = t.hands_started + (t.loop.focus_pending() ? 0 : 1);
    return QString("Saved tournament: hand %1, %2 players left, your stack %3")
        .arg(hand)
        .arg(entrants_left(t))
        .arg(QString::fromStdString(number_text(t.seat(1).prize)).trimmed());
}

}  // namespace holdem::ui
