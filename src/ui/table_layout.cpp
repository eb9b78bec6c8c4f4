#include "ui/table_layout.h"

namespace holdem::ui::layout {

namespace {

struct SeatTwips {
    int focus_left, focus_top;
    int circle_left, circle_top, circle_width, circle_height;
    int card_left_left, card_right_left, card_top;  // the left picture is the second card
    int bet_left, bet_top;
    int plate_centre, plate_top;  // inside the circle, clear of the cards and the buttons
};

constexpr std::array<SeatTwips, picture_seats> seat_twips = {{
    {5700, 6468, 5136, 5868, 1572, 1296, 5436, 5916, 5256, 5772, 4980, 5886, 6620},
    {3648, 6120, 3060, 5508, 1620, 1296, 3696, 4176, 4860, 4056, 4608, 3834, 6270},
    {1668, 4404, 1188, 4248, 1464, 1332, 2328, 2808, 3780, 3408, 3924, 1854, 4560},
    {1380, 1968, 960, 1848, 1380, 1308, 2304, 2784, 2460, 3492, 2808, 1566, 2120},
    {3144, 468, 2628, 348, 1512, 1260, 3564, 4044, 1416, 4488, 2280, 3330, 630},
    {5856, 72, 5364, -24, 1284, 1188, 5520, 6000, 948, 5868, 1824, 6042, 225},
    {8448, 684, 7632, 564, 1884, 1224, 7368, 7836, 1536, 7380, 2436, 8634, 840},
    {9984, 3564, 9372, 2328, 1428, 1500, 8544, 9024, 2808, 8112, 3276, 10086, 2390},
    {9516, 4416, 8772, 4212, 1752, 1296, 8172, 8652, 3960, 7812, 4452, 9702, 4730},
    {8004, 5748, 7332, 5412, 1392, 1392, 7008, 7488, 4848, 6864, 4608, 8190, 5900},
}};

// Seat 1's pile of bet chips (left, top); every other seat's has the same shape about its bet.
constexpr std::array<std::array<int, 2>, pile_chips> seat1_pile = {
    {{5856, 4860}, {5675, 5000}, {5675, 5000}, {5700, 5040}, {5676, 4896}, {5808, 5016}}};
constexpr qreal chip_width = 240, chip_height = 168;

const std::array<SeatPlaces, picture_seats> places = [] {
    std::array<SeatPlaces, picture_seats> all{};
    for (int k = 0; k < picture_seats; ++k) {
        const SeatTwips& s = seat_twips[static_cast<std::size_t>(k)];
        SeatPlaces& p = all[static_cast<std::size_t>(k)];
        p.turn_box = QRectF(s.focus_left, s.focus_top, 372, 132);
        p.circle = QRectF(s.circle_left, s.circle_top, s.circle_width, s.circle_height);
        p.name = QRectF(s.plate_centre - 750, s.plate_top, 1500, 216);
        p.bet = QRectF(s.bet_left, s.bet_top, 204, 132);
        p.first_card = QRectF(s.card_right_left, s.card_top, card_width, card_height);
        p.second_card = QRectF(s.card_left_left, s.card_top, card_width, card_height);
        p.dealer_button = QRectF(s.card_right_left + 500, s.card_top + 500, 192, 240);
        for (int i = 0; i < pile_chips; ++i) {
            const auto [left, top] = seat1_pile[static_cast<std::size_t>(i)];
            p.pile[static_cast<std::size_t>(i)] =
                QRectF(left - seat_twips[0].bet_left + s.bet_left,
                       top - seat_twips[0].bet_top + s.bet_top, chip_width, chip_height);
        }
        p.plate_below_cards = k >= 4 && k <= 6;
    }
    return all;
}();

}  // namespace

const SeatPlaces& seat(int seat) {
    return places[static_cast<std::size_t>(seat - 1)];
}

QRectF board_card(int index) {
    return QRectF(4704 + 480 * (index - 1), 3036, card_width, card_height);
}

// The pot's chips stand in rows of eight round the table's centre.
QRectF pot_chip(int i) {
    const int row = i / 8, column = i % 8;
    return QRectF(5400 + column * 112 + (row % 2) * 56, 3850 + row * 100, chip_width, chip_height);
}

ChipLook pile_chip_look(int i) {
    return i == 1 || i == 4 ? ChipLook{QColor(0xFF, 0x80, 0x80), true}
                            : ChipLook{palette::yellow, false};
}

ChipLook pot_chip_look(int i) {
    const QColor colours[] = {palette::orange, palette::yellow, QColor(0x00, 0x00, 0xFF),
                              palette::white};
    return {colours[i % 4], i % 4 == 0 || i % 4 == 2};
}

QRectF button(Intent which) {
    switch (which) {
        // Three rows in the frame, each packed to its right edge in a small window: the quick
        // amounts, then Call (or Check: the two are never offered together) and Raise, then
        // Fold, the amount box and Bet It. The hint line takes what is left of the first two.
        case Intent::half_pot:
            return {9420, 7120, 800, 320};
        case Intent::pot:
            return {10260, 7120, 800, 320};
        case Intent::all_in:
            return {11100, 7120, 980, 320};
        case Intent::call:
        case Intent::check:
            return {9420, 7500, 1260, 400};
        case Intent::raise:
            return {10820, 7500, 1260, 400};
        case Intent::fold:
            return {7900, 7960, 1260, 400};
        case Intent::bet_typed:
            return {11160, 8004, 920, 312};
        case Intent::sit_out:
            return {5520, 7428, 1092, 372};
        case Intent::exit:
            return {5796, 7920, 492, 372};
    }
    return {};
}

}  // namespace holdem::ui::layout
