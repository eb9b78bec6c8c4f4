#include "ui/statistics_dialog.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "results/results_reader.h"

namespace holdem::ui {

namespace {

QString percent(double share) {
    return QString::number(share * 100, 'f', 1) + " %";
}

// A line chart of `points`, x counted from 1, with its title and axis names.
QChart* line_chart(const QString& title, const QString& x_name, const QString& y_name,
                   const std::vector<std::int64_t>& points, bool y_down) {
    auto* series = new QLineSeries;
    std::int64_t low = 0, high = 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        series->append(static_cast<qreal>(i + 1), static_cast<qreal>(points[i]));
        high = std::max(high, points[i]);
        low = i == 0 ? points[i] : std::min(low, points[i]);
    }
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(title);
    chart->legend()->hide();
    auto* x = new QValueAxis;
    x->setTitleText(x_name);
    x->setLabelFormat("%d");
    x->setRange(1, std::max<qreal>(2, static_cast<qreal>(points.size())));
    // Whole numbers only: a short run gets a tick a point, not the same number twice.
    x->setTickCount(static_cast<int>(std::clamp<std::size_t>(points.size(), 2, 5)));
    auto* y = new QValueAxis;
    y->setTitleText(y_name);
    y->setLabelFormat("%d");
    y->setRange(std::min<qreal>(0, static_cast<qreal>(low)), static_cast<qreal>(high) * 1.05);
    y->setReverse(y_down);  // a better rank is a smaller number: it stands higher
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

// A chart view gives up the chart it showed without deleting it: it goes here.
void replace_chart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

}  // namespace

StatisticsDialog::StatisticsDialog(const QString& database, QWidget* parent)
    : QDialog(parent), database_(database) {
    setObjectName("statistics");
    setWindowTitle("Statistics");
    rules_ = new QComboBox(this);
    rules_->setObjectName("rules");
    rules_->addItem("All rules", QString());
    rules_->addItem("Classic", QString("classic"));
    rules_->addItem("Standard", QString("standard"));
    tournament_ = new QComboBox(this);
    tournament_->setObjectName("tournament");
    figures_ = new QLabel(this);
    figures_->setObjectName("figures");
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ranks_ = new QChartView(this);
    stacks_ = new QChartView(this);
    for (QChartView* view : {ranks_, stacks_}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(380, 260);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Rules:", this));
    top->addWidget(rules_);
    top->addStretch(1);
    top->addWidget(new QLabel("Tournament:", this));
    top->addWidget(tournament_);
    auto* charts = new QHBoxLayout;
    charts->addWidget(ranks_);
    charts->addWidget(stacks_);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(figures_);
    layout->addLayout(charts, 1);
    layout->addWidget(close);

    connect(rules_, &QComboBox::currentIndexChanged, this, &StatisticsDialog::refresh);
    connect(tournament_, &QComboBox::currentIndexChanged, this, &StatisticsDialog::show_stacks);
    resize(900, 560);
    refresh();
}

QString StatisticsDialog::figures() const {
    return figures_->text();
}

void StatisticsDialog::refresh() {
    const std::string path = QFile::encodeName(database_).toStdString();
    const std::string rules = rules_->currentData().toString().toStdString();
    const std::optional<ResultsSummary> s = read_summary(path, rules);
    if (!s) {
        figures_->setText("No results yet: they are kept from the first hand you play.");
    } else {
        figures_->setText(
            QString("Tournaments %1 · wins %2 · best finish %3 · mean finish %4\n"
                    "Hands %5 · VPIP %6 · PFR %7 · aggression %8 · showdowns won %9")
                .arg(s->tournaments)
                .arg(s->wins)
                .arg(s->best_finish ? QString::number(s->best_finish) : QString("–"))
                .arg(s->mean_finish > 0 ? QString::number(s->mean_finish, 'f', 1) : QString("–"))
                .arg(s->hands)
                .arg(percent(s->vpip), percent(s->pfr), QString::number(s->aggression, 'f', 2),
                     percent(s->showdowns_won)));
    }
    const std::vector<TournamentRow> rows = read_tournaments(path, rules);
    std::vector<std::int64_t> ranks;
    for (const TournamentRow& row : rows)
        if (row.final_rank > 0) ranks.push_back(row.final_rank);
    ranks_shown_ = static_cast<int>(ranks.size());
    replace_chart(ranks_, line_chart("Final rank, tournament by tournament", "Tournament", "Rank",
                                     ranks, true));
    const QSignalBlocker quiet(tournament_);
    tournament_->clear();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        tournament_->addItem(QString::fromStdString(it->started), QVariant::fromValue(it->id));
    show_stacks();
}

void StatisticsDialog::show_stacks() {
    std::vector<std::int64_t> stacks;
    if (tournament_->count() > 0)
        stacks = read_stacks(QFile::encodeName(database_).toStdString(),
                             tournament_->currentData().toLongLong());
    stacks_shown_ = static_cast<int>(stacks.size());
    replace_chart(stacks_, line_chart("Your stack, hand by hand", "Hand", "Chips", stacks, false));
}

}  // namespace holdem::ui
