// Game › Hands…: the tournaments whose hands are on disk, a tournament's hands (number, level,
// the human's cards, the result), and a replay of any hand on a table picture, step by step
// (first, back, forward, last, play), the log's lines beside it. A hand is replayed from its
// machine-readable record; histories written without records still list, with no hands to play.
// A tournament's records are read away from the window's thread, within bounds, and the line
// under the list says what was read. A PHH file from anywhere (Game › Open hand history…) lists
// its hands the same way: no-limit hold'em hands replay, the others say why they cannot.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>
#include <vector>

#include "picture/replay.h"
#include "report/record_file.h"
#include "ui/table_view.h"

namespace holdem::ui {

class HandsViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HandsViewer(const QString& folder, QWidget* parent = nullptr);
    ~HandsViewer() override;

    QComboBox* tournaments() const { return tournaments_; }
    QTableWidget* hands() const { return hands_; }
    QPushButton* control(const char* name) const;
    int step() const { return step_; }
    int steps() const { return static_cast<int>(steps_.size()); }
    const TablePicture& picture() const { return picture_; }
    QString log_text() const { return log_->toPlainText(); }
    // What the line under the list says of the tournament's records.
    QString reading_line() const { return reading_->text(); }
    bool reading() const { return reading_now_; }

    void show_tournament(int index);
    // A `.phh` or `.phhs` file, read as untrusted input, listed first and shown.
    void open_file(const QString& path);
    void show_hand(int row);
    void show_step(int step);
    // Game › Review: the tournament `id`'s hand `hand`, at the step where the human took its
    // `ordinal`-th action of the hand, once the tournament's hands are read.
    void show_decision(const QString& id, std::uint64_t hand, int ordinal);

  private:
    // A hand of an opened file: its record when it replays, else why not.
    struct OpenedHand {
        QString title, players, variant, problem;
        std::optional<HandRecord> record;
    };
    struct OpenedFile {
        std::vector<OpenedHand> hands;
        QString line;  // what was read, for the line under the list
    };
    void show_read(const RecordFileRead& read);
    void show_file(const QString& path);
    void show_opened(OpenedFile file);
    void set_columns(bool file);
    void show_pending_decision();
    struct Decision {
        std::uint64_t hand = 0;
        int ordinal = 0;
    };
    std::optional<Decision> pending_;

    QString folder_;
    QComboBox* tournaments_ = nullptr;
    QTableWidget* hands_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QLabel* reading_ = nullptr;
    TableView* view_ = nullptr;
    QTimer play_;
    NoIntents no_intents_;
    TablePicture picture_;
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> cancel_;  // the read under way gives up when set
    bool reading_now_ = false;
    int generation_ = 0;
    std::string records_path_;
    std::vector<RecordSummary> summaries_;
    std::vector<OpenedHand> opened_;    // the hands of the file shown, when one is
    std::optional<HandRecord> record_;  // the hand replayed
    std::vector<ReplayStep> steps_;
    int hand_ = -1;
    int step_ = 0;
};

}  // namespace holdem::ui
