#include "ui/standings_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

#include "model/numbers.h"
#include "ui/language.h"
#include "ui/table_words.h"

namespace holdem::ui {

namespace {

// A list whose column `stretched` takes the room left.
QTableWidget* list(QWidget* parent, const char* name, const QStringList& headers, int stretched) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    return table;
}

QTableWidgetItem* cell(const QString& text, bool bold, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The felt with nobody at it, nothing to press.
TablePicture blank_table() {
    TablePicture picture;
    picture.human.sit_out_shown = picture.human.exit_shown = false;
    for (SeatPicture& seat : picture.seats)
        seat.turn_marker_shown = false;
    return picture;
}

QString number(std::int64_t value) {
    return grouped_words(value);
}

}  // namespace

StandingsWindow::StandingsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("standings");
    setWindowTitle(tr("Standings"));
    resize(1180, 720);
    summary_ = new QLabel(this);
    summary_->setObjectName("standingsSummary");
    summary_->setWordWrap(true);
    bubble_ = new QLabel(this);
    bubble_->setObjectName("bubbleLine");
    bubble_->setWordWrap(true);
    table_note_ = new QLabel(this);
    table_note_->setObjectName("tableNote");
    table_note_->setWordWrap(true);
    leaders_ = list(this, "leaders", {tr("Rank"), tr("Player"), tr("Chips"), tr("Table")}, 1);
    payouts_ = list(this, "payouts", {tr("Places"), tr("Prize")}, 0);
    tables_ =
        list(this, "tables", {tr("Table"), tr("Players"), tr("Chips"), tr("Biggest stack")}, 0);
    view_ = new TableView(picture_, no_intents_, this);
    view_->setMinimumSize(420, 280);

    auto* left = new QWidget(this);
    auto* left_layout = new QVBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->addWidget(new QLabel(tr("Chip leaders"), left));
    left_layout->addWidget(leaders_, 3);
    left_layout->addWidget(new QLabel(tr("Payouts"), left));
    left_layout->addWidget(payouts_, 2);
    left_layout->addWidget(bubble_);
    auto* right = new QWidget(this);
    auto* right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(new QLabel(tr("Tables: choose one to see its last hand"), right));
    right_layout->addWidget(tables_, 2);
    right_layout->addWidget(table_note_);
    right_layout->addWidget(view_, 5);
    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(split, 1);
    connect(tables_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { show_table(row); });
}

void StandingsWindow::show_field(const standard::FieldPlay& play) {
    play_ = &play;
    standings_ = standings_of(play.field());
    summary_->setText(in_language(standings_.summary) + "\n" + in_language(standings_.human));
    bubble_->setText(in_language(standings_.bubble));

    leaders_->setRowCount(static_cast<int>(standings_.leaders.size()));
    for (int r = 0; r < leaders_->rowCount(); ++r) {
        const StandingRow& row = standings_.leaders[static_cast<std::size_t>(r)];
        leaders_->setItem(r, 0, cell(number(row.rank), row.human, true));
        leaders_->setItem(r, 1, cell(QString::fromStdString(row.name), row.human));
        leaders_->setItem(r, 2, cell(number(row.stack), row.human, true));
        leaders_->setItem(r, 3, cell(QString::number(row.table), row.human, true));
    }
    payouts_->setRowCount(static_cast<int>(standings_.payouts.size()));
    for (int r = 0; r < payouts_->rowCount(); ++r) {
        const PayoutRow& row = standings_.payouts[static_cast<std::size_t>(r)];
        payouts_->setItem(r, 0, cell(in_language(row.places), row.reached));
        payouts_->setItem(r, 1, cell(number(row.prize), row.reached, true));
    }
    const QSignalBlocker quiet(tables_);
    tables_->setRowCount(static_cast<int>(standings_.tables.size()));
    int chosen_row = -1;
    for (int r = 0; r < tables_->rowCount(); ++r) {
        const TableRow& row = standings_.tables[static_cast<std::size_t>(r)];
        const QString name = QString::number(row.number) + (row.human ? tr(" (yours)") : QString());
        tables_->setItem(r, 0, cell(name, row.human));
        tables_->setItem(r, 1, cell(QString::number(row.players), row.human, true));
        tables_->setItem(r, 2, cell(number(row.chips), row.human, true));
        tables_->setItem(r, 3, cell(number(row.biggest), row.human, true));
        if (row.number == chosen_table_) chosen_row = r;
    }
    if (chosen_row < 0 && tables_->rowCount() > 0) {
        // The first table other than the human's, whose hands the window already shows.
        chosen_row = 0;
        for (int r = 0; r < tables_->rowCount(); ++r)
            if (!standings_.tables[static_cast<std::size_t>(r)].human) {
                chosen_row = r;
                break;
            }
    }
    if (chosen_row >= 0) tables_->setCurrentCell(chosen_row, 0);
    show_table(chosen_row);
}

void StandingsWindow::show_table(int row) {
    if (!play_ || row < 0 || row >= static_cast<int>(standings_.tables.size())) {
        picture_ = blank_table();
        table_note_->clear();
    } else {
        const TableRow& chosen = standings_.tables[static_cast<std::size_t>(row)];
        chosen_table_ = chosen.number;
        const auto& hands = play_->last_hands();
        const auto index = static_cast<std::size_t>(chosen.number - 1);
        picture_ = blank_table();
        if (chosen.human) {
            table_note_->setText(
                tr("Your own table: its hands are in the log and the Hands window."));
        } else if (index >= hands.size() || hands[index].number == 0) {
            table_note_->setText(tr("This table has not played a hand yet."));
        } else {
            picture_ = last_hand_picture(play_->field(), hands[index], chosen.number);
            table_note_->setText(tr("Table %1's last hand: the stacks after it and the cards "
                                    "shown down.")
                                     .arg(chosen.number));
        }
    }
    view_->picture_changed();
    view_->update();
}

}  // namespace holdem::ui
