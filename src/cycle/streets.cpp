#include "cycle/streets.h"

#include "rules/betting/chips.h"

namespace holdem {

namespace {

bool& dealt(Table& t, Street street) {
    switch (street) {
        case Street::flop:
            return t.postflop1;
        case Street::turn:
            return t.postflop2;
        case Street::river:
            return t.postflop3;
        case Street::preflop:
            break;
    }
    return t.postblinds;
}

// Turns up the street's new board cards, marks it dealt, sweeps the round's bets into the pot's
// chips and resets the round's raise count. A raise that moved every closing seat can run an
// earlier street's outcome again: the same cards are turned up once more, and watchers hear of
// each street only the first time.
void deal_street(Table& t, Street street) {
    const bool first_time = !dealt(t, street);
    const Street before = static_cast<Street>(static_cast<int>(street) - 1);
    for (int i = board_cards_shown(before) + 1; i <= board_cards_shown(street); ++i) {
        const ControlId picture = ctl::board_card(i);
        t.controls.show(picture);
        t.controls.set_cell(picture, t.deck[deck_pos::board(i)]);
    }
    dealt(t, street) = true;
    chips_to_pot(t, street);  // which also puts every seat's pile away
    t.raiservalue = 0;
    if (street == Street::flop) t.controls.hide(ctl::rank_line);
    if (first_time) notify(t, [&](TableObserver& o) { o.street_dealt(t, street); });
}

}  // namespace

void show_flop1(Table& t) {
    deal_street(t, Street::flop);
}

void show_flop2(Table& t) {
    deal_street(t, Street::turn);
}

void show_flop3(Table& t) {
    deal_street(t, Street::river);
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
