// The table window: paints the felt, seats, cards, chips and labels from the core's controls,
// scaled from the twip layout to the window with its proportions kept, and carries real
// buttons and a real line edit for the human's actions. It decides nothing about the game.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>

#include "ui/card_art.h"
#include "ui/qt_host.h"

namespace holdem::ui {

class TableWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TableWindow(QtHost& host, QWidget* parent = nullptr);

    // Twips to widget pixels: one scale for both axes, the table centred in the window.
    qreal scale() const { return scale_; }
    QRectF to_pixels(const Control& c) const;
    QRectF rect_of(ControlId id) const;

    QPushButton* button(ControlId id) const;
    QLineEdit* amount_box() const { return amount_; }
    const CardArt& card_art() const { return cards_; }

    // What the window does when the game has ended (the human broke or the tournament won):
    // by default a message the player dismisses, then the program ends.
    void set_end_notice(std::function<void(const QString&)> notice) {
        end_notice_ = std::move(notice);
    }
    static QString end_message(const Table& t, GameEnd why);

    std::uint64_t frames_painted() const { return frames_; }

  signals:
    void painted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // C calls or checks, R raises, F folds: the same as pressing the button.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void sync_widgets();
    void place_widgets();
    void game_ended(GameEnd why);
    QFont font_for(const Control& c) const;

    QtHost& host_;
    std::map<std::uint16_t, QPushButton*> buttons_;
    QLineEdit* amount_ = nullptr;
    CardArt cards_;
    qreal scale_ = 0.1;
    QPointF origin_;
    std::function<void(const QString&)> end_notice_;
    std::uint64_t frames_ = 0;
};

}  // namespace holdem::ui
