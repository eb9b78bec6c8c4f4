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
#include <algorithm>
#include <cmath>

#include "model/numbers.h"
#include "results/results_reader.h"
#include "ui/language.h"
#include "ui/table_words.h"

namespace holdem::ui {

namespace {

QString percent(double share) {
    return decimal_words(share * 100, 1) + " %";
}

// A step of 1, 2, 2.5 or 5 times a power of ten that splits `span` into at most five parts.
double nice_step(double span) {
    double power = 1;
    while (power * 10 <= span / 5)
        power *= 10;
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (span / (factor * power) <= 5) return factor * power;
    return 10 * power;
}

// An axis from `low` to the first tick at or above `high`, ticks on round numbers.
QValueAxis* round_axis(const QString& name, double low, double high) {
    auto* axis = new QValueAxis;
    axis->setTitleText(name);
    axis->setLabelFormat("%d");
    const double step = nice_step(std::max(1.0, high - std::min(0.0, low)));
    const double top = std::max(step, std::ceil(high / step) * step);
    axis->setRange(low, top);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    return axis;
}

// A line chart of `points`, x counted from 1; `highest` bounds the y axis from above (a rank
// never goes beyond the field), 0 for none. With no points the chart says `empty` instead.
QChart* line_chart(const QString& title, const QString& x_name, const QString& y_name,
                   const std::vector<std::int64_t>& points, bool rank, const QString& empty) {
    auto* chart = new QChart;
    chart->legend()->hide();
    if (points.empty()) {
        chart->setTitle(title + "\n\n" + empty);
        return chart;
    }
    chart->setTitle(title);
    auto* series = new QLineSeries;
    std::int64_t high = 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        series->append(static_cast<qreal>(i + 1), static_cast<qreal>(points[i]));
        high = std::max(high, points[i]);
    }
    series->setPointsVisible(points.size() < 40);  // a single point is seen too
    chart->addSeries(series);
    QValueAxis* x = round_axis(x_name, 1, std::max<double>(2, static_cast<double>(points.size())));
    QValueAxis* y = round_axis(y_name, rank ? 1 : 0, static_cast<double>(high));
    y->setReverse(rank);  // a better rank is a smaller number: it stands higher
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

// "2026-12-06 13:48 · standard · Regular · 1,000 · finished 137 · won 180" for the list of
// tournaments.
QString tournament_line(const TournamentRow& row) {
    QString line = started_words(row.started);
    if (!row.rules.empty()) line += " · " + QString::fromStdString(row.rules);
    if (row.buy_in > 0) {
        if (!row.structure.empty()) line += " · " + QString::fromStdString(row.structure);
        line += " · " + grouped_words(row.field_size);
    }
    if (row.final_rank > 0)
        line += StatisticsDialog::tr(" · finished %1").arg(number_words(row.final_rank));
    else if (row.ending.empty())
        line += StatisticsDialog::tr(" · in play");
    if (row.prize > 0) line += StatisticsDialog::tr(" · won %1").arg(grouped_words(row.prize));
    return line;
}

// The leaks, on lines of their own: VPIP and PFR from each position, the raises given up to
// a re-raise, the calls the price did not pay for and what the graded decisions cost by street.
QString leaks_text(const Leaks& leaks) {
    static const char* const places[] = {
        "", QT_TRANSLATE_NOOP("holdem::ui::StatisticsDialog", "button"),
        QT_TRANSLATE_NOOP("holdem::ui::StatisticsDialog", "small blind"),
        QT_TRANSLATE_NOOP("holdem::ui::StatisticsDialog", "big blind")};
    QString text;
    QStringList by_position;
    for (const PositionFigures& p : leaks.by_position) {
        if (p.chances == 0) continue;
        const QString place = p.position <= 3
                                  ? StatisticsDialog::tr(places[p.position])
                                  : StatisticsDialog::tr("%1 after the button").arg(p.position - 1);
        by_position << QString("%1 %2/%3").arg(place, percent(p.vpip), percent(p.pfr));
    }
    if (!by_position.isEmpty())
        text +=
            "\n" + StatisticsDialog::tr("VPIP/PFR by position: %1").arg(by_position.join(" · "));
    if (leaks.re_raised > 0)
        text += "\n" +
                StatisticsDialog::tr("Raises before the flop given up to a re-raise: %1 of %2 (%3)")
                    .arg(leaks.folds_to_re_raise)
                    .arg(leaks.re_raised)
                    .arg(percent(double(leaks.folds_to_re_raise) / double(leaks.re_raised)));
    if (leaks.calls > 0)
        text +=
            "\n" + StatisticsDialog::tr("Calls the price did not pay for: %1 of %2, about %3 chips")
                       .arg(leaks.unpaid_calls)
                       .arg(leaks.calls)
                       .arg(number_words(std::lround(leaks.unpaid_cost)));
    QStringList by_street;
    for (const StreetCost& c : leaks.by_street)
        by_street << StatisticsDialog::tr("%1 %2 decisions, about %3 chips")
                         .arg(in_language(c.street))
                         .arg(c.decisions)
                         .arg(number_words(std::lround(c.cost)));
    if (!by_street.isEmpty())
        text += "\n" + StatisticsDialog::tr("Cost of decisions against the advice: %1")
                           .arg(by_street.join(" · "));
    return text;
}

}  // namespace

StatisticsDialog::StatisticsDialog(const QString& database, QWidget* parent)
    : QDialog(parent), database_(database) {
    setObjectName("statistics");
    setWindowTitle(tr("Statistics"));
    pool_.setMaxThreadCount(1);
    rules_ = new QComboBox(this);
    rules_->setObjectName("rules");
    rules_->addItem(tr("All rules"), QString());
    rules_->addItem(tr("Classic"), QString("classic"));
    rules_->addItem(tr("Standard"), QString("standard"));
    tournament_ = new QComboBox(this);
    tournament_->setObjectName("tournament");
    tournament_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    figures_ = new QLabel(this);
    figures_->setObjectName("figures");
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures_->setWordWrap(true);
    ranks_ = new QChartView(this);
    stacks_ = new QChartView(this);
    for (QChartView* view : {ranks_, stacks_}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(380, 260);
    }

    auto* top = new QHBoxLayout;
    // Each label names its list for a screen reader too.
    auto labelled = [this](const QString& text, QComboBox* box) {
        auto* label = new QLabel(text, this);
        label->setBuddy(box);
        return label;
    };
    top->addWidget(labelled(tr("&Rules:"), rules_));
    top->addWidget(rules_);
    top->addStretch(1);
    top->addWidget(labelled(tr("&Tournament:"), tournament_));
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

StatisticsDialog::~StatisticsDialog() {
    pool_.clear();
    pool_.waitForDone();
}

QString StatisticsDialog::figures() const {
    return figures_->text();
}

// The figures are read away from the window's thread; what comes back for an older question is
// dropped.
void StatisticsDialog::refresh() {
    const std::string path = QFile::encodeName(database_).toStdString();
    const std::string rules = rules_->currentData().toString().toStdString();
    const int generation = ++generation_;
    figures_->setText(tr("Reading the results…"));
    ++reads_under_way_;
    pool_.start([this, path, rules, generation] {
        ResultsRead read = read_results(path, rules);
        QMetaObject::invokeMethod(
            this,
            [this, read = std::move(read), generation] {
                --reads_under_way_;
                if (generation == generation_) show_results(read);
            },
            Qt::QueuedConnection);
    });
}

void StatisticsDialog::show_results(const ResultsRead& read) {
    QString text;
    if (const auto& s = read.summary; s && !read.no_results) {
        const QString finished =
            s->finished == s->tournaments ? QString() : tr(" (%1 finished)").arg(s->finished);
        text = tr("Tournaments %1%2 · wins %3 · best finish %4 · mean finish %5\n"
                  "Hands %6 · VPIP %7 · PFR %8 · aggression %9 · showdowns won %10")
                   .arg(s->tournaments)
                   .arg(finished)
                   .arg(s->wins)
                   .arg(s->best_finish ? number_words(s->best_finish) : QString("–"))
                   .arg(s->mean_finish > 0 ? decimal_words(s->mean_finish, 1) : QString("–"))
                   .arg(number_words(s->hands))
                   .arg(percent(s->vpip), percent(s->pfr), decimal_words(s->aggression, 2),
                        percent(s->showdowns_won));
        // Tournaments played for prizes: how often they paid, and what came back per buy-in.
        if (s->prize_tournaments > 0)
            text += "\n" + tr("In the money %1 of %2 (%3) · prizes %4 for buy-ins %5 · return %6")
                               .arg(s->cashes)
                               .arg(s->prize_tournaments)
                               .arg(percent(double(s->cashes) / s->prize_tournaments))
                               .arg(grouped_words(s->prizes), grouped_words(s->buy_ins),
                                    decimal_words(double(s->prizes) / double(s->buy_ins), 2));
        text += leaks_text(read.leaks);
    } else if (read.no_results && read.problem.empty()) {
        text = read.summary ? tr("Tournaments 0: none played under these rules yet.")
                            : tr("No results yet: they are kept from the first hand you play.");
    }
    if (!read.problem.empty()) {
        QString problem = QString::fromStdString(read.problem) + ".";
        if (text.isEmpty()) {
            text = tr("The results cannot be shown: %1").arg(problem);
        } else {
            problem[0] = problem[0].toUpper();
            text += "\n" + problem;
        }
    }
    figures_->setText(text);
    std::vector<std::int64_t> ranks;
    for (const TournamentRow& row : read.tournaments)
        if (row.final_rank > 0) ranks.push_back(row.final_rank);
    ranks_shown_ = static_cast<int>(ranks.size());
    replace_chart(
        ranks_, line_chart(tr("Final rank, tournament by tournament"), tr("Tournament"), tr("Rank"),
                           ranks, true, tr("No tournament has finished yet.")));
    const QSignalBlocker quiet(tournament_);
    tournament_->clear();
    for (auto it = read.tournaments.rbegin(); it != read.tournaments.rend(); ++it)
        tournament_->addItem(tournament_line(*it), QVariant::fromValue(it->id));
    show_stacks();
}

void StatisticsDialog::show_stacks() {
    const int generation = ++stacks_generation_;
    if (tournament_->count() == 0) {
        show_stack_chart({});
        return;
    }
    const std::string path = QFile::encodeName(database_).toStdString();
    const std::int64_t id = tournament_->currentData().toLongLong();
    ++reads_under_way_;
    pool_.start([this, path, id, generation] {
        std::vector<std::int64_t> stacks = read_stacks(path, id);
        QMetaObject::invokeMethod(
            this,
            [this, stacks = std::move(stacks), generation] {
                --reads_under_way_;
                if (generation == stacks_generation_) show_stack_chart(stacks);
            },
            Qt::QueuedConnection);
    });
}

void StatisticsDialog::show_stack_chart(const std::vector<std::int64_t>& stacks) {
    stacks_shown_ = static_cast<int>(stacks.size());
    replace_chart(stacks_,
                  line_chart(tr("Your stack, hand by hand"), tr("Hand"), tr("Chips"), stacks, false,
                             tr("No hand of this tournament is kept yet.")));
}

}  // namespace holdem::ui
