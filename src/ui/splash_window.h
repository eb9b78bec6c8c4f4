// The splash: the product's name for a moment, then the table. Its timer, a key or a click on
// its frame closes it, whichever comes first, and the table window is opened exactly once.
// With a tournament saved, it waits instead for the player to resume it (the default) or start
// a new one; with a notice to read, or the game to choose for the first time, it waits too. It
// takes the keyboard as soon as it shows.
#pragma once

#include <QFrame>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <string_view>

#include "model/version.h"

namespace holdem::ui {

// The splash's name and how long it stands; its other lines are the window's translated texts.
struct Splash {
    static constexpr std::string_view lblProductName = "Final Table Hold'em";
    static constexpr int timer_interval_ms = 2500;
};

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    // `open_table` creates and shows the table window; it runs at most once. The splash stands
    // for `interval_ms` unless a key or a click closes it first.
    explicit SplashWindow(std::function<void()> open_table,
                          int interval_ms = Splash::timer_interval_ms, QWidget* parent = nullptr);

    // What closing the window itself does instead of opening the table: by default the
    // program quits.
    void set_quit(std::function<void()> quit) { quit_ = std::move(quit); }
    // Shows an "Options…" button that runs `options`; the splash waits while it runs.
    void set_options(std::function<void()> options);
    QPushButton* options_button() const { return options_button_; }

    // Offers the saved tournament `summary` describes: "Resume tournament", the default that
    // Return, a key or a click on the frame picks, or "New tournament". The timer stops.
    void offer_resume(const QString& summary);
    bool resume_chosen() const { return resume_chosen_; }
    QPushButton* resume_button() const { return resume_button_; }
    QPushButton* new_button() const { return new_button_; }
    // Lines under the title, for something the player must know before playing: shown whole
    // (the splash grows to hold them), and the splash waits until the player goes on.
    void show_notice(const QString& line);
    // Offers the two games, the classic game or the standard tournament, `standard` the one
    // chosen last (the default); the first time (`chosen_before` false) the splash waits.
    void offer_games(bool standard, bool chosen_before);
    bool standard_chosen() const { return standard_chosen_; }
    QPushButton* classic_button() const { return classic_button_; }
    QPushButton* standard_button() const { return standard_button_; }

    QFrame* frame() const { return frame_; }
    bool closed() const { return closed_; }

    // Unloads the splash and opens the table, unless that has happened already.
    void close_splash();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::function<void()> open_table_;
    std::function<void()> quit_;
    QPushButton* add_button(const QString& text, const char* name, int x, int width);

    QPushButton* options_button_ = nullptr;
    QPushButton* resume_button_ = nullptr;
    QPushButton* new_button_ = nullptr;
    QPushButton* classic_button_ = nullptr;
    QPushButton* standard_button_ = nullptr;
    bool resume_chosen_ = false;
    bool standard_chosen_ = false;
    void grow_for(QWidget* notice);
    QFrame* frame_ = nullptr;
    QTimer timer_;
    bool closed_ = false;
};

}  // namespace holdem::ui
