// Game › Standings: the chip leaders and the human's place, the payouts with the bubble, the
// tables of the field with their players and stacks, and the last hand of the table chosen,
// on a table picture. Kept up to date hand by hand while it is open.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTableWidget>

#include "picture/standings.h"
#include "picture/table_intents.h"
#include "ui/table_view.h"

namespace holdem::ui {

class StandingsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit StandingsWindow(QWidget* parent = nullptr);

    // The field as it stands now; the table chosen stays chosen while it plays on.
    void show_field(const standard::FieldPlay& play);
    void show_table(int row);

    QTableWidget* leaders() const { return leaders_; }
    QTableWidget* payouts() const { return payouts_; }
    QTableWidget* tables() const { return tables_; }
    const TablePicture& picture() const { return picture_; }
    QString summary() const { return summary_->text(); }

  private:
    QLabel* summary_ = nullptr;
    QLabel* bubble_ = nullptr;
    QLabel* table_note_ = nullptr;
    QTableWidget* leaders_ = nullptr;
    QTableWidget* payouts_ = nullptr;
    QTableWidget* tables_ = nullptr;
    TableView* view_ = nullptr;
    NoIntents no_intents_;
    TablePicture picture_;
    const standard::FieldPlay* play_ = nullptr;
    Standings standings_;
    int chosen_table_ = 0;
};

}  // namespace holdem::ui
