#include "ui/table_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>
#include <ctime>

#include "rules/tournament/field.h"
#include "ui/history_file.h"
#include "ui/options_dialog.h"
#include "ui/preferences.h"

namespace holdem::ui {

TableWindow::TableWindow(QtHost& host, WindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      sounds_(setup.sound_device),
      preferences_(setup.preferences) {
    setWindowTitle(QString::fromUtf8(table_title.data(), static_cast<int>(table_title.size())));
    setMinimumSize(640, 442);
    split_ = new QSplitter(this);
    view_ = new TableView(host_, notes_, split_);
    log_ = new HandLogView(split_);
    split_->addWidget(view_);
    split_->addWidget(log_);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    split_->setChildrenCollapsible(false);
    log_->setMinimumWidth(150);
    setCentralWidget(split_);

    Table& t = host_.table();
    t.observers.push_back(&notes_);
    t.observers.push_back(&log_->observer());
    t.observers.push_back(&sounds_);
    if (preferences_) sounds_.set_muted(preferences_->muted());
    if (!setup.history_folder.isEmpty()) {
        history_ = std::make_unique<HistoryFile>(setup.history_folder, setup.resumed);
        t.observers.push_back(&history_->observer());
    }
    tournament_id_ = history_        ? history_->id()
                     : setup.resumed ? setup.resumed->id
                                     : tournament_id(std::time(nullptr), true);
    // Kept last, so the hand just ended is in the history the saved game remembers.
    if (!setup.saved_game.isEmpty()) {
        keeper_ =
            std::make_unique<GameKeeper>(QFile::encodeName(setup.saved_game).toStdString(), [this] {
                return SavedTournament{tournament_id_, history_ ? history_->length() : 0};
            });
        t.observers.push_back(keeper_.get());
    }
    build_menus();

    connect(view_, &TableView::painted, this, &TableWindow::painted);
    connect(&host_, &QtHost::changed, this, [this] {
        sounds_.table_changed(host_.table());
        view_->sync_widgets();
        view_->update();
    });
    connect(&host_, &QtHost::gameEnded, this, &TableWindow::game_ended);
    end_notice_ = [this](const QString& message) {
        QMessageBox::information(this, windowTitle(), message);
        QApplication::quit();
    };
    connect(split_, &QSplitter::splitterMoved, this, [this] { log_width_chosen_ = true; });
    resize(1280, 800);
    view_->setFocus();
}

TableWindow::~TableWindow() {
    // The table outlives the window in tests: it must not call watchers that are gone.
    auto& watchers = host_.table().observers;
    std::erase_if(watchers, [this](TableObserver* o) {
        return o == &notes_ || o == &log_->observer() || o == &sounds_ ||
               (history_ && o == &history_->observer()) || o == keeper_.get();
    });
}

void TableWindow::build_menus() {
    QMenu* game = menuBar()->addMenu("&Game");
    game->addAction("&Options…", this, &TableWindow::open_options);
    QAction* folder = game->addAction("Open the hand histories' folder");
    folder->setEnabled(history_ != nullptr);
    connect(folder, &QAction::triggered, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(HistoryFile::default_folder()));
    });
    sound_action_ = game->addAction("&Sound");
    sound_action_->setCheckable(true);
    sound_action_->setChecked(!sounds_.muted());
    sound_action_->setShortcut(QKeySequence(Qt::Key_M));
    connect(sound_action_, &QAction::toggled, this, &TableWindow::set_sound_on);
    game->addSeparator();
    game->addAction("E&xit", this, [this] { host_.click(ctl::Exit); });

    QMenu* view = menuBar()->addMenu("&View");
    log_action_ = view->addAction("Hand &log");
    log_action_->setCheckable(true);
    log_action_->setChecked(true);
    log_action_->setShortcut(QKeySequence(Qt::Key_L));
    connect(log_action_, &QAction::toggled, this, &TableWindow::set_log_visible);
}

void TableWindow::open_options() {
    Options shown = preferences_ ? preferences_->options() : host_.table().options;
    shown.pace = host_.table().options.pace;
    shown.hurry_when_out = host_.table().options.hurry_when_out;
    OptionsDialog dialog(shown, this);
    if (dialog.exec() == QDialog::Accepted) apply_options(dialog.options());
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

QRectF TableWindow::rect_of(ControlId id) const {
    return view_->rect_of(id);
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The log takes a quarter of the width, so the table keeps most of a small window.
    if (log_width_chosen_) return;
    const int log_width = std::clamp(width() / 4, 150, 420);
    split_->setSizes({width() - log_width, log_width});
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    // Keys the table did not take (the focus on the log) still reach it.
    QApplication::sendEvent(view_, event);
}

void TableWindow::game_ended(GameEnd why) {
    if (why == GameEnd::Exit) {
        QApplication::quit();
        return;
    }
    end_notice_(end_message(host_.table(), why));
}

QString TableWindow::end_message(const Table& t, GameEnd why) {
    const QString rank = QString::fromStdString("Your Rank is " + number_text(entrants_left(t)));
    switch (why) {
        case GameEnd::TournamentWon:
            return "You won the tournament!\n" + rank;
        case GameEnd::HumanBroke:
            return "You are out of chips.\n" + rank;
        case GameEnd::Overflow:
            return "The game had to stop: a chip count grew beyond what it can hold.";
        case GameEnd::Exit:
            break;
    }
    return {};
}

}  // namespace holdem::ui
