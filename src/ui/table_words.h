// The table's own words in the language the window speaks. The rules write what the table
// shows in English ("Call 20", "Main pot 300 · Side pot 180", "raise to 40 … 960, then
// Enter"); each form is matched here and given in the translation, its numbers and names kept.
// A text of no known form is shown as it is; without a translation every text is unchanged.
#pragma once

#include <QString>
#include <string>

namespace holdem::ui {

QString in_language(const std::string& english);
// What the table says to assistive technology (a seat, the board, the turn) in the language.
QString spoken_in_language(const std::string& english);

}  // namespace holdem::ui
