#include "ui/fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace holdem::ui {

void load_fonts() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
    QFont::insertSubstitution(QStringLiteral("Arial"), ui_font_family);
}

}  // namespace holdem::ui
