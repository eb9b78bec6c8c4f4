// Tools › Equity calculator: two to ten players, each a hand, a range or any hand (typed in the
// usual form or clicked on the 13 × 13 grid), a board and dead cards; win, tie and equity for
// each, worked out on a thread of its own and started again whenever the input changes.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "calculator/equity_calculator.h"

class QGridLayout;

namespace holdem::ui {

// The 13 × 13 grid of starting hands: pairs on the diagonal, suited above, offsuit below; a
// click takes a kind in or out of the range, a kind partly in is shaded by its share.
class RangeGrid : public QWidget {
    Q_OBJECT
  public:
    explicit RangeGrid(QWidget* parent = nullptr);
    void set_range(const calculator::HandRange& range);
    const calculator::HandRange& range() const { return range_; }
    void toggle(calculator::GridCell cell);
    QSize sizeHint() const override { return {13 * 40, 13 * 40}; }

  signals:
    void changed();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    double cell_side() const;  // the cells are square, from the top left
    calculator::HandRange range_;
};

class EquityCalculatorWindow : public QDialog {
    Q_OBJECT
  public:
    explicit EquityCalculatorWindow(QWidget* parent = nullptr);
    ~EquityCalculatorWindow() override;

    static constexpr int most_players = 10;
    int players() const { return players_; }
    void set_players(int count);
    void set_hands(int player, const QString& text);  // player from 0
    void set_board(const QString& text) { board_->setText(text); }
    void set_dead(const QString& text) { dead_->setText(text); }
    // The player whose range the grid shows and edits.
    void choose(int player);
    RangeGrid* grid() const { return grid_; }
    QString equity_text(int player) const;
    QString status() const { return status_->text(); }
    // Worked out from the input as it stands, without waiting for the pause after typing.
    void calculate_now();
    bool working() const { return working_; }

  private:
    struct Row {
        QLabel* name;
        QLineEdit* hands;
        QPushButton* pick;
        QLabel *win, *tie, *equity;
    };
    void restart();
    void show_result(std::uint64_t generation, const calculator::Equities& e, bool done);
    void stop_worker();

    std::vector<Row> rows_;
    int players_ = 2;
    int chosen_ = 0;
    QLineEdit* board_ = nullptr;
    QLineEdit* dead_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* grid_title_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    RangeGrid* grid_ = nullptr;
    QTimer pause_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::uint64_t generation_ = 0;
    bool working_ = false;
    bool filling_ = false;  // the grid writes a player's text: no new reading of it
};

}  // namespace holdem::ui
