#include "ui/language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "model/numbers.h"

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

namespace {
QString& spoken() {
    static QString code = "en";
    return code;
}
}  // namespace

QString spoken_language() {
    return spoken();
}

bool install_translation(QCoreApplication& app, const QString& code) {
    // Kept for the program's life, as the application holds them by pointer.
    static QTranslator game, qt;
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&qt);
    // Numbers and dates follow the language spoken; English keeps the game's own forms.
    QLocale::setDefault(QLocale::system());
    spoken() = "en";
    if (code == "en") return true;
    if (!game.load(":/translations/final-table-holdem_" + code + ".qm")) return false;
    QLocale::setDefault(QLocale(code));
    spoken() = code;
    // Qt's own words (the dialogs' buttons) where the system has them.
    if (qt.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt);
    return app.installTranslator(&game);
}

namespace {
// A line is never broken inside a number: the thin space some languages group digits with
// is given as a space that holds.
QString locale_number(std::int64_t value) {
    return QLocale().toString(static_cast<qlonglong>(value)).replace(QChar(0x202F), QChar(0x00A0));
}
}  // namespace

QString grouped_words(std::int64_t value) {
    if (spoken() == "en") return QString::fromStdString(grouped(value));
    return locale_number(value);
}

QString number_words(std::int64_t value) {
    if (spoken() == "en") return QString::number(value);
    return locale_number(value);
}

QString decimal_words(double value, int decimals) {
    if (spoken() == "en") return QString::number(value, 'f', decimals);
    return QLocale().toString(value, 'f', decimals);
}

QString moment_words(const QString& moment, const QString& format) {
    if (spoken() == "en") return moment;
    const QDateTime when = QDateTime::fromString(QString(moment).replace('T', ' '), format);
    return when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : moment;
}

QString started_words(const std::string& started) {
    return moment_words(QString::fromStdString(started.substr(0, 16)), "yyyy-MM-dd HH:mm");
}

}  // namespace holdem::ui
