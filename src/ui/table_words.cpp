#include "ui/table_words.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstring>
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
            // The hand log's lines; a hand's name stays as the rules wrote it.
            {"You fold", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You fold")},
            {"(.+) folds", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 folds")},
            {"You check", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You check")},
            {"(.+) checks", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 checks")},
            {"You call (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You call %1")},
            {"(.+) calls (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 calls %2")},
            {"You bet (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You bet %1")},
            {"(.+) bets (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 bets %2")},
            {"You raise to (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You raise to %1")},
            {"(.+) raises to (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 raises to %2")},
            {"You raise (\\d+) to (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You raise %1 to %2")},
            {"(.+) raises (\\d+) to (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 raises %2 to %3")},
            {"You go all in with (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You go all in with %1")},
            {"(.+) goes all in with (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 goes all in with %2")},
            {"You post the ante (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You post the ante %1")},
            {"(.+) posts the ante (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 posts the ante %2")},
            {"You post the small blind (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You post the small blind %1")},
            {"(.+) posts the small blind (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 posts the small blind %2")},
            {"You post the big blind (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You post the big blind %1")},
            {"(.+) posts the big blind (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 posts the big blind %2")},
            {"You muck", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You muck")},
            {"(.+) mucks", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 mucks")},
            {"You show (\\S+ \\S+) \\((.+)\\)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You show %1 (%2)")},
            {"(.+) shows (\\S+ \\S+) \\((.+)\\)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 shows %2 (%3)")},
            {"You collected (\\d+) from pot with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You collected %1 from pot with %2")},
            {"You collected (\\d+) from pot",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You collected %1 from pot")},
            {"(.+) collected (\\d+) from pot with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 collected %2 from pot with %3")},
            {"(.+) collected (\\d+) from pot",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 collected %2 from pot")},
            {"Uncalled bet \\((\\d+)\\) returned to (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Uncalled bet (%1) returned to %2")},
            {"--- Hand (\\d+) --- blinds ([\\d/]+), You deal",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "--- Hand %1 --- blinds %2, You deal")},
            {"--- Hand (\\d+) --- blinds ([\\d/]+), (.+) deals",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "--- Hand %1 --- blinds %2, %3 deals")},
            {"--- Hand (\\d+) --- blinds ([\\d/]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "--- Hand %1 --- blinds %2")},
            {"\\*\\*\\* FLOP \\*\\*\\* (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "*** FLOP *** %1")},
            {"\\*\\*\\* TURN \\*\\*\\* (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "*** TURN *** %1")},
            {"\\*\\*\\* RIVER \\*\\*\\* (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "*** RIVER *** %1")},
        };
        std::vector<Form> made;
        for (const auto& [english, words] : table)
            made.push_back({QRegularExpression(QString("^") + english + "$"), words});
        return made;
    }();
    return all;
}

QString you() {
    return QCoreApplication::translate(context, QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You"));
}

QString part_in_language(const QString& part) {
    if (part == "You") return you();
    for (const Form& form : forms()) {
        const QRegularExpressionMatch m = form.english.match(part);
        if (!m.hasMatch()) continue;
        QString words = QCoreApplication::translate(context, form.words);
        // Without a translation the English form is given back exactly as the rules wrote it.
        if (words == form.words) return part;
        // The human is "You" in the rules' words, in any part of a line.
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            words = words.arg(m.captured(i) == "You" ? you() : m.captured(i));
        return words;
    }
    return part;
}

}  // namespace

QString in_language(const std::string& english) {
    QString text = QString::fromStdString(english);
    // "… and is all in" ends a line of any form: the form is given, then the ending.
    for (const char* ending : {QT_TRANSLATE_NOOP("holdem::ui::TableWords", " and is all in"),
                               QT_TRANSLATE_NOOP("holdem::ui::TableWords", " and are all in")})
        if (text.endsWith(QLatin1String(ending)) && text.size() > int(std::strlen(ending))) {
            text.chop(static_cast<int>(std::strlen(ending)));
            return in_language(text.toStdString()) + QCoreApplication::translate(context, ending);
        }
    QStringList parts = text.split(" · ");
    for (QString& part : parts)
        part = part_in_language(part);
    return parts.join(" · ");
}

}  // namespace holdem::ui
