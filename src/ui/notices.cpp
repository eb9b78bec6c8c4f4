#include "ui/notices.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "model/version.h"

namespace holdem::ui {

namespace {

// A dialog wide enough for its title and its text, neither of them cut.
QDialog* notice_dialog(QWidget* parent, const QString& text) {
    auto* dialog = new QDialog(parent);
    dialog->setWindowTitle(parent ? parent->window()->windowTitle() : QString());
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(text, dialog);
    label->setObjectName("noticeText");
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    return dialog;
}

// How to play, a section at a time, each translated whole.
constexpr const char* how_to_play_sections[] = {
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h2>How to play</h2>
<p>You sit at the bottom of a ten-seat table against nine computer players, in a tournament of
1000 entrants. When the turn comes to you the action panel opens and the clock waits for you.</p>)"),
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h3>Buttons and keys</h3>
<table cellpadding="3">
<tr><td><b>Call</b> / <b>Check</b> &nbsp; C</td><td>match the bet, or pass when there is nothing to call</td></tr>
<tr><td><b>Raise</b> &nbsp; R</td><td>the amount to call plus two blind units (the button shows the total)</td></tr>
<tr><td><b>Fold</b> &nbsp; F</td><td>give up the hand</td></tr>
<tr><td><b>Bet It</b> &nbsp; B, then Enter</td><td>the amount to call plus the amount typed in the box; the typed amount must be at least a standard raise</td></tr>
<tr><td><b>Sit Out</b> &nbsp; S</td><td>sit out from the next hand (red while asked); a request holds until that hand</td></tr>
<tr><td><b>Exit</b></td><td>leave the tournament; your rank is final</td></tr>
</table>
<p>When your turn opens, Return or Space calls (or checks). Escape leaves the amount box.
M turns the sound on or off, L shows or hides the hand log. Any other key does nothing.</p>)"),
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h3>The classic game</h3>
<p>Every seat posts its blinds in turn from the dealer button; the betting goes round the table
seat by seat, and the flop, the turn and the river are shown when the round reaches its closing
seat. At the showdown the best hand at the table takes the pot, shared when hands tie. The
blinds rise on the clock shown at the right; broke computer seats are refilled from the field
until it runs out. The tournament ends when you have no chips left, or when you are the last
entrant standing.</p>)"),
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h3>The standard rules</h3>
<p>No-limit hold'em as poker rooms play it. The button moves one seat a hand; the small blind
sits left of it and the big blind next (heads-up the button posts the small blind). Before the
flop the seat left of the big blind acts first, and the big blind may still raise a called pot;
after the flop the first seat left of the button. Raise at least by the last full raise, any
amount up to all in; a short all-in does not reopen the betting. A bet nobody called goes back,
and each main and side pot goes to the best hand that put in for it. Your panel offers Fold,
Check or Call, <b>Raise to</b> the least raise (<b>Bet</b> when nothing is bet), and ½ Pot, Pot
and All in, which put their total into the amount box: type the total to raise to and press
Enter.</p>
<p>The computer players there each have a style (tight or loose, passive or aggressive): point
at a seat to see it. They know only their own cards, the board and what everybody did.</p>)"),
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h3>A tournament of the whole field</h3>
<p>Game › New tournament… (Ctrl+N) sets up the next tournament: rules, difficulty, pace,
structure and field (10 as a sit-and-go, 100, 1,000 or 5,000 entrants); the tournament in play
is given up only when you agree, and its place is final. Under a structure every table of the
field plays a hand for each hand at yours; tables are broken and balanced as tournament
directors do, and when yours breaks you move with your stack. The news is announced across the
felt: your move, the money bubble (the field plays hand for hand), the bubble burst and the
final table of the last ten.</p>
<table cellpadding="3">
<tr><td><b>Regular</b></td><td>20,000 chips, 12 hands a level, 50/100 then 75/150, the big-blind ante from 100/200 on</td></tr>
<tr><td><b>Turbo</b></td><td>10,000 chips, 7 hands a level, the ante from 75/150</td></tr>
<tr><td><b>Hyper-turbo</b></td><td>5,000 chips, 4 hands a level, as Turbo</td></tr>
<tr><td><b>Deep</b></td><td>50,000 chips, 15 hands a level, as Regular</td></tr>
<tr><td><b>Classic clock</b></td><td>the classic game's field counter, refills and blinds</td></tr>
</table>
<p>The big blind posts the ante before its blind; the ante is dead money in the main pot. About
15 % of the field is paid from buy-ins of 100 (play money), every cash at least 150. The panel
shows the level, the blinds and ante, the next level and the hands until it, your table, your
chip rank among the players left, the average, your stack in big blinds and the places paid.
Game › Standings… (Ctrl+T) shows the chip leaders, the payouts with the bubble and every table;
choose a table to see its last hand. View › Statistics on the table shows each opponent's
VPIP, PFR, 3-bets and aggression from what you have seen. Tools › Equity calculator… works out the equity of hands
and ranges (typed as "QQ+, AKs, AJo+, 76s" or clicked on the grid) with a board and dead
cards.</p>)"),
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h3>The trainer</h3>
<p>At your turn the key H (Tools › Advise me) asks the advisor what a strong player would do,
from what you can see: the move and its size, with the equity against the hands the opponents'
actions suggest, the price, your stack in big blinds, your position and, near the money, what
the prizes add to a big risk. Options can have it advise at every turn. Each of your decisions
under the standard rules is graded against the advice by the chips it is expected to cost.
Game › Review… lists a tournament's costliest decisions; choose one to replay its hand at that
moment. Game › Statistics… shows your leaks: VPIP and PFR by position, raises given up to a
re-raise, calls the price did not pay for and the cost of your decisions street by street.</p>)"),
    QT_TRANSLATE_NOOP("holdem::ui::Notices", R"(<h3>Options (Game › Options…)</h3>
<table cellpadding="3">
<tr><td><b>Table rules</b></td><td>the classic game, or the standard rules (with the standard ranking)</td></tr>
<tr><td><b>Difficulty</b></td><td>under the standard rules: Normal, Easy (the players make real mistakes) or Hard (they read your actions and balance their bluffs)</td></tr>
<tr><td><b>Pace</b></td><td>how long each seat and the showdown take; "Hurry when I'm out of the hand" plays the rest of a folded hand fast</td></tr>
<tr><td><b>Blind levels</b></td><td>on the clock, or every 10 hands</td></tr>
<tr><td><b>Hand ranking</b></td><td>the game's own reading, or the best five of seven cards with kickers</td></tr>
<tr><td><b>Opponents</b></td><td>all-seeing, or fair: they know only their own cards and the board shown</td></tr>
<tr><td><b>Advisor</b></td><td>the advisor's line at every turn of yours, beside the odds helper's</td></tr>
<tr><td><b>Appearance</b></td><td>a two- or four-colour deck (spades black, hearts red, diamonds blue, clubs green), a green, blue or purple felt, lattice or ring card backs, and larger text on the seat plates</td></tr>
</table>
<p>The pace, the helpers and the appearance change at once; the other options apply from the
next tournament. The tournament
is saved at the start of every hand and offered again when the game starts.</p>)"),
};

}  // namespace

bool ask_to_leave(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, parent ? parent->window()->windowTitle() : QString(),
                    QCoreApplication::translate("holdem::ui::Notices",
                                                "Leave this tournament? Your rank is final."),
                    QMessageBox::NoButton, parent);
    QPushButton* leave = box.addButton(QCoreApplication::translate("holdem::ui::Notices", "Leave"),
                                       QMessageBox::AcceptRole);
    QPushButton* stay = box.addButton(QCoreApplication::translate("holdem::ui::Notices", "Stay"),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == leave;
}

bool ask_to_abandon(QWidget* parent) {
    QMessageBox box(QMessageBox::Question,
                    QCoreApplication::translate("holdem::ui::Notices", "New tournament"),
                    QCoreApplication::translate(
                        "holdem::ui::Notices",
                        "Start a new tournament? The one in play ends here and your rank in it "
                        "is final."),
                    QMessageBox::NoButton, parent);
    QPushButton* start =
        box.addButton(QCoreApplication::translate("holdem::ui::Notices", "Start the new one"),
                      QMessageBox::AcceptRole);
    QPushButton* stay =
        box.addButton(QCoreApplication::translate("holdem::ui::Notices", "Keep playing"),
                      QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == start;
}

EndChoice ask_after_end(QWidget* parent, const QString& message, bool offer_new) {
    QDialog* dialog = notice_dialog(parent, message);
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* again =
        offer_new ? buttons->addButton(
                        QCoreApplication::translate("holdem::ui::Notices", "New tournament"),
                        QDialogButtonBox::AcceptRole)
                  : nullptr;
    buttons->addButton(QCoreApplication::translate("holdem::ui::Notices", "Quit"),
                       QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    dialog->layout()->addWidget(buttons);
    if (again) again->setDefault(true);
    const bool start_again = dialog->exec() == QDialog::Accepted && again;
    delete dialog;
    return start_again ? EndChoice::new_tournament : EndChoice::quit;
}

QString how_to_play_text() {
    QString html;
    for (const char* section : how_to_play_sections)
        html += QCoreApplication::translate("holdem::ui::Notices", section) + "\n";
    return html;
}

void show_how_to_play(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("holdem::ui::Notices", "How to play"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QTextBrowser(&dialog);
    text->setObjectName("howToPlay");
    text->setHtml(how_to_play_text());
    layout->addWidget(text);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(close, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(close);
    dialog.resize(620, 560);
    dialog.exec();
}

void show_about(QWidget* parent) {
    QString font_licence;
    QFile licence(":/fonts/DejaVu-LICENSE");
    if (licence.open(QIODevice::ReadOnly)) font_licence = QString::fromUtf8(licence.readAll());
    QDialog dialog(parent);
    dialog.setWindowTitle(
        QCoreApplication::translate("holdem::ui::Notices", "About Final Table Hold'em"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(
        QCoreApplication::translate(
            "holdem::ui::Notices",
            "<h2>Final Table Hold'em</h2><p>Version %1</p><p>A single-player Texas hold'em "
            "tournament.</p><p>Copyright © 2026 The Final Table Hold'em developers, under the "
            "MIT License.</p><p>The text is set in DejaVu Sans, by the DejaVu fonts team, whose "
            "licence follows.</p>")
            .arg(HOLDEM_VERSION),
        &dialog);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    auto* text = new QTextBrowser(&dialog);
    text->setObjectName("licences");
    text->setPlainText(
        font_licence.isEmpty()
            ? QCoreApplication::translate("holdem::ui::Notices",
                                          "The font's licence is installed with the game.")
            : font_licence);
    layout->addWidget(text);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(close, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(close);
    dialog.resize(560, 480);
    dialog.exec();
}

}  // namespace holdem::ui
