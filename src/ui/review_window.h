// Game › Review: a tournament's costliest decisions against the advisor's moves, as the
// results keep them ("called 600 with 18 % equity needing 33 %: about −150 chips"); choosing
// one opens the hand's replay at that decision.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <cstdint>
#include <vector>

#include "results/results_reader.h"

namespace holdem::ui {

class ReviewWindow : public QDialog {
    Q_OBJECT
  public:
    // `database` the results; `current` the tournament shown first, when it is there.
    ReviewWindow(const QString& database, const QString& current, QWidget* parent = nullptr);

    QComboBox* tournaments() const { return tournaments_; }
    QTableWidget* decisions() const { return decisions_; }
    void show_tournament(int index);

  signals:
    // The tournament's name (its hand histories'), the hand and the human's action in it.
    void replay_requested(const QString& tournament, quint64 hand, int ordinal);

  private:
    QString database_;
    QComboBox* tournaments_ = nullptr;
    QTableWidget* decisions_ = nullptr;
    QLabel* line_ = nullptr;
    std::vector<TournamentRow> rows_;
    std::vector<DecisionRow> shown_;
};

// The most decisions the list shows.
inline constexpr int review_length = 50;

}  // namespace holdem::ui
