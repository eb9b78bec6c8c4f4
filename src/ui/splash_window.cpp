#include "ui/splash_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace holdem::ui {

namespace {

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* splash_label(QWidget* parent, const char* name, const QString& text, int pixel_size,
                     bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font("Arial");
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("color: #FFF6D5; background: transparent;");
    return label;
}

}  // namespace

SplashWindow::SplashWindow(std::function<void()> open_table, int interval_ms, QWidget* parent)
    // A window of its own, not a splash screen's, so it takes the keyboard at once.
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      open_table_(std::move(open_table)),
      quit_([] { QCoreApplication::quit(); }) {
    setObjectName("frmSplash");
    setFixedSize(560, 340);
    frame_ = new QFrame(this);
    frame_->setObjectName("Frame1");
    frame_->setGeometry(20, 20, 520, 300);
    frame_->setStyleSheet(
        "#Frame1 { border: 2px solid #E8C468; border-radius: 10px; background: transparent; }");
    frame_->installEventFilter(this);
    auto* layout = new QVBoxLayout(frame_);
    layout->addStretch(2);
    layout->addWidget(
        splash_label(frame_, "lblProductName", text_of(Splash::lblProductName), 40, true));
    layout->addWidget(
        splash_label(frame_, "Label1", tr("Multi Table Tournament Software"), 18, false));
    layout->addStretch(1);
    layout->addWidget(
        splash_label(frame_, "lblVersion", tr("Version %1").arg(HOLDEM_VERSION), 14, false));
    layout->addStretch(1);
    for (QObject* child : frame_->children())
        if (auto* w = qobject_cast<QWidget*>(child))
            w->setAttribute(Qt::WA_TransparentForMouseEvents);

    timer_.setSingleShot(true);
    timer_.setInterval(interval_ms);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::close_splash);
    timer_.start();
    setFocusPolicy(Qt::StrongFocus);
}

void SplashWindow::close_splash() {
    if (closed_) return;
    closed_ = true;
    timer_.stop();
    hide();
    deleteLater();
    open_table_();
}

QPushButton* SplashWindow::add_button(const QString& text, const char* name, int x, int width) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    // Wide enough for its words in any language.
    width = std::max(width, button->fontMetrics().horizontalAdvance(text) + 24);
    button->setGeometry(x, 340 - 52, width, 26);
    button->setStyleSheet(
        "QPushButton { background: #F2C14E; color: #111; border-radius: 4px; }"
        "QPushButton:focus { border: 2px solid #0B3D91; }");
    button->show();
    return button;
}

void SplashWindow::set_options(std::function<void()> options) {
    if (!options_button_)
        options_button_ = add_button(tr("Options…"), "splashOptions", width() - 130, 100);
    disconnect(options_button_, nullptr, this, nullptr);
    connect(options_button_, &QPushButton::clicked, this, [this, options = std::move(options)] {
        timer_.stop();
        options();
        // A full moment more once the options are done, unless the player has a choice to make.
        if (!closed_ && !resume_button_) timer_.start();
    });
}

void SplashWindow::offer_resume(const QString& summary) {
    timer_.stop();
    if (!resume_button_) {
        resume_button_ = add_button(tr("Resume tournament"), "splashResume", 30, 150);
        new_button_ = add_button(tr("New tournament"), "splashNew",
                                 resume_button_->geometry().right() + 11, 130);
        connect(resume_button_, &QPushButton::clicked, this, [this] {
            resume_chosen_ = true;
            close_splash();
        });
        connect(new_button_, &QPushButton::clicked, this, [this] {
            resume_chosen_ = false;
            close_splash();
        });
    }
    resume_chosen_ = true;
    show_notice(summary);
    resume_button_->setDefault(true);
    resume_button_->setFocus();
}

void SplashWindow::offer_games(bool standard, bool chosen_before) {
    if (!classic_button_) {
        classic_button_ = add_button(tr("Classic game"), "splashClassic", 30, 130);
        standard_button_ = add_button(tr("Standard tournament"), "splashStandard",
                                      classic_button_->geometry().right() + 11, 170);
        connect(classic_button_, &QPushButton::clicked, this, [this] {
            standard_chosen_ = false;
            close_splash();
        });
        connect(standard_button_, &QPushButton::clicked, this, [this] {
            standard_chosen_ = true;
            close_splash();
        });
    }
    standard_chosen_ = standard;
    QPushButton* preferred = standard ? standard_button_ : classic_button_;
    preferred->setDefault(true);
    preferred->setFocus();
    if (!chosen_before) {
        timer_.stop();
        show_notice(tr("Choose the game: the classic game, or a standard no-limit tournament."));
    }
}

void SplashWindow::show_notice(const QString& line) {
    auto* notice = findChild<QLabel*>("splashNotice");
    if (!notice) {
        // Under the version, in the frame's own column, so the texts never overlap.
        notice = splash_label(frame_, "splashNotice", "", 12, false);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFixedWidth(frame_->width() - 40);
        auto* column = static_cast<QVBoxLayout*>(frame_->layout());
        column->insertWidget(column->count() - 1, notice, 0, Qt::AlignHCenter);
        column->addSpacing(30);  // room for the buttons along the bottom
    }
    // Wrapped within the frame's column, so the whole of it can be read; the player reads it
    // before going on.
    notice->setWordWrap(true);
    notice->setText(line);
    notice->show();
    timer_.stop();
    grow_for(notice);
}

// Taller by what the notice's lines need beyond the room the splash has for one.
void SplashWindow::grow_for(QWidget* notice) {
    const int needed = notice->heightForWidth(notice->width());
    const int extra = std::max(0, needed - notice->fontMetrics().lineSpacing());
    setFixedSize(560, 340 + extra);
    frame_->setGeometry(20, 20, 520, 300 + extra);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->move(b->x(), height() - 52);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    raise();
    if (QWidget* focused = focusWidget(); !focused) setFocus();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    // The window's own close button: the player leaves before the table opens.
    closed_ = true;
    timer_.stop();
    quit_();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    // With a choice offered, Tab and the arrows move between the buttons; other keys take the
    // default.
    if (resume_button_ && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                           event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Return on a focused button is that button's choice.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget());
        focused && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        focused->click();
        return;
    }
    close_splash();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::MouseButtonRelease) {
        close_splash();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x14, 0x3D, 0x26));
    // A few rounded shapes behind the frame: a felt, and the four card backs' colours in a row
    // along its top, clear of the texts.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1D, 0x6B, 0x3A));
    p.drawRoundedRect(QRectF(40, 80, 480, 220), 110, 110);
    const QColor accents[] = {QColor(0xE8, 0x8F, 0xB4), QColor(0x2A, 0x9D, 0x99),
                              QColor(0x6A, 0x5A, 0xCD), QColor(0xF2, 0xA6, 0x7E)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(accents[i]);
        p.drawRoundedRect(QRectF(94 + i * 98, 40, 80, 22), 11, 11);
    }
}

}  // namespace holdem::ui
