#include "ui/hand_log_view.h"

#include "ui/fonts.h"

namespace holdem::ui {

namespace {

// The log keeps the most recent hands; a long tournament would otherwise grow it without end.
constexpr int max_lines = 20000;

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
}

void HandLogView::add(const std::string& line) {
    const QString text = QString::fromStdString(line);
    // A new hand stands out; everything else is plain.
    if (text.startsWith("---"))
        appendHtml("<p style='margin-top:8px'><b style='color:#F2C14E'>" + text.toHtmlEscaped() +
                   "</b></p>");
    else
        appendPlainText(text);
}

QStringList HandLogView::lines() const {
    return toPlainText().split('\n', Qt::SkipEmptyParts);
}

}  // namespace holdem::ui
