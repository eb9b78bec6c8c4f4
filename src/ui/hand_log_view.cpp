#include "ui/hand_log_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "ui/fonts.h"
#include "ui/table_words.h"

namespace holdem::ui {

namespace {

constexpr int flush_delay_ms = 120;

bool is_header(const QString& line) {
    return line.startsWith("---");
}

}  // namespace

HandLogView::HandLogView(QWidget* parent)
    : QPlainTextEdit(parent), log_([this](const std::string& line) { add(line); }) {
    setObjectName("handLog");
    setReadOnly(true);
    // A log is never edited: an undo history would only grow with every line.
    document()->setUndoRedoEnabled(false);
    setAccessibleName(tr("Hand log"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFocusPolicy(Qt::ClickFocus);
    QFont font(ui_font_family);
    font.setPixelSize(13);
    setFont(font);
    setStyleSheet(
        "QPlainTextEdit { background: #16211B; color: #E8E4D8; border: none;"
        " padding: 6px; selection-background-color: #3C6E4F; }");
    flush_timer_.setSingleShot(true);
    flush_timer_.setInterval(flush_delay_ms);
    connect(&flush_timer_, &QTimer::timeout, this, &HandLogView::flush);
    // The player scrolling up stops the following; scrolling back to the end resumes it.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        if (!appending_) following_ = value >= bar->maximum();
    });
}

void HandLogView::add(const std::string& line) {
    if (!flush_timer_.isActive()) flush_timer_.start();
    pending_.append(in_language(line));
}

void HandLogView::flush() {
    flush_timer_.stop();
    if (pending_.isEmpty()) return;
    QString html;
    for (const QString& text : pending_) {
        // A new hand stands out; everything else is plain.
        if (is_header(text)) {
            html += "<p style='margin-top:8px'><b style='color:#F2C14E'>" + text.toHtmlEscaped() +
                    "</b></p>";
            if (hand_lines_.back() > 0) hand_lines_.push_back(0);
        } else {
            html += "<p>" + text.toHtmlEscaped() + "</p>";
        }
        ++hand_lines_.back();
    }
    pending_.clear();
    appending_ = true;
    appendHtml(html);
    while (hand_lines_.size() > hands_kept)
        forget_oldest_hand();
    // Appending scrolls only when the end was in view, which a log laid out before it was
    // shown may never have been: the log follows on its own.
    if (following_) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    appending_ = false;
}

void HandLogView::forget_oldest_hand() {
    const int lines = hand_lines_.front();
    hand_lines_.pop_front();
    if (lines == 0) return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, lines);
    cursor.removeSelectedText();
}

QStringList HandLogView::lines() {
    flush();
    return toPlainText().split('\n', Qt::SkipEmptyParts);
}

}  // namespace holdem::ui
