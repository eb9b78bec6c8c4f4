// The window under Qt's offscreen platform: the splash, the table's start state, a hand played
// through real widget clicks and typing, and resizing.
#include <sys/stat.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <memory>
#include <random>

#include "cycle/human_actions.h"
#include "model/table.h"
#include "rules/reading/hand_readout.h"
#include "support/full_disk.h"
#include "ui/card_art.h"
#include "ui/equity_calculator_window.h"
#include "ui/hands_viewer.h"
#include "ui/language.h"
#include "ui/looks.h"
#include "ui/notices.h"
#include "ui/options_dialog.h"
#include "ui/preferences.h"
#include "ui/qt_host.h"
#include "ui/review_window.h"
#include "ui/saved_game.h"
#include "ui/sound_player.h"
#include "ui/splash_window.h"
#include "ui/standings_window.h"
#include "ui/statistics_dialog.h"
#include "ui/statistics_module.h"
#include "ui/table_layout.h"
#include "ui/table_window.h"
#include "ui/table_words.h"

using namespace holdem;
using namespace holdem::ui;

namespace {

WindowSetup window_setup(const QString& history_folder, const QString& saved_game = {},
                         std::optional<SavedTournament> resumed = std::nullopt) {
    WindowSetup setup;
    setup.history_folder = history_folder;
    setup.saved_game = saved_game;
    setup.resumed = std::move(resumed);
    return setup;
}

// A table window whose host runs on a clock the test moves, from the table's own time.
// A standard tournament with the classic field and clock, dealt from `seed`.
std::unique_ptr<Table> standard_table(std::uint64_t seed) {
    auto table = std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
    table->options.rules = Rules::standard;
    table->options = in_force(table->options);
    return table;
}

// A standard tournament of the whole field, dealt from `seed` and the next seed for the field.
std::unique_ptr<Table> field_table(std::uint64_t seed, StructureKind structure, int entrants) {
    auto table = std::make_unique<Table>(std::make_unique<SeededRandom>(seed),
                                         std::make_unique<SeededRandom>(seed + 1));
    table->options.rules = Rules::standard;
    table->options.structure = structure;
    table->options.entrants = entrants;
    table->options = in_force(table->options);
    return table;
}

struct VirtualGame {
    std::int64_t now;
    QtHost host;
    TableWindow window;
    std::vector<QString> notices;

    explicit VirtualGame(bool start = true, WindowSetup setup = {},
                         std::unique_ptr<Table> table = nullptr, bool real_notices = false)
        : now(table ? table->loop.now() : 0),
          host(
              table ? std::move(table) : std::make_unique<Table>(std::make_unique<SeededRandom>(3)),
              [this] { return now; }),
          window(host, std::move(setup)) {
        if (!real_notices)
            window.set_end_notice([this](const QString& message) { notices.push_back(message); });
        window.resize(1280, 800);
        window.show();
        window.activateWindow();  // keys go where a player's would: to the active window
        if (!QTest::qWaitForWindowActive(&window)) qWarning("the window is not active");
        if (start) host.start();
    }
    Table& table() { return host.table(); }
    // Moves the clock to the next deadline and lets the host run it.
    void next() {
        if (auto due = host.armed_for()) now = std::max(now, *due);
        host.pump();
    }
    // Plays on, the human folding through the Fold button, until `done` or the game ends.
    template <typename Done>
    void play_until(Done done) {
        for (int step = 0; step < 3000 && !done() && !table().ended; ++step) {
            const bool standard = table().options.rules == Rules::standard;
            if (standard ? host.picture().human.open : human_turn_open(table()))
                QTest::mouseClick(window.button(Intent::fold), Qt::LeftButton);
            else
                next();
        }
    }
};

// What a key that is not the game's must leave as it was.
auto table_facts(const Table& t) {
    std::vector<std::int64_t> facts{t.pot,
                                    t.sitter,
                                    t.gameover,
                                    t.focuser,
                                    human_turn_open(t),
                                    static_cast<std::int64_t>(t.hands_started),
                                    t.ended.has_value()};
    for (int k = 1; k <= seat_count; ++k)
        facts.insert(facts.end(), {t.seat(k).prize, t.seat(k).totalbet, t.seat(k).fold});
    return facts;
}

// Every key code Qt defines, alone and with Shift, Ctrl and Alt, to whatever has the keyboard
// (or `to`), except the game's own keys: `own` for any chord, `own_plain` alone or with Shift.
void sweep_keys(const Table& t, const char* state, QWidget* to, const QSet<int>& own,
                const QSet<int>& own_plain) {
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    const Qt::KeyboardModifiers chords[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                            Qt::AltModifier};
    for (int i = 0; i < keys.keyCount(); ++i) {
        const int key = keys.value(i);
        for (Qt::KeyboardModifiers chord : chords) {
            const bool plain = chord == Qt::NoModifier || chord == Qt::ShiftModifier;
            // Alt with a menu's letter opens that menu.
            const bool menu = chord == Qt::AltModifier && (key == Qt::Key_G || key == Qt::Key_V ||
                                                           key == Qt::Key_T || key == Qt::Key_H);
            // Ctrl+O asks for a hand history to open in a file dialog of the system's own.
            const bool opens_file = chord == Qt::ControlModifier && key == Qt::Key_O;
            if (own.contains(key) || (plain && own_plain.contains(key)) || menu || opens_file)
                continue;
            const auto before = table_facts(t);
            QWidget* target = to ? to : QApplication::focusWidget();
            if (!target) target = QApplication::activeWindow();
            // The text a keyboard would send with the key (keyClick knows only ASCII keys).
            QString text;
            if (key >= 0x20 && key <= 0x7e && !(chord & (Qt::ControlModifier | Qt::AltModifier)))
                text = chord == Qt::ShiftModifier ? QString(QChar(key))
                                                  : QString(QChar(key)).toLower();
            QTest::sendKeyEvent(QTest::Press, target, Qt::Key(key), text, chord);
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key(key), text, chord);
            if (table_facts(t) != before)
                QFAIL(qPrintable(QString("%1: %2 with %3 changed the table")
                                     .arg(state, keys.key(i))
                                     .arg(int(chord))));
        }
    }
}

// The controls of a window that a screen reader cannot name, by role and object name.
QStringList unnamed_controls(QAccessibleInterface* at, int depth = 0) {
    static const QSet<QAccessible::Role> controls{
        QAccessible::PushButton,     QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,       QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Slider,         QAccessible::MenuItem,     QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::PageTab,      QAccessible::StaticText,
        QAccessible::Table,          QAccessible::List,         QAccessible::Pane};
    QStringList unnamed;
    if (!at || depth > 40 || at->state().invisible) return unnamed;
    const bool control = controls.contains(at->role());
    // A pane or a label may go without a name when it only holds others or shows nothing.
    const bool may_be_bare =
        (at->role() == QAccessible::Pane || at->role() == QAccessible::StaticText) &&
        (at->childCount() > 0 || at->text(QAccessible::Value).isEmpty());
    const QString name = at->text(QAccessible::Name).trimmed();
    // A list to choose from says what it chooses, by its label, not only the choice it shows.
    bool labelled = false;
    for (const auto& [other, how] : at->relations(QAccessible::Label))
        labelled = labelled || !other->text(QAccessible::Name).trimmed().isEmpty();
    const bool named =
        !name.isEmpty() && (labelled || !(at->role() == QAccessible::ComboBox &&
                                          name == at->text(QAccessible::Value).trimmed()));
    if (control && !may_be_bare && !named)
        unnamed << QString("%1 %2")
                       .arg(int(at->role()))
                       .arg(at->object() ? at->object()->objectName() + " (" +
                                               at->object()->metaObject()->className() + ")"
                                         : QString("(a part)"));
    for (int i = 0; i < at->childCount(); ++i)
        unnamed << unnamed_controls(at->child(i), depth + 1);
    return unnamed;
}

// Every text a person reads in a window, in a fixed order: the menus' items, labels, check
// boxes, group titles, the lists' choices and the buttons.
QStringList visible_texts(QWidget* window) {
    QStringList texts;
    std::function<void(QMenu*)> menu = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator()) continue;
            texts << a->text();
            if (a->menu()) menu(a->menu());
        }
    };
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* a : bar->actions()) {
            texts << a->text();
            if (a->menu()) menu(a->menu());
        }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        // A dialog's standard buttons speak Qt's own words, in Qt's own translation.
        if (auto* button = qobject_cast<QAbstractButton*>(w);
            button && !qobject_cast<QDialogButtonBox*>(button->parent()))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
    }
    return texts;
}

const QSet<int> enter_keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
const QSet<int> game_letters{Qt::Key_C, Qt::Key_R, Qt::Key_F, Qt::Key_S,
                             Qt::Key_B, Qt::Key_M, Qt::Key_L};

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // A test that fails in another language leaves the next one in English all the same.
    void cleanup() { install_translation(*qApp, "en"); }
    void splashGivesWayOnceWhicheverComesFirst();
    void tableStartState();
    void handPlayedThroughTheWidgets();
    void resizeKeepsProportions();
    void followingTheGame();
    void optionsTakeEffectAndAreKept();
    void everyAppearanceReadsAndIsKept();
    void aNewTournamentAsksBeforeAbandoningTheOneInPlay();
    void theStandingsFollowTheWholeField();
    void theEquityCalculatorWorksOutWhatIsTypedOrClicked();
    void endOfGameShowsTheOutcome();
    void aClosedTournamentIsResumedAndABrokenOneSetAside();
    void theSoundModuleIsFoundWhereAnInstallPutsIt();
    void strayKeysDoNothingInEveryState();
    void theKeyboardRestsWhereThePlayerExpects();
    void theLogFollowsAndKeepsTheLastHands();
    void aFailedSaveIsShownUntilASaveSucceeds();
    void resultsAreKeptAndShown();
    void aFullDiskFromTheStartLosesNothingOnceThereIsRoom();
    void hostileSettingsAreNeverRead();
    void standardRulesAreChosenAndPlayedThroughTheWidgets();
    void everyControlIsNamedAndTheTurnIsAnnounced();
    void theAdvisorAnswersHAtTheTurnAndIsGoneAfterIt();
    void theMenusAndOptionsSpeakEachLanguage();
    void theTablesLinesAndHandsSpeakEachLanguage();
    void aWholeTournamentIsToldInGerman();
    void theReviewListsTheCostliestDecisionsAndReplaysOne();
    void theHandsViewerReplaysEveryHandPlayed();
    void aHandHistoryFromElsewhereOpensInTheHandsViewer();
};

void TableWindowTest::splashGivesWayOnceWhicheverComesFirst() {
    for (int way = 0; way < 3; ++way) {
        int opened = 0;
        auto* splash = new SplashWindow([&] { ++opened; }, way == 2 ? 50 : 60000);
        splash->show();
        QPointer<SplashWindow> alive(splash);
        if (way == 0) QTest::keyClick(splash, Qt::Key_Space);
        if (way == 1) QTest::mouseClick(splash->frame(), Qt::LeftButton);
        QTRY_COMPARE(opened, 1);  // way 2: the timer
        if (alive) {
            QVERIFY(alive->closed());
            alive->close_splash();  // a late event opens nothing more
        }
        QCOMPARE(opened, 1);
        QTRY_VERIFY(alive.isNull());
    }
    // The window's close button quits instead of opening the table later.
    int opened = 0, quit = 0;
    auto* splash = new SplashWindow([&] { ++opened; }, 50);
    splash->set_quit([&] { ++quit; });
    splash->show();
    splash->close();
    QTest::qWait(150);
    QCOMPARE(quit, 1);
    QCOMPARE(opened, 0);
    delete splash;
}

void TableWindowTest::tableStartState() {
    VirtualGame game;
    QCOMPARE(game.window.windowTitle(), QString("Tournament Area"));
    for (Intent which :
         {Intent::call, Intent::raise, Intent::check, Intent::fold, Intent::bet_typed})
        QVERIFY(!game.window.button(which)->isVisible());
    QVERIFY(!game.window.amount_box()->isVisible());
    QVERIFY(game.window.button(Intent::sit_out)->isVisible());
    QVERIFY(game.window.button(Intent::exit)->isVisible());
    QCOMPARE(game.window.button(Intent::sit_out)->accessibleName(), QString("Sit Out"));
    QTRY_VERIFY(game.window.frames_painted() > 0);
}

void TableWindowTest::handPlayedThroughTheWidgets() {
    VirtualGame game;
    Table& t = game.table();
    bool typed = false;
    for (int step = 0; step < 2000 && t.hands_started < 2 && !t.ended; ++step) {
        if (human_turn_open(t)) {
            if (!typed) {
                // An amount typed into the box and sent with Enter.
                typed = true;
                QLineEdit* box = game.window.amount_box();
                QVERIFY(box->isVisible());
                box->setFocus();
                QTest::keyClicks(box, "9999");
                QCOMPARE(QString::fromStdString(t.controls.caption(ctl::Text2)), QString("9999"));
                const Chips stack = t.seat(1).prize;
                QTest::keyClick(box, Qt::Key_Return);
                QCOMPARE(t.seat(1).prize, 0);  // more than the stack: all in
                QVERIFY(stack > 0);
                QCOMPARE(QString::fromStdString(t.controls.caption(ctl::stack_label(1))),
                         QString("All in"));
                QVERIFY(!box->isVisible());
            } else if (step % 2) {
                QPushButton* call = game.window.button(Intent::call);
                QPushButton* check = game.window.button(Intent::check);
                QTest::mouseClick(call->isVisible() ? call : check, Qt::LeftButton);
            } else {
                const std::uint64_t events = t.loop.events_run();
                QTest::keyClick(&game.window, Qt::Key_C);  // the keyboard calls or checks
                QVERIFY(t.loop.events_run() > events);
            }
        } else {
            game.next();
        }
    }
    QVERIFY(typed || t.ended);
    QVERIFY(t.showdowns >= 1);
    QVERIFY(t.hands_started >= 2 || t.ended);
}

void TableWindowTest::resizeKeepsProportions() {
    VirtualGame game;
    for (QSize size : {QSize(1280, 800), QSize(2560, 1600), QSize(640, 442), QSize(1600, 700)}) {
        game.window.resize(size);
        QCoreApplication::processEvents();
        const TableView& view = game.window.view();
        const qreal s = game.window.scale();
        QVERIFY(std::abs(s - std::min(view.width() / layout::area.width(),
                                      view.height() / layout::area.height())) < 1e-9);
        // Every seat's name plate stays inside the table's part of the window.
        for (int seat = 1; seat <= 10; ++seat)
            QVERIFY(QRectF(view.rect()).contains(view.plate_rect(seat)));
    }
    // Hiding the log gives the table the room.
    game.window.resize(1280, 800);
    QCoreApplication::processEvents();
    const qreal with_log = game.window.scale();
    game.window.set_log_visible(false);
    QCoreApplication::processEvents();
    QVERIFY(game.window.scale() > with_log);
}

void TableWindowTest::followingTheGame() {
    QTemporaryDir folder;
    VirtualGame game(true, window_setup(folder.path()));
    Table& t = game.table();
    TableWindow& window = game.window;
    game.play_until([&] { return human_turn_open(t); });
    QVERIFY(human_turn_open(t));
    // The chime once the turn opens; the deal and the blinds were heard before it.
    QCOMPARE(window.sounds().requested(Sound::turn), 1);
    QVERIFY(window.sounds().requested(Sound::deal) >= 1);
    QVERIFY(window.sounds().requested(Sound::chips) >= 2);
    const QStringList lines = window.log().lines();
    QVERIFY(lines.first().startsWith("--- Hand 1 ---"));
    // The odds helper, off until asked for, works its line out beside the window's thread.
    QVERIFY(window.view().odds_line().isEmpty());
    window.set_odds_helper(true);
    QTRY_VERIFY(window.view().odds_line().startsWith("Estimate: win "));
    QVERIFY(lines.filter("the big blind").size() == 1);

    // The buttons name their action and amount; Return presses the focused one.
    QPushButton* call = window.button(t.controls[ctl::Call].visible ? Intent::call : Intent::check);
    QVERIFY(
        call->accessibleName().startsWith(call == window.button(Intent::call) ? "Call " : "Check"));
    QVERIFY(call->text().endsWith("· C"));

    // A refused amount says why; Escape leaves the amount box.
    QLineEdit* box = window.amount_box();
    box->setFocus();
    QTest::keyClicks(box, "5");
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(human_turn_open(t));
    QVERIFY(window.view().amount_hint().startsWith("Refused: 5 is less than"));
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!box->hasFocus());

    QTest::keyClick(call, Qt::Key_Return);
    QVERIFY(!human_turn_open(t));
    game.play_until([&] { return t.hands_started >= 2; });
    QFile history(window.history_path());
    QVERIFY(history.open(QIODevice::ReadOnly));
    QVERIFY(history.readAll().startsWith("Final Table Hold'em Hand #1: Tournament #"));
}

// Game › New tournament: the options chosen are kept for it; the one in play goes on when the
// player keeps playing, and otherwise ends as leaving ends it, its save removed, the new one
// started in its place without the program ending.
void TableWindowTest::aNewTournamentAsksBeforeAbandoningTheOneInPlay() {
    QTemporaryDir folder;
    Preferences preferences(folder.filePath("settings.conf"));
    const QString saved = folder.filePath("tournament.json");
    WindowSetup setup = window_setup(folder.path(), saved);
    setup.preferences = &preferences;
    VirtualGame game(true, std::move(setup));
    game.play_until([&] { return human_turn_open(game.table()); });
    int started = 0, asked = 0;
    bool abandon = false;
    game.window.set_new_tournament([&] { ++started; });
    game.window.set_abandon_question([&] {
        ++asked;
        return abandon;
    });
    auto choose_standard = [] {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("New tournament"));
            dialog->rules()->setCurrentIndex(1);
            dialog->accept();
        });
    };
    choose_standard();
    game.window.open_new_tournament();
    QCOMPARE(asked, 1);
    QCOMPARE(started, 0);
    QVERIFY(!game.table().ended);
    QVERIFY(preferences.options().rules == Rules::classic);
    abandon = true;
    choose_standard();
    game.window.open_new_tournament();
    QCOMPARE(asked, 2);
    QCOMPARE(game.table().ended, std::optional<GameEnd>(GameEnd::Exit));
    QCOMPARE(started, 1);
    QVERIFY(preferences.options().rules == Rules::standard);
    QVERIFY(!QFile::exists(saved));
}

// Ctrl+T opens the Standings while the whole field plays: every table listed, another table's
// last hand shown with its own players, and the lists kept up to date from hand to hand.
void TableWindowTest::theEquityCalculatorWorksOutWhatIsTypedOrClicked() {
    VirtualGame game;
    game.window.open_calculator();
    EquityCalculatorWindow* calc = game.window.calculator();
    QVERIFY(calc && calc->isVisible());
    auto settled = [&] {
        calc->calculate_now();
        QTRY_VERIFY_WITH_TIMEOUT(!calc->working(), 20000);
    };
    calc->set_hands(0, "KsKh");
    calc->set_hands(1, "9d9c");
    settled();
    QVERIFY2(calc->status().startsWith("Exact: every one of 1,712,304 deals"),
             qPrintable(calc->status()));
    using namespace calculator;
    const Equities exact =
        enumerate_equities({{read_range("KsKh").range, read_range("9d9c").range}, {}, {}});
    QCOMPARE(calc->equity_text(0), QString::number(exact.players[0].equity * 100, 'f', 1) + " %");
    // The grid edits the chosen player's text, and the text the grid.
    calc->choose(1);
    calc->grid()->toggle({0, 0});
    QCOMPARE(calc->grid()->range().size(), 7);
    calc->set_hands(1, "QQ+");
    QCOMPARE(calc->grid()->range().cell_share({0, 0}), 1.0);
    // Three players with any hands: too many deals to visit, sampled to a small error.
    calc->set_players(3);
    calc->set_hands(0, "");
    calc->set_hands(1, "random");
    calc->set_hands(2, "AA, KK");
    settled();
    QVERIFY2(calc->status().contains("deals sampled · standard error"), qPrintable(calc->status()));
    // What cannot be read is named, and nothing is shown for it.
    calc->set_hands(2, "AKx");
    settled();
    QVERIFY2(calc->status().startsWith("Player 3: Item 1 \"AKx\""), qPrintable(calc->status()));
    QCOMPARE(calc->equity_text(0), QString());
    calc->set_hands(2, "AA");
    calc->set_board("Ks Kh Ks");
    settled();
    QCOMPARE(calc->status(), QString("The card Ks is given twice"));
    // Typing again while the work goes on starts it over: the last input wins.
    calc->set_board("");
    calc->set_hands(2, "22");
    calc->calculate_now();
    calc->set_hands(2, "AA");
    settled();
    QVERIFY(calc->status().contains("sampled"));
    calc->close();
}

void TableWindowTest::theStandingsFollowTheWholeField() {
    VirtualGame game(true, {}, field_table(5, StructureKind::regular, 100));
    QVERIFY(game.host.field());
    game.play_until([&] { return game.table().hands_started >= 3; });
    QTest::keyClick(&game.window, Qt::Key_T, Qt::ControlModifier);
    StandingsWindow* standings = game.window.standings();
    QVERIFY(standings && standings->isVisible());
    const tournament::Field& field = game.host.field()->field();
    QCOMPARE(standings->tables()->rowCount(), static_cast<int>(field.open_tables().size()));
    QVERIFY(standings->summary().contains("of 100 left"));
    const TablePicture& last = standings->picture();
    int seated = 0;
    for (const SeatPicture& seat : last.seats)
        if (seat.seated) {
            ++seated;
            QVERIFY(!seat.name.empty());
            QVERIFY(seat.name != game.table().seat(human_seat).caption);
        }
    QVERIFY(seated >= 2);
    const QString before = standings->leaders()->item(0, 2)->text() + standings->summary();
    game.play_until([&] { return game.table().hands_started >= 12; });
    QVERIFY(standings->leaders()->item(0, 2)->text() + standings->summary() != before);
    // View › Statistics on the table: off at first; each opponent seen has its figures, the
    // human none.
    auto* figures = game.window.findChild<QAction*>("statisticsOnTable");
    QVERIFY(figures && !figures->isChecked() && !game.window.view().statistics_shown());
    figures->setChecked(true);
    QVERIFY(game.window.view().statistics_shown());
    const TablePicture& now = game.host.picture();
    QVERIFY(now.seats[human_seat - 1].statistics.empty());
    int with_figures = 0;
    for (const SeatPicture& seat : now.seats)
        if (seat.seated && !seat.statistics.empty()) {
            ++with_figures;
            QVERIFY(seat.statistics.starts_with("VPIP "));
            QVERIFY(seat.statistics_about.starts_with(seat.name + ", "));
        }
    QVERIFY(with_figures >= 2);
}

void TableWindowTest::optionsTakeEffectAndAreKept() {
    QTemporaryDir folder;
    const QString file = folder.filePath("settings.conf");
    const Options chosen{Pace::fast, true, Levels::by_hands, Ranking::standard, Opponents::fair};
    {
        Preferences preferences(file);
        VirtualGame game;
        WindowSetup setup;
        setup.preferences = &preferences;
        TableWindow window(game.host, setup);
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->pace()->setCurrentIndex(2);
            dialog->hurry()->setChecked(true);
            dialog->levels()->setCurrentIndex(1);
            dialog->ranking()->setCurrentIndex(1);
            dialog->opponents()->setCurrentIndex(1);
            dialog->accept();
        });
        window.open_options();
        // The pace at once; the rules from the next tournament.
        QCOMPARE(game.table().loop.timer_interval(TimerId::roundtimer), 150);
        QCOMPARE(game.table().options.ranking, Ranking::classic);
        window.set_sound_on(false);
        const int before = window.sounds().requested(Sound::deal);
        const auto hands = game.table().hands_started;
        game.play_until([&] { return game.table().hands_started >= hands + 2; });
        QVERIFY(game.table().hands_started >= hands + 2);
        QCOMPARE(window.sounds().requested(Sound::deal), before);
    }
    // After a restart the next tournament plays by them, and the sound stays off.
    Preferences preferences(file);
    QVERIFY(preferences.options() == chosen);
    QVERIFY(preferences.muted());
    VirtualGame game(false);
    game.table().options = preferences.options();
    game.host.start();
    QCOMPARE(QString::fromStdString(game.table().controls.caption(ctl::limitslabel)),
             QString("Limits go up in 10 hands"));
    // A settings file that cannot be read is the classic game, without a word.
    QFile broken(file);
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("[game\npace=\x01\x02 nonsense\n\xff\xfe");
    broken.close();
    QVERIFY(Preferences(file).options() == Options{});
}

// Every combination of deck, felt, backs and plate size keeps every text of the table at 4.5:1
// or more; the choice shows at once on the table and is kept for the next start.
void TableWindowTest::everyAppearanceReadsAndIsKept() {
    for (const Looks& looks : every_looks())
        for (const TextOnBack& t : table_texts(looks))
            if (contrast(t.text, t.back) < 4.5)
                QFAIL(qPrintable(QString("%1 %2 on %3: %4 with felt %5, %6 deck")
                                     .arg(t.what, t.text.name(), t.back.name())
                                     .arg(contrast(t.text, t.back), 0, 'f', 2)
                                     .arg(name_of(looks.felt), name_of(looks.deck))));
    // Four inks, one a suit, in the four-colour deck; the two-colour deck has red and black.
    QSet<QRgb> four, two;
    for (int suit = 0; suit < 4; ++suit) {
        four.insert(suit_ink(suit, DeckColours::four).rgb());
        two.insert(suit_ink(suit, DeckColours::two).rgb());
    }
    QCOMPARE(four.size(), 4);
    QCOMPARE(two.size(), 2);
    QCOMPARE(contrast(QColor(Qt::black), QColor(Qt::white)), 21.0);

    // The ink a card is drawn in: the colour covering most of a face that is not the card.
    auto ink_of = [](int code, DeckColours deck) {
        QImage face(120, 168, QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter p(&face);
        CardArt::paint_face(p, QRectF(0, 0, 120, 168), code, deck);
        p.end();
        QMap<QRgb, int> counts;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                const QColor c = face.pixelColor(x, y);
                if (c.alpha() == 255 && contrast(c, card_face) > 3) ++counts[c.rgb()];
            }
        return std::max_element(counts.begin(), counts.end()).key();
    };
    const CardCode clubs = card_code(14, 0), diamonds = card_code(14, 1);
    QCOMPARE(ink_of(clubs, DeckColours::four), suit_ink(0, DeckColours::four).rgb());
    QCOMPARE(ink_of(diamonds, DeckColours::four), suit_ink(1, DeckColours::four).rgb());
    QCOMPARE(ink_of(diamonds, DeckColours::two), suit_ink(1, DeckColours::two).rgb());

    QTemporaryDir folder;
    const QString file = folder.filePath("settings.conf");
    const Looks chosen{DeckColours::four, Felt::blue, CardBack::ring, true};
    {
        Preferences preferences(file);
        VirtualGame game;
        WindowSetup setup;
        setup.preferences = &preferences;
        TableWindow window(game.host, setup);
        window.resize(1280, 800);
        window.show();
        const QPoint felt_at =
            window.view().to_pixels(QRectF(2400, 3400, 10, 10)).center().toPoint();
        // The cloth is lit towards its centre: near its colour, not exactly it.
        auto felt_is = [&](Felt felt) {
            const QColor at = window.view().grab().toImage().pixelColor(felt_at);
            const QColor cloth = felt_colour(felt);
            return std::abs(at.red() - cloth.red()) + std::abs(at.green() - cloth.green()) +
                       std::abs(at.blue() - cloth.blue()) <
                   40;
        };
        QVERIFY(felt_is(Felt::green));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->deck()->setCurrentIndex(1);
            dialog->felt()->setCurrentIndex(1);
            dialog->back()->setCurrentIndex(1);
            dialog->large_plates()->setChecked(true);
            dialog->accept();
        });
        window.open_options();
        QVERIFY(window.view().looks() == chosen);
        QVERIFY(felt_is(Felt::blue));
    }
    QVERIFY(Preferences(file).looks() == chosen);
    // Words the game never writes read as the first choice of each.
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.setValue("looks/felt", "tartan");
        raw.setValue("looks/deck", "5");
    }
    const Looks odd = Preferences(file).looks();
    QCOMPARE(odd.felt, Felt::green);
    QCOMPARE(odd.deck, DeckColours::two);
    QCOMPARE(odd.back, CardBack::ring);
}

void TableWindowTest::endOfGameShowsTheOutcome() {
    VirtualGame game;
    game.table().seat(1).prize = 0;
    game.table().controls.set_caption(ctl::stack_label(1), "All in");
    game.play_until([] { return false; });  // until the deal timer finds the human broke
    QCOMPARE(game.table().ended, std::optional<GameEnd>(GameEnd::HumanBroke));
    QCOMPARE(game.notices.size(), std::size_t(1));
    QVERIFY(game.notices[0].contains("Your Rank is"));
}

void TableWindowTest::aClosedTournamentIsResumedAndABrokenOneSetAside() {
    QTemporaryDir folder;
    const QString saved = folder.filePath("tournament.json");
    auto third_hand_turn = [](Table& t) { return t.hands_started == 3 && human_turn_open(t); };
    CardCode first_card = 0;
    QString first_history;
    const PlayerStatistics* seen_before = nullptr;
    PlayerStatistics seen_two;
    {
        // Closed by the window's close button in the middle of the third hand.
        VirtualGame game(true, window_setup(folder.path(), saved));
        game.play_until([&] { return third_hand_turn(game.table()); });
        first_card = game.table().seat(1).cardone;
        seen_before = game.host.notes().statistics().of(game.table().seat(2).caption);
        QVERIFY(seen_before);
        seen_two = *seen_before;
        game.window.close();
        game.window.keeper()->flush();
        QFile history(game.window.history_path());
        QVERIFY(history.open(QIODevice::ReadOnly));
        first_history = QString::fromUtf8(history.readAll());
    }
    SavedGameFound found = SavedGame::look(saved);
    QVERIFY(found.game);
    QVERIFY(SavedGame::summary(*found.game->table).startsWith("Saved tournament: hand 3, "));

    // The splash offers it; Return takes the default, "New tournament" the other way.
    for (bool take_new : {true, false}) {
        int opened = 0;
        auto* splash = new SplashWindow([&] { ++opened; }, 50);
        splash->offer_resume("a saved tournament");
        splash->show();
        QTest::qWait(100);  // the timer no longer closes it
        QCOMPARE(opened, 0);
        if (take_new)
            QTest::mouseClick(splash->new_button(), Qt::LeftButton);
        else
            QTest::keyClick(splash, Qt::Key_Return);
        QCOMPARE(opened, 1);
        QCOMPARE(splash->resume_chosen(), !take_new);
    }

    // Resumed: the third hand again, with the same cards, and its history not yet written.
    const SavedTournament tournament = found.game->tournament;
    VirtualGame game(false, window_setup(folder.path(), saved, tournament),
                     std::move(found.game->table));
    QFile history(game.window.history_path());
    QVERIFY(history.open(QIODevice::ReadOnly));
    QVERIFY(!first_history.isEmpty());
    QVERIFY(first_history.startsWith(QString::fromUtf8(history.readAll())));
    // What the human had seen of each player is kept: the two hands played before the save
    // (the third is played again).
    const PlayerStatistics* seen_after =
        game.host.notes().statistics().of(game.table().seat(2).caption);
    QVERIFY(seen_after);
    QCOMPARE(seen_after->hands, 2);
    QVERIFY(seen_two.hands >= seen_after->hands);
    game.host.resume();
    game.play_until([&] { return third_hand_turn(game.table()); });
    QCOMPARE(game.table().seat(1).cardone, first_card);
    // "Exit" asks once; staying changes nothing, leaving ends the tournament and forgets it.
    int asked = 0;
    bool leave = false;
    game.window.set_exit_question([&] {
        ++asked;
        return leave;
    });
    QTest::mouseClick(game.window.button(Intent::exit), Qt::LeftButton);
    QVERIFY(!game.table().ended);
    leave = true;
    QTest::mouseClick(game.window.button(Intent::exit), Qt::LeftButton);
    QCOMPARE(asked, 2);
    QCOMPARE(game.table().ended, std::optional<GameEnd>(GameEnd::Exit));
    game.window.keeper()->flush();
    QVERIFY(!QFile::exists(saved));

    // A file that cannot be trusted is set aside with one line for the player.
    QFile broken(saved);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"version\": 1, \"players\": [");
    broken.close();
    found = SavedGame::look(saved);
    QVERIFY(!found.game);
    QVERIFY(found.notice.startsWith("The saved tournament could not be resumed"));
    QVERIFY(!found.notice.contains('\n'));
    QVERIFY(!QFile::exists(saved));
    const QStringList aside = QDir(folder.path()).entryList({"tournament.json.*.corrupt"});
    QCOMPARE(aside.size(), 1);
    QVERIFY(found.notice.contains(aside[0]));
}

void TableWindowTest::theSoundModuleIsFoundWhereAnInstallPutsIt() {
    QTemporaryDir root;
    const QString bin = root.filePath(HOLDEM_INSTALL_BINDIR);
    const QString module_dir = root.filePath(HOLDEM_SOUND_MODULE_DESTINATION);
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(module_dir));
    QCOMPARE(find_sound_module(bin), QString());  // none: the game plays silently
    const QString module = module_dir + "/libholdem_sound.so";
    QVERIFY(QFile::copy(HOLDEM_SOUND_MODULE_FILE, module));
    QCOMPARE(QFileInfo(find_sound_module(bin)).canonicalFilePath(),
             QFileInfo(module).canonicalFilePath());
    QLibrary loaded(module);
    QVERIFY2(loaded.resolve(sound_player_entry) != nullptr, qPrintable(loaded.errorString()));
    // The statistics, loaded the same way when the player opens them.
    const QString statistics_dir = root.filePath(HOLDEM_STATISTICS_MODULE_DESTINATION);
    QVERIFY(QDir().mkpath(statistics_dir));
    QCOMPARE(find_statistics_module(bin), QString());
    const QString statistics = statistics_dir + "/libholdem_statistics.so";
    QVERIFY(QFile::copy(HOLDEM_STATISTICS_MODULE_FILE, statistics));
    QLibrary statistics_module(find_statistics_module(bin));
    QVERIFY2(statistics_module.resolve(statistics_entry) != nullptr,
             qPrintable(statistics_module.errorString()));
}

void TableWindowTest::strayKeysDoNothingInEveryState() {
    // Whatever a stray key might open is closed again, so the sweep never waits on it.
    QTimer guard;
    connect(&guard, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    guard.start(20);
    for (int i = 0; i < 20; ++i) {  // the splash: any key opens the table, once
        int opened = 0;
        auto* splash = new SplashWindow([&] { ++opened; }, 60000);
        splash->show();
        QTest::sendKeyEvent(QTest::Click, splash,
                            Qt::Key(QMetaEnum::fromType<Qt::Key>().value(i * 20)), QString(),
                            Qt::NoModifier);
        QTest::keyClick(splash, Qt::Key_Return);
        QCOMPARE(opened, 1);
    }
    VirtualGame game(true, {}, nullptr, true);
    Table& t = game.table();
    game.play_until([&] { return human_turn_open(t); });
    sweep_keys(t, "the human's turn", nullptr, enter_keys, game_letters);
    game.window.amount_box()->setFocus();
    sweep_keys(t, "the amount box", game.window.amount_box(),
               enter_keys + QSet<int>{Qt::Key_Escape}, game_letters);
    QTest::mouseClick(game.window.button(Intent::fold), Qt::LeftButton);
    game.next();
    sweep_keys(t, "another seat's turn", nullptr, enter_keys, game_letters);
    game.play_until([&] { return t.gameover; });
    sweep_keys(t, "the showdown", nullptr, enter_keys, game_letters);
    const QSet<int> dialog_keys = enter_keys + QSet<int>{Qt::Key_Escape};
    QTimer::singleShot(0, [&] {
        sweep_keys(t, "a dialog", QApplication::activeModalWidget(), dialog_keys, {});
        QApplication::activeModalWidget()->close();
    });
    game.window.leave();
    QVERIFY(!t.ended);
    int new_tournaments = 0;
    game.window.set_new_tournament([&] { ++new_tournaments; });
    QTimer::singleShot(0, [&] {
        QWidget* notice = QApplication::activeModalWidget();
        sweep_keys(t, "the end notice", notice, dialog_keys, {});
        QVERIFY(notice->findChild<QLabel*>("noticeText")->text().startsWith("You are out"));
        QTest::keyClick(notice, Qt::Key_Return);  // the default: a new tournament
    });
    t.seat(1).prize = 0;
    game.play_until([] { return false; });
    QCOMPARE(new_tournaments, 1);
}

void TableWindowTest::theKeyboardRestsWhereThePlayerExpects() {
    VirtualGame game;
    Table& t = game.table();
    for (int turn = 0; turn < 4; ++turn) {
        game.play_until([&] { return human_turn_open(t); });
        QPushButton* call =
            game.window.button(t.controls[ctl::Call].visible ? Intent::call : Intent::check);
        QCOMPARE(QApplication::focusWidget(), call);  // Return and Space call or check
        if (turn == 0) {                              // a text that is no amount says so
            QTest::keyClick(&game.window, Qt::Key_B);
            QTest::keyClicks(game.window.amount_box(), "abc");
            QTest::keyClick(game.window.amount_box(), Qt::Key_Return);
            QCOMPARE(game.window.view().amount_hint(), QString("Refused: abc is not an amount"));
            QTest::keyClick(game.window.amount_box(), Qt::Key_Escape);
        }
        QTest::keyClick(QApplication::focusWidget(), turn == 2 ? Qt::Key_Space : Qt::Key_F);
        QVERIFY(!human_turn_open(t));
        QWidget* holder = QApplication::focusWidget();
        QVERIFY(holder != game.window.button(Intent::sit_out) &&
                holder != game.window.button(Intent::exit));
        const auto before = table_facts(t);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(table_facts(t) == before);
    }
    // A sit-out request cannot be taken back within the hand, and the line says so.
    QVERIFY(game.window.view().sit_out_request().isEmpty());
    QTest::keyClick(&game.window, Qt::Key_S);
    QVERIFY(game.window.view().sit_out_request().startsWith("You sit out from the next hand"));
}

void TableWindowTest::theLogFollowsAndKeepsTheLastHands() {
    QTemporaryDir folder;
    const QString saved = folder.filePath("tournament.json");
    std::unique_ptr<Table> kept;
    {
        VirtualGame game(true, window_setup(folder.path(), saved));
        game.window.keeper()->flush();
        SavedGameFound found = SavedGame::look(saved);
        QVERIFY(found.game);
        kept = std::move(found.game->table);
    }
    // Resumed during the first hand: the log and the history start with it, once.
    VirtualGame game(
        false,
        window_setup(folder.path(), saved,
                     SavedTournament{"resumed", 0, std::nullopt, std::nullopt, nullptr}),
        std::move(kept));
    Table& t = game.table();
    game.host.resume();
    QVERIFY(game.window.log().lines().first().startsWith("--- Hand 1 ---"));
    game.play_until([&] { return t.hands_started >= 2; });
    QFile history(game.window.history_path());
    QVERIFY(history.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(history.readAll()).count("Hold'em Hand #1:"), 1);
    // Hand after hand, the log keeps the last ones and stays at the newest line.
    HandLogView& log = game.window.log();
    const std::size_t hands = HandLogView::hands_kept + 5;
    for (std::size_t hand = 1; hand <= hands; ++hand) {
        t.hands_started = hand;
        log.observer().hand_started(t);
        log.observer().seat_closed(t, 3);
        if (hand % 50 == 0) log.lines();
    }
    const QStringList lines = log.lines();
    QVERIFY(lines.first().startsWith("--- Hand 6 ---"));
    QCOMPARE(lines.filter(QRegularExpression("^--- Hand ")).size(), int(HandLogView::hands_kept));
    QCOMPARE(lines.size(), int(2 * HandLogView::hands_kept));
    QScrollBar* bar = log.verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
}

void TableWindowTest::aFailedSaveIsShownUntilASaveSucceeds() {
    QTemporaryDir folder;
    QFile in_the_way(folder.filePath("data"));
    QVERIFY(in_the_way.open(QIODevice::WriteOnly));
    in_the_way.close();
    VirtualGame game(true, window_setup({}, folder.filePath("data/tournament.json")));
    QTRY_COMPARE(game.window.save_problem(),
                 QString("Not saved: a file stands where the folder should be; "
                         "no earlier save is kept"));
    QVERIFY(in_the_way.remove() && QDir(folder.path()).mkdir("data"));
    game.play_until([&] { return game.table().hands_started >= 2; });
    QTRY_VERIFY(game.window.save_problem().isEmpty());
}

// The data folder's disk is full from the start: every hand is played, each line says what is
// not kept, and once there is room again the save, the results and every hand history hold
// every hand.
void TableWindowTest::aFullDiskFromTheStartLosesNothingOnceThereIsRoom() {
    QTemporaryDir folder;
    WindowSetup setup =
        window_setup(folder.filePath("histories"), folder.filePath("tournament.json"));
    setup.results = folder.filePath("results.db");
    auto disk = std::make_unique<holdem::testing::FullDisk>();
    VirtualGame game(true, setup);
    game.play_until([&] { return game.table().hands_started >= 4; });
    QTRY_VERIFY(game.window.save_problem().startsWith("Not saved: no space left on the disk"));
    QCOMPARE(game.window.results_problem(), QString("Results not kept: the disk is full"));
    QVERIFY2(game.window.history_problem().startsWith("Hand history not written") &&
                 game.window.history_problem().endsWith("no space left on the disk"),
             qPrintable(game.window.history_problem()));
    QCOMPARE(game.table().hands_started, 4u);
    disk.reset();
    game.play_until([&] { return game.table().hands_started >= 6; });
    QTRY_VERIFY(game.window.save_problem().isEmpty());
    QVERIFY(game.window.results_problem().isEmpty());
    QVERIFY(game.window.history_problem().isEmpty());
    // Hands 1 to 5 have ended: each is in the history, the records and the results.
    QFile history(game.window.history_path());
    QVERIFY(history.open(QIODevice::ReadOnly));
    const QByteArray text = history.readAll();
    for (int hand = 1; hand <= 5; ++hand)
        QVERIFY(text.contains("Hand #" + QByteArray::number(hand) + ":"));
    QFile records(QString(game.window.history_path()).replace(".txt", ".jsonl"));
    QVERIFY(records.open(QIODevice::ReadOnly));
    QCOMPARE(records.readAll().count('\n'), 5);
    StatisticsDialog statistics(folder.filePath("results.db"));
    QTRY_VERIFY(!statistics.reading());
    QVERIFY2(statistics.figures().contains("Hands 5 "), qPrintable(statistics.figures()));
}

// A settings file that is a pipe, or far larger than the game writes, is never read: the
// classic options, chosen ones kept for the run, and the reason said.
void TableWindowTest::hostileSettingsAreNeverRead() {
    QTemporaryDir folder;
    const QString pipe = folder.filePath("pipe.conf");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QElapsedTimer took;
    took.start();
    Preferences piped(pipe);
    QCOMPARE(piped.options(), Options{});
    QVERIFY(piped.problem().startsWith("The settings file is not an ordinary file"));
    Options chosen;
    chosen.pace = Pace::fast;
    piped.set_options(chosen);
    QCOMPARE(piped.options().pace, Pace::fast);
    const QString huge = folder.filePath("huge.conf");
    {
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(300 << 20));  // a sparse file of 300 MB
    }
    Preferences large(huge);
    QVERIFY(large.problem().startsWith("The settings file is far larger than the game writes"));
    QCOMPARE(large.options(), Options{});
    QVERIFY(took.elapsed() < 1000);
    QCOMPARE(QFileInfo(huge).size(), qint64{300} << 20);
}

void TableWindowTest::resultsAreKeptAndShown() {
    QTemporaryDir folder;
    WindowSetup setup;
    setup.results = folder.filePath("results.db");
    {
        VirtualGame game(true, setup);
        game.play_until([&] { return game.table().hands_started >= 4; });
    }
    StatisticsDialog statistics(folder.filePath("results.db"));
    QTRY_VERIFY(!statistics.reading());
    // The tournament left unfinished counts, and the chart of finishes says it has none.
    QVERIFY2(statistics.figures().startsWith("Tournaments 1 (0 finished) · wins 0"),
             qPrintable(statistics.figures()));
    QVERIFY(statistics.figures().contains("Hands 3 · VPIP 0.0 %"));  // the human only folded
    QCOMPARE(statistics.stacks_shown(), 3);
    QCOMPARE(statistics.ranks_shown(), 0);
    QVERIFY(statistics.tournament()->itemText(0).contains("classic · in play"));
    statistics.rules()->setCurrentIndex(2);  // standard: nothing played yet
    QTRY_VERIFY(!statistics.reading());
    QVERIFY(statistics.figures().startsWith("Tournaments 0"));
}

// A screen reader can name every control of the table, its dialogs and tools, says each seat
// as its plate shows it, and is told when the human's turn comes.
void TableWindowTest::everyControlIsNamedAndTheTurnIsAnnounced() {
    QTemporaryDir folder;
    VirtualGame game(false, window_setup(folder.path()), standard_table(5));
    QSignalSpy announced(&game.window.view(), &TableView::announced);
    game.host.start();
    const TablePicture& shown = game.host.picture();
    for (int step = 0; step < 3000 && !shown.human.open; ++step)
        game.next();
    QVERIFY(shown.human.open);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&game.window);
    const QStringList unnamed = unnamed_controls(window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("; ")));

    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&game.window.view());
    QCOMPARE(view->text(QAccessible::Name), QString("Table"));
    QStringList seats;
    for (int i = 0; i < view->childCount(); ++i)
        if (view->child(i)->role() == QAccessible::StaticText && !view->child(i)->object())
            seats << view->child(i)->text(QAccessible::Name);
    const QString second = QString::fromStdString(game.table().seat(2).caption);
    QVERIFY2(
        seats.size() >= 10 && seats[1].startsWith(second + ", ") && seats[1].contains(" plays "),
        qPrintable(seats.join(" | ")));
    // A part of the painted table is found where it is drawn.
    const QRect plate = view->child(view->childCount() - 14 + 1)->rect();
    QCOMPARE(view->childAt(plate.center().x(), plate.center().y())->text(QAccessible::Name),
             seats[1]);
    QVERIFY(game.window.button(Intent::fold)->accessibleName() == "Fold");

    QVERIFY(!announced.isEmpty());
    const QString turn = announced.last().at(0).toString();
    QVERIFY2(turn.startsWith("Your turn: ") && turn.contains(" or fold; pot "), qPrintable(turn));
    QCOMPARE(view->text(QAccessible::Description), turn);
    QCOMPARE(std::count_if(announced.begin(), announced.end(),
                           [](const QList<QVariant>& said) {
                               return said.at(0).toString().startsWith("Your turn");
                           }),
             1);

    // The dialogs and tools, as the keyboard opens them.
    OptionsDialog options(Options{});
    SplashWindow splash([] {}, 60000);
    splash.offer_games(true, false);
    HandsViewer hands(folder.path());
    StatisticsDialog statistics(folder.filePath("results.sqlite"));
    EquityCalculatorWindow calculator;
    for (QWidget* w :
         std::initializer_list<QWidget*>{&options, &splash, &hands, &statistics, &calculator}) {
        w->show();
        const QStringList in_it = unnamed_controls(QAccessible::queryAccessibleInterface(w));
        QVERIFY2(in_it.isEmpty(),
                 qPrintable(QString(w->metaObject()->className()) + ": " + in_it.join("; ")));
        w->hide();
    }
}

// H asks the advisor once: its line comes at the human's turn, from the window's pool, and
// goes when the turn is over; the option advises at every turn and is kept.
void TableWindowTest::theAdvisorAnswersHAtTheTurnAndIsGoneAfterIt() {
    QTemporaryDir folder;
    VirtualGame game(true, window_setup(folder.path()), standard_table(5));
    const TablePicture& shown = game.host.picture();
    auto to_turn = [&] {
        for (int step = 0; step < 3000 && !shown.human.open; ++step)
            game.next();
        return shown.human.open;
    };
    QVERIFY(to_turn());
    QVERIFY(game.window.view().advice_line().isEmpty());
    QTest::keyClick(&game.window, Qt::Key_H);
    QTRY_VERIFY(!game.window.view().advice_line().isEmpty());
    const QString line = game.window.view().advice_line();
    QVERIFY2(QRegularExpression("^(Fold|Check|Call \\d+|Bet \\d+|Raise to \\d+|All in \\d+): "
                                "\\d+ % equity against their likely hands")
                 .match(line)
                 .hasMatch(),
             qPrintable(line));
    QTest::mouseClick(game.window.button(Intent::fold), Qt::LeftButton);
    QVERIFY(game.window.view().advice_line().isEmpty());
    // Asked once: the next turn comes without advice, until the option is on.
    QVERIFY(to_turn());
    QTest::qWait(50);
    QVERIFY(game.window.view().advice_line().isEmpty());
    game.window.set_advisor(true);
    QTRY_VERIFY(!game.window.view().advice_line().isEmpty());
    QTemporaryDir settings;
    Preferences preferences(settings.filePath("settings.conf"));
    preferences.set_advisor(true);
    QVERIFY(Preferences(settings.filePath("settings.conf")).advisor());
}

// Under German, French and Spanish every text of the menus and of the Options dialog comes from
// the translation (a text still the same as in English must be one the translation keeps as it
// is); English stays the game's own words.
void TableWindowTest::theMenusAndOptionsSpeakEachLanguage() {
    auto texts_now = [] {
        QtHost host(std::make_unique<Table>(std::make_unique<SeededRandom>(3)), [] { return 0; });
        TableWindow window(host, {});
        OptionsDialog options(Options{});
        HandsViewer hands{QString()};
        StandingsWindow standings;
        ReviewWindow review{QString(), QString()};
        EquityCalculatorWindow calculator;
        StatisticsDialog statistics{QString()};
        SplashWindow splash([] {}, 600000);
        splash.set_options([] {});
        splash.offer_games(true, false);
        return visible_texts(&window) + visible_texts(&options) + visible_texts(&hands) +
               visible_texts(&standings) + visible_texts(&review) + visible_texts(&calculator) +
               visible_texts(&statistics) + visible_texts(&splash);
    };
    const QStringList english = texts_now();
    QVERIFY(english.contains("&Game"));
    QVERIFY(english.contains("Table rules"));
    const char* contexts[] = {"holdem::ui::TableWindow",      "holdem::ui::OptionsDialog",
                              "holdem::ui::ActionPanel",      "holdem::ui::HandsViewer",
                              "holdem::ui::StandingsWindow",  "holdem::ui::ReviewWindow",
                              "holdem::ui::TableView",        "holdem::ui::EquityCalculatorWindow",
                              "holdem::ui::StatisticsDialog", "holdem::ui::SplashWindow"};
    for (const QString& code : {QString("de"), QString("fr"), QString("es")}) {
        QVERIFY(install_translation(*qApp, code));
        const QStringList spoken = texts_now();
        QTranslator catalogue;
        QVERIFY(catalogue.load(":/translations/final-table-holdem_" + code + ".qm"));
        QCOMPARE(spoken.size(), english.size());
        QStringList untranslated;
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QString& text = english[i];
            if (spoken[i] != text || !text.contains(QRegularExpression("[A-Za-z]"))) continue;
            // The language names are each language's own; a sample hand is a hand; the
            // game's name and version are the same in every language.
            if (std::any_of(languages().begin(), languages().end(),
                            [&](const auto& l) { return l.second == text; }) ||
                text == "Final Table Hold'em" || text.startsWith("Version "))
                continue;
            bool kept = false;
            for (const char* context : contexts)
                kept = kept || !catalogue.translate(context, text.toUtf8()).isEmpty();
            if (!kept) untranslated << text;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(code + ": " + untranslated.join(" | ")));
    }
    // The table's own words: each form in the language, its numbers and names kept.
    QVERIFY(install_translation(*qApp, "de"));
    QCOMPARE(in_language("Call 20"), QString("Mitgehen 20"));
    QCOMPARE(in_language("Main pot 300 · Side pot 180"), QString("Hauptpot 300 · Nebentopf 180"));
    QCOMPARE(in_language("Level 3: 100/200 ante 200 · Table 69"),
             QString("Stufe 3: 100/200 Ante 200 · Tisch 69"));
    QCOMPARE(in_language("raise to 40 … 960, then Enter"),
             QString("auf 40 … 960 erhöhen, dann Enter"));
    QCOMPARE(in_language("zub zub kid"), QString("zub zub kid"));
    QCOMPARE(in_language("river rat raises to 100 and is all in"),
             QString("river rat erhöht auf 100 und ist all-in"));
    QCOMPARE(in_language("You collected 60 from pot"), QString("Sie gewinnen 60 aus dem Pot"));
    QCOMPARE(in_language("--- Hand 3 --- blinds 10/20, You deal"),
             QString("--- Hand 3 --- Blinds 10/20, Sie geben"));
    QVERIFY(install_translation(*qApp, "en"));
    QCOMPARE(in_language("Limits Go Up in mins 9 : 88 sec"),
             QString("Limits Go Up in mins 9 : 88 sec"));
    QCOMPARE(texts_now(), english);
    QCOMPARE(language_for("fr"), QString("fr"));
    QVERIFY(!language_for("").isEmpty());
}

// A field tournament played to its end in German, the human checking or folding: no line of
// the log, no winner's line, no news and no end notice keeps an English word the rules wrote
// (the players' names are made of other words).
void TableWindowTest::aWholeTournamentIsToldInGerman() {
    QVERIFY(install_translation(*qApp, "de"));
    VirtualGame game(true, {}, field_table(11, StructureKind::hyper_turbo, 20));
    const TablePicture& shown = game.host.picture();
    QStringList seen;
    for (int step = 0; step < 40000 && !game.table().ended; ++step) {
        if (shown.banner_shown) seen << in_language(shown.banner);
        if (shown.announcement_shown) seen << in_language(shown.announcement);
        if (!shown.human.open) {
            game.next();
            continue;
        }
        // The human waits for the others, so the field's news comes while it is in.
        QPushButton* check = game.window.button(Intent::check);
        QTest::mouseClick(check->isVisible() ? check : game.window.button(Intent::fold),
                          Qt::LeftButton);
        if (game.table().hands_started % 5 == 0) seen << game.window.log().lines();
    }
    QVERIFY(game.table().ended);
    seen << game.window.log().lines() << game.notices.front();
    const QRegularExpression english(
        "\\b(the|with|from|to|and|of|is|are|collected|folds?|checks?|calls?|bets?|raises?|posts?|"
        "shows?|mucks?|returned|goes|back|takes|seat|closes|out|tournament|hands?|turned|pair|kind|"
        "high|straight|total|main|side|sits?|pay|rank|finished|won|wins?|split|bubble|money|"
        "table|left|paid|moves?|broken|balanced|final|uncalled|blinds?|deals?)\\b");
    QStringList english_lines;
    for (const QString& line : seen)
        if (english.match(line).hasMatch()) english_lines << line;
    english_lines.removeDuplicates();
    QVERIFY2(english_lines.isEmpty(), qPrintable(english_lines.mid(0, 8).join(" | ")));
    QVERIFY(seen.contains("Der Finaltisch: die letzten 10 spielen weiter"));
    QVERIFY(install_translation(*qApp, "en"));
}

// The lines the table, the standings and the review write (hands, the winner's line, the
// director's news, the place, the advice) in each language, numbers as the language writes
// them, and every hand the readings can name given in German words.
void TableWindowTest::theTablesLinesAndHandsSpeakEachLanguage() {
    const QString english_how_to = how_to_play_text();
    const std::string lines[] = {
        "river rat wins 480 with Two pair, aces and queens",
        "Split pot: Ann, Bo and You win 40 each with Straight, ten high",
        "The money bubble: 6 left, 5 paid. Hand for hand",
        "Your table is broken: you move to table 17",
        "You finished 137th of 1,000 and won 1,180",
        "Rank 4 of 1,090 · Average 21,008 · You 35 BB · 150 paid",
        "Pair of kings, flush draw",
        "Call 60: 41 % equity against their likely hands, 25 % needed at this price · 35 big "
        "blinds · last to act",
        "called 150 with 20 % equity needing 32 %: about −56 chips",
        "1st",
        "2nd–3rd",
        "Pair of aces",
        "Bo shows Ah Kd (Flush, ace-king high)",
        "river rat plays tight-aggressive",
        "Blinds 1,000/2,000 ante 2,000",
        "Total pot 900 Main pot 600. Side pot-1 300.",
    };
    QVERIFY(install_translation(*qApp, "de"));
    const char* german[] = {
        "river rat gewinnt 480 mit Zwei Paare, Asse und Damen",
        "Geteilter Pot: Ann, Bo und Sie gewinnen je 40 mit Straße bis Zehn",
        "Die Bubble: noch 6, 5 bezahlt. Hand für Hand",
        "Ihr Tisch wird aufgelöst: Sie wechseln an Tisch 17",
        "Sie belegen Platz 137 von 1.000 und gewinnen 1.180",
        "Rang 4 von 1.090 · Durchschnitt 21.008 · Sie 35 BB · 150 bezahlt",
        "Paar Könige, Flush-Draw",
        "Mitgehen 60: 41 % Equity gegen ihre wahrscheinlichen Hände, 25 % nötig bei diesem Preis "
        "· 35 Big Blinds · handelt als Letzter",
        "150 mitgegangen mit 20 % Equity bei 32 % nötig: etwa −56 Chips",
        "1.",
        "2.–3.",
        "Paar Asse",
        "Bo zeigt Ah Kd (Flush, Ass-König hoch)",
        "river rat spielt tight-aggressiv",
        "Blinds 1.000/2.000 Ante 2.000",
        "Pot gesamt 900 Hauptpot 600. Nebenpot 1: 300.",
    };
    for (std::size_t i = 0; i < std::size(lines); ++i)
        QCOMPARE(in_language(lines[i]), QString::fromUtf8(german[i]));
    // What assistive technology is told.
    QCOMPARE(spoken_in_language("river rat, 1273 chips, plays tight-aggressive, dealer, folded"),
             QString("river rat, 1.273 Chips, spielt tight-aggressiv, Dealer, gepasst"));
    QCOMPARE(spoken_in_language("Your turn: call 10, raise to 40 or fold; pot 70; you hold pair "
                                "of kings, flush draw"),
             QString("Sie sind am Zug: mitgehen 10, erhöhen auf 40 oder passen; Pot 70; Sie "
                     "halten Paar Könige, Flush-Draw"));
    QCOMPARE(spoken_in_language("Board Ah Kd 5c, pot 300"), QString("Board Ah Kd 5c, Pot 300"));
    QVERIFY(how_to_play_text() != english_how_to);
    QVERIFY(how_to_play_text().contains("Spielanleitung"));
    // Every hand a reading names, with and without draws, classic or standard, is German.
    const QRegularExpression english_word(
        "\\b(twos?|threes?|fours?|fives?|six(es)?|sevens?|eights?|nines?|tens?|jacks?|queens?|"
        "kings?|aces?|high|pair|kind|house|straight|draw|gutshot|of|and)\\b");
    std::mt19937 random(11);
    for (int deal = 0; deal < 3000; ++deal) {
        std::array<CardCode, 7> cards{};
        for (std::size_t i = 0; i < cards.size(); ++i) {
            bool fresh = false;
            while (!fresh) {
                cards[i] = static_cast<CardCode>(1 + random() % 52);
                fresh = std::find(cards.begin(), cards.begin() + i, cards[i]) == cards.begin() + i;
            }
        }
        const std::span<const CardCode> board(cards.data() + 2, 3 + deal % 3);
        for (const std::string& name : {hand_readout({cards[0], cards[1]}, board),
                                        classic_readout({cards[0], cards[1]}, board)}) {
            const QString spoken = in_language(name);
            QVERIFY2(!english_word.match(spoken).hasMatch(),
                     qPrintable(QString::fromStdString(name) + " → " + spoken));
        }
    }
    QVERIFY(install_translation(*qApp, "fr"));
    QCOMPARE(in_language("Pair of aces"), QString("Paire d'as"));
    QCOMPARE(in_language("2nd–3rd"), QString("2e–3e"));
    QCOMPARE(in_language("1st"), QString("1er"));
    QVERIFY(install_translation(*qApp, "es"));
    QCOMPARE(in_language("Full house, kings full of sevens"), QString("Full de reyes con sietes"));
    QVERIFY(install_translation(*qApp, "en"));
    for (const std::string& line : lines)
        QCOMPARE(in_language(line), QString::fromStdString(line));
    QCOMPARE(spoken_in_language("Your turn: check or fold"), QString("Your turn: check or fold"));
    QCOMPARE(how_to_play_text(), english_how_to);
}

// A player who calls every bet makes costly calls: Game › Review lists them from the results,
// the costliest first, and choosing one opens its hand's replay at that decision.
void TableWindowTest::theReviewListsTheCostliestDecisionsAndReplaysOne() {
    QTemporaryDir folder;
    WindowSetup setup = window_setup(folder.path());
    setup.results = folder.filePath("results.db");
    VirtualGame game(true, setup, standard_table(5));
    const TablePicture& shown = game.host.picture();
    for (int step = 0; step < 20000 && !game.table().ended && game.table().hands_started < 25;
         ++step) {
        if (!shown.human.open) {
            game.next();
            continue;
        }
        QPushButton* call = game.window.button(Intent::call);
        QPushButton* check = game.window.button(Intent::check);
        QTest::mouseClick(call->isVisible() ? call : check, Qt::LeftButton);
    }
    game.window.open_review();
    auto* review = game.window.findChild<ReviewWindow*>();
    QVERIFY(review);
    QTableWidget* list = review->decisions();
    QVERIFY2(list->rowCount() > 0, "no decision cost chips");
    const QRegularExpression words(
        "^(folded|checked|called \\d+|bet \\d+|raised to \\d+|moved all in for \\d+) with "
        "\\d+ % equity( needing \\d+ %)?: about \u2212\\d+ chips$");
    double last = 1e18;
    for (int row = 0; row < list->rowCount(); ++row) {
        const QString decision = list->item(row, 2)->text();
        QVERIFY2(words.match(decision).hasMatch(), qPrintable(decision));
        const double cost = decision.section("\u2212", 1).section(' ', 0, 0).toDouble();
        QVERIFY(cost <= last);
        last = cost;
    }
    const quint64 hand = list->item(0, 0)->text().toULongLong();
    emit list->cellActivated(0, 0);
    auto* viewer = game.window.findChild<HandsViewer*>("reviewedHand");
    QVERIFY(viewer);
    QTRY_VERIFY(!viewer->reading() && viewer->step() > 0);
    QCOMPARE(viewer->hands()->item(viewer->hands()->currentRow(), 0)->text().toULongLong(), hand);
    // The replay stands at the decision: the next step is the human's action.
    const int told = viewer->log_text().count('\n');
    viewer->show_step(viewer->step() + 1);
    const QStringList lines = viewer->log_text().split('\n');
    QCOMPARE(lines.size(), told + 2);
    QVERIFY2(lines.last().startsWith("You "), qPrintable(lines.last()));
    viewer->close();
    review->close();
}

// The Options dialog's table rules, then a standard tournament played by clicks and typing: the
// raise button names its total, the quick amounts fill the box, a total beyond the stack is
// refused with its reason, and a typed total is raised to; the hand's PHH record is written.
void TableWindowTest::standardRulesAreChosenAndPlayedThroughTheWidgets() {
    {
        OptionsDialog dialog(Options{});
        dialog.rules()->setCurrentIndex(static_cast<int>(Rules::standard));
        QVERIFY(!dialog.ranking()->isEnabled());
        QCOMPARE(dialog.options().ranking, Ranking::standard);
        dialog.rules()->setCurrentIndex(static_cast<int>(Rules::classic));
        QVERIFY(dialog.ranking()->isEnabled());
        QCOMPARE(dialog.options().ranking, Ranking::classic);
    }
    QTemporaryDir folder;
    VirtualGame game(true, window_setup(folder.path()), standard_table(5));
    const TablePicture& shown = game.host.picture();
    for (int step = 0; step < 3000 && !shown.human.open; ++step)
        game.next();
    QVERIFY(shown.human.open);
    QPushButton* raise = game.window.button(Intent::raise);
    QVERIFY(raise->isVisible());
    QVERIFY2(raise->text().startsWith("Raise to ") || raise->text().startsWith("Bet "),
             qPrintable(raise->text()));
    QLineEdit* box = game.window.amount_box();
    QTest::mouseClick(game.window.button(Intent::all_in), Qt::LeftButton);
    const QString all_in = box->text();
    QCOMPARE(all_in.toLongLong(), shown.human.most);
    QVERIFY(box->hasFocus());
    box->clear();
    QTest::keyClicks(box, QString::number(shown.human.most + 1));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY2(game.window.view().amount_hint().contains("more than you have"),
             qPrintable(game.window.view().amount_hint()));
    QVERIFY(shown.human.open);
    const auto least = static_cast<std::int64_t>(shown.human.least);
    box->clear();
    QTest::keyClicks(box, QString::number(least));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(!shown.human.open);
    QCOMPARE(game.table().seat(human_seat).totalbet, least);
    game.play_until([&] { return game.table().hands_started >= 3; });
    QFile records(game.window.history_path().replace(".txt", ".phhs"));
    QVERIFY(records.open(QIODevice::ReadOnly));
    const QByteArray text = records.readAll();
    QVERIFY(text.startsWith("[1]\nvariant = \"NT\"\n"));
    QVERIFY(text.contains("cbr " + QByteArray::number(least)));
}

// Hands played in the window are listed in Game › Hands… and replay to their end, the log's
// lines following the steps; a history without records still lists, with nothing to play.
void TableWindowTest::aHandHistoryFromElsewhereOpensInTheHandsViewer() {
    QTemporaryDir folder;
    const QString path = folder.path() + "/famous.phhs";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"([1]
variant = "NT"
antes = [500, 500, 500]
blinds_or_straddles = [1000, 2000, 0]
min_bet = 2000
starting_stacks = [1125600, 2000000, 553500]
players = ["Ann", "Bo", "Cy"]
actions = ["d dh p1 Ac2d", "d dh p2 ????", "d dh p3 7h6h", "p3 cbr 7000", "p1 cbr 23000",
  "p2 f", "p3 cc", "d db Jc3d5c", "p1 cbr 35000", "p3 cc", "d db 4h", "p1 cbr 90000",
  "p3 cbr 232600", "p1 cbr 1067100", "p3 cc", "p1 sm Ac2d", "p3 sm 7h6h", "d db Jh"]

[2]
variant = "FT"
antes = [0, 0]
blinds_or_straddles = [1, 2]
small_bet = 2
big_bet = 4
starting_stacks = [100, 100]
actions = []

[3]
variant = "NT"
antes = "none"
blinds_or_straddles = [1, 2]
min_bet = 2
starting_stacks = [100, 100]
actions = []
)");
    file.close();
    VirtualGame game;
    game.window.open_hand_history(path);
    auto* viewer = game.window.findChild<HandsViewer*>("openedHandHistory");
    QVERIFY(viewer && viewer->isVisible());
    QTRY_VERIFY(!viewer->reading());
    QCOMPARE(viewer->tournaments()->currentText(), QString("famous.phhs"));
    // The malformed hand is named by its header and field and left out.
    QVERIFY2(viewer->reading_line().startsWith("2 hands; hand [3]: antes"),
             qPrintable(viewer->reading_line()));
    QCOMPARE(viewer->hands()->rowCount(), 2);
    QCOMPARE(viewer->hands()->item(0, 1)->text(), QString("3"));
    QCOMPARE(viewer->hands()->item(0, 3)->text(), QString("yes"));
    QVERIFY(viewer->hands()->item(1, 3)->text().startsWith("not supported"));
    // The no-limit hand replays step by step to the river, the players named.
    viewer->show_hand(0);
    QVERIFY(viewer->steps() > 10);
    viewer->show_step(viewer->steps() - 1);
    int named = 0;
    for (const SeatPicture& seat : viewer->picture().seats)
        named += seat.name == "Ann" || seat.name == "Bo" || seat.name == "Cy";
    QCOMPARE(named, 3);
    QVERIFY(viewer->log_text().contains("Cy"));
    viewer->show_hand(1);
    QCOMPARE(viewer->steps(), 0);
    QVERIFY(viewer->log_text().contains("cannot be replayed"));
    // Files are told apart by name, whatever the case.
    QVERIFY(is_hand_history("a.PHH") && is_hand_history("b.phhs") && !is_hand_history("c.txt"));
    viewer->close();
}

void TableWindowTest::theHandsViewerReplaysEveryHandPlayed() {
    QTemporaryDir folder;
    {
        VirtualGame game(true, window_setup(folder.path()));
        game.play_until([&] { return game.table().hands_started >= 4; });
        QVERIFY(game.table().hands_started >= 4);
    }
    QFile old_history(folder.filePath("tournament-20200101000000.txt"));
    QVERIFY(old_history.open(QIODevice::WriteOnly));
    old_history.write("Final Table Hold'em Hand #1: ...\n\n");
    old_history.close();

    HandsViewer viewer(folder.path());
    QTRY_VERIFY(!viewer.reading());
    QCOMPARE(viewer.tournaments()->count(), 2);
    QVERIFY(viewer.tournaments()->itemText(1).endsWith("(history only)"));
    QVERIFY(viewer.hands()->rowCount() >= 3);
    QCOMPARE(viewer.hands()->item(0, 0)->text(), QString("1"));
    viewer.hands()->setCurrentCell(1, 0);
    QCOMPARE(viewer.step(), 0);
    QVERIFY(viewer.steps() > 3);
    QVERIFY(!viewer.control("back")->isEnabled());
    const QString start = viewer.log_text();
    while (viewer.control("forward")->isEnabled())
        QTest::mouseClick(viewer.control("forward"), Qt::LeftButton);
    QCOMPARE(viewer.step(), viewer.steps() - 1);
    QVERIFY(viewer.log_text().size() > start.size());
    QVERIFY(viewer.picture().banner_shown);
    QTest::mouseClick(viewer.control("first"), Qt::LeftButton);
    QCOMPARE(viewer.step(), 0);
    viewer.tournaments()->setCurrentIndex(1);
    QCOMPARE(viewer.hands()->rowCount(), 0);
    QCOMPARE(viewer.reading_line(),
             QString("This tournament's hands were kept as a history only."));
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
