#include "rules/betting/chips.h"

namespace holdem {

void chips_player_show(Table& t, Chips chipbet, int whichplayer) {
    if (whichplayer < 1 || whichplayer > seat_count) return;
    const int k = whichplayer;
    Controls& c = t.controls;
    c.set_number(ctl::chiplabel(k), chipbet);
    for (int i = ctl::pile_size - 1; i >= 0; --i)
        c.show(ctl::pile_chip(k, i));
    c.show(ctl::chiplabel(k));
}

void chips_player_hide(Table& t, int whichplayer) {
    if (whichplayer < 1 || whichplayer > seat_count) return;
    const int k = whichplayer;
    for (int i = ctl::pile_size - 1; i >= 0; --i)
        t.controls.hide(ctl::pile_chip(k, i));
    t.controls.hide(ctl::chiplabel(k));
}

void chips_to_pot(Table& t, Street street) {
    for (int k = 1; k <= seat_count; ++k)
        chips_player_hide(t, k);
    // Each street adds its band of the pot's chips; earlier bands stay.
    struct Band {
        int first, last;
    };
    constexpr Band bands[] = {{0, -1}, {60, 75}, {76, 83}, {84, ctl::last_pot_chip}};
    const Band band = bands[static_cast<int>(street)];
    if (band.first > band.last) return;
    for (int i = band.first; i <= band.last; ++i)
        t.controls.show(ctl::backchips(i));
    t.controls.show(ctl::potlabel);
}

}  // namespace holdem
