// Game › Statistics…: the player's results from the results database: tournaments played, wins,
// best and mean finish, hands, VPIP, PFR, aggression and showdowns won, for one rule set or all,
// with two charts: each tournament's final rank in order, and one tournament's stack hand by
// hand.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QChartView;

namespace holdem::ui {

class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    StatisticsDialog(const QString& database, QWidget* parent = nullptr);

    QComboBox* rules() const { return rules_; }
    QComboBox* tournament() const { return tournament_; }
    QString figures() const;  // the figures as shown, for tests
    int ranks_shown() const { return ranks_shown_; }
    int stacks_shown() const { return stacks_shown_; }

  private:
    void refresh();
    void show_stacks();

    QString database_;
    QComboBox* rules_;
    QComboBox* tournament_;
    QLabel* figures_;
    QChartView* ranks_;
    QChartView* stacks_;
    int ranks_shown_ = 0;
    int stacks_shown_ = 0;
};

}  // namespace holdem::ui
