// Final Table Hold'em: the splash, then the table.
#include <signal.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#include "app/command_line.h"
#include "model/table.h"
#include "model/version.h"
#include "ui/app_identity.h"
#include "ui/fonts.h"
#include "ui/history_file.h"
#include "ui/language.h"
#include "ui/options_dialog.h"
#include "ui/preferences.h"
#include "ui/qt_host.h"
#include "ui/saved_game.h"
#include "ui/splash_window.h"
#include "ui/table_window.h"

namespace {

// The platform the program will ask Qt for: -platform on the command line, else
// QT_QPA_PLATFORM, else Qt's default for this desktop.
QByteArray requested_platform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return argv[i + 1];
    return qgetenv("QT_QPA_PLATFORM");
}

// A desktop platform needs a display server to talk to.
bool display_missing(const QByteArray& platform) {
    const bool desktop =
        platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return desktop && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

[[noreturn]] void cannot_open_window(const char* why) {
    std::fprintf(stderr, "cannot open a window: %s\n", why);
    std::fflush(stderr);
    std::_Exit(1);
}

// While the application starts, Qt reports a platform it cannot use by aborting; the player gets
// one line instead. Other messages of the start are dropped: they only explain that failure.
void start_up_messages(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg)
        cannot_open_window(
            "no usable platform plugin; check QT_QPA_PLATFORM or run under a desktop session");
}

// A second game on the same data folder says so and goes: in one line on the terminal, and in
// a message on a desktop where somebody can see it.
void already_running() {
    const char* line = "Final Table Hold'em is already running; only one game can play at a time.";
    std::fprintf(stderr, "final-table-holdem: %s\n", line);
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen" && platform != "minimal")
        QMessageBox::information(nullptr, "Final Table Hold'em", line);
}

// Whether another game on this machine holds the lock: one whose program still runs.
bool lock_held_by_a_running_game(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, program;
    if (lock.error() != QLockFile::LockFailedError || !lock.getLockInfo(&pid, &host, &program))
        return false;
    if (pid <= 0 || pid == QCoreApplication::applicationPid()) return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Answers --version, --help and a bad option; nothing when the game is to be played.
std::optional<int> answer_command_line(int argc, char** argv) {
    const holdem::app::CommandLine line = holdem::app::read_command_line(argc, argv);
    switch (line.action) {
        case holdem::app::CommandLine::Action::version:
            std::printf("%s\n", holdem::app::version_text().c_str());
            return 0;
        case holdem::app::CommandLine::Action::help:
            std::printf("%s", holdem::app::help_text().c_str());
            return 0;
        case holdem::app::CommandLine::Action::error:
            std::fprintf(stderr,
                         "final-table-holdem: %s\nTry 'final-table-holdem --help' for more.\n",
                         line.error.c_str());
            return 2;
        case holdem::app::CommandLine::Action::play:
            break;
    }
    return std::nullopt;
}

// The table window and its host, made once the splash gives way.
struct Game {
    std::unique_ptr<holdem::ui::QtHost> host;
    std::unique_ptr<holdem::ui::TableWindow> window;
};

// Opens the table: the saved tournament when there is one to resume (with the options it was
// played with), else a new one with the options the player last chose.
void open_table(Game& game, std::optional<holdem::LoadedGame> saved,
                holdem::ui::Preferences& preferences, const QString& saved_game,
                std::function<void()> new_tournament) {
    holdem::ui::WindowSetup setup{
        holdem::ui::HistoryFile::default_folder(),   &preferences, saved_game, std::nullopt, true,
        QFileInfo(saved_game).path() + "/results.db"};
    const bool resume = saved.has_value();
    if (resume) {
        game.host = std::make_unique<holdem::ui::QtHost>(
            std::move(saved->table), holdem::ui::QtHost::Clock{}, nullptr, saved->tournament.field);
        setup.resumed = saved->tournament;
    } else {
        // The options choose the rules the host plays by: they are in place before it is made.
        auto table =
            std::make_unique<holdem::Table>(holdem::clock_random(), holdem::clock_random());
        table->options = holdem::in_force(preferences.options());
        game.host = std::make_unique<holdem::ui::QtHost>(std::move(table));
    }
    game.window = std::make_unique<holdem::ui::TableWindow>(*game.host, std::move(setup));
    game.window->set_new_tournament(std::move(new_tournament));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * 0.9;
        game.window->resize(game.window->size().boundedTo(room));
    }
    game.window->show();
    if (resume)
        game.host->resume();
    else
        game.host->start();
}

}  // namespace

int main(int argc, char** argv) {
    // The program's own options answer before anything of Qt starts, so they work anywhere.
    if (auto status = answer_command_line(argc, argv)) return *status;
    if (display_missing(requested_platform(argc, argv)))
        cannot_open_window("no display; set DISPLAY or run under a desktop session");
    const QtMessageHandler usual = qInstallMessageHandler(start_up_messages);
    QApplication app(argc, argv);
    qInstallMessageHandler(usual);
    QApplication::setApplicationName("Final Table Hold'em");
    QApplication::setApplicationVersion(HOLDEM_VERSION);
    QGuiApplication::setDesktopFileName(holdem::ui::app_id);
    QApplication::setWindowIcon(holdem::ui::app_icon());
    holdem::ui::load_fonts();

    holdem::ui::Preferences preferences;
    holdem::ui::install_translation(app, holdem::ui::language_for(preferences.language()));
    const QString saved_game = holdem::ui::SavedGame::default_path();
    const QString data_folder = QFileInfo(saved_game).path();
    QDir().mkpath(data_folder);
    // One game at a time on one data folder: two would play and save the same tournament.
    QLockFile running(data_folder + "/running.lock");
    running.setStaleLockTime(0);  // a lock whose program is gone is taken over at once
    if (!running.tryLock(0)) {
        if (lock_held_by_a_running_game(running)) {
            already_running();
            return 1;
        }
        // A folder the game may not write keeps a crashed game's lock, and keeps nothing else
        // either: the game plays, and its lines say what is not kept.
        std::fprintf(stderr,
                     "final-table-holdem: the data folder's lock cannot be taken (%s); the game "
                     "plays without it\n",
                     QDir(data_folder).isReadable() && QFileInfo(data_folder).isWritable()
                         ? "the lock file cannot be replaced"
                         : "the folder may not be written");
    }
    holdem::ui::SavedGameFound found = holdem::ui::SavedGame::look(saved_game);

    Game game;
    // The end notice's "New tournament": the finished table goes, a fresh one opens.
    std::function<void()> new_tournament;
    new_tournament = [&] {
        QTimer::singleShot(0, [&] {
            game.window.reset();
            game.host.reset();
            open_table(game, std::nullopt, preferences, saved_game, new_tournament);
        });
    };
    holdem::ui::SplashWindow* splash = nullptr;
    splash = new holdem::ui::SplashWindow([&] {
        if (game.window) return;
        std::optional<holdem::LoadedGame> saved;
        if (found.game && splash->resume_chosen()) saved = std::move(found.game);
        if (!found.game && splash->classic_button()) {
            // The game chosen on the splash is the one played, and the one offered next time.
            holdem::Options chosen = preferences.options();
            chosen.rules =
                splash->standard_chosen() ? holdem::Rules::standard : holdem::Rules::classic;
            // The standard tournament chosen for the first time plays the whole field.
            if (chosen.rules == holdem::Rules::standard && !preferences.structure_chosen())
                chosen.structure = holdem::StructureKind::regular;
            preferences.set_options(chosen);
        }
        found.game.reset();
        open_table(game, std::move(saved), preferences, saved_game, new_tournament);
        for (const std::string& file : holdem::app::read_command_line(argc, argv).hand_histories)
            game.window->open_hand_history(QString::fromLocal8Bit(file.c_str()));
    });
    splash->set_options([&] {
        holdem::ui::OptionsDialog dialog(preferences.options(), splash);
        dialog.setWindowTitle(found.game ? "Options" : "New tournament");
        dialog.odds_helper()->setChecked(preferences.odds_helper());
        if (dialog.exec() != QDialog::Accepted) return;
        preferences.set_options(dialog.options());
        preferences.set_odds_helper(dialog.odds_helper()->isChecked());
    });
    QString notice = found.notice;
    if (!preferences.problem().isEmpty())
        notice += (notice.isEmpty() ? "" : "\n") + preferences.problem() + ".";
    if (found.game) {
        splash->offer_resume(holdem::ui::SavedGame::summary(*found.game->table) +
                             (notice.isEmpty() ? "" : "\n" + notice));
    } else {
        splash->offer_games(preferences.options().rules == holdem::Rules::standard,
                            preferences.rules_chosen());
        if (!notice.isEmpty()) splash->show_notice(notice);
    }
    splash->show();
    return QApplication::exec();
}
