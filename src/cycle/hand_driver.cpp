#include "cycle/hand_driver.h"

#include "cycle/dealer.h"
#include "cycle/dealing.h"
#include "cycle/human_actions.h"
#include "cycle/streets.h"
#include "cycle/turns.h"
#include "rules/betting/chips.h"
#include "rules/reading/standings.h"
#include "rules/tournament/field.h"
#include "rules/tournament/limits_clock.h"

namespace holdem {

void Form_Load(Table& t) {
    t.limittimersetting = 1000;
    t.backside = card_grid::back_peach;
    t.tossdone = 0;
    t.limits = 10;
    t.pot = 0;
    t.postblinds = t.postflop1 = t.postflop2 = t.postflop3 = false;
    t.currentbet = 0;
    t.gameover = false;
    t.raiservalue = 0;
    t.numberofwinners = 0;
    t.level = 1;

    t.seat(human_seat).caption = std::string(human_name);
    for (int k = 2; k <= seat_count; ++k)
        t.seat(k).caption = std::string(starting_names[k - 2]);
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).prize = 1000;
    t.chips_brought = seat_count * 1000;
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).bet = 0;
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).totalbet = 0;
    t.flopshower = t.flopshower1 = t.flopshower2 = t.flopshower3 = 0;
    class_set_to_zero(t);

    show_limits_at_start(t);

    for (int k = 1; k <= seat_count; ++k) {
        t.controls.set_number(ctl::stack_label(k), t.seat(k).prize);
        t.controls.set_caption(ctl::name_label(k), t.seat(k).caption);
    }
    class_set_to_zero(t);
    first_game(t);
}

void first_game(Table& t) {
    t.controls.set_caption(ctl::winnerlabel, " ");
    t.currentbet = 0;
    t.small_blind_turn_taken = false;
    clear_table(t);
    // A deck is drawn before the toss and thrown away; the toss draws its own, and the first
    // hand plays a third. Each draw reseeds, so every one moves the random stream on.
    throw_away_deck(t);
    if (t.tossdone == 0) toss(t);
    dealfirst(t);
    ++t.hands_started;
    if (t.options.levels == Levels::by_hands) level_by_hands(t);
    update_pace(t);
    notify(t, [&](TableObserver& o) { o.hand_started(t); });
    blinds_bet(t);
}

void Command1_Click(Table& t) {
    t.loop.set_timer_enabled(TimerId::Timer1, true);
}

void Timer1_Timer(Table& t) {
    clear_table(t);
    new_deal(t);
}

void clear_table(Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        chips_player_hide(t, k);
    for (int k = 1; k <= seat_count; ++k) {
        t.controls.show(ctl::first_card(k));
        t.controls.show(ctl::second_card(k));
    }
    for (int i = 1; i <= board_cards_shown(Street::river); ++i)
        t.controls.hide(ctl::board_card(i));
}

void new_deal(Table& t) {
    tournament_step(t);
    if (t.ended) return;

    t.controls.set_caption(ctl::winnerlabel, " ");
    t.numberofwinners = 0;
    t.raiservalue = 0;
    t.currentbet = 0;
    zero_total_bets(t);
    remove_folds(t);
    t.pot = 0;
    t.flopshower = t.flopshower1 = t.flopshower2 = t.flopshower3 = 0;
    t.gameover = false;
    t.postblinds = t.postflop1 = t.postflop2 = t.postflop3 = false;
    t.small_blind_turn_taken = false;
    t.human_turn_waiting = false;
    update_pace(t);
    bet_panel_hide(t);
    t.loop.set_timer_enabled(TimerId::Timer1, false);
    Command4_Click(t);
    // Two decks are drawn and the first thrown away; the second is the hand's.
    throw_away_deck(t);
    dealfirst(t);
    next_dealer(t);
    // Handing out the cards assesses them, and the big blind hands the same cards out and
    // assesses them again. The restart would assess them once more right here; an assessment of
    // unchanged cards leaves every result as it found it, so that run is not repeated.
    distribute_cards_for_10(t);
    show_hole_cards(t);
    ++t.hands_started;
    if (t.options.levels == Levels::by_hands) level_by_hands(t);
    notify(t, [&](TableObserver& o) { o.hand_started(t); });
    blinds_bet(t);
}

}  // namespace holdem
