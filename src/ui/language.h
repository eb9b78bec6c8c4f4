// The languages the window speaks: English, the game's own, and German, French and Spanish
// from translations built into the program. The player's choice, else the system's locale,
// picks one at start-up.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
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
// The code of the language installed last: "en" until another is.
QString spoken_language();

// A count of chips or players as the language writes it: "21,008" in English (thousands
// grouped) or "21008" (as digits), "21.008" in German either way.
QString grouped_words(std::int64_t value);
QString number_words(std::int64_t value);
// A number with `decimals` places: "1.25" in English, "1,25" in German.
QString decimal_words(double value, int decimals);
// A moment written in `format` ("2026-12-06 13:48:05"): as it stands in English, in the
// language's short form of a date and time otherwise.
QString moment_words(const QString& moment, const QString& format);
// The minute a tournament started, from the results' "2026-12-06 13:48:05": as it stands in
// English, in the language's short form of a date and time otherwise.
QString started_words(const std::string& started);

}  // namespace holdem::ui
