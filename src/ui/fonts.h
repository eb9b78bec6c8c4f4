// The fonts the window draws with: DejaVu Sans, built into the program, and standing in for the
// splash's Arial where the machine has none.
#pragma once

#include <QString>

namespace holdem::ui {

inline const QString ui_font_family = QStringLiteral("DejaVu Sans");

// Registers the built-in fonts with the application; safe to call more than once.
void load_fonts();

}  // namespace holdem::ui
