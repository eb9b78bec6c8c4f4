#include "game/streets.h"

#include "betting/chips.h"

namespace holdem {

namespace {

void turn_up(Table& t, int board_index) {
    ControlId picture = ctl::board_card(board_index);
    t.controls.show(picture);
    t.controls.set_cell(picture, t.deck[deck_pos::board(board_index)]);
}

// The board's cards are turned up again when a raise makes the same seat close an earlier
// street twice; watchers hear of each street once.
void report_street(Table& t, bool first_time, Street street) {
    if (first_time) notify(t, [&](TableObserver& o) { o.street_dealt(t, street); });
}

void sweep_bets(Table& t, int level) {
    chips_to_pot(t, level);
    for (int k = 1; k <= seat_count; ++k)
        chips_player_hide(t, k);
    t.raiservalue = 0;
}

}  // namespace

void show_flop1(Table& t) {
    const bool first_time = !t.postflop1;
    for (int i = 1; i <= 3; ++i)
        turn_up(t, i);
    t.postflop1 = true;
    sweep_bets(t, 1);
    t.controls.hide(ctl::Label(2));
    report_street(t, first_time, Street::flop);
}

void show_flop2(Table& t) {
    const bool first_time = !t.postflop2;
    turn_up(t, 4);
    t.postflop2 = true;
    sweep_bets(t, 2);
    report_street(t, first_time, Street::turn);
}

void show_flop3(Table& t) {
    const bool first_time = !t.postflop3;
    turn_up(t, 5);
    t.postflop3 = true;
    sweep_bets(t, 3);
    report_street(t, first_time, Street::river);
}

void show_hole_cards(Table& t) {
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        if (p.sittingout || !p.Active) continue;
        t.controls.show(ctl::first_card(k));
        t.controls.show(ctl::second_card(k));
    }
}

}  // namespace holdem
