// Game › Statistics…: the player's results from the results database: tournaments played, wins,
// best and mean finish, hands, VPIP, PFR, aggression and showdowns won, for one rule set or all,
// with two charts: each tournament's final rank in order, and one tournament's stack hand by
// hand. The database is read away from the window's thread, and the figures shown as they come.
#pragma once

#include <QDialog>
#include <QString>
#include <QThreadPool>
#include <cstdint>
#include <vector>

#include "results/results_reader.h"

class QComboBox;
class QLabel;
class QChartView;

namespace holdem::ui {

class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    StatisticsDialog(const QString& database, QWidget* parent = nullptr);
    ~StatisticsDialog() override;

    QComboBox* rules() const { return rules_; }
    QComboBox* tournament() const { return tournament_; }
    QString figures() const;  // the figures as shown, for tests
    int ranks_shown() const { return ranks_shown_; }
    int stacks_shown() const { return stacks_shown_; }
    // Whether a read is still under way (tests wait for it).
    bool reading() const { return reads_under_way_ > 0; }

  private:
    void refresh();
    void show_stacks();
    void show_results(const ResultsRead& read);
    void show_stack_chart(const std::vector<std::int64_t>& stacks);

    QString database_;
    QComboBox* rules_;
    QComboBox* tournament_;
    QLabel* figures_;
    QChartView* ranks_;
    QChartView* stacks_;
    int ranks_shown_ = 0;
    int stacks_shown_ = 0;
    QThreadPool pool_;
    int generation_ = 0;  // a read that comes back for an older question is dropped
    int stacks_generation_ = 0;
    int reads_under_way_ = 0;
};

}  // namespace holdem::ui
