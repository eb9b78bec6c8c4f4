#include "ui/table_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <unordered_map>

#include "cycle/human_actions.h"
#include "model/numbers.h"
#include "ui/fonts.h"

namespace holdem::ui {

namespace {

QColor colour(Colour c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

struct HumanButton {
    ControlId id;
    const char* key;  // its shortcut, shown on the button
};
constexpr HumanButton human_buttons[] = {{ctl::Call, "C"},    {ctl::Raise, "R"}, {ctl::Check, "C"},
                                         {ctl::Fold, "F"},    {ctl::BetIt, "B"}, {ctl::SitOut, "S"},
                                         {ctl::Exit, nullptr}};

// Rounds each edge on its own, so neighbouring widgets neither overlap nor leave gaps.
QRect snapped(const QRectF& r) {
    const int left = static_cast<int>(std::lround(r.left())),
              top = static_cast<int>(std::lround(r.top()));
    const int right = static_cast<int>(std::lround(r.right())),
              bottom = static_cast<int>(std::lround(r.bottom()));
    return QRect(left, top, right - left, bottom - top);
}

// The largest font no bigger than `font` whose text fits the box. Texts and boxes repeat
// from frame to frame, so the answers are kept.
QFont fitted(QFont font, const QString& text, const QSizeF& box, int flags) {
    static std::unordered_map<QString, int> sizes;
    const QString key = QString("%1|%2|%3|%4|%5|%6")
                            .arg(text)
                            .arg(box.width(), 0, 'f', 1)
                            .arg(box.height(), 0, 'f', 1)
                            .arg(font.pixelSize())
                            .arg(font.bold())
                            .arg(flags);
    if (auto it = sizes.find(key); it != sizes.end()) {
        font.setPixelSize(it->second);
        return font;
    }
    if (sizes.size() > 4096) sizes.clear();
    auto needed = [&](int px) {
        font.setPixelSize(px);
        return QFontMetricsF(font).boundingRect(QRectF(QPointF(), box), flags, text).size();
    };
    // Text grows with the font size: one measurement gives a close first guess.
    int px = font.pixelSize();
    QSizeF need = needed(px);
    if (need.width() > box.width() || need.height() > box.height()) {
        const qreal shrink = std::min(box.width() / need.width(), box.height() / need.height());
        px = std::max(6, static_cast<int>(px * shrink));
        while (px > 6) {
            need = needed(px);
            if (need.width() <= box.width() && need.height() <= box.height()) break;
            --px;
        }
    }
    font.setPixelSize(px);
    sizes.emplace(key, px);
    return font;
}

// "Call 20", "Raise 40": the rules keep the amounts as the captions, the button names the
// action beside them.
QString button_caption(ControlId id, const std::string& caption) {
    const QString text = text_of(caption).trimmed();
    if (id == ctl::Call && text != "Call") return "Call " + text;
    if (id == ctl::Raise && text != "Raise") return "Raise " + text;
    return text;
}

}  // namespace

TableView::TableView(QtHost& host, const TableNotes& notes, QWidget* parent)
    : QWidget(parent), host_(host), notes_(notes) {
    setObjectName("tableView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    for (const HumanButton& hb : human_buttons) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromStdString(control_name(hb.id)));
        b->setCursor(Qt::PointingHandCursor);
        b->installEventFilter(this);
        // Sit Out and Exit never hold the keyboard: a stray Space or Return must not sit the
        // player out or end the tournament. S and the Game menu reach them from the keyboard.
        if (hb.id == ctl::SitOut || hb.id == ctl::Exit) b->setFocusPolicy(Qt::NoFocus);
        const ControlId id = hb.id;
        connect(b, &QPushButton::clicked, this, [this, id] { press(id); });
        buttons_[id.index] = b;
    }
    amount_ = new QLineEdit(this);
    amount_->setObjectName("Text2");
    amount_->setAccessibleName("Amount to bet");
    amount_->setMaxLength(64);
    amount_->installEventFilter(this);
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& text) {
        hint_.clear();
        host_.amount_text(text);
    });
    sync_widgets();
}

QPushButton* TableView::button(ControlId id) const {
    auto it = buttons_.find(id.index);
    return it == buttons_.end() ? nullptr : it->second;
}

QRectF TableView::to_pixels(const QRectF& twips) const {
    return QRectF(origin_.x() + (twips.left() - layout_area.left()) * scale_,
                  origin_.y() + (twips.top() - layout_area.top()) * scale_, twips.width() * scale_,
                  twips.height() * scale_);
}

QRectF TableView::to_pixels(const Control& c) const {
    return to_pixels(QRectF(c.left, c.top, c.width, c.height));
}

QRectF TableView::rect_of(ControlId id) const {
    return to_pixels(host_.table().controls[id]);
}

QFont TableView::font_px(qreal twips, bool bold) const {
    QFont font(ui_font_family);
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(twips * scale_))));
    font.setBold(bold);
    return font;
}

void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scale_ = std::min(width() / layout_area.width(), height() / layout_area.height());
    origin_ = QPointF((width() - layout_area.width() * scale_) / 2,
                      (height() - layout_area.height() * scale_) / 2);
    place_widgets();
}

void TableView::place_widgets() {
    const Controls& controls = host_.table().controls;
    for (auto& [index, b] : buttons_)
        b->setGeometry(snapped(to_pixels(controls[ControlId{index}])));
    const Control& box = controls[ctl::Text2];
    amount_->setGeometry(snapped(to_pixels(box)));
    make_room_for_captions();
    fit_button_fonts();
    QFont font(ui_font_family);
    font.setPixelSize(std::max(8, static_cast<int>(box.height * scale_ * 0.5)));
    amount_->setFont(font);
}

// In a small window the layout's buttons are too narrow for their captions in a font that can
// still be read. Each row of the action panel is then packed against the frame's right edge,
// every button as wide as its caption needs; the hint line and the amount box give way.
void TableView::make_room_for_captions() {
    QFont least(ui_font_family);
    least.setBold(true);
    least.setPixelSize(least_button_px);
    const QFontMetrics m(least);
    auto needs = [&](QWidget* w) {
        const auto* b = qobject_cast<QPushButton*>(w);
        return b ? m.horizontalAdvance(b->text()) + 14 : 8 * m.horizontalAdvance('0');
    };
    const QRect frame = snapped(to_pixels(host_.table().controls[ctl::action_frame]));
    const std::vector<QWidget*> rows[] = {
        {button(ctl::Call), button(ctl::Raise)},
        {button(ctl::Check), button(ctl::Fold), amount_, button(ctl::BetIt)}};
    const int gap = std::max(3, static_cast<int>(100 * scale_));
    for (const auto& row : rows) {
        if (std::none_of(row.begin(), row.end(), [&](QWidget* w) { return w->width() < needs(w); }))
            continue;
        int right = frame.right() - gap;
        for (auto it = row.rbegin(); it != row.rend(); ++it) {
            const int width = std::max((*it)->width(), needs(*it));
            (*it)->setGeometry(right - width, (*it)->y(), width, (*it)->height());
            right -= width + gap;
        }
    }
    for (QWidget* alone : {button(ctl::SitOut), button(ctl::Exit)}) {
        const int grow = needs(alone) - alone->width();
        if (grow > 0)
            alone->setGeometry(alone->geometry().adjusted(-grow / 2, 0, grow - grow / 2, 0));
    }
}

void TableView::sync_widgets() {
    const Table& t = host_.table();
    const Controls& controls = t.controls;
    for (const HumanButton& hb : human_buttons) {
        QPushButton* b = button(hb.id);
        const Control& c = controls[hb.id];
        const QString caption = button_caption(hb.id, c.caption);
        const QString shown = hb.key ? caption + " · " + hb.key : caption;
        if (b->text() != shown) {
            b->setText(shown);
            place_widgets();
        }
        if (b->accessibleName() != caption) b->setAccessibleName(caption);
        const QColor fill = colour(c.back_colour.value_or(0xE0E0E0));
        // The focus ring is dark blue with a white edge: it shows on yellow, orange and red.
        const QString style =
            QString(
                "QPushButton { background-color: %1; color: #111; border: 1px solid #3a3a3a;"
                " border-radius: 5px; }"
                "QPushButton:hover { border: 2px solid #000; }"
                "QPushButton:focus { border: 3px solid #0B3D91; outline: 2px solid white; }"
                "QPushButton:pressed { background-color: %2; }")
                .arg(fill.name(), fill.darker(120).name());
        if (b->styleSheet() != style) b->setStyleSheet(style);
        b->setVisible(c.visible);
    }
    const Control& box = controls[ctl::Text2];
    const QString text = text_of(box.caption);
    if (amount_->text() != text) amount_->setText(text);
    const bool opening = box.visible && !amount_->isVisibleTo(this);
    const bool closing = !box.visible && amount_->isVisibleTo(this);
    // Hiding the widget that holds the keyboard would pass it on to the next in the chain;
    // the table takes it back first.
    QWidget* holder = QApplication::focusWidget();
    if (closing && holder && holder != this && isAncestorOf(holder)) setFocus();
    amount_->setVisible(box.visible);
    if (!box.visible) hint_.clear();
    // When the human's turn opens, Return or Space calls (or checks): the keyboard's focus goes
    // to that button, and its ring shows it.
    if (opening) {
        QPushButton* call = button(controls[ctl::Call].visible ? ctl::Call : ctl::Check);
        if (call->isVisibleTo(this)) call->setFocus();
    }
}

// Each button's caption in the largest bold font that fits it.
void TableView::fit_button_fonts() {
    for (auto& [index, b] : buttons_) {
        const QSizeF room(std::max(1, b->width() - 8), std::max(1, b->height() - 4));
        QFont font(ui_font_family);
        font.setBold(true);
        font.setPixelSize(std::max(least_button_px, static_cast<int>(b->height() * 0.42)));
        b->setFont(fitted(font, b->text(), room, Qt::TextSingleLine));
    }
}

void TableView::press(ControlId id) {
    if (id == ctl::BetIt) {
        bet_typed_amount(false);
        return;
    }
    if (id == ctl::Exit) {
        emit exitRequested();
        return;
    }
    host_.click(id);
}

// "Bet It" and Enter in the amount box: the rules refuse or accept without a word, the window
// says what happened.
void TableView::bet_typed_amount(bool from_enter) {
    const std::string text = amount_->text().toStdString();
    const TypedAmount typed = read_typed_amount(host_.table(), text);
    if (from_enter)
        host_.amount_key(key::enter, amount_->text());
    else
        host_.click(ctl::BetIt);
    const QString least = QString::number(typed.least, 'f', 0);
    const QString shown = QString::fromStdString(text);
    if (!typed.accepted)
        hint_ = text.empty() ? "Type an amount of at least " + least
                : !is_number(text)
                    ? "Refused: " + shown + " is not an amount"
                    : "Refused: " + shown + " is less than the least you can bet now, " + least;
    else if (typed.calls_only)
        hint_ = QString::fromStdString(text) + " is no number, so only the call went in (" +
                QString::number(typed.to_call) + ")";
    update();
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == amount_) {
        if (enter) {
            bet_typed_amount(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            setFocus();  // leaves the amount box
            return true;
        }
        int code = 0;
        if (key->key() == Qt::Key_Backspace)
            code = key::backspace;
        else if (!key->text().isEmpty())
            code = key->text().at(0).unicode();
        if (code != 0) host_.amount_key(code, amount_->text());
        return false;  // the line edit takes the key as usual
    }
    if (enter) {
        if (auto* b = qobject_cast<QPushButton*>(watched)) {
            b->click();  // Return presses the focused button, as Space does
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TableView::keyPressEvent(QKeyEvent* event) {
    // Every key ends here: one the game does not use does nothing, and none goes back up to
    // the window, which hands the keys it gets to the table.
    event->accept();
    const auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & chords) return;
    if (amount_->hasFocus()) return;  // a key the amount box let through is no action
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
        case Qt::Key_S:
            pressed = ctl::SitOut;
            break;
        case Qt::Key_B:
            if (amount_->isVisible()) amount_->setFocus();
            return;
        default:
            return;
    }
    if (controls[*pressed].visible) host_.click(*pressed);
}

void TableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), colour(colours::window));
    paint_felt(p);
    paint_shapes(p);
    paint_cards(p);
    paint_winners(p);
    paint_seat_plates(p);
    paint_labels(p);
    paint_pot(p);
    paint_badges(p);
    paint_dealer_button(p);
    paint_banner(p);
    paint_hint(p);
    paint_sit_out_request(p);
    ++frames_;
    emit painted();
}

void TableView::paint_felt(QPainter& p) const {
    const QRectF felt = rect_of(ctl::felt);
    const qreal rail = 150 * scale_;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x36, 0x1C));
    p.drawEllipse(felt.adjusted(-rail, -rail, rail, rail));
    QRadialGradient cloth(felt.center(), felt.width() / 2);
    cloth.setColorAt(0.0, colour(colours::felt).lighter(125));
    cloth.setColorAt(1.0, colour(colours::felt));
    p.setBrush(cloth);
    p.drawEllipse(felt);
}

void TableView::paint_shapes(QPainter& p) const {
    const Table& t = host_.table();
    const Controls& controls = t.controls;
    auto draw_shape = [&](const Control& c, std::optional<Colour> fill_instead = {}) {
        if (!c.visible) return;
        const QRectF r = to_pixels(c);
        const Colour fill = fill_instead.value_or(c.back_colour.value_or(0));
        p.setPen(c.filled ? QPen(QColor(0, 0, 0, 150), 1.0)
                          : QPen(colour(c.border_colour), c.border_width * scale_ * 8));
        p.setBrush(c.filled ? QBrush(colour(fill)) : Qt::NoBrush);
        if (c.form == ShapeForm::Rectangle)
            p.drawRoundedRect(r, 4, 4);
        else
            p.drawEllipse(r);
        if (c.hatched) {
            p.setBrush(QBrush(colour(fill).darker(160), Qt::DiagCrossPattern));
            p.drawEllipse(r);
        }
    };
    draw_shape(controls[ctl::clock_panel]);
    // Once the showdown has begun nobody has the turn: the seat the turn last reached is not
    // lit, so that the winners stand out.
    for (int seat = 1; seat <= seat_count; ++seat)
        draw_shape(controls[ctl::highlight(seat)],
                   t.gameover ? std::optional<Colour>(colours::idle) : std::nullopt);
    for (int i = 0; i < ctl::backchip_count; ++i)
        draw_shape(controls[ctl::backchips(i)]);
    draw_shape(controls[ctl::action_frame]);
}

void TableView::paint_cards(QPainter& p) {
    const Controls& controls = host_.table().controls;
    const qreal ratio = devicePixelRatioF();
    cards_.ensure(QSize(static_cast<int>(std::lround(card_width * scale_ * ratio)),
                        static_cast<int>(std::lround(card_height * scale_ * ratio))),
                  ratio);
    for (int n = ctl::picture_first; n <= ctl::picture_last; ++n) {
        const Control& c = controls[ctl::Picture(n)];
        if (!c.visible) continue;
        const QRectF r = to_pixels(c);
        if (c.cell >= 0) {
            p.drawPixmap(QPointF(std::round(r.left()), std::round(r.top())), cards_.cell(c.cell));
        } else {
            // A focus box: lit while its seat has the turn, which nobody has at the showdown.
            p.setPen(Qt::NoPen);
            p.setBrush(colour(host_.table().gameover ? colours::idle : c.back_colour.value_or(0)));
            p.drawRoundedRect(r, 2, 2);
        }
    }
}

void TableView::paint_winners(QPainter& p) const {
    const Table& t = host_.table();
    if (!t.gameover) return;
    const QColor gold(0xF2, 0xC1, 0x4E);
    for (const TableNotes::Award& award : notes_.awards()) {
        const QRectF circle = rect_of(ctl::highlight(award.seat));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(gold, std::max<qreal>(2.0, 60 * scale_)));
        p.drawEllipse(circle.adjusted(-2, -2, 2, 2));
        // The paid seat's cards framed, and what it won beside them.
        const QRectF cards = rect_of(ctl::first_card(award.seat))
                                 .united(rect_of(ctl::second_card(award.seat)))
                                 .adjusted(-3, -3, 3, 3);
        p.setPen(QPen(gold, std::max<qreal>(2.0, 40 * scale_)));
        p.drawRoundedRect(cards, 5, 5);
        const QString won = "+" + QString::number(award.amount);
        p.setFont(font_px(170, true));
        const QFontMetricsF m(p.font());
        // Above the cards, or below them where the seat's own plate is above them.
        const bool below = cards.center().y() > circle.center().y();
        const qreal w = m.horizontalAdvance(won) + 10, h = m.height() + 2;
        const QRectF tag(cards.center().x() - w / 2,
                         below ? cards.bottom() + 4 : cards.top() - h - 4, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawRoundedRect(tag, 4, 4);
        p.setPen(QColor(0x1A, 0x1A, 0x1A));
        p.drawText(tag, Qt::AlignCenter, won);
    }
}

// A seat's name and stack on one plate, inside its circle. Both labels stay the rules' own
// controls; the plate only draws them together.
void TableView::paint_seat_plates(QPainter& p) const {
    const Controls& controls = host_.table().controls;
    for (int seat = 1; seat <= seat_count; ++seat) {
        const Control& name = controls[ctl::name_label(seat)];
        const Control& stack = controls[ctl::stack_label(seat)];
        if (!name.visible && !stack.visible) continue;
        const QString name_text = text_of(name.caption).trimmed();
        const QString stack_text = text_of(stack.caption).trimmed();
        const QRectF circle = rect_of(ctl::highlight(seat));
        QFont name_font = font_px(165), stack_font = font_px(165, true);
        const qreal widest = circle.width() * 1.25;
        name_font = fitted(name_font, name_text, QSizeF(widest, 1000), Qt::TextSingleLine);
        const QFontMetricsF nm(name_font), sm(stack_font);
        const qreal w =
            std::max(nm.horizontalAdvance(name_text), sm.horizontalAdvance(stack_text)) + 12;
        const qreal h = nm.height() + sm.height() + 4;
        const QRectF at = to_pixels(name);
        const QRectF plate(at.center().x() - w / 2, at.top(), w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 175));
        p.drawRoundedRect(plate, 5, 5);
        if (name.visible) {
            p.setFont(name_font);
            p.setPen(colour(name.fore_colour));
            p.drawText(QRectF(plate.left(), plate.top() + 2, w, nm.height()), Qt::AlignCenter,
                       name_text);
        }
        if (stack.visible) {
            p.setFont(stack_font);
            p.setPen(colour(stack.fore_colour));
            p.drawText(QRectF(plate.left(), plate.top() + 2 + nm.height(), w, sm.height()),
                       Qt::AlignCenter, stack_text);
        }
    }
}

void TableView::paint_labels(QPainter& p) const {
    const Controls& controls = host_.table().controls;
    // A small label on its own coloured box, grown to hold its text.
    auto boxed = [&](ControlId id, const QString& text) {
        const Control& c = controls[id];
        if (!c.visible) return;
        const QRectF r = to_pixels(c);
        p.setFont(font_px(c.bold ? 190 : 150, c.bold));
        const QFontMetricsF m(p.font());
        const qreal w = std::max(r.width(), m.horizontalAdvance(text) + 8);
        const qreal h = std::max(r.height(), m.height() + 2);
        const QRectF box(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(colour(c.back_colour.value_or(0)));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(colour(c.fore_colour));
        p.drawText(box, Qt::AlignCenter, text);
    };
    for (int seat = 1; seat <= seat_count; ++seat)
        boxed(ctl::chiplabel(seat), text_of(controls.caption(ctl::chiplabel(seat))).trimmed());
    boxed(ctl::potlabel, "Pot " + text_of(controls.caption(ctl::potlabel)).trimmed());

    // The blinds clock and the rank line, sized to the panel they sit in.
    const QRectF panel = rect_of(ctl::clock_panel).adjusted(8, 4, -8, -4);
    auto in_panel = [&](ControlId id) {
        const Control& c = controls[id];
        if (!c.visible) return;
        const QRectF r = to_pixels(c);
        const QRectF line(panel.left(), r.top(), panel.right() - panel.left(), r.height() + 6);
        const QString text = text_of(c.caption).simplified();
        p.setFont(fitted(font_px(170), text, line.size(), Qt::TextSingleLine));
        p.setPen(colour(c.fore_colour));
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    in_panel(ctl::limitslabel);
    in_panel(ctl::limitsdisplay);
    in_panel(ctl::rank_line);
}

// Each seat's last action, on a tag above its plate (below it for the seats along the top).
void TableView::paint_badges(QPainter& p) const {
    const Controls& controls = host_.table().controls;
    p.setFont(font_px(150, true));
    const QFontMetricsF m(p.font());
    for (int seat = 1; seat <= seat_count; ++seat) {
        const QString text = text_of(notes_.badge(seat));
        if (text.isEmpty() || !controls[ctl::name_label(seat)].visible) continue;
        const QRectF name = rect_of(ctl::name_label(seat));
        const bool along_top = seat >= 5 && seat <= 7;
        const qreal w = m.horizontalAdvance(text) + 12, h = m.height() + 2;
        const qreal plate_bottom = name.top() + 2 * m.height() + 8;
        const QRectF tag(name.center().x() - w / 2,
                         along_top ? plate_bottom + 3 : name.top() - h - 3, w, h);
        const bool fold = text == "Fold";
        p.setPen(Qt::NoPen);
        p.setBrush(fold ? QColor(0x55, 0x55, 0x55, 220) : QColor(0xFF, 0xF3, 0xB0, 235));
        p.drawRoundedRect(tag, h / 2, h / 2);
        p.setPen(fold ? QColor(0xEE, 0xEE, 0xEE) : QColor(0x22, 0x22, 0x22));
        p.drawText(tag, Qt::AlignCenter, text);
    }
}

// The pot with the bets of the round under way, whenever chips are in and the rules' own pot
// label is not shown (before the flop).
void TableView::paint_pot(QPainter& p) const {
    const Table& t = host_.table();
    if (t.gameover || t.pot <= 0 || t.controls[ctl::potlabel].visible) return;
    const QRectF at = rect_of(ctl::potlabel);
    const QString text = "Pot " + QString::number(t.pot);
    p.setFont(font_px(150));
    const QFontMetricsF m(p.font());
    const qreal w = m.horizontalAdvance(text) + 12, h = m.height() + 2;
    const QRectF pill(at.center().x() - w / 2, at.center().y() - h / 2, w, h);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(colour(colours::pot_label));
    p.drawRoundedRect(pill, 3, 3);
    p.setPen(QColor(0x22, 0x22, 0x22));
    p.drawText(pill, Qt::AlignCenter, text);
}

// The winner's line, fitted to its box. After a showdown it names every paid seat.
void TableView::paint_banner(QPainter& p) const {
    const Control& c = host_.table().controls[ctl::winnerlabel];
    if (!c.visible) return;
    const QString line = notes_.awards().empty() || !host_.table().gameover
                             ? text_of(c.caption).trimmed()
                             : text_of(notes_.winners_line());
    const QRectF box = to_pixels(c);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(colour(c.back_colour.value_or(colours::red)));
    p.drawRoundedRect(box, 4, 4);
    const QRectF inside = box.adjusted(6, 3, -6, -3);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(230, true), line, inside.size(), flags));
    p.setPen(colour(c.fore_colour));
    p.drawText(inside, flags, line);
}

// What the amount box accepts now, or why it refused, in the free corner of the action frame.
void TableView::paint_hint(QPainter& p) const {
    const Table& t = host_.table();
    if (!t.controls[ctl::Text2].visible) return;
    QString text = hint_;
    if (text.isEmpty()) {
        const TypedAmount typed = read_typed_amount(t, t.controls.caption(ctl::Text2));
        text = "Bet at least " + QString::number(typed.least, 'f', 0) + ", then Enter";
    }
    // Left of the Call and Raise buttons, wherever a small window has put them.
    const QRectF frame = rect_of(ctl::action_frame);
    const QRectF call = button(ctl::Call)->geometry();
    const QRectF area(frame.left() + 10, frame.top() + 6, call.left() - frame.left() - 20,
                      button(ctl::Check)->geometry().top() - frame.top() - 10);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(150), text, area.size(), flags));
    p.setPen(hint_.isEmpty() ? QColor(0xFF, 0xF6, 0xD5) : QColor(0xFF, 0xB0, 0xA0));
    p.drawText(area, flags, text);
}

}  // namespace holdem::ui

namespace holdem::ui {

// A sit-out request holds from the next hand and cannot be taken back before it: the line
// beside the button says so for as long as the request stands.
QString TableView::sit_out_request() const {
    const Table& t = host_.table();
    const bool sitting_out = t.seat(human_seat).sittingout;
    if (t.ended || (sitting_out ? t.sitter != 0 : t.sitter != 1)) return {};
    return sitting_out ? "You play again from the next hand; this cannot be undone before then"
                       : "You sit out from the next hand; this cannot be undone before then";
}

void TableView::paint_sit_out_request(QPainter& p) const {
    const QString text = sit_out_request();
    if (text.isEmpty()) return;
    const QRectF button = rect_of(ctl::SitOut);
    const QRectF exit = rect_of(ctl::Exit);
    const QRectF area(rect_of(ctl::highlight(2)).left(), button.top(),
                      button.left() - rect_of(ctl::highlight(2)).left() - 8,
                      exit.bottom() - button.top());
    const int flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(150, true), text, area.size(), flags));
    p.setPen(QColor(0xFF, 0xB0, 0xA0));
    p.drawText(area, flags, text);
}

}  // namespace holdem::ui

namespace holdem::ui {

// The dealer button over everything of the seats (plates, badges, chips, cards), so nothing
// hides it.
void TableView::paint_dealer_button(QPainter& p) const {
    const Control& c = host_.table().controls[ctl::dealer_button];
    if (!c.visible) return;
    const QString text = text_of(c.caption);
    const QRectF r = to_pixels(c);
    p.setFont(font_px(190, true));
    const QFontMetricsF m(p.font());
    const qreal side =
        std::max({r.width(), r.height(), m.horizontalAdvance(text) + 8, m.height() + 2});
    const QRectF disc(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(colour(c.back_colour.value_or(colours::red)));
    p.drawEllipse(disc);
    p.setPen(colour(c.fore_colour));
    p.drawText(disc, Qt::AlignCenter, text);
}

}  // namespace holdem::ui
