#include "cycle/dealer.h"

#include "cycle/dealing.h"

namespace holdem {

void set_dealer_positions(Table& t, int dealer_seat) {
    for (int j = 1; j <= seat_count; ++j)
        t.seat(j).dealer = static_cast<std::int16_t>(place_from_dealer(j, dealer_seat));
}

void place_dealer_button(Table& t, int beside_seat) {
    t.dealer_button_seat = static_cast<std::int16_t>(beside_seat);
    t.controls.show(ctl::dealer_button);
}

void toss(Table& t) {
    dealfirst(t);
    t.assessed_deck.reset();  // the toss cards' texts replace the hand's
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        p.cardone = t.deck[deck_pos::first_card(k)];
        t.controls.set_cell(ctl::first_card(k), p.cardone);
    }
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).cardtext1 = convert2card(t.seat(k).cardone);
    for (int k = 1; k <= seat_count; ++k) {
        bool highest = true;
        for (int j = 1; j <= seat_count; ++j)
            if (j != k && t.seat(k).cardone <= t.seat(j).cardone) highest = false;
        if (!highest) continue;
        set_dealer_positions(t, k);
        place_dealer_button(t, k);
    }
    t.controls.show(ctl::dealer_button);
    t.tossdone = 1;
}

void next_dealer(Table& t) {
    const int dealer = dealer_seat(t);
    if (!dealer) return;
    {
        const int next = seat_after(dealer);
        set_dealer_positions(t, next);
        // A sitting-out human's cards are hidden, so the button waits by seat 2's.
        const bool beside_seat2 = next == human_seat && t.seat(human_seat).sittingout;
        place_dealer_button(t, beside_seat2 ? 2 : next);
    }
    t.postblinds = false;
}

void blinds_bet(Table& t) {
    if (const int dealer = dealer_seat(t)) t.loop.set_focus(ctl::focus_box(seat_after(dealer)));
}

}  // namespace holdem
