#include "ui/hands_viewer.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

#include "report/words.h"

namespace holdem::ui {

namespace {

// "tournament-20261206134501.txt" names the tournament begun 2026-12-06 13:45:01.
QString tournament_title(const QString& id, bool replayable) {
    QString title = id;
    if (id.size() == 14)
        title = QString("%1-%2-%3 %4:%5:%6")
                    .arg(id.mid(0, 4), id.mid(4, 2), id.mid(6, 2), id.mid(8, 2), id.mid(10, 2),
                         id.mid(12, 2));
    return replayable ? title : title + " (history only)";
}

}  // namespace

HandsViewer::HandsViewer(const QString& folder, QWidget* parent)
    : QDialog(parent), folder_(folder) {
    setObjectName("handsViewer");
    setWindowTitle("Hands");
    resize(1200, 720);
    tournaments_ = new QComboBox(this);
    tournaments_->setObjectName("tournaments");
    hands_ = new QTableWidget(0, 5, this);
    hands_->setObjectName("hands");
    hands_->setHorizontalHeaderLabels({"Hand", "Level", "Your cards", "Result", "Won or lost"});
    hands_->setSelectionBehavior(QAbstractItemView::SelectRows);
    hands_->setSelectionMode(QAbstractItemView::SingleSelection);
    hands_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hands_->verticalHeader()->hide();
    hands_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    log_ = new QPlainTextEdit(this);
    log_->setObjectName("replayLog");
    log_->setReadOnly(true);
    view_ = new TableView(picture_, no_intents_, this);
    view_->setMinimumSize(480, 300);

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> stepping[] = {{"first", "« First"},
                                                            {"back", "‹ Back"},
                                                            {"play", "Play"},
                                                            {"forward", "Forward ›"},
                                                            {"last", "Last »"}};
    for (const auto& [name, text] : stepping) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        buttons->addWidget(b);
    }
    connect(control("first"), &QPushButton::clicked, this, [this] { show_step(0); });
    connect(control("back"), &QPushButton::clicked, this, [this] { show_step(step_ - 1); });
    connect(control("forward"), &QPushButton::clicked, this, [this] { show_step(step_ + 1); });
    connect(control("last"), &QPushButton::clicked, this, [this] { show_step(steps() - 1); });
    connect(control("play"), &QPushButton::clicked, this, [this] {
        if (play_.isActive()) {
            play_.stop();
        } else {
            if (step_ + 1 >= steps()) show_step(0);
            play_.start();
        }
    });
    play_.setInterval(700);
    connect(&play_, &QTimer::timeout, this, [this] {
        if (step_ + 1 >= steps())
            play_.stop();
        else
            show_step(step_ + 1);
    });

    auto* left = new QWidget(this);
    auto* left_layout = new QVBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->addWidget(new QLabel("Tournament", left));
    left_layout->addWidget(tournaments_);
    left_layout->addWidget(hands_, 1);
    auto* middle = new QWidget(this);
    auto* middle_layout = new QVBoxLayout(middle);
    middle_layout->setContentsMargins(0, 0, 0, 0);
    middle_layout->addWidget(view_, 1);
    middle_layout->addLayout(buttons);
    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(middle);
    split->addWidget(log_);
    split->setStretchFactor(1, 1);
    split->setSizes({300, 640, 260});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);

    // The tournaments on disk, the newest first.
    const QStringList histories =
        QDir(folder_).entryList({"tournament-*.txt"}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& file : histories) {
        const QString id = file.mid(11, file.size() - 15);
        const bool replayable = QFile::exists(folder_ + "/tournament-" + id + ".jsonl");
        tournaments_->addItem(tournament_title(id, replayable), id);
    }
    connect(tournaments_, &QComboBox::currentIndexChanged, this, &HandsViewer::show_tournament);
    connect(hands_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { show_hand(row); });
    show_tournament(tournaments_->currentIndex());
}

// The table view draws this viewer's picture: it goes before the picture does.
HandsViewer::~HandsViewer() {
    play_.stop();
    delete view_;
}

QPushButton* HandsViewer::control(const char* name) const {
    return findChild<QPushButton*>(name);
}

void HandsViewer::show_tournament(int index) {
    records_.clear();
    hands_->setRowCount(0);
    steps_.clear();
    hand_ = -1;
    if (index < 0) {
        show_step(0);
        return;
    }
    QFile file(folder_ + "/tournament-" + tournaments_->itemData(index).toString() + ".jsonl");
    if (file.open(QIODevice::ReadOnly)) {
        // A line that is no record (a file cut short, or not the game's) is left out.
        while (!file.atEnd()) {
            const QByteArray line = file.readLine(1 << 20);
            if (auto record = read_record(
                    std::string_view(line.constData(), static_cast<std::size_t>(line.size()))))
                records_.push_back(std::move(*record));
        }
    }
    hands_->setRowCount(static_cast<int>(records_.size()));
    for (int row = 0; row < static_cast<int>(records_.size()); ++row) {
        const HandRecord& r = records_[static_cast<std::size_t>(row)];
        QString cards = "—";
        for (const RecordedSeat& s : r.seats)
            if (s.seat == human_seat && s.cards[0])
                cards = QString::fromStdString(card_list({s.cards[0], s.cards[1]}, true));
        const QString result = r.result > 0 ? "won" : r.result < 0 ? "lost" : "even";
        const QString cells[] = {QString::number(r.hand), QString::number(r.level), cards, result,
                                 QString::number(r.result)};
        for (int column = 0; column < 5; ++column)
            hands_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (!records_.empty())
        hands_->setCurrentCell(0, 0);
    else
        show_step(0);
}

void HandsViewer::show_hand(int row) {
    play_.stop();
    if (row < 0 || row >= static_cast<int>(records_.size())) return;
    hand_ = row;
    steps_ = replay(records_[static_cast<std::size_t>(row)]);
    show_step(0);
}

void HandsViewer::show_step(int step) {
    if (steps_.empty()) {
        picture_ = TablePicture{};
        log_->clear();
        view_->picture_changed();
        view_->update();
        return;
    }
    step_ = std::clamp(step, 0, steps() - 1);
    picture_ = steps_[static_cast<std::size_t>(step_)].picture;
    const HandRecord& r = records_[static_cast<std::size_t>(hand_)];
    QStringList lines;
    const std::size_t told =
        std::min(steps_[static_cast<std::size_t>(step_)].log_lines, r.log.size());
    for (std::size_t i = 0; i < told; ++i)
        lines << QString::fromStdString(r.log[i]);
    log_->setPlainText(lines.join('\n'));
    control("first")->setEnabled(step_ > 0);
    control("back")->setEnabled(step_ > 0);
    control("forward")->setEnabled(step_ + 1 < steps());
    control("last")->setEnabled(step_ + 1 < steps());
    view_->picture_changed();
    view_->update();
}

}  // namespace holdem::ui
