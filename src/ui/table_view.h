// The table itself: felt, seats, cards, chips and labels painted from the core's controls,
// scaled from the twip layout with its proportions kept, with what the window adds beside the
// rules (seat plates, last actions, the live pot, the winners) and the human's real buttons.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>

#include "ui/card_art.h"
#include "ui/qt_host.h"
#include "ui/table_notes.h"

namespace holdem::ui {

class TableView : public QWidget {
    Q_OBJECT
  public:
    // The part of the twip layout that holds something: the canvas shows this much.
    static constexpr QRectF layout_area{650, -60, 11670, 8540};

    TableView(QtHost& host, const TableNotes& notes, QWidget* parent = nullptr);

    qreal scale() const { return scale_; }
    QRectF to_pixels(const Control& c) const;
    QRectF to_pixels(const QRectF& twips) const;
    QRectF rect_of(ControlId id) const;

    QPushButton* button(ControlId id) const;
    QLineEdit* amount_box() const { return amount_; }
    // The line under the amount box: what it accepts now, or why it refused.
    QString amount_hint() const { return hint_; }
    const CardArt& card_art() const { return cards_; }
    // The line that says a sit-out request stands until the next hand; empty when none does.
    QString sit_out_request() const;
    std::uint64_t frames_painted() const { return frames_; }

    // Brings the buttons and the amount box up to date with the controls.
    void sync_widgets();
    // Presses a visible button of the human's, as a click would.
    void press(ControlId id);

  signals:
    void painted();
    // "Exit" was pressed: the window asks before the tournament is given up.
    void exitRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place_widgets();
    void fit_button_fonts();
    void make_room_for_captions();
    void paint_dealer_button(QPainter& p) const;
    // The smallest caption a button is given: below it the words stop being readable.
    static constexpr int least_button_px = 11;
    void bet_typed_amount(bool from_enter);
    void paint_sit_out_request(QPainter& p) const;
    QFont font_px(qreal twips, bool bold = false) const;

    void paint_felt(QPainter& p) const;
    void paint_shapes(QPainter& p) const;
    void paint_cards(QPainter& p);
    void paint_winners(QPainter& p) const;
    void paint_seat_plates(QPainter& p) const;
    void paint_labels(QPainter& p) const;
    void paint_badges(QPainter& p) const;
    void paint_pot(QPainter& p) const;
    void paint_banner(QPainter& p) const;
    void paint_hint(QPainter& p) const;

    QtHost& host_;
    const TableNotes& notes_;
    std::map<std::uint16_t, QPushButton*> buttons_;
    QLineEdit* amount_ = nullptr;
    QString hint_;
    CardArt cards_;
    qreal scale_ = 0.1;
    QPointF origin_;
    std::uint64_t frames_ = 0;
};

}  // namespace holdem::ui
