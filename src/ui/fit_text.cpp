#include "ui/fit_text.h"

#include <QFontMetricsF>
#include <QRectF>
#include <algorithm>
#include <unordered_map>

namespace holdem::ui {

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

}  // namespace holdem::ui
