// How the game names itself to the desktop: its id (the desktop entry's and the icon's name) and
// the icon every window carries.
#pragma once

#include <QIcon>
#include <QString>

namespace holdem::ui {

inline const QString app_id = QStringLiteral("org.finaltableholdem.FinalTableHoldem");

// The icon at every size built into the program, from 16 to 256 pixels.
QIcon app_icon();

}  // namespace holdem::ui
