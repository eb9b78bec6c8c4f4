// The card grid, drawn by our own code: 18 × 4 cells, the faces in code order from cell 1, four
// backs (pink, teal, slate blue, peach) in cells 0 and 53 … 55, the rest empty. Drawn at the
// pixel size the table shows a card at, so cards stay crisp at any scale, in the deck's colours
// and the backs' design the player chose.
#pragma once

#include <QPixmap>
#include <QSize>
#include <vector>

#include "ui/looks.h"

namespace holdem::ui {

class CardArt {
  public:
    // The size the cells are drawn at, in device pixels; cells of another size are dropped.
    void ensure(QSize cell_px, qreal device_pixel_ratio);
    // GraphicCell(n): the picture of cell n, drawn the first time it is asked for; a null
    // pixmap for an empty cell or one outside the grid.
    const QPixmap& cell(int n) const;
    QSize cell_size() const { return cell_px_; }
    // The deck's colours and the backs' design; cells drawn in other looks are dropped.
    void set_looks(DeckColours deck, CardBack back);

    // Draws one card face or back into a rectangle.
    static void paint_face(class QPainter& p, const QRectF& r, int code,
                           DeckColours deck = DeckColours::two);
    static void paint_back(QPainter& p, const QRectF& r, int cell,
                           CardBack design = CardBack::lattice);

  private:
    QSize cell_px_;
    qreal ratio_ = 1.0;
    DeckColours deck_ = DeckColours::two;
    CardBack back_ = CardBack::lattice;
    mutable std::vector<QPixmap> cells_;
};

}  // namespace holdem::ui
