// The languages the window speaks: English, the game's own, and German, French and Spanish
// from translations built into the program. The player's choice, else the system's locale,
// picks one at start-up.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QCoreApplication;

namespace holdem::ui {

// Each language's code and its name in itself: "de", "Deutsch".
const std::vector<std::pair<QString, QString>>& languages();

// The language to speak for a choice ("" the system's): a code of `languages()`.
QString language_for(const QString& chosen);

// Installs the translation of the language (none for English); false when there is none.
bool install_translation(QCoreApplication& app, const QString& code);

}  // namespace holdem::ui
