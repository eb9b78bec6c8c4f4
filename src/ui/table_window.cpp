#include "ui/table_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLibrary>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <ctime>

#include "report/record_file.h"
#include "rules/tournament/field.h"
#include "trainer/advisor.h"
#include "ui/equity_calculator_window.h"
#include "ui/hands_viewer.h"
#include "ui/history_file.h"
#include "ui/notices.h"
#include "ui/options_dialog.h"
#include "ui/preferences.h"
#include "ui/review_window.h"
#include "ui/standings_window.h"
#include "ui/statistics_module.h"
#include "ui/table_words.h"

namespace holdem::ui {

TableWindow::TableWindow(QtHost& host, WindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      sounds_(setup.sound_device),
      preferences_(setup.preferences) {
    setWindowTitle(tr("Tournament Area"));
    setMinimumSize(640, 442);
    split_ = new QSplitter(this);
    view_ = new TableView(host_.picture(), host_, split_);
    log_ = new HandLogView(split_);
    split_->addWidget(view_);
    split_->addWidget(log_);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    split_->setChildrenCollapsible(false);
    log_->setMinimumWidth(150);
    setCentralWidget(split_);

    Table& t = host_.table();
    t.observers.push_back(&log_->observer());
    t.observers.push_back(&sounds_);
    if (preferences_) sounds_.set_muted(preferences_->muted());
    history_folder_ = setup.history_folder;
    if (!setup.history_folder.isEmpty()) {
        history_ = std::make_unique<HistoryFile>(setup.history_folder, setup.resumed,
                                                 t.options.rules == Rules::standard);
        t.observers.push_back(&history_->observer());
        if (TableObserver* records = history_->records()) t.observers.push_back(records);
        t.observers.push_back(&history_->replays());
        // A tournament taken up again keeps what the human had seen of each player.
        if (setup.resumed)
            each_record(
                QFile::encodeName(history_->replays_path()).toStdString(),
                [this](const HandRecord& hand) { host_.notes().statistics().recall(hand); });
    }
    tournament_id_ = history_        ? history_->id()
                     : setup.resumed ? setup.resumed->id
                                     : tournament_id(std::time(nullptr), true);
    // Kept last, so the hand just ended is in the history the saved game remembers.
    if (!setup.saved_game.isEmpty()) {
        keeper_ = std::make_unique<GameKeeper>(
            QFile::encodeName(setup.saved_game).toStdString(),
            [this] {
                return SavedTournament{tournament_id_, history_ ? history_->length() : 0,
                                       history_ ? history_->records_length() : 0,
                                       history_ ? history_->replays_length() : 0,
                                       host_.field_for_save()};
            },
            setup.resumed ? hand_to_play(t) : 0);
        // The keeper reports from its own thread; the window reads the news on its own.
        keeper_->on_status_changed([this] {
            QMetaObject::invokeMethod(this, &TableWindow::show_save_status, Qt::QueuedConnection);
        });
        t.observers.push_back(keeper_.get());
    }
    // The player's results: kept beside the saves. A database that cannot be written is said
    // in a line of its own, tried again at every hand, and the game plays on without it.
    results_path_ = setup.results;
    if (!setup.results.isEmpty()) {
        results_ =
            std::make_unique<ResultsRecorder>(QFile::encodeName(setup.results).toStdString());
        results_->begin_tournament(tournament_id_, timestamp_text(std::time(nullptr), true),
                                   std::string(name_of(t.options.rules)), options_words(t.options),
                                   entry_for(t.options));
        results_->set_finish([this]() -> std::optional<TournamentFinish> {
            if (const standard::FieldPlay* play = host_.field()) return finish_in(play->field());
            return std::nullopt;
        });
        results_->set_clock([] { return timestamp_text(std::time(nullptr), true); });
        t.observers.push_back(results_.get());
        // Under the standard rules each of the human's decisions is graded and kept with the
        // hand, for Game › Review and the statistics' leaks.
        if (t.options.rules == Rules::standard) {
            review_ =
                std::make_unique<trainer::DecisionReview>([this](const trainer::GradedDecision& g) {
                    DecisionRow row;
                    row.hand = g.hand;
                    row.ordinal = g.ordinal;
                    row.street = trainer::street_word(g.street);
                    row.position = results_->position();
                    row.taken = trainer::move_words(g.taken, g.taken_amount);
                    row.advised = trainer::move_words(g.advice.move, g.advice.amount);
                    row.equity = g.advice.equity;
                    row.needed = g.advice.needed;
                    row.cost = g.cost;
                    results_->record_decision(std::move(row));
                });
            t.observers.push_back(review_.get());
        }
    }
    // One line for each thing that is not kept, shown until it is kept again.
    auto problem_line = [this](const char* name) {
        auto* line = new QLabel(this);
        line->setObjectName(name);
        line->setStyleSheet("color: #7A1010; font-weight: bold; padding: 2px 6px;");
        line->hide();
        statusBar()->addWidget(line, 1);
        return line;
    };
    save_line_ = problem_line("saveProblem");
    results_line_ = problem_line("resultsProblem");
    history_line_ = problem_line("historyProblem");
    statusBar()->hide();
    show_problems();
    build_menus();
    setAcceptDrops(true);
    odds_pool_.setMaxThreadCount(1);
    if (preferences_) set_odds_helper(preferences_->odds_helper());
    if (preferences_) set_looks(preferences_->looks());
    if (preferences_) set_advisor(preferences_->advisor());

    // In a field played whole the log's last line gives the place and the prize.
    log_->log().set_finish([this]() -> std::optional<std::string> {
        const standard::FieldPlay* play = host_.field();
        if (!play) return std::nullopt;
        const TournamentFinish f = finish_in(play->field());
        std::string words = finish_words(f.place, play->field().entrants(), f.prize);
        words[0] = 'y';
        return words;
    });
    connect(view_, &TableView::painted, this, &TableWindow::painted);
    connect(&host_, &QtHost::changed, this, [this] {
        sounds_.table_changed(host_.picture());
        view_->picture_changed();
        update_odds();
        update_advice();
        if (review_) review_->human_turn(host_.picture().human, host_.picture().pot);
        show_problems();
        update_standings();
        view_->update();
    });
    connect(&host_, &QtHost::gameEnded, this, &TableWindow::game_ended);
    connect(view_, &TableView::exitRequested, this, &TableWindow::leave);
    end_notice_ = [this](const QString& message) {
        if (ask_after_end(this, message, bool(new_tournament_)) == EndChoice::new_tournament)
            new_tournament_();
        else
            QApplication::quit();
    };
    exit_question_ = [this] { return ask_to_leave(this); };
    abandon_question_ = [this] { return ask_to_abandon(this); };
    connect(split_, &QSplitter::splitterMoved, this, [this] { log_width_chosen_ = true; });
    resize(1280, 800);
    view_->setFocus();
}

TableWindow::~TableWindow() {
    odds_pool_.clear();
    odds_pool_.waitForDone();
    // The table outlives the window in tests: it must not call watchers that are gone.
    auto& watchers = host_.table().observers;
    std::erase_if(watchers, [this](TableObserver* o) {
        return o == &log_->observer() || o == &sounds_ || o == results_.get() ||
               o == review_.get() ||
               (history_ && (o == &history_->observer() || o == history_->records() ||
                             o == &history_->replays())) ||
               o == keeper_.get();
    });
}

void TableWindow::build_menus() {
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    QAction* fresh =
        game->addAction(tr("&New tournament…"), this, &TableWindow::open_new_tournament);
    fresh->setShortcut(QKeySequence::New);
    game->addAction(tr("&Options…"), this, &TableWindow::open_options);
    QAction* hands = game->addAction(tr("&Hands…"), this, &TableWindow::open_hands);
    hands->setEnabled(history_ != nullptr);
    QAction* open = game->addAction(tr("Open hand histor&y…"), this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Open hand history"), history_folder_, tr("Hand histories (*.phh *.phhs)"));
        if (!path.isEmpty()) open_hand_history(path);
    });
    open->setShortcut(QKeySequence::Open);
    QAction* standings = game->addAction(tr("Stan&dings…"), this, &TableWindow::open_standings);
    standings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    standings->setEnabled(host_.field() != nullptr);
    QAction* review = game->addAction(tr("&Review…"), this, &TableWindow::open_review);
    review->setEnabled(!results_path_.isEmpty());
    QAction* statistics = game->addAction(tr("S&tatistics…"), this, &TableWindow::open_statistics);
    statistics->setEnabled(!results_path_.isEmpty());
    QAction* folder = game->addAction(tr("Open the hand histories' &folder"));
    folder->setEnabled(history_ != nullptr);
    connect(folder, &QAction::triggered, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(HistoryFile::default_folder()));
    });
    sound_action_ = game->addAction(tr("&Sound"));
    sound_action_->setCheckable(true);
    sound_action_->setChecked(!sounds_.muted());
    sound_action_->setShortcut(QKeySequence(Qt::Key_M));
    connect(sound_action_, &QAction::toggled, this, &TableWindow::set_sound_on);
    game->addSeparator();
    game->addAction(tr("E&xit"), this, &TableWindow::leave);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    log_action_ = view->addAction(tr("Hand &log"));
    log_action_->setCheckable(true);
    log_action_->setChecked(true);
    log_action_->setShortcut(QKeySequence(Qt::Key_L));
    connect(log_action_, &QAction::toggled, this, &TableWindow::set_log_visible);
    QAction* figures = view->addAction(tr("&Statistics on the table"));
    figures->setObjectName("statisticsOnTable");
    figures->setCheckable(true);
    figures->setChecked(false);
    connect(figures, &QAction::toggled, this, [this](bool on) { view_->set_statistics_shown(on); });

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(tr("&Equity calculator…"), this, &TableWindow::open_calculator);
    QAction* advice = tools->addAction(tr("&Advise me"), this, &TableWindow::ask_advice);
    advice->setShortcut(QKeySequence(Qt::Key_H));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&How to play"), this, [this] { show_how_to_play(this); });
    help->addAction(tr("&About"), this, [this] { show_about(this); });
}

void TableWindow::set_looks(const Looks& looks) {
    looks_ = looks;
    for (TableView* view : findChildren<TableView*>())
        view->set_looks(looks);
}

void TableWindow::set_advisor(bool on) {
    advisor_on_ = on;
    advice_spot_.clear();
    update_advice();
}

void TableWindow::ask_advice() {
    advice_asked_ = true;
    advice_spot_.clear();
    update_advice();
}

// Worked out away from the window's thread whenever the spot at the human's turn changes; a
// line that comes back for an older spot is dropped. The same spot is always advised alike.
void TableWindow::update_advice() {
    const TablePicture& picture = host_.picture();
    const holdem::ActionPanel panel = picture.human;
    if (!panel.open) {
        advice_asked_ = false;
        advice_spot_.clear();
        ++advice_generation_;
        if (!view_->advice_line().isEmpty()) view_->set_advice_line({});
        return;
    }
    if (!advisor_on_ && !advice_asked_) return;
    std::string spot = std::to_string(panel.hole[0]) + "," + std::to_string(panel.hole[1]) + ";" +
                       std::to_string(panel.to_call) + ";" + std::to_string(panel.current_bet) +
                       ";" + std::to_string(panel.stack) + ";" + std::to_string(picture.pot);
    for (int card : panel.board)
        spot += "," + std::to_string(card);
    if (spot == advice_spot_) return;
    advice_spot_ = spot;
    const int generation = ++advice_generation_;
    const std::int64_t pot = picture.pot;
    const std::uint64_t seed = std::hash<std::string>{}(spot);
    odds_pool_.start([this, panel, pot, seed, generation] {
        const QString line = QString::fromStdString(trainer::advise(panel, pot, seed).line);
        QMetaObject::invokeMethod(
            this,
            [this, line, generation] {
                if (generation != advice_generation_) return;
                view_->set_advice_line(in_language(line.toStdString()));
            },
            Qt::QueuedConnection);
    });
}

void TableWindow::set_odds_helper(bool on) {
    odds_on_ = on;
    odds_asked_.clear();
    if (!on) view_->set_odds_line({});
    update_odds();
    view_->update();
}

// A new line is asked for whenever what it rests on changes: the cards, the board, the
// opponents still in, the price of a call. A line that comes back for an older question is
// dropped.
void TableWindow::update_odds() {
    if (!odds_on_) return;
    const TablePicture& picture = host_.picture();
    const holdem::ActionPanel panel = picture.human;
    std::string asked = std::to_string(panel.hole[0]) + "," + std::to_string(panel.hole[1]) + ";" +
                        std::to_string(panel.opponents) + ";" +
                        std::to_string(panel.open ? panel.to_call : 0) + ";" +
                        std::to_string(picture.pot);
    for (int card : panel.board)
        asked += "," + std::to_string(card);
    if (asked == odds_asked_) return;
    odds_asked_ = asked;
    const int generation = ++odds_generation_;
    if (!panel.hole[0]) {
        view_->set_odds_line({});
        return;
    }
    const std::int64_t pot = picture.pot;
    odds_pool_.start([this, panel, pot, generation] {
        const QString line = QString::fromStdString(
            odds_line(panel, pot, 20000, static_cast<std::uint64_t>(generation)));
        QMetaObject::invokeMethod(
            this,
            [this, line, generation] {
                if (generation != odds_generation_) return;
                view_->set_odds_line(in_language(line.toStdString()));
                view_->update();
            },
            Qt::QueuedConnection);
    });
}

void TableWindow::open_statistics() {
    // The module stays loaded once opened, as Qt Charts' types do.
    QLibrary module(find_statistics_module(QCoreApplication::applicationDirPath()));
    const auto show = reinterpret_cast<ShowStatistics>(module.resolve(statistics_entry));
    if (!show) {
        QMessageBox::information(
            this, windowTitle(),
            tr("The statistics are not installed with this copy of the game."));
        return;
    }
    show(this, results_path_);
}

void TableWindow::open_hands() {
    if (history_folder_.isEmpty()) return;
    HandsViewer viewer(history_folder_, this);
    set_looks(looks_);
    viewer.exec();
}

void TableWindow::open_hand_history(const QString& path) {
    auto* viewer = new HandsViewer(history_folder_, this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setObjectName("openedHandHistory");
    viewer->open_file(path);
    set_looks(looks_);
    viewer->show();
}

// A hand history dropped on the window opens in the hands viewer.
void TableWindow::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && is_hand_history(url.toLocalFile())) {
            event->acceptProposedAction();
            return;
        }
}

void TableWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && is_hand_history(url.toLocalFile())) {
            open_hand_history(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
}

bool is_hand_history(const QString& path) {
    return path.endsWith(".phh", Qt::CaseInsensitive) ||
           path.endsWith(".phhs", Qt::CaseInsensitive);
}

void TableWindow::leave() {
    if (host_.table().ended || !exit_question_()) return;
    host_.act(Intent::exit);
}

QString TableWindow::save_problem() const {
    return save_line_->text();
}

QString TableWindow::results_problem() const {
    return results_line_->text();
}

QString TableWindow::history_problem() const {
    return history_line_->text();
}

void TableWindow::show_line(QLabel* line, const QString& text) {
    if (line->text() != text) line->setText(text);
    line->setVisible(!text.isEmpty());
    const bool any = !save_line_->text().isEmpty() || !results_line_->text().isEmpty() ||
                     !history_line_->text().isEmpty();
    if (statusBar()->isVisible() != any) statusBar()->setVisible(any);
}

void TableWindow::show_problems() {
    QString results;
    if (results_ && results_->problem())
        results = tr("Results not kept: %1").arg(QString::fromStdString(results_->problem()->why));
    show_line(results_line_, results);
    show_line(history_line_, history_ ? history_->problem() : QString());
}

void TableWindow::show_save_status() {
    if (!keeper_) return;
    const GameKeeper::Status status = keeper_->status();
    QString line;
    if (status.error) {
        const QString why = QString::fromStdString(*status.error);
        if (status.removal_failed)
            line = tr("The saved tournament could not be removed: %1").arg(why);
        else if (status.saved_hand > 0)
            line =
                tr("Not saved: %1; the save from hand %2 is kept").arg(why).arg(status.saved_hand);
        else
            line = tr("Not saved: %1; no earlier save is kept").arg(why);
    }
    show_line(save_line_, line);
}

void TableWindow::open_options() {
    Options shown = preferences_ ? preferences_->options() : host_.table().options;
    shown.pace = host_.table().options.pace;
    shown.hurry_when_out = host_.table().options.hurry_when_out;
    OptionsDialog dialog(shown, this);
    dialog.odds_helper()->setChecked(odds_on_);
    dialog.set_looks(looks_);
    dialog.advisor()->setChecked(advisor_on_);
    if (preferences_) dialog.set_language(preferences_->language());
    if (dialog.exec() != QDialog::Accepted) return;
    apply_options(dialog.options());
    set_odds_helper(dialog.odds_helper()->isChecked());
    set_looks(dialog.looks());
    set_advisor(dialog.advisor()->isChecked());
    if (preferences_) {
        preferences_->set_odds_helper(odds_on_);
        preferences_->set_looks(looks_);
        preferences_->set_advisor(advisor_on_);
        preferences_->set_language(dialog.language());
    }
}

void TableWindow::open_review() {
    if (results_path_.isEmpty()) return;
    auto* review = new ReviewWindow(results_path_, QString::fromStdString(tournament_id_), this);
    review->setAttribute(Qt::WA_DeleteOnClose);
    connect(review, &ReviewWindow::replay_requested, this,
            [this](const QString& tournament, quint64 hand, int ordinal) {
                auto* viewer = new HandsViewer(history_folder_, this);
                viewer->setAttribute(Qt::WA_DeleteOnClose);
                viewer->setObjectName("reviewedHand");
                viewer->show_decision(tournament, hand, ordinal);
                set_looks(looks_);
                viewer->show();
            });
    review->show();
}

void TableWindow::open_calculator() {
    if (!calculator_) calculator_ = new EquityCalculatorWindow(this);
    calculator_->show();
    calculator_->raise();
    calculator_->activateWindow();
}

void TableWindow::open_standings() {
    const standard::FieldPlay* play = host_.field();
    if (!play) return;
    if (!standings_) {
        standings_ = new StandingsWindow(this);
        // No larger than the table's own window: it fits wherever the table does.
        standings_->resize(standings_->size().boundedTo(size()));
        set_looks(looks_);
    }
    standings_hand_ = host_.table().hands_started;
    standings_->show_field(*play);
    standings_->show();
    standings_->raise();
    standings_->activateWindow();
}

// An open Standings window follows the field from hand to hand.
void TableWindow::update_standings() {
    if (!standings_ || !standings_->isVisible()) return;
    const standard::FieldPlay* play = host_.field();
    if (!play || host_.table().hands_started == standings_hand_) return;
    standings_hand_ = host_.table().hands_started;
    standings_->show_field(*play);
}

void TableWindow::open_new_tournament() {
    if (!new_tournament_) return;
    Options shown = preferences_ ? preferences_->options() : host_.table().options;
    OptionsDialog dialog(shown, this);
    dialog.set_for_new_tournament();
    dialog.odds_helper()->setChecked(odds_on_);
    if (dialog.exec() != QDialog::Accepted) return;
    const bool in_play = !host_.table().ended;
    if (in_play && !abandon_question_()) return;
    if (preferences_) {
        preferences_->set_options(dialog.options());
        preferences_->set_odds_helper(dialog.odds_helper()->isChecked());
    }
    if (!in_play) {
        new_tournament_();
        return;
    }
    // Leaving ends the tournament as Exit does (its results kept, its save removed); the new
    // one follows instead of the program's end.
    starting_new_ = true;
    host_.act(Intent::exit);
}

void TableWindow::apply_options(const Options& chosen) {
    if (preferences_) preferences_->set_options(chosen);
    Table& t = host_.table();
    t.options.pace = chosen.pace;
    t.options.hurry_when_out = chosen.hurry_when_out;
    update_pace(t);
    host_.pump();
}

void TableWindow::set_sound_on(bool on) {
    sounds_.set_muted(!on);
    if (preferences_) preferences_->set_muted(!on);
    if (sound_action_->isChecked() != on) sound_action_->setChecked(on);
}

void TableWindow::set_log_visible(bool visible) {
    log_->setVisible(visible);
    if (log_action_->isChecked() != visible) log_action_->setChecked(visible);
}

bool TableWindow::log_visible() const {
    return log_->isVisible();
}

QString TableWindow::history_path() const {
    return history_ ? history_->path() : QString();
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The log takes a quarter of the width, so the table keeps most of a small window.
    if (log_width_chosen_) return;
    const int log_width = std::clamp(width() / 4, 150, 420);
    split_->setSizes({width() - log_width, log_width});
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    // Keys the table did not take (the focus on the log) still reach it, once: the table takes
    // every key, so nothing it is handed comes back here.
    event->accept();
    if (forwarding_key_) return;
    forwarding_key_ = true;
    QApplication::sendEvent(view_, event);
    forwarding_key_ = false;
}

void TableWindow::game_ended(GameEnd why) {
    if (why == GameEnd::Exit) {
        quit_after_exit();
        return;
    }
    const standard::FieldPlay* play = host_.field();
    end_notice_(end_message(host_.table(), why, play ? &play->field() : nullptr));
}

// Leaving ends the tournament and removes its save; a save that cannot be removed would be
// offered again, so the player is told before the program ends.
void TableWindow::quit_after_exit() {
    if (keeper_) {
        keeper_->flush();
        show_save_status();
        if (keeper_->status().removal_failed) {
            QMessageBox::warning(
                this, windowTitle(),
                save_line_->text() + ".\n" + tr("It will be offered at the next start."));
        }
    }
    if (starting_new_ && new_tournament_)
        new_tournament_();
    else
        QApplication::quit();
}

QString TableWindow::end_message(const Table& t, GameEnd why, const tournament::Field* field) {
    QString rank;
    if (field) {
        const TournamentFinish finish = why == GameEnd::TournamentWon
                                            ? TournamentFinish{1, field->payouts().prize_for(1)}
                                            : finish_in(*field);
        rank = in_language(finish_words(finish.place, field->entrants(), finish.prize));
    } else {
        rank = in_language("Your Rank is " + number_text(entrants_left(t)));
    }
    switch (why) {
        case GameEnd::TournamentWon:
            return tr("You won the tournament!") + "\n" + rank;
        case GameEnd::HumanBroke:
            return tr("You are out of chips.") + "\n" + rank;
        case GameEnd::Overflow:
            return tr("The game had to stop: a chip count grew beyond what it can hold.");
        case GameEnd::Exit:
            break;
    }
    return {};
}

}  // namespace holdem::ui
