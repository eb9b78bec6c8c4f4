#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace holdem::ui {

const std::vector<std::pair<QString, QString>>& languages() {
    static const std::vector<std::pair<QString, QString>> all = {
        {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}};
    return all;
}

QString language_for(const QString& chosen) {
    for (const auto& [code, name] : languages())
        if (chosen == code) return code;
    // The first of the system's languages the game speaks; English when none.
    for (const QString& wanted : QLocale::system().uiLanguages()) {
        const QString code = wanted.left(2).toLower();
        for (const auto& [known, name] : languages())
            if (code == known) return known;
    }
    return "en";
}

bool install_translation(QCoreApplication& app, const QString& code) {
    // Kept for the program's life, as the application holds them by pointer.
    static QTranslator game, qt;
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&qt);
    if (code == "en") return true;
    if (!game.load(":/translations/final-table-holdem_" + code + ".qm")) return false;
    // Qt's own words (the dialogs' buttons) where the system has them.
    if (qt.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt);
    return app.installTranslator(&game);
}

}  // namespace holdem::ui
