#include "ui/table_view.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "picture/spoken.h"
#include "ui/fit_text.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/table_accessible.h"
#include "ui/table_layout.h"
#include "ui/table_words.h"

namespace holdem::ui {

namespace {

constexpr qint64 pot_going_ms = 700;
constexpr int human_seat_of_picture = 1;

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

const SeatPicture& seat_of(const TablePicture& picture, int seat) {
    return picture.seats[static_cast<std::size_t>(seat - 1)];
}

}  // namespace

TableView::TableView(const TablePicture& picture, TableIntents& intents, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setObjectName("tableView");
    install_table_accessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    panel_ = new ActionPanel(this, intents);
    connect(panel_, &ActionPanel::exitRequested, this, &TableView::exitRequested);
    connect(panel_, &ActionPanel::changed, this, qOverload<>(&QWidget::update));
    animation_.setInterval(16);
    connect(&animation_, &QTimer::timeout, this, [this] {
        if (pot_going_.elapsed() >= pot_going_ms) animation_.stop();
        update();
    });
    picture_changed();
}

QRectF TableView::to_pixels(const QRectF& twips) const {
    return QRectF(origin_.x() + (twips.left() - layout::area.left()) * scale_,
                  origin_.y() + (twips.top() - layout::area.top()) * scale_, twips.width() * scale_,
                  twips.height() * scale_);
}

QRectF TableView::plate_rect(int seat) const {
    return to_pixels(layout::seat(seat).name);
}

QFont TableView::font_px(qreal twips, bool bold) const {
    QFont font(ui_font_family);
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(twips * scale_))));
    font.setBold(bold);
    return font;
}

void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scale_ = std::min(width() / layout::area.width(), height() / layout::area.height());
    origin_ = QPointF((width() - layout::area.width() * scale_) / 2,
                      (height() - layout::area.height() * scale_) / 2);
    panel_->place([this](const QRectF& twips) { return to_pixels(twips); }, scale_);
}

void TableView::picture_changed() {
    panel_->show(picture_.human);
    std::vector<int> paid;
    if (picture_.showdown)
        for (int seat = 1; seat <= picture_seats; ++seat)
            if (seat_of(picture_, seat).won >= 0) paid.push_back(seat);
    announce_changes();
    if (paid != paid_seats_) {
        paid_seats_ = std::move(paid);
        if (!paid_seats_.empty()) {
            pot_going_.start();
            animation_.start();
        }
    }
}

// The human's turn, each hand's result and the director's news are said as they come.
void TableView::announce_changes() {
    const std::string turn = turn_spoken(picture_);
    if (turn != turn_said_) {
        turn_said_ = turn;
        if (!turn.empty()) announce(spoken_in_language(turn));
    }
    const std::string result = picture_.showdown && picture_.banner_shown ? picture_.banner : "";
    if (result != result_said_) {
        result_said_ = result;
        if (!result.empty()) announce(in_language(result));
    }
    const std::string news = picture_.announcement_shown ? picture_.announcement : "";
    if (news != news_said_) {
        news_said_ = news;
        if (!news.empty()) announce(in_language(news));
    }
}

void TableView::announce(const QString& words) {
    spoken_ = words;
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit announced(words);
}

QString TableView::part_words(int part) const {
    if (part >= 0 && part < picture_seats)
        return spoken_in_language(seat_spoken(seat_of(picture_, part + 1)));
    switch (part - picture_seats) {
        case 0:
            return spoken_in_language(board_spoken(picture_));
        case 1:
            return picture_.banner_shown ? in_language(picture_.banner) : QString();
        case 2: {
            QStringList lines;
            for (const auto& [shown, line] :
                 {std::pair{picture_.countdown_shown, &picture_.countdown},
                  std::pair{picture_.blinds_shown, &picture_.blinds},
                  std::pair{picture_.rank_shown, &picture_.rank}})
                if (shown) lines << in_language(text_of(*line).simplified().toStdString());
            return lines.join("; ");
        }
        case 3: {
            if (picture_.human.holding.empty()) return {};
            QString words = tr("You hold %1").arg(in_language(picture_.human.holding));
            if (!odds_line_.isEmpty()) words += "; " + odds_line_;
            if (!advice_line_.isEmpty()) words += "; " + tr("advice: %1").arg(advice_line_);
            return words;
        }
        default:
            return {};
    }
}

// A seat's tip: its style and, with the statistics shown, what the human has seen it do.
QString TableView::part_about(int part) const {
    if (part < 0 || part >= picture_seats) return {};
    const SeatPicture& s = seat_of(picture_, part + 1);
    QString about = in_language(s.about);
    if (statistics_shown_ && !s.statistics_about.empty())
        about += (about.isEmpty() ? "" : "; ") + in_language(s.statistics_about);
    return about;
}

QRectF TableView::part_rect(int part) const {
    if (part >= 0 && part < picture_seats) return to_pixels(layout::seat(part + 1).circle);
    switch (part - picture_seats) {
        case 0:
            return to_pixels(layout::board_card(1)).united(to_pixels(layout::board_card(5)));
        case 1:
            return to_pixels(layout::banner);
        case 2:
            return to_pixels(layout::clock_panel);
        case 3:
            return to_pixels(layout::odds_line);
        default:
            return {};
    }
}

void TableView::keyPressEvent(QKeyEvent* event) {
    panel_->key(event);
}

void TableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), palette::room);
    paint_felt(p);
    paint_shapes(p);
    paint_cards(p);
    paint_winners(p);
    paint_pot_going(p);
    paint_seat_plates(p);
    paint_labels(p);
    paint_pot(p);
    paint_badges(p);
    paint_holding(p);
    paint_dealer_button(p);
    paint_banner(p);
    paint_announcement(p);
    paint_hint(p);
    paint_sit_out_request(p);
    ++frames_;
    emit painted();
}

void TableView::set_looks(const Looks& looks) {
    looks_ = looks;
    cards_.set_looks(looks.deck, looks.back);
    update();
}

void TableView::paint_felt(QPainter& p) const {
    const QRectF felt = to_pixels(layout::felt);
    const qreal rail = 150 * scale_;
    p.setPen(Qt::NoPen);
    p.setBrush(palette::rail);
    p.drawEllipse(felt.adjusted(-rail, -rail, rail, rail));
    QRadialGradient cloth(felt.center(), felt.width() / 2);
    const QColor felt_colour = ui::felt_colour(looks_.felt);
    cloth.setColorAt(0.0, felt_colour.lighter(125));
    cloth.setColorAt(1.0, felt_colour);
    p.setBrush(cloth);
    p.drawEllipse(felt);
}

// The clock panel, the seats' circles (lit for the seat with the turn), the chips and the
// frame round the action panel.
void TableView::paint_shapes(QPainter& p) const {
    const QPen edge(QColor(0, 0, 0, 150), 1.0);
    auto filled = [&](const QRectF& twips, const QColor& fill, bool rectangle, bool hatched) {
        const QRectF r = to_pixels(twips);
        p.setPen(edge);
        p.setBrush(fill);
        if (rectangle)
            p.drawRoundedRect(r, 4, 4);
        else
            p.drawEllipse(r);
        if (hatched) {
            p.setBrush(QBrush(fill.darker(160), Qt::DiagCrossPattern));
            p.drawEllipse(r);
        }
    };
    filled(layout::clock_panel, palette::clock_panel, true, false);
    for (int seat = 1; seat <= picture_seats; ++seat) {
        const SeatPicture& s = seat_of(picture_, seat);
        if (s.turn_marker_shown)
            filled(layout::seat(seat).circle, s.has_turn ? palette::turn : palette::idle, false,
                   false);
    }
    for (int seat = 1; seat <= picture_seats; ++seat)
        for (int i = 0; i < pile_chips; ++i) {
            if (!seat_of(picture_, seat).pile[static_cast<std::size_t>(i)]) continue;
            const layout::ChipLook look = layout::pile_chip_look(i);
            filled(layout::seat(seat).pile[static_cast<std::size_t>(i)], look.fill, false,
                   look.hatched);
        }
    for (int i = 0; i < pot_chips; ++i) {
        if (!picture_.pot_pile[static_cast<std::size_t>(i)]) continue;
        const layout::ChipLook look = layout::pot_chip_look(i);
        filled(layout::pot_chip(i), look.fill, false, look.hatched);
    }
    if (picture_.human.open) {
        p.setPen(QPen(palette::red, 40 * scale_));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(to_pixels(layout::action_frame), 4, 4);
    }
}

void TableView::paint_cards(QPainter& p) {
    const qreal ratio = devicePixelRatioF();
    cards_.ensure(QSize(static_cast<int>(std::lround(layout::card_width * scale_ * ratio)),
                        static_cast<int>(std::lround(layout::card_height * scale_ * ratio))),
                  ratio);
    // Each seat's small turn box, lit while it has the turn.
    p.setPen(Qt::NoPen);
    for (int seat = 1; seat <= picture_seats; ++seat) {
        p.setBrush(seat_of(picture_, seat).has_turn ? palette::turn : palette::idle);
        p.drawRoundedRect(to_pixels(layout::seat(seat).turn_box), 2, 2);
    }
    auto card = [&](const CardPicture& c, const QRectF& twips) {
        if (!c.shown || c.cell < 0) return;
        const QRectF r = to_pixels(twips);
        p.drawPixmap(QPointF(std::round(r.left()), std::round(r.top())), cards_.cell(c.cell));
    };
    for (int seat = 1; seat <= picture_seats; ++seat) {
        card(seat_of(picture_, seat).first_card, layout::seat(seat).first_card);
        card(seat_of(picture_, seat).second_card, layout::seat(seat).second_card);
    }
    for (int i = 1; i <= 5; ++i)
        card(picture_.board[static_cast<std::size_t>(i - 1)], layout::board_card(i));
}

// At the showdown the paid seats are ringed, their cards framed and what each won shown.
void TableView::paint_winners(QPainter& p) const {
    if (!picture_.showdown) return;
    for (int seat = 1; seat <= picture_seats; ++seat) {
        const std::int64_t won = seat_of(picture_, seat).won;
        if (won < 0) continue;
        const layout::SeatPlaces& places = layout::seat(seat);
        const QRectF circle = to_pixels(places.circle);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::gold, std::max<qreal>(2.0, 60 * scale_)));
        p.drawEllipse(circle.adjusted(-2, -2, 2, 2));
        const QRectF cards = to_pixels(places.first_card)
                                 .united(to_pixels(places.second_card))
                                 .adjusted(-3, -3, 3, 3);
        p.setPen(QPen(palette::gold, std::max<qreal>(2.0, 40 * scale_)));
        p.drawRoundedRect(cards, 5, 5);
        const QString text = "+" + number_words(won);
        p.setFont(font_px(170, true));
        const QFontMetricsF m(p.font());
        // Above the cards, or below them where the seat's own plate is above them.
        const bool below = cards.center().y() > circle.center().y();
        const qreal w = m.horizontalAdvance(text) + 10, h = m.height() + 2;
        const QRectF tag(cards.center().x() - w / 2,
                         below ? cards.bottom() + 4 : cards.top() - h - 4, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold);
        p.drawRoundedRect(tag, 4, 4);
        p.setPen(palette::dark_text);
        p.drawText(tag, Qt::AlignCenter, text);
    }
}

// A seat's name and stack on one plate, inside its circle.
void TableView::paint_seat_plates(QPainter& p) const {
    for (int seat = 1; seat <= picture_seats; ++seat) {
        const SeatPicture& s = seat_of(picture_, seat);
        if (!s.seated && !s.stack_shown) continue;
        const QString name_text = in_language(s.name);
        const QString stack_text = in_language(s.stack);
        const QRectF circle = to_pixels(layout::seat(seat).circle);
        const qreal size = looks_.large_plates ? 165 * large_plate_scale : 165;
        QFont name_font = font_px(size), stack_font = font_px(size, true);
        const qreal widest = circle.width() * 1.25;
        name_font = fitted(name_font, name_text, QSizeF(widest, 1000), Qt::TextSingleLine);
        const QString figures = statistics_shown_ && s.seated ? text_of(s.statistics) : QString();
        const QFont figures_font = font_px(looks_.large_plates ? 120 * large_plate_scale : 120);
        const QFontMetricsF nm(name_font), sm(stack_font), fm(figures_font);
        const qreal w = std::max({nm.horizontalAdvance(name_text), sm.horizontalAdvance(stack_text),
                                  figures.isEmpty() ? 0.0 : fm.horizontalAdvance(figures)}) +
                        12;
        const qreal h = nm.height() + sm.height() + (figures.isEmpty() ? 0.0 : fm.height()) + 4;
        const QRectF at = plate_rect(seat);
        // Kept inside the table's picture where a wide plate would run over its edge.
        const qreal left =
            std::clamp(at.center().x() - w / 2, 2.0, std::max(2.0, width() - w - 2.0));
        const QRectF plate(left, at.top(), w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::plate);
        p.drawRoundedRect(plate, 5, 5);
        if (s.seated) {
            p.setFont(name_font);
            p.setPen(palette::name_text);
            p.drawText(QRectF(plate.left(), plate.top() + 2, w, nm.height()), Qt::AlignCenter,
                       name_text);
        }
        if (s.stack_shown) {
            p.setFont(stack_font);
            p.setPen(palette::stack_text);
            p.drawText(QRectF(plate.left(), plate.top() + 2 + nm.height(), w, sm.height()),
                       Qt::AlignCenter, stack_text);
        }
        if (!figures.isEmpty()) {
            p.setFont(figures_font);
            p.setPen(palette::name_text);
            p.drawText(
                QRectF(plate.left(), plate.top() + 2 + nm.height() + sm.height(), w, fm.height()),
                Qt::AlignCenter, figures);
        }
    }
}

void TableView::paint_labels(QPainter& p) const {
    // A small label on its own coloured box, grown to hold its text.
    auto boxed = [&](const QRectF& twips, const QString& text, const QColor& back) {
        const QRectF r = to_pixels(twips);
        p.setFont(font_px(150));
        const QFontMetricsF m(p.font());
        const qreal w = std::max(r.width(), m.horizontalAdvance(text) + 8);
        const qreal h = std::max(r.height(), m.height() + 2);
        const QRectF box(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(back);
        p.drawRoundedRect(box, 3, 3);
        p.setPen(palette::black);
        p.drawText(box, Qt::AlignCenter, text);
    };
    for (int seat = 1; seat <= picture_seats; ++seat) {
        const SeatPicture& s = seat_of(picture_, seat);
        if (s.bet_shown) boxed(layout::seat(seat).bet, text_of(s.bet), palette::bet_label);
    }
    if (picture_.pot_label_shown)
        boxed(layout::pot_label, in_language(picture_.pot_label), palette::pot_label);

    // The blinds clock and the rank line, sized to the panel they sit in.
    const QRectF panel = to_pixels(layout::clock_panel).adjusted(8, 4, -8, -4);
    // The rank line, the last and the longest, may take two lines down to the panel's foot.
    auto in_panel = [&](bool shown, const QRectF& twips, const std::string& caption, bool last) {
        if (!shown) return;
        const QRectF r = to_pixels(twips);
        const qreal bottom = last ? std::max(panel.bottom(), r.bottom() + 6) : r.bottom() + 6;
        const QRectF line(panel.left(), r.top(), panel.right() - panel.left(), bottom - r.top());
        const QString text = in_language(text_of(caption).simplified().toStdString());
        const int flags = last ? Qt::TextWordWrap : Qt::TextSingleLine;
        p.setFont(fitted(font_px(170), text, line.size(), flags));
        p.setPen(palette::white);
        p.drawText(line, Qt::AlignLeft | (last ? Qt::AlignTop : Qt::AlignVCenter) | flags, text);
    };
    in_panel(picture_.countdown_shown, layout::countdown_line, picture_.countdown, false);
    in_panel(picture_.blinds_shown, layout::blinds_line, picture_.blinds, false);
    in_panel(picture_.rank_shown, layout::rank_line, picture_.rank, true);
}

// Each seat's last action, on a tag above its plate (below it for the seats along the top).
void TableView::paint_badges(QPainter& p) const {
    p.setFont(font_px(150, true));
    const QFontMetricsF m(p.font());
    for (int seat = 1; seat <= picture_seats; ++seat) {
        const SeatPicture& s = seat_of(picture_, seat);
        if (s.badge == Badge::none || !s.seated) continue;
        const QString text = in_language(s.badge_text);
        const QRectF name = plate_rect(seat);
        const qreal w = m.horizontalAdvance(text) + 12, h = m.height() + 2;
        const qreal plate_scale = looks_.large_plates ? large_plate_scale : 1.0;
        qreal plate_bottom = name.top() + 2 * m.height() * plate_scale + 8;
        // Below the third line of a plate that shows the player's figures.
        if (statistics_shown_ && !s.statistics.empty())
            plate_bottom += QFontMetricsF(font_px(120 * plate_scale)).height();
        const QRectF tag(
            name.center().x() - w / 2,
            layout::seat(seat).plate_below_cards ? plate_bottom + 3 : name.top() - h - 3, w, h);
        const bool fold = s.badge == Badge::fold;
        p.setPen(Qt::NoPen);
        p.setBrush(fold ? palette::fold_badge : palette::badge);
        p.drawRoundedRect(tag, h / 2, h / 2);
        p.setPen(fold ? palette::fold_badge_text : palette::badge_text);
        p.drawText(tag, Qt::AlignCenter, text);
    }
}

// The pot with the bets of the round under way, whenever chips are in and the pot's own label
// is not shown (before the flop).
void TableView::paint_pot(QPainter& p) const {
    if (picture_.showdown || picture_.pot <= 0 || picture_.pot_label_shown) return;
    const QRectF at = to_pixels(layout::pot_label);
    const QString text = in_language("Pot " + std::to_string(picture_.pot));
    p.setFont(font_px(150));
    const QFontMetricsF m(p.font());
    const qreal w = m.horizontalAdvance(text) + 12, h = m.height() + 2;
    const QRectF pill(at.center().x() - w / 2, at.center().y() - h / 2, w, h);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(palette::pot_label);
    p.drawRoundedRect(pill, 3, 3);
    p.setPen(palette::dark_text);
    p.drawText(pill, Qt::AlignCenter, text);
}

// The dealer button over everything of the seats (plates, badges, chips, cards), so nothing
// hides it.
void TableView::paint_dealer_button(QPainter& p) const {
    for (int seat = 1; seat <= picture_seats; ++seat) {
        if (!seat_of(picture_, seat).dealer) continue;
        const QRectF r = to_pixels(layout::seat(seat).dealer_button);
        p.setFont(font_px(190, true));
        const QFontMetricsF m(p.font());
        const qreal side =
            std::max({r.width(), r.height(), m.horizontalAdvance("D") + 8, m.height() + 2});
        const QRectF disc(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.setBrush(palette::deep_red);
        p.drawEllipse(disc);
        p.setPen(palette::yellow);
        p.drawText(disc, Qt::AlignCenter, "D");
    }
}

// The winner's line, fitted to its box. After a showdown it names every paid seat.
void TableView::paint_banner(QPainter& p) const {
    if (!picture_.banner_shown) return;
    const QString line = in_language(picture_.banner);
    const QRectF box = to_pixels(layout::banner);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(palette::deep_red);
    p.drawRoundedRect(box, 4, 4);
    const QRectF inside = box.adjusted(6, 3, -6, -3);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(230, true), line, inside.size(), flags));
    p.setPen(palette::yellow);
    p.drawText(inside, flags, line);
}

// The director's news, on a dark strip so that it reads on the felt and over the cards.
void TableView::paint_announcement(QPainter& p) const {
    if (!picture_.announcement_shown) return;
    const QString line = in_language(picture_.announcement);
    const QRectF box = to_pixels(layout::announcement);
    p.setPen(QPen(palette::gold, 1.5));
    p.setBrush(palette::announcement);
    p.drawRoundedRect(box, 6, 6);
    const QRectF inside = box.adjusted(8, 2, -8, -2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(200, true), line, inside.size(), flags));
    p.setPen(palette::hint);
    p.drawText(inside, flags, line);
}

// Pointing at a seat's circle or name plate tells what the table knows of the player there.
bool TableView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int k = 1; k <= picture_seats; ++k) {
        const SeatPicture& s = picture_.seats[static_cast<std::size_t>(k - 1)];
        const layout::SeatPlaces& places = layout::seat(k);
        const bool figures = statistics_shown_ && !s.statistics_about.empty();
        if (s.about.empty() && !figures) continue;
        if (to_pixels(places.circle).contains(help->pos()) ||
            to_pixels(places.name).contains(help->pos())) {
            QString tip = QString::fromStdString(s.about);
            if (figures)
                tip += (tip.isEmpty() ? "" : "\n") + QString::fromStdString(s.statistics_about);
            QToolTip::showText(help->globalPos(), tip, this);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

// What the amount box accepts now, or why it refused, in the free corner of the action frame.
void TableView::paint_hint(QPainter& p) const {
    if (!picture_.human.open) return;
    const QString text = in_language(panel_->hint().toStdString());
    // Left of the quick amounts and the Call and Raise buttons, wherever a small window has
    // put them, above the row of Fold.
    const QRectF frame = to_pixels(layout::action_frame);
    const qreal right = std::min(button(Intent::call)->geometry().left(),
                                 button(Intent::half_pot)->geometry().left());
    const qreal top = frame.top() + 6;
    const QRectF area(frame.left() + 10, top, right - frame.left() - 20,
                      button(Intent::fold)->geometry().top() - top - 4);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(150), text, area.size(), flags));
    p.setPen(panel_->hint_is_warning() ? palette::warning : palette::hint);
    p.drawText(area, flags, text);
}

QString TableView::sit_out_request() const {
    switch (picture_.human.request) {
        case holdem::ActionPanel::Request::sit_out:
            return tr("You sit out from the next hand; this cannot be undone before then");
        case holdem::ActionPanel::Request::play_again:
            return tr("You play again from the next hand; this cannot be undone before then");
        case holdem::ActionPanel::Request::none:
            break;
    }
    return {};
}

// A sit-out request holds from the next hand and cannot be taken back before it: the line
// beside the button says so for as long as the request stands.
void TableView::paint_sit_out_request(QPainter& p) const {
    const QString text = sit_out_request();
    if (text.isEmpty()) return;
    const QRectF button = to_pixels(layout::button(Intent::sit_out));
    const QRectF exit = to_pixels(layout::button(Intent::exit));
    const qreal left = to_pixels(layout::seat(2).circle).left();
    const QRectF area(left, button.top(), button.left() - left - 8, exit.bottom() - button.top());
    const int flags = Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap;
    p.setFont(fitted(font_px(150, true), text, area.size(), flags));
    p.setPen(palette::warning);
    p.drawText(area, flags, text);
}

// The pot's chips on their way to the paid seats, shared out among them, slowing as they
// arrive.
void TableView::paint_pot_going(QPainter& p) const {
    if (paid_seats_.empty() || !pot_going_.isValid() || pot_going_.elapsed() >= pot_going_ms)
        return;
    const qreal t = std::min<qreal>(1.0, pot_going_.elapsed() / qreal(pot_going_ms));
    const qreal eased = 1 - (1 - t) * (1 - t);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    for (int i = 0; i < pot_chips; ++i) {
        const int seat = paid_seats_[static_cast<std::size_t>(i) % paid_seats_.size()];
        const QRectF from = to_pixels(layout::pot_chip(i));
        const QRectF to =
            to_pixels(layout::seat(seat).pile[static_cast<std::size_t>(i % pile_chips)]);
        const QPointF at = from.topLeft() + (to.topLeft() - from.topLeft()) * eased;
        const layout::ChipLook look = layout::pot_chip_look(i);
        p.setBrush(look.fill);
        p.drawEllipse(QRectF(at, from.size()));
    }
}

// What the human holds, on a pill under the human's cards; the odds helper's line in a place of
// its own, where it covers no seat.
void TableView::paint_holding(QPainter& p) const {
    QStringList lines;
    if (!odds_line_.isEmpty()) lines << odds_line_;
    if (!advice_line_.isEmpty()) lines << tr("Advice: %1").arg(advice_line_);
    const QString helpers = lines.join('\n');
    if (!helpers.isEmpty() && !picture_.human.holding.empty()) {
        const QRectF area = to_pixels(layout::odds_line);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        p.setFont(fitted(font_px(150, true), helpers, area.size() - QSizeF(16, 6), flags));
        const QRectF used =
            p.fontMetrics().boundingRect(area.adjusted(8, 3, -8, -3).toRect(), flags, helpers);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::dark_pill);
        p.drawRoundedRect(used.adjusted(-8, -3, 8, 3), 8, 8);
        p.setPen(palette::hint);
        p.drawText(used, flags, helpers);
    }
    if (picture_.human.holding.empty()) return;
    const QString text = in_language(picture_.human.holding);
    const layout::SeatPlaces& mine = layout::seat(human_seat_of_picture);
    const QRectF cards = to_pixels(mine.first_card).united(to_pixels(mine.second_card));
    p.setFont(font_px(140, true));
    const QFontMetricsF m(p.font());
    const QRectF need = m.boundingRect(QRectF(0, 0, 4000, 400), Qt::AlignCenter, text);
    const qreal w = need.width() + 14, h = need.height() + 4;
    const QRectF pill(cards.center().x() - w / 2, cards.bottom() + 3, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::dark_pill);
    p.drawRoundedRect(pill, std::min(h / 2, 10.0), std::min(h / 2, 10.0));
    p.setPen(palette::hint);
    p.drawText(pill, Qt::AlignCenter, text);
}

}  // namespace holdem::ui
