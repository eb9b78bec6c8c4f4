#include "ui/hands_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>
#include <cstring>

#include "report/phh_play.h"
#include "report/phh_reader.h"
#include "report/words.h"
#include "ui/language.h"
#include "ui/table_words.h"

namespace holdem::ui {

namespace {

// "tournament-20261206134501.txt" names the tournament begun 2026-12-06 13:45:01.
QString tournament_title(const QString& id, bool replayable) {
    QString title = id;
    if (id.size() == 14)
        title = moment_words(QString("%1-%2-%3 %4:%5:%6")
                                 .arg(id.mid(0, 4), id.mid(4, 2), id.mid(6, 2), id.mid(8, 2),
                                      id.mid(10, 2), id.mid(12, 2)),
                             "yyyy-MM-dd HH:mm:ss");
    return replayable ? title : title + HandsViewer::tr(" (history only)");
}

}  // namespace

HandsViewer::HandsViewer(const QString& folder, QWidget* parent)
    : QDialog(parent), folder_(folder) {
    setObjectName("handsViewer");
    setWindowTitle(tr("Hands"));
    resize(1200, 720);
    tournaments_ = new QComboBox(this);
    tournaments_->setObjectName("tournaments");
    tournaments_->setAccessibleName(tr("Tournament"));
    hands_ = new QTableWidget(0, 5, this);
    hands_->setObjectName("hands");
    hands_->setAccessibleName(tr("Hands"));
    set_columns(false);
    hands_->setSelectionBehavior(QAbstractItemView::SelectRows);
    hands_->setSelectionMode(QAbstractItemView::SingleSelection);
    hands_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hands_->verticalHeader()->hide();
    hands_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    reading_ = new QLabel(this);
    reading_->setObjectName("readingLine");
    reading_->setWordWrap(true);
    log_ = new QPlainTextEdit(this);
    log_->setObjectName("replayLog");
    log_->setAccessibleName(tr("The hand's log"));
    log_->setReadOnly(true);
    view_ = new TableView(picture_, no_intents_, this);
    view_->setMinimumSize(480, 300);

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, QString> stepping[] = {{"first", tr("« First")},
                                                        {"back", tr("‹ Back")},
                                                        {"play", tr("Play")},
                                                        {"forward", tr("Forward ›")},
                                                        {"last", tr("Last »")}};
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
    left_layout->addWidget(new QLabel(tr("Tournament"), left));
    left_layout->addWidget(tournaments_);
    left_layout->addWidget(hands_, 1);
    left_layout->addWidget(reading_);
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
    // The list keeps room for all its columns; the log gives way first.
    left->setMinimumWidth(340);
    log_->setMinimumWidth(160);
    split->setSizes({340, 620, 240});
    split->setStretchFactor(0, 0);
    split->setStretchFactor(2, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);

    // The tournaments on disk, the newest first.
    const QStringList histories = folder_.isEmpty()
                                      ? QStringList()
                                      : QDir(folder_).entryList({"tournament-*.txt"}, QDir::Files,
                                                                QDir::Name | QDir::Reversed);
    for (const QString& file : histories) {
        const QString id = file.mid(11, file.size() - 15);
        const bool replayable = QFile::exists(folder_ + "/tournament-" + id + ".jsonl");
        tournaments_->addItem(tournament_title(id, replayable), id);
    }
    connect(tournaments_, &QComboBox::currentIndexChanged, this, &HandsViewer::show_tournament);
    pool_.setMaxThreadCount(1);
    connect(hands_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { show_hand(row); });
    show_tournament(tournaments_->currentIndex());
}

// The table view draws this viewer's picture: it goes before the picture does.
HandsViewer::~HandsViewer() {
    play_.stop();
    if (cancel_) cancel_->store(true);
    pool_.waitForDone();
    delete view_;
}

QPushButton* HandsViewer::control(const char* name) const {
    return findChild<QPushButton*>(name);
}

namespace {

constexpr const char* file_mark = "file:";

// The file's text, bounded before it is read.
std::optional<std::string> read_bounded(const QString& path, QString& why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = HandsViewer::tr("The file cannot be opened: %1.").arg(file.errorString());
        return std::nullopt;
    }
    if (file.size() > static_cast<qint64>(max_phh_bytes)) {
        why = HandsViewer::tr("The file is larger than the %1 MB a hand history may be.")
                  .arg(max_phh_bytes >> 20);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(max_phh_bytes) + 1);
    return bytes.toStdString();
}

}  // namespace

void HandsViewer::open_file(const QString& path) {
    const QString key = file_mark + path;
    int at = tournaments_->findData(key);
    if (at < 0) {
        const QSignalBlocker quiet(tournaments_);
        tournaments_->insertItem(0, QFileInfo(path).fileName(), key);
        at = 0;
    }
    if (tournaments_->currentIndex() == at)
        show_tournament(at);
    else
        tournaments_->setCurrentIndex(at);
}

void HandsViewer::set_columns(bool file) {
    const QStringList headers =
        file ? QStringList{tr("Hand"), tr("Players"), tr("Variant"), tr("Replay")}
             : QStringList{tr("Hand"), tr("Level"), tr("Your cards"), tr("Result"),
                           tr("Won or lost")};
    hands_->setColumnCount(static_cast<int>(headers.size()));
    hands_->setHorizontalHeaderLabels(headers);
}

void HandsViewer::show_file(const QString& path) {
    reading_->setText(tr("Reading the hands…"));
    reading_now_ = true;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const int generation = ++generation_;
    pool_.start([this, path, cancel = cancel_, generation] {
        OpenedFile file;
        QString why;
        if (const std::optional<std::string> text = read_bounded(path, why)) {
            const PhhRead read = read_phh(*text);
            for (std::size_t i = 0; i < read.hands.size() && !cancel->load(); ++i) {
                const PhhHand& h = read.hands[i];
                OpenedHand opened;
                opened.title =
                    h.name.empty() ? QString::number(i + 1) : QString::fromStdString(h.name);
                opened.players = QString::number(h.starting_stacks.size());
                opened.variant = QString::fromStdString(h.variant);
                if (h.variant != "NT") {
                    opened.problem = "not supported: only no-limit hold'em (NT) replays";
                } else if (h.starting_stacks.size() < 2 || h.starting_stacks.size() > 10) {
                    opened.problem = "not supported: the table seats 2 to 10 players";
                } else {
                    PhhPlayed played = play_phh(h);
                    if (played.problem)
                        opened.problem = QString::fromStdString(*played.problem);
                    else
                        opened.record = std::move(played.record);
                }
                file.hands.push_back(std::move(opened));
            }
            file.line =
                file.hands.size() == 1 ? tr("1 hand") : tr("%1 hands").arg(file.hands.size());
            for (const std::string& problem : read.problems)
                file.line += "; " + QString::fromStdString(problem);
            if (read.cut_short)
                file.line += tr("; only the first %1 hands are read").arg(max_phh_hands);
        } else {
            file.line = why;
        }
        if (cancel->load()) return;
        QMetaObject::invokeMethod(
            this,
            [this, file = std::move(file), generation]() mutable {
                if (generation != generation_) return;
                reading_now_ = false;
                show_opened(std::move(file));
            },
            Qt::QueuedConnection);
    });
}

void HandsViewer::show_opened(OpenedFile file) {
    opened_ = std::move(file.hands);
    hands_->setRowCount(static_cast<int>(opened_.size()));
    for (int row = 0; row < static_cast<int>(opened_.size()); ++row) {
        const OpenedHand& h = opened_[static_cast<std::size_t>(row)];
        const QString cells[] = {h.title, h.players, h.variant, h.record ? tr("yes") : h.problem};
        for (int column = 0; column < 4; ++column)
            hands_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    reading_->setText(file.line);
    if (!opened_.empty()) hands_->setCurrentCell(0, 0);
}

void HandsViewer::show_tournament(int index) {
    if (cancel_) cancel_->store(true);
    summaries_.clear();
    opened_.clear();
    record_.reset();
    hands_->setRowCount(0);
    steps_.clear();
    hand_ = -1;
    reading_->clear();
    show_step(0);
    if (index < 0) return;
    const QString key = tournaments_->itemData(index).toString();
    set_columns(key.startsWith(file_mark));
    if (key.startsWith(file_mark)) {
        show_file(key.mid(static_cast<int>(std::strlen(file_mark))));
        return;
    }
    records_path_ = QFile::encodeName(folder_ + "/tournament-" +
                                      tournaments_->itemData(index).toString() + ".jsonl")
                        .toStdString();
    if (!QFileInfo::exists(folder_ + "/tournament-" + tournaments_->itemData(index).toString() +
                           ".jsonl")) {
        reading_->setText(tr("This tournament's hands were kept as a history only."));
        return;
    }
    reading_->setText(tr("Reading the hands…"));
    reading_now_ = true;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const int generation = ++generation_;
    pool_.start([this, path = records_path_, cancel = cancel_, generation] {
        RecordFileRead read = read_record_file(path, max_records_read, cancel.get());
        if (cancel->load()) return;
        QMetaObject::invokeMethod(
            this,
            [this, read = std::move(read), generation] {
                if (generation != generation_) return;
                reading_now_ = false;
                show_read(read);
            },
            Qt::QueuedConnection);
    });
}

void HandsViewer::show_read(const RecordFileRead& read) {
    summaries_ = read.hands;
    hands_->setRowCount(static_cast<int>(summaries_.size()));
    for (int row = 0; row < static_cast<int>(summaries_.size()); ++row) {
        const RecordSummary& r = summaries_[static_cast<std::size_t>(row)];
        const QString cards =
            r.cards[0] ? QString::fromStdString(card_list({r.cards[0], r.cards[1]}, true)) : "—";
        const QString result = r.result > 0 ? tr("won") : r.result < 0 ? tr("lost") : tr("even");
        const QString cells[] = {QString::number(r.hand), QString::number(r.level), cards, result,
                                 QString::number(r.result)};
        for (int column = 0; column < 5; ++column)
            hands_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    QString line = tr("%1 hands").arg(summaries_.size());
    if (summaries_.size() == 1) line = tr("1 hand");
    if (!read.why.empty() && summaries_.empty())
        line = tr("The hands cannot be read: %1.").arg(QString::fromStdString(read.why));
    if (read.beyond_limit)
        line += tr(", from the first %1 MB of the file; the rest is not read")
                    .arg(read.bytes_read >> 20);
    if (read.left_out > 0)
        line += read.left_out == 1
                    ? tr("; 1 line is no hand record and was left out")
                    : tr("; %1 lines are no hand record and were left out").arg(read.left_out);
    reading_->setText(line);
    if (!summaries_.empty()) hands_->setCurrentCell(0, 0);
    show_pending_decision();
}

void HandsViewer::show_decision(const QString& id, std::uint64_t hand, int ordinal) {
    const int at = tournaments_->findData(id);
    if (at < 0) return;
    pending_ = Decision{hand, ordinal};
    if (tournaments_->currentIndex() != at)
        tournaments_->setCurrentIndex(at);  // read first; shown when read
    else if (!reading_now_)
        show_pending_decision();
}

void HandsViewer::show_pending_decision() {
    if (!pending_) return;
    const Decision d = *pending_;
    pending_.reset();
    for (int row = 0; row < static_cast<int>(summaries_.size()); ++row) {
        if (summaries_[static_cast<std::size_t>(row)].hand != d.hand) continue;
        hands_->setCurrentCell(row, 0);
        if (!record_) return;
        // Step 0 is the hand's start and step i + 1 follows its event i: the step before the
        // action is the table as the human saw it then.
        int seen = 0;
        for (std::size_t i = 0; i < record_->events.size(); ++i) {
            const RecordedEvent& e = record_->events[i];
            if (e.kind == RecordedEvent::Kind::action && e.seat == human_seat &&
                ++seen == d.ordinal) {
                show_step(static_cast<int>(i));
                return;
            }
        }
        return;
    }
}

void HandsViewer::show_hand(int row) {
    play_.stop();
    if (!opened_.empty()) {
        if (row < 0 || row >= static_cast<int>(opened_.size())) return;
        hand_ = row;
        const OpenedHand& h = opened_[static_cast<std::size_t>(row)];
        record_ = h.record;
        steps_ = record_ ? replay(*record_) : std::vector<ReplayStep>{};
        show_step(0);
        if (!record_)
            log_->setPlainText(tr("Hand %1 cannot be replayed: %2").arg(h.title, h.problem));
        return;
    }
    if (row < 0 || row >= static_cast<int>(summaries_.size())) return;
    hand_ = row;
    record_ = read_record_at(records_path_, summaries_[static_cast<std::size_t>(row)]);
    steps_ = record_ ? replay(*record_) : std::vector<ReplayStep>{};
    show_step(0);
    if (!record_)
        log_->setPlainText(tr("This hand's record cannot be read: it is not one the game writes."));
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
    const HandRecord& r = *record_;
    QStringList lines;
    const std::size_t told =
        std::min(steps_[static_cast<std::size_t>(step_)].log_lines, r.log.size());
    for (std::size_t i = 0; i < told; ++i)
        lines << in_language(r.log[i]);
    log_->setPlainText(lines.join('\n'));
    control("first")->setEnabled(step_ > 0);
    control("back")->setEnabled(step_ > 0);
    control("forward")->setEnabled(step_ + 1 < steps());
    control("last")->setEnabled(step_ + 1 < steps());
    view_->picture_changed();
    view_->update();
}

}  // namespace holdem::ui
