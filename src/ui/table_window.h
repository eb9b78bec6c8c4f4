// The table window: the table on the left, the hand log on the right (it can be hidden), and a
// menu for the hand histories and the log. It decides nothing about the game.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QSplitter>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "results/results_recorder.h"
#include "save/game_keeper.h"
#include "trainer/decision_review.h"
#include "ui/equity_calculator_window.h"
#include "ui/hand_log_view.h"
#include "ui/qt_host.h"
#include "ui/standings_window.h"
#include "ui/table_sounds.h"
#include "ui/table_view.h"

namespace holdem::ui {

class Preferences;

struct WindowSetup {
    QString history_folder;                  // where the hand histories go; none: not written
    Preferences* preferences = nullptr;      // where the options are kept; none: not kept
    QString saved_game;                      // where the tournament is kept; none: not kept
    std::optional<SavedTournament> resumed;  // the saved tournament the table takes up
    bool sound_device = false;               // play on the system's sound device
    QString results;                         // the results database; none: not kept
};

class TableWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit TableWindow(QtHost& host, WindowSetup setup = WindowSetup(),
                         QWidget* parent = nullptr);
    ~TableWindow() override;

    TableView& view() { return *view_; }
    const TableView& view() const { return *view_; }
    HandLogView& log() { return *log_; }
    qreal scale() const { return view_->scale(); }
    QPushButton* button(Intent which) const { return view_->button(which); }
    QLineEdit* amount_box() const { return view_->amount_box(); }
    const CardArt& card_art() const { return view_->card_art(); }
    std::uint64_t frames_painted() const { return view_->frames_painted(); }

    // Opens the Options dialog; what the player accepts is kept, and the pace changes at once.
    void open_options();
    // Game › New tournament…: the next tournament's options, then, once the player agrees to
    // abandon the one in play, that tournament started in this window.
    void open_new_tournament();
    // Game › Standings (Ctrl+T), while the whole field plays.
    void open_standings();
    void open_calculator();
    // Game › Review: the costliest decisions of the tournaments played, each opening its replay.
    void open_review();
    // A `.phh` or `.phhs` file from anywhere, in a hands viewer of its own.
    void open_hand_history(const QString& path);
    EquityCalculatorWindow* calculator() const { return calculator_; }
    StandingsWindow* standings() const { return standings_; }
    // Opens Game › Statistics… on the results kept so far.
    void open_statistics();
    // Opens Game › Hands… on the hand histories' folder.
    void open_hands();
    // Takes options the player chose: all are kept for the next tournament, the pace applies now.
    void apply_options(const Options& chosen);

    void set_log_visible(bool visible);
    bool log_visible() const;
    // The hand histories' file, when they are written.
    QString history_path() const;
    TableSounds& sounds() { return sounds_; }
    // Turns the sounds on or off; the choice is kept.
    void set_sound_on(bool on);
    // What keeps the tournament on disk, when it is kept.
    GameKeeper* keeper() const { return keeper_.get(); }

    // What the window does when the game has ended (the human broke or the tournament won):
    // by default a notice that offers a new tournament or quitting.
    void set_end_notice(std::function<void(const QString&)> notice) {
        end_notice_ = std::move(notice);
    }
    // The notice at the end; in a field played whole it gives the place and the prize.
    static QString end_message(const Table& t, GameEnd why,
                               const tournament::Field* field = nullptr);
    // What starting a new tournament from the end notice does; none: the choice is not offered.
    void set_new_tournament(std::function<void()> start) { new_tournament_ = std::move(start); }
    // The question "Exit" asks before the tournament is given up; true leaves. By default a
    // dialog whose Escape stays.
    void set_exit_question(std::function<bool()> ask) { exit_question_ = std::move(ask); }
    void set_abandon_question(std::function<bool()> ask) { abandon_question_ = std::move(ask); }
    // Asks, then leaves the tournament if the player confirms.
    void leave();
    // The lines that say a save, the results or the hand histories failed, each empty while
    // that works.
    QString save_problem() const;
    QString results_problem() const;
    QString history_problem() const;
    // The odds helper beside the human's cards; its line is worked out away from the window's
    // thread and shown when it is ready.
    void set_odds_helper(bool on);
    bool odds_helper() const { return odds_on_; }
    // The advisor: at every turn of the human's when on, once when asked (the key H).
    void set_advisor(bool on);
    bool advisor() const { return advisor_on_; }
    void ask_advice();
    // Options › Appearance, for this table and every table picture the window opens.
    void set_looks(const Looks& looks);
    const Looks& looks() const { return looks_; }

  signals:
    void painted();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void build_menus();
    void game_ended(GameEnd why);
    void show_save_status();
    void show_problems();
    void show_line(QLabel* line, const QString& text);
    void update_odds();
    void update_advice();
    void quit_after_exit();

    QtHost& host_;
    TableSounds sounds_;
    std::unique_ptr<class HistoryFile> history_;
    std::string tournament_id_;
    std::unique_ptr<GameKeeper> keeper_;
    std::unique_ptr<ResultsRecorder> results_;
    std::unique_ptr<trainer::DecisionReview> review_;
    QString results_path_;
    QString history_folder_;
    Preferences* preferences_ = nullptr;
    QSplitter* split_ = nullptr;
    TableView* view_ = nullptr;
    HandLogView* log_ = nullptr;
    QAction* log_action_ = nullptr;
    QAction* sound_action_ = nullptr;
    bool log_width_chosen_ = false;  // the player dragged the divider: keep their width
    std::function<void(const QString&)> end_notice_;
    std::function<void()> new_tournament_;
    std::function<bool()> exit_question_;
    std::function<bool()> abandon_question_;
    bool starting_new_ = false;  // the tournament left is followed by a new one
    QPointer<StandingsWindow> standings_;
    QPointer<EquityCalculatorWindow> calculator_;
    std::uint64_t standings_hand_ = 0;
    void update_standings();
    QLabel* save_line_ = nullptr;
    QLabel* results_line_ = nullptr;
    QLabel* history_line_ = nullptr;
    bool forwarding_key_ = false;  // a key handed to the table comes back: it stops here
    bool odds_on_ = false;
    bool advisor_on_ = false;
    bool advice_asked_ = false;  // H was pressed: advise at this turn
    std::string advice_spot_;    // the spot the advice in work or shown is for
    int advice_generation_ = 0;
    Looks looks_;
    QThreadPool odds_pool_;
    std::string odds_asked_;  // what the line in work or shown was asked for
    int odds_generation_ = 0;
};

// A file the hands viewer opens as a hand history, by its name.
bool is_hand_history(const QString& path);

}  // namespace holdem::ui
