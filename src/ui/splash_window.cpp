#include "ui/splash_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/controls.h"

namespace holdem::ui {

namespace {

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLabel* splash_label(QWidget* parent, const char* name, std::string_view text, int pixel_size,
                     bool bold) {
    auto* label = new QLabel(text_of(text), parent);
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
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
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
    layout->addWidget(splash_label(frame_, "lblProductName", Splash::lblProductName, 40, true));
    layout->addWidget(splash_label(frame_, "Label1", Splash::Label1, 18, false));
    layout->addStretch(1);
    layout->addWidget(splash_label(frame_, "lblVersion", Splash::lblVersion, 14, false));
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

void SplashWindow::set_options(std::function<void()> options) {
    if (!options_button_) {
        options_button_ = new QPushButton("Options…", this);
        options_button_->setObjectName("splashOptions");
        options_button_->setGeometry(width() - 130, height() - 52, 100, 26);
        options_button_->setStyleSheet(
            "QPushButton { background: #F2C14E; color: #111; border-radius: 4px; }"
            "QPushButton:focus { border: 2px solid #0B3D91; }");
        options_button_->show();
    }
    disconnect(options_button_, nullptr, this, nullptr);
    connect(options_button_, &QPushButton::clicked, this, [this, options = std::move(options)] {
        timer_.stop();
        options();
        if (!closed_) timer_.start();  // a full moment more once the options are done
    });
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    // The window's own close button: the player leaves before the table opens.
    closed_ = true;
    timer_.stop();
    quit_();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
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
