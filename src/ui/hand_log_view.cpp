#include "ui/hand_log_view.h"

#include "ui/fonts.h"

namespace holdem::ui {

namespace {

// The log keeps the most recent hands; a long tournament would otherwise grow it without end.
constexpr int max_lines = 20000;
constexpr int flush_delay_ms = 120;

}  // namespace

HandLogView::HandLogView(QWidget* parent)
    : QPlainTextEdit(parent), log_([this](const std::string& line) { add(line); }) {
    setObjectName("handLog");
    setReadOnly(true);
    setMaximumBlockCount(max_lines);
    setAccessibleName("Hand log");
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
}

void HandLogView::add(const std::string& line) {
    if (pending_.isEmpty()) flush_timer_.start();
    pending_.append(QString::fromStdString(line));
}

void HandLogView::flush() {
    if (pending_.isEmpty()) return;
    QString html;
    for (const QString& text : pending_) {
        // A new hand stands out; everything else is plain.
        if (text.startsWith("---"))
            html += "<p style='margin-top:8px'><b style='color:#F2C14E'>" + text.toHtmlEscaped() +
                    "</b></p>";
        else
            html += "<p>" + text.toHtmlEscaped() + "</p>";
    }
    pending_.clear();
    appendHtml(html);
}

QStringList HandLogView::lines() {
    flush();
    return toPlainText().split('\n', Qt::SkipEmptyParts);
}

}  // namespace holdem::ui
