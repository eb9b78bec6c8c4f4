#include "ui/table_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "rules/tournament/field.h"
#include "ui/fonts.h"

namespace holdem::ui {

namespace {

QColor colour(Colour c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// The human's buttons in the action area, and the two that are always on the table.
constexpr ControlId button_ids[] = {ctl::Call,  ctl::Raise,  ctl::Check, ctl::Fold,
                                    ctl::BetIt, ctl::SitOut, ctl::Exit};

// Rounds each edge on its own, so neighbouring widgets neither overlap nor leave gaps.
QRect snapped(const QRectF& r) {
    const int left = static_cast<int>(std::lround(r.left())),
              top = static_cast<int>(std::lround(r.top()));
    const int right = static_cast<int>(std::lround(r.right())),
              bottom = static_cast<int>(std::lround(r.bottom()));
    return QRect(left, top, right - left, bottom - top);
}

bool is_seat_text(ControlId id) {
    for (int seat = 1; seat <= seat_count; ++seat)
        if (id == ctl::name_label(seat) || id == ctl::stack_label(seat)) return true;
    return false;
}

}  // namespace

TableWindow::TableWindow(QtHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setWindowTitle(QString::fromUtf8(table_title.data(), static_cast<int>(table_title.size())));
    setMinimumSize(640, 442);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (ControlId id : button_ids) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromStdString(control_name(id)));
        b->setAccessibleName(QString::fromStdString(host_.table().controls.caption(id)));
        b->setCursor(Qt::PointingHandCursor);
        connect(b, &QPushButton::clicked, this, [this, id] { host_.click(id); });
        buttons_[id.index] = b;
    }
    amount_ = new QLineEdit(this);
    amount_->setObjectName("Text2");
    amount_->setAccessibleName("Amount to bet");
    amount_->setMaxLength(64);
    amount_->installEventFilter(this);
    connect(amount_, &QLineEdit::textEdited, this,
            [this](const QString& text) { host_.amount_text(text); });
    connect(&host_, &QtHost::changed, this, [this] {
        sync_widgets();
        update();
    });
    connect(&host_, &QtHost::gameEnded, this, &TableWindow::game_ended);
    end_notice_ = [this](const QString& message) {
        QMessageBox::information(this, windowTitle(), message);
        QApplication::quit();
    };
    resize(1280, 800);
    sync_widgets();
}

QPushButton* TableWindow::button(ControlId id) const {
    auto it = buttons_.find(id.index);
    return it == buttons_.end() ? nullptr : it->second;
}

QRectF TableWindow::to_pixels(const Control& c) const {
    return QRectF(origin_.x() + c.left * scale_, origin_.y() + c.top * scale_, c.width * scale_,
                  c.height * scale_);
}

QRectF TableWindow::rect_of(ControlId id) const {
    return to_pixels(host_.table().controls[id]);
}

QFont TableWindow::font_for(const Control& c) const {
    QFont font(ui_font_family);
    const qreal twips = &c == &host_.table().controls[ctl::winnerlabel] ? 240
                        : c.small_font                                  ? 150
                        : c.bold                                        ? 190
                                                                        : 175;
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(twips * scale_))));
    font.setBold(c.bold || &c == &host_.table().controls[ctl::winnerlabel]);
    return font;
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scale_ = std::min(width() / static_cast<qreal>(table_width),
                      height() / static_cast<qreal>(table_height));
    origin_ = QPointF((width() - table_width * scale_) / 2, (height() - table_height * scale_) / 2);
    place_widgets();
}

void TableWindow::place_widgets() {
    const Controls& controls = host_.table().controls;
    for (auto& [index, b] : buttons_) {
        const Control& c = controls[ControlId{index}];
        b->setGeometry(snapped(to_pixels(c)));
        QFont font(ui_font_family);
        font.setBold(true);
        font.setPixelSize(std::max(8, static_cast<int>(c.height * scale_ * 0.42)));
        b->setFont(font);
    }
    const Control& box = controls[ctl::Text2];
    amount_->setGeometry(snapped(to_pixels(box)));
    QFont font(ui_font_family);
    font.setPixelSize(std::max(8, static_cast<int>(box.height * scale_ * 0.5)));
    amount_->setFont(font);
}

void TableWindow::sync_widgets() {
    const Controls& controls = host_.table().controls;
    for (auto& [index, b] : buttons_) {
        const Control& c = controls[ControlId{index}];
        // "Call" and "Raise" carry their amounts; the button names the action beside them.
        QString caption = QString::fromStdString(c.caption).trimmed();
        if (ControlId{index} == ctl::Call && caption != "Call") caption = "Call " + caption;
        if (ControlId{index} == ctl::Raise && caption != "Raise") caption = "Raise " + caption;
        if (b->text() != caption) b->setText(caption);
        const QString style =
            QString(
                "QPushButton { background-color: %1; color: #111; border: 1px solid #3a3a3a;"
                " border-radius: 5px; }"
                "QPushButton:hover { border: 2px solid #000; }"
                "QPushButton:pressed { background-color: %2; }")
                .arg(colour(c.back_colour.value_or(0xE0E0E0)).name(),
                     colour(c.back_colour.value_or(0xE0E0E0)).darker(120).name());
        if (b->styleSheet() != style) b->setStyleSheet(style);
        b->setVisible(c.visible);
    }
    const Control& box = controls[ctl::Text2];
    const QString text = QString::fromStdString(box.caption);
    if (amount_->text() != text) amount_->setText(text);
    amount_->setVisible(box.visible);
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != amount_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        host_.amount_key(13, amount_->text());
        return true;
    }
    int code = 0;
    if (key->key() == Qt::Key_Backspace)
        code = 8;
    else if (!key->text().isEmpty())
        code = key->text().at(0).unicode();
    if (code != 0) host_.amount_key(code, amount_->text());
    return false;  // the line edit takes the key as usual
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    const Controls& controls = host_.table().controls;
    std::optional<ControlId> pressed;
    switch (event->key()) {
        case Qt::Key_C:
            pressed = controls[ctl::Call].visible ? ctl::Call : ctl::Check;
            break;
        case Qt::Key_R:
            pressed = ctl::Raise;
            break;
        case Qt::Key_F:
            pressed = ctl::Fold;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (controls[*pressed].visible) host_.click(*pressed);
}

void TableWindow::game_ended(GameEnd why) {
    if (why == GameEnd::Exit) {
        QApplication::quit();
        return;
    }
    end_notice_(end_message(host_.table(), why));
}

QString TableWindow::end_message(const Table& t, GameEnd why) {
    const QString rank = QString::fromStdString("Your Rank is " + number_text(entrants_left(t)));
    switch (why) {
        case GameEnd::TournamentWon:
            return "You won the tournament!\n" + rank;
        case GameEnd::HumanBroke:
            return "You are out of chips.\n" + rank;
        case GameEnd::Overflow:
            return "The game had to stop: a chip count grew beyond what it can hold.";
        case GameEnd::Exit:
            break;
    }
    return {};
}

void TableWindow::paintEvent(QPaintEvent*) {
    const Controls& controls = host_.table().controls;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), colour(colours::window));

    auto draw_shape = [&](const Control& c) {
        if (!c.visible) return;
        const QRectF r = to_pixels(c);
        QPen pen = c.filled ? QPen(QColor(0, 0, 0, 150), 1.0)
                            : QPen(colour(c.border_colour), c.border_width * scale_ * 8);
        p.setPen(pen);
        p.setBrush(c.filled ? QBrush(colour(c.back_colour.value_or(0))) : Qt::NoBrush);
        if (c.form == ShapeForm::Rectangle)
            p.drawRoundedRect(r, 4, 4);
        else
            p.drawEllipse(r);
        if (c.hatched) {
            p.setBrush(QBrush(colour(c.back_colour.value_or(0)).darker(160), Qt::DiagCrossPattern));
            p.drawEllipse(r);
        }
    };

    // The felt with a wooden rail round it.
    const Control& felt = controls[ctl::felt];
    const QRectF felt_rect = to_pixels(felt);
    const qreal rail = 150 * scale_;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x36, 0x1C));
    p.drawEllipse(felt_rect.adjusted(-rail, -rail, rail, rail));
    QRadialGradient cloth(felt_rect.center(), felt_rect.width() / 2);
    cloth.setColorAt(0.0, colour(colours::felt).lighter(125));
    cloth.setColorAt(1.0, colour(colours::felt));
    p.setBrush(cloth);
    p.drawEllipse(felt_rect);

    draw_shape(controls[ctl::clock_panel]);
    for (int seat = 1; seat <= seat_count; ++seat)
        draw_shape(controls[ctl::highlight(seat)]);
    for (int i = 0; i < ctl::backchip_count; ++i)
        draw_shape(controls[ctl::backchips(i)]);
    draw_shape(controls[ctl::action_frame]);

    // Focus boxes, hole cards and the board.
    const QSizeF card_size(516 * scale_, 708 * scale_);
    const qreal ratio = devicePixelRatioF();
    cards_.ensure(QSize(static_cast<int>(std::lround(card_size.width() * ratio)),
                        static_cast<int>(std::lround(card_size.height() * ratio))),
                  ratio);
    for (int n = ctl::picture_first; n <= ctl::picture_last; ++n) {
        const Control& c = controls[ctl::Picture(n)];
        if (!c.visible) continue;
        const QRectF r = to_pixels(c);
        if (c.cell >= 0) {
            const QPixmap& face = cards_.cell(c.cell);
            p.drawPixmap(QPointF(std::round(r.left()), std::round(r.top())), face);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(colour(c.back_colour.value_or(0)));
            p.drawRoundedRect(r, 2, 2);
        }
    }

    // Labels over everything they belong to.
    auto draw_label = [&](ControlId id) {
        const Control& c = controls[id];
        if (!c.visible) return;
        const QRectF r = to_pixels(c);
        const QString text = QString::fromStdString(c.caption);
        p.setFont(font_for(c));
        const QFontMetricsF metrics(p.font());
        const Qt::Alignment align =
            (c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        if (c.back_colour) {
            // A small label grows to hold its text.
            const qreal w = std::max(r.width(), metrics.horizontalAdvance(text) + 6);
            const qreal h = std::max(r.height(), metrics.height() + 2);
            const QRectF box = id == ctl::winnerlabel
                                   ? r
                                   : QRectF(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
            p.setPen(QPen(QColor(0, 0, 0, 120), 1));
            p.setBrush(colour(*c.back_colour));
            p.drawRoundedRect(box, 3, 3);
        } else if (is_seat_text(id) && !text.trimmed().isEmpty()) {
            // Names and stacks sit on a dark plate so they read on any highlight.
            const qreal w = metrics.horizontalAdvance(text) + 10;
            const QRectF plate(r.center().x() - w / 2, r.top(), w, r.height());
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 170));
            p.drawRoundedRect(plate, 4, 4);
        }
        p.setPen(colour(c.fore_colour));
        if (id == ctl::winnerlabel) {
            p.drawText(r.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text);
        } else {
            // Text may run past a narrow label rather than be cut.
            const qreal spare = std::max<qreal>(0, metrics.horizontalAdvance(text) - r.width() + 4);
            const QRectF wide =
                c.centred ? r.adjusted(-spare / 2, 0, spare / 2, 0) : r.adjusted(0, 0, spare, 0);
            p.drawText(wide, align, text);
        }
    };
    for (int n = ctl::label_first; n <= ctl::label_last; ++n)
        draw_label(ctl::Label(n));
    for (int seat = 1; seat <= seat_count; ++seat)
        draw_label(ctl::chiplabel(seat));
    for (ControlId id : {ctl::potlabel, ctl::winnerlabel, ctl::limitslabel, ctl::limitsdisplay})
        draw_label(id);

    ++frames_;
    emit painted();
}

}  // namespace holdem::ui
