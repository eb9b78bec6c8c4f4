// The card grid, drawn by our own code: 18 × 4 cells, the faces in code order from cell 1, four
// backs (pink, teal, slate blue, peach) in cells 0 and 53 … 55, the rest empty. Drawn at the
// pixel size the table shows a card at, so cards stay crisp at any scale.
#pragma once

#include <QPixmap>
#include <QSize>
#include <vector>

namespace holdem::ui {

class CardArt {
  public:
    // The size the cells are drawn at, in device pixels; cells of another size are dropped.
    void ensure(QSize cell_px, qreal device_pixel_ratio);
    // GraphicCell(n): the picture of cell n, drawn the first time it is asked for; a null
    // pixmap for an empty cell or one outside the grid.
    const QPixmap& cell(int n) const;
    QSize cell_size() const { return cell_px_; }

    // Draws one card face or back into a rectangle.
    static void paint_face(class QPainter& p, const QRectF& r, int code);
    static void paint_back(QPainter& p, const QRectF& r, int cell);

  private:
    QSize cell_px_;
    qreal ratio_ = 1.0;
    mutable std::vector<QPixmap> cells_;
};

}  // namespace holdem::ui
