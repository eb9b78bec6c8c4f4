// The tournament kept on disk between runs: where it lives, and what the game finds there when
// it starts, an unfinished tournament to offer, or a file it cannot trust, set aside.
#pragma once

#include <QString>
#include <optional>

#include "save/snapshot.h"

namespace holdem::ui {

struct SavedGameFound {
    std::optional<LoadedGame> game;  // an unfinished tournament that can be resumed
    QString notice;                  // one line for the player when a file was refused
};

class SavedGame {
  public:
    static QString default_path();
    // Reads and checks the saved game at `path`; a file that cannot be trusted is renamed
    // `.corrupt` and the notice says so. No file: nothing found, no notice.
    static SavedGameFound look(const QString& path);
    // One line about the saved tournament, for the player to choose by.
    static QString summary(const Table& t);
};

}  // namespace holdem::ui
