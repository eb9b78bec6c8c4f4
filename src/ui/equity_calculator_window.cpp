#include "ui/equity_calculator_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "model/numbers.h"
#include "ui/language.h"

namespace holdem::ui {

using namespace calculator;

namespace {

QString percent(double share) {
    return QString::number(share * 100, 'f', 1) + " %";
}

// Each player's hands from the text: empty is any hand.
RangeReading hands_of(const QString& text) {
    if (text.trimmed().isEmpty()) return {HandRange::all(), {}};
    return read_range(text.toStdString());
}

}  // namespace

RangeGrid::RangeGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("rangeGrid");
    setMinimumSize(13 * 28, 13 * 28);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(tr("Range of starting hands"));
    setToolTip(tr("Click a kind of hand to take it in or out of the range"));
}

void RangeGrid::set_range(const HandRange& range) {
    range_ = range;
    update();
}

void RangeGrid::toggle(GridCell cell) {
    if (range_.cell_share(cell) == 1.0)
        range_.remove_cell(cell);
    else
        range_.add_cell(cell);
    update();
    emit changed();
}

double RangeGrid::cell_side() const {
    return std::min(width(), height()) / 13.0;
}

void RangeGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double side = cell_side();
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(side * 0.34)));
    painter.setFont(font);
    for (int row = 0; row < grid_ranks; ++row)
        for (int column = 0; column < grid_ranks; ++column) {
            const QRectF r(column * side, row * side, side, side);
            const double share = range_.cell_share({row, column});
            const QColor off = row == column  ? QColor(0xe6, 0xe6, 0xdc)
                               : column > row ? QColor(0xf2, 0xf0, 0xe6)
                                              : QColor(0xdc, 0xe0, 0xe6);
            const QColor on(0x1f, 0x6f, 0x3f);
            painter.fillRect(r, off);
            // A kind partly in fills the cell from below by its share.
            if (share > 0)
                painter.fillRect(QRectF(r.left(), r.bottom() - r.height() * share, r.width(),
                                        r.height() * share),
                                 on);
            painter.setPen(QColor(0x80, 0x80, 0x80));
            painter.drawRect(r);
            painter.setPen(share >= 0.5 ? Qt::white : QColor(0x20, 0x20, 0x20));
            painter.drawText(r, Qt::AlignCenter, QString::fromStdString(cell_name({row, column})));
        }
}

void RangeGrid::mousePressEvent(QMouseEvent* event) {
    const double side = std::max(1.0, cell_side());
    const int column = static_cast<int>(event->position().x() / side);
    const int row = static_cast<int>(event->position().y() / side);
    if (row >= 0 && row < grid_ranks && column >= 0 && column < grid_ranks) toggle({row, column});
}

EquityCalculatorWindow::EquityCalculatorWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("equityCalculator");
    setWindowTitle(tr("Equity calculator"));
    auto* players = new QGridLayout;
    int column = 0;
    for (const QString& header :
         {QString(), tr("Hands"), QString(), tr("Win"), tr("Tie"), tr("Equity")})
        players->addWidget(new QLabel(header, this), 0, column++);
    for (int p = 0; p < most_players; ++p) {
        Row row;
        row.name = new QLabel(tr("Player %1").arg(p + 1), this);
        row.hands = new QLineEdit(this);
        row.hands->setObjectName(QString("hands%1").arg(p + 1));
        row.hands->setPlaceholderText(tr("random, a hand (AhKh) or a range (QQ+, AKs, AJo+)"));
        row.hands->setAccessibleName(tr("Player %1's hands").arg(p + 1));
        row.hands->setMinimumWidth(300);
        row.pick = new QPushButton(tr("Grid"), this);
        row.pick->setAccessibleName(tr("Player %1's range on the grid").arg(p + 1));
        row.win = new QLabel(this);
        row.tie = new QLabel(this);
        row.equity = new QLabel(this);
        for (QLabel* l : {row.win, row.tie, row.equity})
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = row.equity->font();
        bold.setBold(true);
        row.equity->setFont(bold);
        players->addWidget(row.name, p + 1, 0);
        players->addWidget(row.hands, p + 1, 1);
        players->addWidget(row.pick, p + 1, 2);
        players->addWidget(row.win, p + 1, 3);
        players->addWidget(row.tie, p + 1, 4);
        players->addWidget(row.equity, p + 1, 5);
        connect(row.hands, &QLineEdit::textChanged, this, [this, p] {
            if (filling_) return;
            if (p == chosen_)
                grid_->set_range(hands_of(rows_[static_cast<std::size_t>(p)].hands->text()).range);
            restart();
        });
        connect(row.pick, &QPushButton::clicked, this, [this, p] { choose(p); });
        rows_.push_back(row);
    }
    players->setColumnStretch(1, 1);
    board_ = new QLineEdit(this);
    board_->setObjectName("board");
    board_->setPlaceholderText(tr("none, or three to five cards: Kc 8h 3d"));
    board_->setAccessibleName(tr("Board"));
    dead_ = new QLineEdit(this);
    dead_->setObjectName("dead");
    dead_->setPlaceholderText(tr("cards out of the deck: 2s 7c"));
    dead_->setAccessibleName(tr("Dead cards"));
    auto* cards = new QGridLayout;
    cards->addWidget(new QLabel(tr("Board"), this), 0, 0);
    cards->addWidget(board_, 0, 1);
    cards->addWidget(new QLabel(tr("Dead cards"), this), 1, 0);
    cards->addWidget(dead_, 1, 1);
    for (QLineEdit* e : {board_, dead_})
        connect(e, &QLineEdit::textChanged, this, &EquityCalculatorWindow::restart);
    add_ = new QPushButton(tr("Add a player"), this);
    remove_ = new QPushButton(tr("Remove a player"), this);
    connect(add_, &QPushButton::clicked, this, [this] { set_players(players_ + 1); });
    connect(remove_, &QPushButton::clicked, this, [this] { set_players(players_ - 1); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    status_ = new QLabel(this);
    status_->setObjectName("calculatorStatus");
    status_->setWordWrap(true);
    auto* left = new QVBoxLayout;
    left->addLayout(players);
    left->addLayout(cards);
    left->addLayout(buttons);
    left->addWidget(status_);
    left->addStretch(1);

    grid_title_ = new QLabel(this);
    grid_ = new RangeGrid(this);
    connect(grid_, &RangeGrid::changed, this, [this] {
        filling_ = true;
        const HandRange& r = grid_->range();
        rows_[static_cast<std::size_t>(chosen_)].hands->setText(
            r.empty() ? QString() : QString::fromStdString(range_text(r)));
        filling_ = false;
        restart();
    });
    auto* right = new QVBoxLayout;
    right->addWidget(grid_title_);
    right->addWidget(grid_, 1);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(right, 0);

    pause_.setSingleShot(true);
    pause_.setInterval(200);
    connect(&pause_, &QTimer::timeout, this, &EquityCalculatorWindow::calculate_now);
    rows_[0].hands->setText("AhKh");
    rows_[1].hands->setText("QQ+, AKs, AJo+, 76s");
    set_players(2);
    choose(1);
    resize(1180, 620);
}

EquityCalculatorWindow::~EquityCalculatorWindow() {
    stop_worker();
}

void EquityCalculatorWindow::set_players(int count) {
    players_ = std::clamp(count, 2, most_players);
    for (int p = 0; p < most_players; ++p) {
        const Row& row = rows_[static_cast<std::size_t>(p)];
        for (QWidget* w : std::initializer_list<QWidget*>{row.name, row.hands, row.pick, row.win,
                                                          row.tie, row.equity})
            w->setVisible(p < players_);
    }
    add_->setEnabled(players_ < most_players);
    remove_->setEnabled(players_ > 2);
    if (chosen_ >= players_) choose(players_ - 1);
    restart();
}

void EquityCalculatorWindow::set_hands(int player, const QString& text) {
    rows_[static_cast<std::size_t>(player)].hands->setText(text);
}

void EquityCalculatorWindow::choose(int player) {
    chosen_ = std::clamp(player, 0, players_ - 1);
    grid_title_->setText(tr("Player %1's range").arg(chosen_ + 1));
    grid_->set_range(hands_of(rows_[static_cast<std::size_t>(chosen_)].hands->text()).range);
}

QString EquityCalculatorWindow::equity_text(int player) const {
    return rows_[static_cast<std::size_t>(player)].equity->text();
}

void EquityCalculatorWindow::restart() {
    // A change cancels what is being worked out at once; the new work waits for a pause in
    // the typing.
    if (cancel_) cancel_->store(true);
    pause_.start();
}

void EquityCalculatorWindow::stop_worker() {
    if (cancel_) cancel_->store(true);
    if (worker_.joinable()) worker_.join();
}

void EquityCalculatorWindow::calculate_now() {
    pause_.stop();
    stop_worker();
    ++generation_;
    Spot spot;
    QString problem;
    for (int p = 0; p < players_ && problem.isEmpty(); ++p) {
        const RangeReading r = hands_of(rows_[static_cast<std::size_t>(p)].hands->text());
        if (!r.problem.empty())
            problem = tr("Player %1: %2").arg(p + 1).arg(QString::fromStdString(r.problem));
        else if (r.range.empty())
            problem = tr("Player %1 has no hands").arg(p + 1);
        spot.players.push_back(r.range);
    }
    for (auto [edit, into, what] : {std::tuple{board_, &spot.board, tr("The board")},
                                    std::tuple{dead_, &spot.dead, tr("The dead cards")}}) {
        const CardsReading c = read_cards(edit->text().toStdString());
        if (!c.problem.empty() && problem.isEmpty())
            problem = QString("%1: %2").arg(what).arg(QString::fromStdString(c.problem));
        *into = c.cards;
    }
    if (problem.isEmpty()) problem = QString::fromStdString(spot_problem(spot));
    for (Row& row : rows_)
        for (QLabel* l : {row.win, row.tie, row.equity})
            l->clear();
    if (!problem.isEmpty()) {
        status_->setText(problem);
        working_ = false;
        return;
    }
    status_->setText(tr("Working it out…"));
    working_ = true;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const std::uint64_t generation = generation_;
    worker_ = std::thread([this, spot, generation, cancel = cancel_] {
        Sampling sampling;
        sampling.target_error = 0.0005;
        sampling.seed = generation;
        sampling.progress = [&](const Equities& e) {
            QMetaObject::invokeMethod(
                this, [this, generation, e] { show_result(generation, e, false); },
                Qt::QueuedConnection);
        };
        const Equities e = calculate_equities(spot, sampling, cancel.get());
        if (e.cancelled) return;
        QMetaObject::invokeMethod(
            this, [this, generation, e] { show_result(generation, e, true); },
            Qt::QueuedConnection);
    });
}

void EquityCalculatorWindow::show_result(std::uint64_t generation, const Equities& e, bool done) {
    if (generation != generation_) return;  // input changed since
    if (done) working_ = false;
    if (!e.problem.empty()) {
        status_->setText(QString::fromStdString(e.problem));
        return;
    }
    double worst = 0;
    for (std::size_t p = 0; p < e.players.size() && p < rows_.size(); ++p) {
        const PlayerEquity& pe = e.players[p];
        rows_[p].win->setText(percent(pe.win));
        rows_[p].tie->setText(percent(pe.tie));
        rows_[p].equity->setText(percent(pe.equity));
        worst = std::max(worst, pe.standard_error);
    }
    const QString deals = grouped_words(static_cast<std::int64_t>(e.deals));
    if (e.exact)
        status_->setText(tr("Exact: every one of %1 deals").arg(deals));
    else
        status_->setText((done ? QString() : tr("Working: ")) +
                         tr("%1 deals sampled · standard error ±%2 points")
                             .arg(deals)
                             .arg(decimal_words(worst * 100, 2)));
}

}  // namespace holdem::ui
