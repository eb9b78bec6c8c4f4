// The table itself, painted from the table picture: felt, seats and their plates, cards, chips,
// the pot, the last actions, the winners and the clock panel, scaled from the twip layout with
// its proportions kept. The human's buttons belong to its action panel.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "picture/table_intents.h"
#include "picture/table_picture.h"
#include "ui/action_panel.h"
#include "ui/card_art.h"
#include "ui/looks.h"

namespace holdem::ui {

class TableView : public QWidget {
    Q_OBJECT
  public:
    TableView(const TablePicture& picture, TableIntents& intents, QWidget* parent = nullptr);

    qreal scale() const { return scale_; }
    QRectF to_pixels(const QRectF& twips) const;
    // Where seat k's name plate starts, in the view's pixels.
    QRectF plate_rect(int seat) const;

    ActionPanel& panel() { return *panel_; }
    QPushButton* button(Intent which) const { return panel_->button(which); }
    QLineEdit* amount_box() const { return panel_->amount_box(); }
    // The line in the action panel: what the amount box accepts now, or why it refused.
    QString amount_hint() const { return panel_->hint(); }
    // The line that says a sit-out request stands until the next hand; empty when none does.
    QString sit_out_request() const;
    const CardArt& card_art() const { return cards_; }
    std::uint64_t frames_painted() const { return frames_; }

    // The odds helper's line, shown under what the human holds; empty for none.
    void set_odds_line(const QString& line) { odds_line_ = line; }
    // View › Statistics on the table: each opponent's figures as a third line of its plate.
    void set_statistics_shown(bool on) {
        statistics_shown_ = on;
        update();
    }
    bool statistics_shown() const { return statistics_shown_; }
    // Options › Appearance: the deck, the felt, the backs and the plates' text size.
    void set_looks(const Looks& looks);
    const Looks& looks() const { return looks_; }
    QString odds_line() const { return odds_line_; }
    // The advisor's line at the human's turn, beside the odds helper's; empty for none.
    void set_advice_line(const QString& line) {
        advice_line_ = line;
        update();
    }
    QString advice_line() const { return advice_line_; }
    // Brings the widgets up to date with the picture; the caller repaints.
    void picture_changed();

    // The painted table's parts for assistive technology: the ten seats, the board, the
    // winner's line, the clock and the human's holding, each in words and where it is drawn.
    static constexpr int accessible_parts = 14;
    QString part_words(int part) const;
    QString part_about(int part) const;
    QRectF part_rect(int part) const;
    // What was last announced to assistive technology: the human's turn, a hand's result or
    // the director's news.
    QString spoken() const { return spoken_; }

  signals:
    void painted();
    // Said to assistive technology: the human's turn, a hand's result, the director's news.
    void announced(const QString& words);
    // "Exit" was pressed: the window asks before the tournament is given up.
    void exitRequested();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QFont font_px(qreal twips, bool bold = false) const;

    void paint_felt(QPainter& p) const;
    void paint_shapes(QPainter& p) const;
    void paint_cards(QPainter& p);
    void paint_winners(QPainter& p) const;
    void paint_seat_plates(QPainter& p) const;
    void paint_labels(QPainter& p) const;
    void paint_badges(QPainter& p) const;
    void paint_pot(QPainter& p) const;
    void paint_dealer_button(QPainter& p) const;
    void paint_banner(QPainter& p) const;
    void paint_announcement(QPainter& p) const;
    void paint_hint(QPainter& p) const;
    void paint_sit_out_request(QPainter& p) const;
    void paint_pot_going(QPainter& p) const;
    void paint_holding(QPainter& p) const;
    void announce_changes();
    void announce(const QString& words);

    const TablePicture& picture_;
    ActionPanel* panel_ = nullptr;
    CardArt cards_;
    qreal scale_ = 0.1;
    QPointF origin_;
    std::uint64_t frames_ = 0;
    // The pot going to the winners: its chips travel from the centre to the paid seats.
    std::vector<int> paid_seats_;
    QElapsedTimer pot_going_;
    QTimer animation_;
    QString odds_line_;
    QString advice_line_;
    bool statistics_shown_ = false;
    Looks looks_;
    QString spoken_;
    // What was announced last of each kind: said again only when it changes.
    std::string turn_said_, result_said_, news_said_;
};

}  // namespace holdem::ui
