#include "ui/review_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QVBoxLayout>

#include "trainer/decision_review.h"
#include "ui/language.h"
#include "ui/table_words.h"

namespace holdem::ui {

ReviewWindow::ReviewWindow(const QString& database, const QString& current, QWidget* parent)
    : QDialog(parent), database_(database) {
    setObjectName("review");
    setWindowTitle(tr("Review"));
    resize(900, 520);
    tournaments_ = new QComboBox(this);
    tournaments_->setObjectName("tournaments");
    tournaments_->setAccessibleName(tr("Tournament"));
    decisions_ = new QTableWidget(0, 4, this);
    decisions_->setObjectName("decisions");
    decisions_->setAccessibleName(tr("The costliest decisions"));
    decisions_->setHorizontalHeaderLabels({tr("Hand"), tr("Street"), tr("Decision"), tr("Advice")});
    decisions_->setSelectionBehavior(QAbstractItemView::SelectRows);
    decisions_->setSelectionMode(QAbstractItemView::SingleSelection);
    decisions_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    decisions_->verticalHeader()->hide();
    decisions_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    decisions_->horizontalHeader()->setStretchLastSection(true);
    line_ = new QLabel(this);
    line_->setObjectName("reviewLine");
    line_->setWordWrap(true);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* label = new QLabel(tr("&Tournament"), this);
    label->setBuddy(tournaments_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(tournaments_);
    layout->addWidget(decisions_, 1);
    layout->addWidget(line_);
    layout->addWidget(close);

    // Only the standard game's decisions are graded; the newest tournament first.
    const ResultsRead read = read_results(QFile::encodeName(database).toStdString(), "standard");
    rows_ = read.tournaments;
    std::reverse(rows_.begin(), rows_.end());
    int first = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const TournamentRow& row = rows_[i];
        tournaments_->addItem(
            started_words(row.started) +
                (row.final_rank > 0 ? tr(" · finished %1").arg(number_words(row.final_rank))
                                    : tr(" · in play")),
            QString::fromStdString(row.name));
        if (QString::fromStdString(row.name) == current) first = static_cast<int>(i);
    }
    if (rows_.empty())
        line_->setText(
            read.problem.empty()
                ? tr("No decisions yet: they are graded in tournaments under the "
                     "standard rules.")
                : tr("The results cannot be read: %1.").arg(QString::fromStdString(read.problem)));
    connect(tournaments_, &QComboBox::currentIndexChanged, this, &ReviewWindow::show_tournament);
    connect(decisions_, &QTableWidget::cellActivated, this, [this](int row, int) {
        if (row < 0 || row >= static_cast<int>(shown_.size())) return;
        const DecisionRow& d = shown_[static_cast<std::size_t>(row)];
        emit replay_requested(tournaments_->currentData().toString(), d.hand, d.ordinal);
    });
    tournaments_->setCurrentIndex(first);
    show_tournament(first);
}

void ReviewWindow::show_tournament(int index) {
    decisions_->setRowCount(0);
    shown_.clear();
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    shown_ = read_decisions(QFile::encodeName(database_).toStdString(),
                            rows_[static_cast<std::size_t>(index)].id, review_length);
    decisions_->setRowCount(static_cast<int>(shown_.size()));
    for (int row = 0; row < static_cast<int>(shown_.size()); ++row) {
        const DecisionRow& d = shown_[static_cast<std::size_t>(row)];
        const QString cells[] = {
            QString::number(d.hand), in_language(d.street),
            in_language(trainer::decision_words(d.taken, d.equity, d.needed, d.cost)),
            in_language(d.advised)};
        for (int column = 0; column < 4; ++column)
            decisions_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    line_->setText(shown_.empty()
                       ? tr("No decision of this tournament cost chips against the advice, up "
                            "to its last hand played.")
                       : tr("The %1 costliest decisions; choose one to replay its hand there.")
                             .arg(shown_.size()));
    if (!shown_.empty()) decisions_->setCurrentCell(0, 0);
}

}  // namespace holdem::ui
