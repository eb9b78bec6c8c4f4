#include "ui/table_words.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace holdem::ui {

namespace {

constexpr const char* context = "holdem::ui::TableWords";

struct Form {
    QRegularExpression english;
    const char* words;  // the translatable text, %1 … for what the English form captured
};

// Every form the table shows, each part of a line of parts apart ("Rank 4 of 90 · Average …").
const std::vector<Form>& forms() {
    static const std::vector<Form> all = [] {
        const std::pair<const char*, const char*> table[] = {
            {"Fold", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Fold")},
            {"Check", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Check")},
            {"Call (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Call %1")},
            {"Bet (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Bet %1")},
            {"Raise (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Raise %1")},
            {"All in", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "All in")},
            {"Small blind (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Small blind %1")},
            {"Big blind (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Big blind %1")},
            {"Ante (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Ante %1")},
            {"Pot (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Pot %1")},
            {"Main pot (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Main pot %1")},
            {"Side pot (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Side pot %1")},
            {"bet (\\d+) … (\\d+), then Enter",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "bet %1 … %2, then Enter")},
            {"raise to (\\d+) … (\\d+), then Enter",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "raise to %1 … %2, then Enter")},
            {"bet (\\d+), then Enter",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "bet %1, then Enter")},
            {"raise to (\\d+), then Enter",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "raise to %1, then Enter")},
            {"no raise: you may call or fold",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "no raise: you may call or fold")},
            {"Level (\\d+): ([\\d,/]+) ante ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Level %1: %2 ante %3")},
            {"Level (\\d+): ([\\d,/]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Level %1: %2")},
            {"Table (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Table %1")},
            {"Next ([\\d,/]+) ante ([\\d,]+) in (\\d+) hands?",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Next %1 ante %2 in %3 hands")},
            {"Next ([\\d,/]+) in (\\d+) hands?",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Next %1 in %2 hands")},
            {"Rank ([\\d,]+) of ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Rank %1 of %2")},
            {"Average ([\\d,]+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Average %1")},
            {"You (\\d+) BB", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You %1 BB")},
            {"([\\d,]+) paid", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 paid")},
            {"hand for hand", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "hand for hand")},
            {"final table", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "final table")},
            {"Limits Go Up in mins (\\d+) : (\\d+) sec",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Limits Go Up in mins %1 : %2 sec")},
            {"Limits (\\d+) - (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Limits %1 - %2")},
            {"Limits go up in (\\d+) hands?",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Limits go up in %1 hands")},
            {"Your Rank is (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Your Rank is %1")},
        };
        std::vector<Form> made;
        for (const auto& [english, words] : table)
            made.push_back({QRegularExpression(QString("^") + english + "$"), words});
        return made;
    }();
    return all;
}

QString part_in_language(const QString& part) {
    for (const Form& form : forms()) {
        const QRegularExpressionMatch m = form.english.match(part);
        if (!m.hasMatch()) continue;
        QString words = QCoreApplication::translate(context, form.words);
        // Without a translation the English form is given back exactly as the rules wrote it.
        if (words == form.words) return part;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            words = words.arg(m.captured(i));
        return words;
    }
    return part;
}

}  // namespace

QString in_language(const std::string& english) {
    const QString text = QString::fromStdString(english);
    QStringList parts = text.split(" · ");
    for (QString& part : parts)
        part = part_in_language(part);
    return parts.join(" · ");
}

}  // namespace holdem::ui
