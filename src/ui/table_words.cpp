#include "ui/table_words.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "ui/language.h"

namespace holdem::ui {

namespace {

constexpr const char* context = "holdem::ui::TableWords";

struct Form {
    QRegularExpression english;
    const char* words;  // the translatable text, %1 … for what the English form captured
};

// Each English form (a pattern of the whole text) beside its translatable words.
template <std::size_t N>
std::vector<Form> compiled(const std::pair<const char*, const char*> (&table)[N]) {
    std::vector<Form> made;
    for (const auto& [english, words] : table)
        made.push_back({QRegularExpression(QString("^") + english + "$"), words});
    return made;
}

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
            {"Raise to (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Raise to %1")},
            {"All in (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "All in %1")},
            // The end of the tournament for the human, and the director's news.
            {"You finished (\\d+)(?:st|nd|rd|th) of ([\\d,]+) and won ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You finished %1 of %2 and won %3")},
            {"You finished (\\d+)(?:st|nd|rd|th) of ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You finished %1 of %2")},
            {"The final table: the last (\\d+) play on",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "The final table: the last %1 play on")},
            {"The bubble has burst: the last ([\\d,]+) are in the money",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "The bubble has burst: the last %1 are in the money")},
            {"The money bubble: ([\\d,]+) left, ([\\d,]+) paid",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "The money bubble: %1 left, %2 paid")},
            {"Hand for hand", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Hand for hand")},
            {"Your table is broken: you move to table (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "Your table is broken: you move to table %1")},
            {"The tables are balanced: you move to table (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "The tables are balanced: you move to table %1")},
            // The winner's line.
            {"You win (\\d+) with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You win %1 with %2")},
            {"You win (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You win %1")},
            {"(.+) wins (\\d+) with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 wins %2 with %3")},
            {"(.+) wins (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 wins %2")},
            {"Split pot: (.+) and (.+) win (\\d+) each with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "Split pot: %1 and %2 win %3 each with %4")},
            {"Split pot: (.+) and (.+) win (\\d+) each",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Split pot: %1 and %2 win %3 each")},
            {"Split pot: (.+) and (.+) with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Split pot: %1 and %2 with %3")},
            {"Split pot: (.+) and (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Split pot: %1 and %2")},
            // The odds helper's and the advisor's lines.
            {"Estimate: win (\\d+)%, tie (\\d+)%",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Estimate: win %1%, tie %2%")},
            {"Estimate: equity (\\d+)% against their likely hands",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "Estimate: equity %1% against their likely hands")},
            {"pot odds (\\d+)%", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "pot odds %1%")},
            {"(\\d+) outs", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 outs")},
            {"(.+): (\\d+) % equity against their likely hands, (\\d+) % needed at this price, "
             "(.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1: %2 % equity against their likely hands, %3 % needed at this "
                               "price, %4")},
            {"(.+): (\\d+) % equity against their likely hands, (\\d+) % needed at this price",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1: %2 % equity against their likely hands, %3 % needed at this "
                               "price")},
            {"(.+): (\\d+) % equity against their likely hands, (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1: %2 % equity against their likely hands, %3")},
            {"(.+): (\\d+) % equity against their likely hands",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1: %2 % equity against their likely hands")},
            {"short, all in or fold",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "short, all in or fold")},
            {"a top (\\d+) % hand", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "a top %1 % hand")},
            {"(\\d+) big blinds", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 big blinds")},
            {"last to act", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "last to act")},
            {"(\\d+) to act after you",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 to act after you")},
            {"(\\d+) still to act", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 still to act")},
            {"near the money a call must carry (\\d+) points more",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "near the money a call must carry %1 points more")},
            // The standings.
            {"([\\d,]+) of ([\\d,]+) left",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 of %2 left")},
            {"average ([\\d,]+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "average %1")},
            {"prize pool ([\\d,]+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "prize pool %1")},
            {"You: rank ([\\d,]+) of ([\\d,]+) with ([\\d,]+) at table (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You: rank %1 of %2 with %3 at table %4")},
            {"In the money: every player left is paid",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "In the money: every player left is paid")},
            {"On the bubble: the next player out finishes (\\d+)(?:st|nd|rd|th) and is paid "
             "nothing",
             QT_TRANSLATE_NOOP(
                 "holdem::ui::TableWords",
                 "On the bubble: the next player out finishes %1 and is paid nothing")},
            {"The bubble: (\\d+)(?:st|nd|rd|th) is paid nothing",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "The bubble: %1 is paid nothing")},
            {"([\\d,]+) more players out and the rest are paid",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1 more players out and the rest are paid")},
            {"Table (\\d+), hand (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Table %1, hand %2")},
            {"Blinds ([\\d,/]+) ante ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Blinds %1 ante %2")},
            {"Blinds ([\\d,/]+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Blinds %1")},
            {"(.+): ([\\d,]+) before the hand, ([\\d,]+) after",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1: %2 before the hand, %3 after")},
            // A seat's tooltip: its style, and what it has been seen to do.
            {"(.+) plays (tight-passive|tight-aggressive|loose-passive|loose-aggressive)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 plays %2")},
            {"(.+), (\\d+) hands? seen: puts chips in before the flop in (\\S+) % \\(VPIP\\), "
             "raises before the flop in (\\S+) % \\(PFR\\), re-raises a raise (\\S+) % \\(of "
             "(\\d+)\\), bets and raises (\\S+) times per call after the flop \\((\\d+) "
             "actions\\), "
             "folds to a continuation bet (\\S+) % \\(of (\\d+)\\)",
             QT_TRANSLATE_NOOP(
                 "holdem::ui::TableWords",
                 "%1, %2 hands seen: puts chips in before the flop in %3 % (VPIP), "
                 "raises before the flop in %4 % (PFR), re-raises a raise %5 % (of "
                 "%6), bets and raises %7 times per call after the flop (%8 actions), "
                 "folds to a continuation bet %9 % (of %10)")},
            {"1st", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "1st")},
            {"(\\d+)(?:st|nd|rd|th)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1th")},
            {"(\\d+(?:st|nd|rd|th))–(\\d+(?:st|nd|rd|th))",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1–%2")},
            // The review's decisions.
            {"(.+) with (\\d+) % equity needing (\\d+) %: about −(\\d+) chips",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1 with %2 % equity needing %3 %: about −%4 chips")},
            {"(.+) with (\\d+) % equity: about −(\\d+) chips",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 with %2 % equity: about −%3 chips")},
            {"called (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "called %1")},
            {"bet (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "bet %1")},
            {"raised to (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "raised to %1")},
            {"moved all in for (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "moved all in for %1")},
            // A hand's name, as the standard reading and the classic one write it; its
            // ranks and suits are words of their own below.
            {"Royal flush", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Royal flush")},
            // Aces on their own, where a language joins the word to the one before it.
            {"Pair of aces", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Pair of aces")},
            {"Three of a kind, aces",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Three of a kind, aces")},
            {"Four of a kind, aces",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Four of a kind, aces")},
            {"High card, (\\w+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "High card, %1")},
            {"Pair of (\\w+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Pair of %1")},
            {"Two pair, (\\w+) and (\\w+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Two pair, %1 and %2")},
            {"Two pair, (\\w+) high",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Two pair, %1 high")},
            {"Three of a kind, (\\w+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Three of a kind, %1")},
            {"Straight, (\\w+) high",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Straight, %1 high")},
            {"Flush, (\\w+)-(\\w+) high",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Flush, %1-%2 high")},
            {"Flush, (\\w+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Flush, %1")},
            {"Full house, (\\w+) full of (\\w+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Full house, %1 full of %2")},
            {"Full house, (\\w+) full",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Full house, %1 full")},
            {"Four of a kind, (\\w+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Four of a kind, %1")},
            {"Straight flush, (\\w+) high",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Straight flush, %1 high")},
            // The log's pots and the seats' comings and goings.
            {"Total pot (\\d+) Main pot (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Total pot %1 Main pot %2")},
            {"Total pot (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Total pot %1")},
            {"Side pot-(\\d+) (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "Side pot-%1 %2")},
            {"You collected (\\d+) from main pot with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You collected %1 from main pot with %2")},
            {"You collected (\\d+) from main pot",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You collected %1 from main pot")},
            {"You collected (\\d+) from side pot-(\\d+) with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "You collected %1 from side pot-%2 with %3")},
            {"You collected (\\d+) from side pot-(\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You collected %1 from side pot-%2")},
            {"(.+) collected (\\d+) from main pot with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 collected %2 from main pot with %3")},
            {"(.+) collected (\\d+) from main pot",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 collected %2 from main pot")},
            {"(.+) collected (\\d+) from side pot-(\\d+) with (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "%1 collected %2 from side pot-%3 with %4")},
            {"(.+) collected (\\d+) from side pot-(\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 collected %2 from side pot-%3")},
            {"(\\d+) goes back to (.+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 goes back to %2")},
            {"You sit out", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You sit out")},
            {"(.+) sits out", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 sits out")},
            {"You pay (\\d+) for sitting out on the button",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "You pay %1 for sitting out on the button")},
            {"(.+) takes seat (\\d+) with (\\d+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 takes seat %2 with %3")},
            {"(.+) is out of the tournament",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "%1 is out of the tournament")},
            {"seat (\\d+) closes", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "seat %1 closes")},
            // The log's last line.
            {"You are out of chips: (.+)\\.",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You are out of chips: %1.")},
            {"you finished (\\d+)(?:st|nd|rd|th) of ([\\d,]+) and won ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "you finished %1 of %2 and won %3")},
            {"you finished (\\d+)(?:st|nd|rd|th) of ([\\d,]+)",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "you finished %1 of %2")},
            {"your rank is (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::TableWords", "your rank is %1")},
            {"You won the tournament!",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You won the tournament!")},
            {"You leave the table\\.",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You leave the table.")},
            {"The game stops: a chip count grew beyond what it can hold\\.",
             QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                               "The game stops: a chip count grew beyond what it can hold.")},
            // The hand log's lines.
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
        return compiled(table);
    }();
    return all;
}

// The ranks and suits a hand's name is made of, the streets and the review's verbs: words
// of their own, wherever they stand.
[[maybe_unused]] constexpr const char* card_words[] = {
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "two"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "three"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "four"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "five"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "six"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "seven"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "eight"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "nine"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "ten"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "jack"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "queen"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "king"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "ace"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "twos"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "threes"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "fours"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "fives"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "sixes"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "sevens"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "eights"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "nines"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "tens"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "jacks"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "queens"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "kings"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "aces"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "clubs"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "diamonds"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "hearts"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "spades"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "preflop"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "flop"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "turn"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "river"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "folded"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "checked"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "all in"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "tight-passive"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "tight-aggressive"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "loose-passive"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", "loose-aggressive"),
};

// Endings any line may carry after its form: the all-in of an action, the draws of a holding.
constexpr const char* endings[] = {
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", " and is all in"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", " and are all in"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", ", flush draw"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", ", open-ended straight draw"),
    QT_TRANSLATE_NOOP("holdem::ui::TableWords", ", gutshot straight draw"),
    ".",
};

QString words(const char* english) {
    return QCoreApplication::translate(context, english);
}

QString you() {
    return words(QT_TRANSLATE_NOOP("holdem::ui::TableWords", "You"));
}

// A number as the language writes it ("21,008" is "21.008" in German); a span of blinds
// ("100/200") number by number.
QString numbers_in_language(const QString& english) {
    static const QRegularExpression numeric("^[\\d,/]+$"), number("\\d[\\d,]*");
    if (!numeric.match(english).hasMatch()) return english;
    QString out;
    qsizetype at = 0;
    for (auto it = number.globalMatch(english); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += english.mid(at, m.capturedStart() - at);
        bool read = false;
        const qlonglong value = m.captured().remove(',').toLongLong(&read);
        out += read ? number_words(value) : m.captured();
        at = m.capturedEnd();
    }
    return out + english.mid(at);
}

QString line_in_language(const QString& english, int depth);

// The winners of a split pot, "Ann, You 41 and Bo 40" apart: each name, the human's in the
// language, and each amount.
QString winners_in_language(const QString& english) {
    static const QRegularExpression with_amount("^(.+) (\\d+)$");
    QStringList winners = english.split(", ");
    for (QString& winner : winners) {
        QString amount;
        if (const QRegularExpressionMatch m = with_amount.match(winner); m.hasMatch()) {
            amount = " " + numbers_in_language(m.captured(2));
            winner = m.captured(1);
        }
        winner = (winner == "You" ? you() : winner) + amount;
    }
    return winners.join(", ");
}

QString part_in_language(const QString& part, int depth) {
    if (part == "You") return you();
    // The hands turned up for an all-in: a list of each seat's name and cards.
    static const QString turned_up = QString::fromUtf8("All in: the hands are turned up — ");
    if (part.startsWith(turned_up)) {
        QStringList seats = part.mid(turned_up.size()).split(", ");
        for (QString& seat : seats)
            if (seat.startsWith("You ")) seat = you() + seat.mid(3);
        return words(QT_TRANSLATE_NOOP("holdem::ui::TableWords",
                                       "All in: the hands are turned up — %1"))
            .arg(seats.join(", "));
    }
    for (const Form& form : forms()) {
        const QRegularExpressionMatch m = form.english.match(part);
        if (!m.hasMatch()) continue;
        QString text = words(form.words);
        const bool split_pot = part.startsWith("Split pot: ");
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            // What a form captured is a line of its own: a name, a number, a card word, a
            // hand's name in a log line, a move in the advisor's line.
            text = text.arg(split_pot && i <= 2 ? winners_in_language(m.captured(i))
                                                : line_in_language(m.captured(i), depth + 1));
        return text;
    }
    return {};
}

// A line of parts apart (" · ", "; ", ". "; no form holds them), of one form, or of a form
// with an ending.
QString line_in_language(const QString& english, int depth) {
    if (depth > 4 || english.isEmpty()) return english;
    for (const char* separator : {" · ", "; ", ". "}) {
        if (!english.contains(QString::fromUtf8(separator))) continue;
        QStringList parts = english.split(QString::fromUtf8(separator));
        for (QString& part : parts)
            part = line_in_language(part, depth);
        return parts.join(QString::fromUtf8(separator));
    }
    const QString whole = part_in_language(english, depth);
    if (!whole.isNull()) return whole;
    const QString number = numbers_in_language(english);
    if (number != english) return number;
    const QString word = QCoreApplication::translate(context, english.toUtf8().constData());
    if (word != english) return word;
    for (const char* ending : endings) {
        const QLatin1String end(ending);
        if (english.endsWith(end) && english.size() > end.size())
            return line_in_language(english.chopped(end.size()), depth) + words(ending);
    }
    return english;
}

constexpr const char* spoken_context = "holdem::ui::Spoken";

// One item of what is said to assistive technology: a seat's chips, style, role and action,
// a choice of the turn, the pot, the cards, the holding.
QString spoken_item(const QString& item) {
    static const std::vector<Form> items = [] {
        const std::pair<const char*, const char*> table[] = {
            {"(\\d+) chips", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "%1 chips")},
            {"plays (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "plays %1")},
            {"dealer", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "dealer")},
            {"to act", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "to act")},
            {"folded", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "folded")},
            {"check", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "check")},
            {"fold", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "fold")},
            {"all in", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "all in")},
            {"raise", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "raise")},
            {"bet", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "bet")},
            {"call (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "call %1")},
            {"raise to (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "raise to %1")},
            {"raise (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "raise %1")},
            {"bet (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "bet %1")},
            {"small blind (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "small blind %1")},
            {"big blind (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "big blind %1")},
            {"ante (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "ante %1")},
            {"cards (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "cards %1")},
            {"won (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "won %1")},
            {"pot (\\d+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "pot %1")},
            {"you hold (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "you hold %1")},
            {"Board (.+)", QT_TRANSLATE_NOOP("holdem::ui::Spoken", "Board %1")},
            {"No cards on the board",
             QT_TRANSLATE_NOOP("holdem::ui::Spoken", "No cards on the board")},
        };
        return compiled(table);
    }();
    for (const Form& form : items) {
        const QRegularExpressionMatch m = form.english.match(item);
        if (!m.hasMatch()) continue;
        QString text = QCoreApplication::translate(spoken_context, form.words);
        if (m.lastCapturedIndex() >= 1) {
            // The capture is a style, an amount, cards or a hand's name, as the table says them.
            QString what = m.captured(1);
            const QString upper = what.left(1).toUpper() + what.mid(1);
            const QString told = line_in_language(upper, 0);
            what = told != upper ? told : line_in_language(what, 0);
            text = text.arg(what);
        }
        return text;
    }
    return item;
}

// A list said as "a, b or c", each item in the language.
QString spoken_list(const QString& english) {
    QStringList items = english.split(", ");
    QString last = items.takeLast();
    const qsizetype joined = last.lastIndexOf(" or ");
    QStringList ors;
    if (joined > 0) {
        ors << last.left(joined) << last.mid(joined + 4);
    } else {
        ors << last;
    }
    items << ors.first();
    for (QString& item : items)
        item = spoken_item(item);
    QString said = items.join(", ");
    if (ors.size() > 1)
        said += QCoreApplication::translate(spoken_context,
                                            QT_TRANSLATE_NOOP("holdem::ui::Spoken", " or ")) +
                spoken_item(ors.last());
    return said;
}

}  // namespace

QString spoken_in_language(const std::string& english) {
    const QString text = QString::fromStdString(english);
    if (spoken_language() == "en") return text;
    QStringList parts = text.split("; ");
    for (QString& part : parts) {
        const QString turn = "Your turn";
        if (part == turn || part.startsWith(turn + ": ")) {
            const QString said = QCoreApplication::translate(
                spoken_context, QT_TRANSLATE_NOOP("holdem::ui::Spoken", "Your turn"));
            part = part == turn ? said : said + ": " + spoken_list(part.mid(turn.size() + 2));
        } else if (part.startsWith("Board ") || part.startsWith("No cards on the board")) {
            QStringList items = part.split(", ");
            for (QString& item : items)
                item = spoken_item(item);
            part = items.join(", ");
        } else if (part.startsWith("pot ") || part.startsWith("you hold ")) {
            part = spoken_item(part);
        } else {
            // A seat: its name first, as it is.
            QStringList items = part.split(", ");
            for (qsizetype i = 1; i < items.size(); ++i)
                items[i] = spoken_item(items[i]);
            part = items.join(", ");
        }
    }
    return parts.join("; ");
}

QString in_language(const std::string& english) {
    // English is the rules' own: every text stands as they wrote it.
    if (spoken_language() == "en") return QString::fromStdString(english);
    // The same few lines are painted again and again: each is worked out once per language.
    static QHash<QString, QString> known;
    static QString known_for;
    const QString language = spoken_language();
    if (language != known_for || known.size() > 4096) {
        known.clear();
        known_for = language;
    }
    const QString text = QString::fromStdString(english);
    const auto found = known.constFind(text);
    if (found != known.constEnd()) return *found;
    const QString spoken = line_in_language(text, 0);
    known.insert(text, spoken);
    return spoken;
}

}  // namespace holdem::ui
