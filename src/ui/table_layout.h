// Where everything of the table stands, in twips (1/1440 inch) of the table's own layout, and
// the colours it is drawn in. The window scales this to its size.
#pragma once

#include <QColor>
#include <QRectF>
#include <array>

#include "picture/table_intents.h"
#include "picture/table_picture.h"

namespace holdem::ui {

namespace palette {
inline const QColor room{0x1C, 0x2A, 0x23};  // round the table
inline const QColor felt{0x00, 0x80, 0x00};
inline const QColor rail{0x5A, 0x36, 0x1C};
inline const QColor idle{0x80, 0x00, 0x00};  // a seat without the turn
inline const QColor turn{0xFF, 0xFF, 0x80};  // the seat with the turn
inline const QColor name_text{0xF4, 0xF1, 0xE8};
inline const QColor stack_text{0xFF, 0xE2, 0x7A};
inline const QColor bet_label{0xFF, 0xE0, 0xC0};
inline const QColor pot_label{0xFF, 0xC0, 0x80};
inline const QColor clock_panel{0x80, 0x40, 0x40};
inline const QColor red{0xFF, 0x00, 0x00};
inline const QColor yellow{0xFF, 0xFF, 0x00};
inline const QColor white{0xFF, 0xFF, 0xFF};
inline const QColor black{0x00, 0x00, 0x00};
inline const QColor orange{0xFF, 0x80, 0x00};
inline const QColor pale_yellow{0xFF, 0xFF, 0x80};  // the action buttons
inline const QColor gold{0xF2, 0xC1, 0x4E};         // the paid seats at a showdown
inline const QColor hint{0xFF, 0xF6, 0xD5};
inline const QColor warning{0xFF, 0xB0, 0xA0};
inline const QColor badge{0xFF, 0xF3, 0xB0, 235};
inline const QColor fold_badge{0x55, 0x55, 0x55, 220};
inline const QColor badge_text{0x22, 0x22, 0x22};
inline const QColor fold_badge_text{0xEE, 0xEE, 0xEE};
inline const QColor dark_text{0x1A, 0x1A, 0x1A};
inline const QColor plate{0, 0, 0, 175};  // under a seat's name and stack
inline const QColor announcement{0x10, 0x20, 0x18, 225};
inline const QColor dark_pill{0x10, 0x18, 0x14, 215};  // under the holding and the odds line
// The dealer button and the winner's line: red, deep enough for their yellow text to read.
inline const QColor deep_red{0xB0, 0x00, 0x00};
}  // namespace palette

namespace layout {

// The part of the layout that holds something: the canvas shows this much.
inline constexpr QRectF area{650, -60, 11670, 8540};
inline constexpr qreal card_width = 516, card_height = 708;

struct SeatPlaces {
    QRectF turn_box;  // the small box lit while the seat has the turn
    QRectF circle;
    QRectF name;  // the name plate's top line; the stack is below it
    QRectF bet;
    QRectF first_card, second_card;
    QRectF dealer_button;
    std::array<QRectF, pile_chips> pile;
    bool plate_below_cards;  // the seats along the top: their badges go under the plate
};
const SeatPlaces& seat(int seat);  // 1 … 10

QRectF board_card(int index);  // 1 … 5
QRectF pot_chip(int i);        // 0 … 30

struct ChipLook {
    QColor fill;
    bool hatched;
};
ChipLook pile_chip_look(int i);
ChipLook pot_chip_look(int i);

inline constexpr QRectF felt{1920, 840, 7812, 5292};
inline constexpr QRectF pot_label{5796, 4044, 192, 120};
inline constexpr QRectF banner{9396, 72, 2688, 756};
// The tournament director's news, across the felt above the board.
inline constexpr QRectF announcement{3720, 2420, 4200, 480};
inline constexpr QRectF clock_panel{9144, 5568, 3120, 1404};
inline constexpr QRectF countdown_line{9348, 5820, 744, 240};
inline constexpr QRectF blinds_line{9336, 6180, 696, 360};
inline constexpr QRectF rank_line{9324, 6600, 2328, 240};
inline constexpr QRectF action_frame{6768, 7080, 5424, 1320};
inline constexpr QRectF amount_box{9420, 7968, 1600, 384};
// The odds helper's line, in the free corner below the seats on the left, clear of every plate.
inline constexpr QRectF odds_line{1000, 7560, 4400, 760};
QRectF button(Intent which);

}  // namespace layout
}  // namespace holdem::ui
