#include "betting/chips.h"

namespace holdem {

void chips_player_show(Table& t, Chips chipbet, int whichplayer) {
    if (whichplayer < 1 || whichplayer > seat_count) return;
    const int k = whichplayer;
    Controls& c = t.controls;
    c.set_caption(ctl::chiplabel(k), number_text(chipbet));
    if (k == human_seat) {
        for (int i = 0; i < 6; ++i) {
            c[ctl::backchips(i)].top = seat1_chip_home[i][0];
            c[ctl::backchips(i)].left = seat1_chip_home[i][1];
        }
    }
    for (int i = 6 * k - 1; i >= 6 * k - 6; --i)
        c.show(ctl::backchips(i));
    c.show(ctl::chiplabel(k));
}

void chips_player_hide(Table& t, int whichplayer) {
    if (whichplayer < 1 || whichplayer > seat_count) return;
    const int k = whichplayer;
    for (int i = 6 * k - 1; i >= 6 * k - 6; --i)
        t.controls.hide(ctl::backchips(i));
    t.controls.hide(ctl::chiplabel(k));
}

void chips_to_pot(Table& t, int whichlevel) {
    for (int k = 1; k <= seat_count; ++k)
        chips_player_hide(t, k);
    int first = 0, last = -1;
    switch (whichlevel) {
        case 1:
            first = 60, last = 75;
            break;
        case 2:
            first = 76, last = 83;
            break;
        case 3:
            first = 84, last = 90;
            break;
        default:
            return;
    }
    for (int i = first; i <= last; ++i)
        t.controls.show(ctl::backchips(i));
    t.controls.show(ctl::potlabel);
}

}  // namespace holdem
