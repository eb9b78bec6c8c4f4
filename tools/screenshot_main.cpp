// holdem-screenshot: opens the table window at a given size, plays the game in virtual time to
// a chosen moment and writes the window to a PNG. tools/screenshot runs it under Xvfb.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cycle/human_actions.h"
#include "model/table.h"
#include "ui/equity_calculator_window.h"
#include "ui/fonts.h"
#include "ui/hands_viewer.h"
#include "ui/language.h"
#include "ui/notices.h"
#include "ui/options_dialog.h"
#include "ui/qt_host.h"
#include "ui/review_window.h"
#include "ui/splash_window.h"
#include "ui/statistics_dialog.h"
#include "ui/table_window.h"

using namespace holdem;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes a PNG of the table at a moment of a seeded game.");
    parser.addHelpOption();
    parser.addOption({"size", "Window size in logical pixels.", "WxH", "1280x800"});
    parser.addOption(
        {"moment",
         "splash, aside (the splash with a save set aside), setup (the New tournament "
         "dialog), start, hand (a hand in "
         "progress), turn (the human to act), showdown, split (a showdown with a "
         "split pot), end (the end notice) or odds (the human's turn with the odds helper); "
         "under the standard rules also sidepots (a showdown paid in three pots or more), "
         "sidepot (a side pot during a hand), short (the human's call puts all in) and "
         "raised (the human facing a raise); with --entrants the whole field: moved (the "
         "human moved to another table), bubble (the money bubble), final (the final table), "
         "standings (the Standings window) or prize (the end notice of a paid place); "
         "calculator (the equity calculator), phh (a hand history opened from elsewhere); under "
         "the standard rules figures (the opponents' statistics on the table), advice (the "
         "advisor's line) and review (Game › Review, and the replay of its costliest decision).",
         "moment", "hand"});
    parser.addOption({"seed", "Seed of the game.", "seed", "4"});
    parser.addOption({"rules", "classic or standard.", "rules", "classic"});
    parser.addOption({"out", "The PNG to write.", "file", "table.png"});
    parser.addOption({"entrants", "Under the standard rules: the field played whole.", "n", "0"});
    parser.addOption({"structure", "With --entrants: the structure.", "name", "hyper-turbo"});
    parser.addOption({"results", "With --moment statistics: the results database.", "file"});
    parser.addOption({"language", "The window's language: en, de, fr or es.", "code", "en"});
    parser.addOption({"looks",
                      "The table's appearance: words among four (the four-colour deck), blue or "
                      "purple (the felt), ring (the card backs) and large (the plates' text), "
                      "joined by commas.",
                      "words", ""});
    parser.process(app);
    ui::load_fonts();
    ui::install_translation(app, ui::language_for(parser.value("language")));
    const QString out_path = parser.value("out");
    auto write_png = [&](QWidget& widget) {
        QTimer::singleShot(300, &app, [&] {
            if (!widget.grab().save(out_path)) {
                std::fprintf(stderr, "holdem-screenshot: cannot write %s\n", qPrintable(out_path));
                QApplication::exit(1);
                return;
            }
            std::printf("%s\n", qPrintable(out_path));
            QApplication::exit(0);
        });
        return QApplication::exec();
    };
    if (parser.value("moment") == "statistics") {
        ui::StatisticsDialog dialog(parser.value("results"));
        while (dialog.reading())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        dialog.show();
        return write_png(dialog);
    }
    if (parser.value("moment") == "options") {
        // Game › Options…, as the classic game opens it.
        ui::OptionsDialog dialog(Options{});
        dialog.show();
        return write_png(dialog);
    }
    if (parser.value("moment") == "setup") {
        // Game › New tournament…, set for the standard tournament of the whole field.
        Options chosen;
        chosen.rules = Rules::standard;
        chosen.structure = StructureKind::regular;
        ui::OptionsDialog dialog(in_force(chosen));
        dialog.set_for_new_tournament();
        dialog.show();
        return write_png(dialog);
    }
    if (parser.value("moment") == "calculator") {
        // Tools › Equity calculator: a hand against a range and any hand, the range on the grid.
        ui::EquityCalculatorWindow calculator;
        const QStringList wh = parser.value("size").split('x');
        if (wh.size() == 2) calculator.resize(wh[0].toInt(), wh[1].toInt());
        calculator.set_players(3);
        calculator.set_hands(0, "AhKh");
        calculator.set_hands(1, "QQ+, AKs, AJo+, 76s");
        calculator.set_hands(2, "");
        calculator.choose(1);
        calculator.show();
        calculator.calculate_now();
        while (calculator.working())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return write_png(calculator);
    }
    if (parser.value("moment") == "phh") {
        // Game › Open hand history… on a file from elsewhere: a hand with antes, halfway.
        QTemporaryDir folder;
        QFile file(folder.path() + "/famous.phh");
        if (!file.open(QIODevice::WriteOnly)) return 3;
        file.write(R"(variant = "NT"
antes = [500, 500, 500]
blinds_or_straddles = [1000, 2000, 0]
min_bet = 2000
starting_stacks = [1125600, 2000000, 553500]
players = ["Ann", "Bo", "Cy"]
actions = ["d dh p1 Ac2d", "d dh p2 ????", "d dh p3 7h6h", "p3 cbr 7000", "p1 cbr 23000",
  "p2 f", "p3 cc", "d db Jc3d5c", "p1 cbr 35000", "p3 cc", "d db 4h", "p1 cbr 90000",
  "p3 cbr 232600", "p1 cbr 1067100", "p3 cc", "p1 sm Ac2d", "p3 sm 7h6h", "d db Jh"]
)");
        file.close();
        ui::HandsViewer viewer(QString{});
        const QStringList wh = parser.value("size").split('x');
        if (wh.size() == 2) viewer.resize(wh[0].toInt(), wh[1].toInt());
        viewer.open_file(file.fileName());
        while (viewer.reading())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        viewer.show_hand(0);
        viewer.show_step(viewer.steps() * 2 / 3);
        viewer.show();
        return write_png(viewer);
    }
    if (parser.value("moment") == "splash" || parser.value("moment") == "aside") {
        ui::SplashWindow splash([] {}, 60000);
        splash.offer_games(false, parser.value("moment") == "aside");
        if (parser.value("moment") == "aside")
            splash.show_notice(
                "The saved tournament could not be resumed: it is nested deeper than a saved "
                "game. It was put aside as tournament.json.20261206-234615.corrupt and a new "
                "tournament starts.");
        splash.show();
        return write_png(splash);
    }

    // The hands viewer over the hands played so far: the hand with the most steps, halfway.
    auto replay_png = [&](QWidget& over, const QString& folder) {
        auto* viewer = new ui::HandsViewer(folder, &over);
        while (viewer->reading())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        int longest = 0, steps = 0;
        for (int row = 0; row < viewer->hands()->rowCount(); ++row) {
            viewer->show_hand(row);
            if (viewer->steps() > steps) {
                steps = viewer->steps();
                longest = row;
            }
        }
        viewer->hands()->setCurrentCell(longest, 0);
        viewer->show_step(steps * 2 / 3);
        viewer->resize(over.size());
        viewer->show();
        return write_png(*viewer);
    };
    const QStringList size = parser.value("size").split('x');
    if (size.size() != 2) {
        std::fprintf(stderr, "holdem-screenshot: --size takes WxH\n");
        return 2;
    }
    std::int64_t now = 0;
    auto table =
        std::make_unique<Table>(std::make_unique<SeededRandom>(parser.value("seed").toULongLong()));
    const bool standard = parser.value("rules") == "standard";
    const int entrants = parser.value("entrants").toInt();
    if (standard) {
        table->options.rules = Rules::standard;
        if (entrants > 0) {
            table->options.entrants = entrants;
            const auto kind = structure_named(parser.value("structure").toStdString());
            if (!kind) {
                std::fprintf(stderr, "holdem-screenshot: no structure of that name\n");
                return 2;
            }
            table->options.structure = *kind;
        }
        table->options = in_force(table->options);
    }
    ui::QtHost host(std::move(table), [&] { return now; });
    const QString moment_name = parser.value("moment");
    QTemporaryDir histories;
    ui::WindowSetup setup;
    if (moment_name == "replay" || moment_name == "review") setup.history_folder = histories.path();
    if (moment_name == "review") setup.results = histories.filePath("results.db");
    ui::TableWindow window(host, setup);
    ui::Looks looks;
    for (const QString& word : parser.value("looks").split(',', Qt::SkipEmptyParts)) {
        if (word == "four") looks.deck = ui::DeckColours::four;
        if (word == "blue" || word == "purple") looks.felt = ui::felt_named(word);
        if (word == "ring") looks.back = ui::CardBack::ring;
        if (word == "large") looks.large_plates = true;
    }
    window.set_looks(looks);
    const QString moment = parser.value("moment");
    if (moment != "end" && moment != "prize") window.set_end_notice([](const QString&) {});
    window.set_new_tournament([] {});
    window.resize(size[0].toInt(), size[1].toInt());
    window.show();
    host.start();

    Table& t = host.table();
    if (moment == "end" || moment == "prize" || moment == "help") {
        // The end notice and How to play are modal: the whole screen is taken while they stand
        // over the table.
        QTimer::singleShot(800, [&] {
            const bool written = QGuiApplication::primaryScreen()->grabWindow(0).save(out_path);
            std::printf("%s\n", qPrintable(out_path));
            std::fflush(stdout);
            std::_Exit(written ? 0 : 1);
        });
        if (moment == "end") t.seat(1).prize = 0;
        if (moment == "help") ui::show_how_to_play(&window);
    }
    // Counts the winners and the pots of the hand under way, for the split-pot and side-pot
    // moments.
    struct Winners final : TableObserver {
        int paid = 0, pots = 0;
        void hand_started(const Table&) override { paid = pots = 0; }
        void pot_won(const Table&, int, Chips) override { ++paid; }
        void pot_share_won(const Table&, int, Chips, int, int all) override { pots = all; }
    } winners;
    t.observers.push_back(&winners);
    if (standard && entrants > 0) {
        // Seat 1 goes all in before the flop with a big pair, an ace and a big card or two
        // big cards, else checks or folds; the field plays on round it until the moment comes.
        const TablePicture& shown = host.picture();
        auto strong = [&] {
            const auto [a, b] = shown.human.hole;
            if (!is_card(CardCode(a)) || !is_card(CardCode(b)) || !shown.human.board.empty())
                return false;
            const int high = std::max(card_rank(CardCode(a)), card_rank(CardCode(b)));
            const int low = std::min(card_rank(CardCode(a)), card_rank(CardCode(b)));
            return (high == low && high >= 7) || (high == 14 && low >= 10) || low >= 12;
        };
        auto reached = [&] {
            const std::string& news = shown.announcement;
            if (moment == "moved") return news.find("you move to table") != std::string::npos;
            if (moment == "bubble") return news.find("money bubble") != std::string::npos;
            if (moment == "final") return news.find("final table") != std::string::npos;
            if (moment == "standings") return t.hands_started > 12 && shown.human.open;
            if (moment == "figures") return t.hands_started > 25 && shown.human.open;
            return false;
        };
        for (int i = 0; i < 2000000 && !t.ended && !(shown.human.open && reached()); ++i) {
            if (shown.human.open) {
                if (strong()) {
                    if (shown.human.quick_shown) {
                        host.act(Intent::all_in);
                        host.act(Intent::bet_typed);
                    }
                    if (shown.human.open) host.act(Intent::call);
                } else {
                    host.act(shown.human.check_shown ? Intent::check : Intent::fold);
                }
            } else if (auto due = host.armed_for()) {
                now = std::max(now, *due);
                host.pump();
            }
        }
        if (moment == "prize") return 3;  // the end notice writes the picture
        if (t.ended) {
            std::fprintf(stderr, "holdem-screenshot: this seed's tournament ended first\n");
            return 3;
        }
        if (moment == "standings") {
            window.open_standings();
            QWidget* standings = window.findChild<QWidget*>("standings");
            return standings ? write_png(*standings) : 3;
        }
        if (moment == "figures")
            if (auto* figures = window.findChild<QAction*>("statisticsOnTable"))
                figures->setChecked(true);
        return write_png(window);
    }
    if (standard) {
        // Seat 1 calls and checks everything, so it sees the showdowns.
        const TablePicture& shown = host.picture();
        auto facing_raise = [&] {
            if (!shown.human.open || !shown.human.call_shown) return false;
            return std::any_of(shown.seats.begin(), shown.seats.end(),
                               [](const SeatPicture& s) { return s.badge == Badge::raise; });
        };
        bool reached = false;
        for (int i = 0; i < 200000 && !t.ended && !reached; ++i) {
            reached = moment == "start" || (moment == "replay" && t.hands_started > 8) ||
                      (moment == "review" && t.hands_started > 10) ||
                      (moment == "advice" && shown.human.open && t.postflop1) ||
                      (moment == "figures" && t.hands_started > 20 && shown.human.open) ||
                      ((moment == "turn" || moment == "odds") && shown.human.open && t.postflop1) ||
                      (moment == "raised" && facing_raise()) ||
                      (moment == "hand" && t.postflop2 && !shown.showdown) ||
                      (moment == "showdown" && shown.showdown && !t.seat(1).fold) ||
                      (moment == "sidepots" && shown.showdown && winners.pots >= 3) ||
                      (moment == "short" && shown.human.open &&
                       shown.human.call_amount.find("all in") != std::string::npos) ||
                      (moment == "sidepot" && !shown.showdown &&
                       shown.pot_label.find("Side pot") != std::string::npos);
            if (reached) break;
            if (shown.human.open && moment == "review") {
                // Seat 1 calls every bet up to a quarter of its stack: some of the calls cost
                // chips.
                const bool cheap = shown.human.to_call * 4 <= shown.human.stack;
                host.act(shown.human.check_shown ? Intent::check
                         : cheap                 ? Intent::call
                                                 : Intent::fold);
            } else if (shown.human.open && moment == "figures") {
                // Seat 1 only watches: it checks or folds, so that it lasts.
                host.act(shown.human.check_shown ? Intent::check : Intent::fold);
            } else if (shown.human.open) {
                host.act(shown.human.call_shown ? Intent::call : Intent::check);
            } else if (auto due = host.armed_for()) {
                now = std::max(now, *due);
                host.pump();
            }
        }
        if (!reached) {
            std::fprintf(stderr, "holdem-screenshot: this seed's tournament ended first\n");
            return 3;
        }
        if (moment == "odds") window.set_odds_helper(true);
        if (moment == "advice") {
            window.set_odds_helper(true);
            window.set_advisor(true);
            for (int i = 0; i < 200 && window.view().advice_line().isEmpty(); ++i)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        if (moment == "review") {
            // The list, and beside it (OUT-replay.png) the replay of its costliest decision.
            window.open_review();
            auto* review = window.findChild<ui::ReviewWindow*>();
            if (!review || review->decisions()->rowCount() == 0) return 3;
            review->resize(window.size().boundedTo(QSize(1000, 560)));
            emit review->decisions()->cellActivated(0, 0);
            auto* viewer = window.findChild<ui::HandsViewer*>("reviewedHand");
            if (!viewer) return 3;
            viewer->resize(window.size());
            while (viewer->reading())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QCoreApplication::processEvents();
            const QString replay_path = QString(out_path).replace(".png", "-replay.png");
            if (!viewer->grab().save(replay_path)) return 1;
            std::printf("%s\n", qPrintable(replay_path));
            return write_png(*review);
        }
        if (moment == "figures")
            if (auto* figures = window.findChild<QAction*>("statisticsOnTable"))
                figures->setChecked(true);
        if (moment == "replay") return replay_png(window, histories.path());
        return write_png(window);
    }
    // Seat 1 stays in with the two best hands at the table and folds the rest.
    auto step = [&] {
        if (human_turn_open(t) && t.seat(1).handrank > 2)
            host.act(Intent::fold);
        else if (human_turn_open(t))
            host.act(t.controls[ctl::Call].visible ? Intent::call : Intent::check);
        else if (auto due = host.armed_for()) {
            now = std::max(now, *due);
            host.pump();
        }
    };
    for (int i = 0; i < 200000 && !t.ended; ++i) {
        if (moment == "start") break;
        if ((moment == "turn" || moment == "odds") && human_turn_open(t) && t.postflop1) break;
        if (moment == "hand" && t.postflop2 && !t.gameover) break;
        if (moment == "showdown" && t.gameover && !t.seat(1).fold) break;
        if (moment == "split" && t.gameover && winners.paid >= 2) break;
        step();
    }
    if (moment == "odds") window.set_odds_helper(true);
    return write_png(window);
}
