// Game › Hands…: the tournaments whose hands are on disk, a tournament's hands (number, level,
// the human's cards, the result), and a replay of any hand on a table picture, step by step
// (first, back, forward, last, play), the log's lines beside it. A hand is replayed from its
// machine-readable record; histories written without records still list, with no hands to play.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <vector>

#include "picture/replay.h"
#include "ui/table_view.h"

namespace holdem::ui {

class HandsViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HandsViewer(const QString& folder, QWidget* parent = nullptr);
    ~HandsViewer() override;

    QComboBox* tournaments() const { return tournaments_; }
    QTableWidget* hands() const { return hands_; }
    QPushButton* control(const char* name) const;
    int step() const { return step_; }
    int steps() const { return static_cast<int>(steps_.size()); }
    const TablePicture& picture() const { return picture_; }
    QString log_text() const { return log_->toPlainText(); }

    void show_tournament(int index);
    void show_hand(int row);
    void show_step(int step);

  private:
    struct NoIntents final : TableIntents {
        void act(Intent) override {}
        void amount_key(int, const std::string&) override {}
        void amount_edited(const std::string&) override {}
    };

    QString folder_;
    QComboBox* tournaments_ = nullptr;
    QTableWidget* hands_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    TableView* view_ = nullptr;
    QTimer play_;
    NoIntents no_intents_;
    TablePicture picture_;
    std::vector<HandRecord> records_;
    std::vector<ReplayStep> steps_;
    int hand_ = -1;
    int step_ = 0;
};

}  // namespace holdem::ui
