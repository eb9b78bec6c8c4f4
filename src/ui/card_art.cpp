#include "ui/card_art.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "model/cards.h"
#include "ui/fonts.h"

namespace holdem::ui {

namespace {

// A suit drawn as a path in a unit box (0 … 1), so no font has to carry the symbols.
QPainterPath suit_path(int suit) {
    QPainterPath path;
    switch (suit) {
        case 0: {  // clubs: three leaves and a stem
            path.addEllipse(QRectF(0.29, 0.02, 0.42, 0.42));
            path.addEllipse(QRectF(0.02, 0.34, 0.42, 0.42));
            path.addEllipse(QRectF(0.56, 0.34, 0.42, 0.42));
            path.addRect(QRectF(0.40, 0.35, 0.20, 0.30));
            QPainterPath stem;
            stem.moveTo(0.5, 0.5);
            stem.lineTo(0.68, 0.98);
            stem.lineTo(0.32, 0.98);
            stem.closeSubpath();
            path.addPath(stem);
            break;
        }
        case 1:  // diamonds
            path.moveTo(0.5, 0.0);
            path.lineTo(0.9, 0.5);
            path.lineTo(0.5, 1.0);
            path.lineTo(0.1, 0.5);
            path.closeSubpath();
            break;
        case 2:  // hearts
            path.moveTo(0.5, 0.98);
            path.cubicTo(0.1, 0.65, -0.05, 0.35, 0.12, 0.15);
            path.cubicTo(0.28, -0.02, 0.45, 0.05, 0.5, 0.24);
            path.cubicTo(0.55, 0.05, 0.72, -0.02, 0.88, 0.15);
            path.cubicTo(1.05, 0.35, 0.9, 0.65, 0.5, 0.98);
            break;
        default: {  // spades: an upturned heart and a stem
            path.moveTo(0.5, 0.0);
            path.cubicTo(0.9, 0.3, 1.05, 0.55, 0.88, 0.72);
            path.cubicTo(0.72, 0.88, 0.56, 0.8, 0.5, 0.66);
            path.cubicTo(0.44, 0.8, 0.28, 0.88, 0.12, 0.72);
            path.cubicTo(-0.05, 0.55, 0.1, 0.3, 0.5, 0.0);
            QPainterPath stem;
            stem.moveTo(0.5, 0.55);
            stem.lineTo(0.68, 0.98);
            stem.lineTo(0.32, 0.98);
            stem.closeSubpath();
            path.addPath(stem);
            break;
        }
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

void draw_suit(QPainter& p, int suit, const QRectF& box, const QColor& ink) {
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width(), box.height());
    p.fillPath(place.map(suit_path(suit)), ink);
}

QColor back_colour(int cell) {
    switch (cell) {
        case card_grid::back_pink:
            return QColor(0xE8, 0x8F, 0xB4);
        case card_grid::back_teal:
            return QColor(0x2A, 0x9D, 0x99);
        case card_grid::back_slate:
            return QColor(0x6A, 0x5A, 0xCD);
        default:
            return QColor(0xF2, 0xA6, 0x7E);
    }
}

}  // namespace

void CardArt::paint_face(QPainter& p, const QRectF& r, int code, DeckColours deck) {
    const qreal radius = r.width() * 0.08;
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), std::max<qreal>(1.0, r.width() * 0.012)));
    p.setBrush(card_face);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const int suit = card_suit(static_cast<CardCode>(code));
    const QColor ink = suit_ink(suit, deck);
    QFont font(ui_font_family);
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.27)));
    p.setFont(font);
    p.setPen(ink);
    // The rank big in the top left corner, where a fanned hand still shows it.
    const QRectF corner(r.left() + r.width() * 0.06, r.top() + r.height() * 0.03, r.width() * 0.9,
                        r.height() * 0.3);
    p.drawText(corner, Qt::AlignLeft | Qt::AlignTop,
               QString::fromLatin1(
                   rank_texts[rank_index(static_cast<CardCode>(code))].data(),
                   static_cast<int>(rank_texts[rank_index(static_cast<CardCode>(code))].size())));
    const qreal small = r.width() * 0.30;
    draw_suit(p, suit,
              QRectF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.33, small, small), ink);
    const qreal big = r.width() * 0.52;
    draw_suit(
        p, suit,
        QRectF(r.right() - big - r.width() * 0.08, r.bottom() - big - r.height() * 0.06, big, big),
        ink);
}

void CardArt::paint_back(QPainter& p, const QRectF& r, int cell, CardBack design) {
    const qreal radius = r.width() * 0.08;
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), std::max<qreal>(1.0, r.width() * 0.04)));
    p.setBrush(back_colour(cell));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
    if (design == CardBack::ring) {
        // A second frame inside the border and a ring in the middle, on the plain colour.
        const QColor line = back_colour(cell).darker(140);
        const qreal pen = std::max<qreal>(1.0, r.width() * 0.035);
        p.setPen(QPen(line, pen));
        p.setBrush(Qt::NoBrush);
        const qreal inset = r.width() * 0.14;
        p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius * 0.6, radius * 0.6);
        const qreal across = r.width() * 0.42;
        const QRectF ring(r.center().x() - across / 2, r.center().y() - across / 2, across, across);
        p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), pen * 1.6));
        p.setBrush(back_colour(cell).lighter(115));
        p.drawEllipse(ring);
        return;
    }
    // A lattice inside the border.
    const QRectF inner =
        r.adjusted(r.width() * 0.12, r.width() * 0.12, -r.width() * 0.12, -r.width() * 0.12);
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(back_colour(cell).darker(135), std::max<qreal>(1.0, r.width() * 0.025)));
    const qreal step = r.width() * 0.14;
    for (qreal x = inner.left() - inner.height(); x < inner.right(); x += step) {
        p.drawLine(QPointF(x, inner.top()), QPointF(x + inner.height(), inner.bottom()));
        p.drawLine(QPointF(x + inner.height(), inner.top()), QPointF(x, inner.bottom()));
    }
    p.restore();
}

void CardArt::set_looks(DeckColours deck, CardBack back) {
    if (deck == deck_ && back == back_) return;
    deck_ = deck;
    back_ = back;
    cells_.assign(cells_.size(), QPixmap());
}

void CardArt::ensure(QSize cell_px, qreal device_pixel_ratio) {
    if (cell_px == cell_px_ && device_pixel_ratio == ratio_ && !cells_.empty()) return;
    cell_px_ = cell_px;
    ratio_ = device_pixel_ratio;
    // Only the cells the table shows are drawn, each when it is first shown: a table opens on
    // two faces and one back.
    cells_.assign(card_grid::cells, QPixmap());
}

const QPixmap& CardArt::cell(int n) const {
    static const QPixmap none;
    if (n < 0 || n >= static_cast<int>(cells_.size())) return none;
    QPixmap& pixmap = cells_[static_cast<std::size_t>(n)];
    if (!pixmap.isNull() || (!card_grid::is_face(n) && !card_grid::is_back(n))) return pixmap;
    QImage image(cell_px_, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0, 0, cell_px_.width(), cell_px_.height());
    if (card_grid::is_face(n))
        paint_face(p, r, n, deck_);
    else
        paint_back(p, r, n, back_);
    p.end();
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio_);
    return pixmap;
}

}  // namespace holdem::ui
