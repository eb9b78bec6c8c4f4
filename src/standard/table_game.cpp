#include "standard/table_game.h"

#include <algorithm>
#include <cmath>

#include "rules/reading/standard_hand.h"
#include "rules/tournament/field.h"
#include "rules/tournament/limits_clock.h"

namespace holdem::standard {

namespace {

// A fault the chip arithmetic cannot recover from ends the game cleanly instead of crashing it.
template <typename Step>
void ending_on_overflow(Table& t, Step&& step) {
    if (t.ended) return;
    try {
        step();
    } catch (const ChipOverflow&) {
        end_game(t, GameEnd::Overflow);
    }
}

Street street_of(Round round) {
    switch (round) {
        case Round::preflop:
            return Street::preflop;
        case Round::flop:
            return Street::flop;
        case Round::turn:
            return Street::turn;
        default:
            return Street::river;
    }
}

Strength strength_of(const Table& t, int seat) {
    CardMask cards = card_bit(t.deck[deck_pos::first_card(seat)]) |
                     card_bit(t.deck[deck_pos::second_card(seat)]);
    for (int i = 1; i <= 5; ++i)
        cards |= card_bit(t.deck[deck_pos::board(i)]);
    return standard_strength(cards);
}

}  // namespace

TableGame::TableGame(Table& t) : t_(t), computer_(seat_decision) {}

TableGame::~TableGame() = default;

void TableGame::finish_field_round() {
    // Only between hands: the human's table must have paid its hand.
    if (field_ && (!hand_ || settled_)) ending_on_overflow(t_, [&] { field_->end_round(t_); });
}

void TableGame::play_hand_at_once() {
    ending_on_overflow(t_, [&] {
        deal_hand();
        while (hand_ && !settled_ && !t_.ended)
            clock_tick();
    });
}

// A new entrant's style is drawn from the opponents' own stream, apart from the deck's.
void TableGame::draw_style(int seat) {
    t_.seat(seat).style = static_cast<std::int16_t>(
        std::min(styles - 1, static_cast<int>(t_.estimate_random->next() * styles)));
}

void TableGame::start_values() {
    t_.limittimersetting = 1000;
    t_.limits = limits_schedule[0];
    t_.level = 1;
    t_.pot = 0;
    t_.currentbet = 0;
    t_.seat(human_seat).caption = std::string(human_name);
    for (int k = 2; k <= seat_count; ++k)
        t_.seat(k).caption = std::string(starting_names[k - 2]);
    for (int k = 1; k <= seat_count; ++k) {
        t_.seat(k).prize = 1000;
        // The name labels are table facts a saved game checks its names against.
        t_.controls.set_caption(ctl::name_label(k), t_.seat(k).caption);
    }
    t_.chips_brought = seat_count * 1000;
    for (int k = 2; k <= seat_count; ++k)
        draw_style(k);
    show_limits_at_start(t_);
    if (field_) {
        field_->seat_human_table(t_);
        field_->set_level(t_, 1);
    }
    // The button's first seat is drawn; from then on it moves a seat each hand.
    t_.random->reseed();
    t_.dealer_button_seat = static_cast<std::int16_t>(
        std::clamp(1 + static_cast<int>(t_.random->next() * seat_count), 1, seat_count));
    t_.tossdone = 1;
}

void TableGame::start() {
    ending_on_overflow(t_, [&] { start_values(); });
    if (t_.ended) return;
    notify(t_, [&](TableObserver& o) { o.hand_due(t_); });
    ending_on_overflow(t_, [&] { deal_hand(); });
}

void TableGame::resume() {
    // Saved before the first hand was dealt, nothing waits in the clock for it.
    if (!t_.loop.timer_enabled(TimerId::Timer1)) ending_on_overflow(t_, [&] { deal_hand(); });
}

void TableGame::run_until(std::int64_t ms) {
    t_.loop.run_until(ms, *this);
}

bool TableGame::human_to_act() const {
    return human_ && !t_.ended && hand_ && shown_ >= streets_due() && hand_->to_act() == human_seat;
}

void TableGame::timer_due(TimerId timer) {
    if (timer != TimerId::Timer1 || t_.ended) return;
    // The field finishes its hands and moves its players before the moment a game is saved.
    if (field_) ending_on_overflow(t_, [&] { field_->end_round(t_); });
    if (!t_.ended) notify(t_, [&](TableObserver& o) { o.hand_due(t_); });
}

void TableGame::timer_tick(TimerId timer) {
    ending_on_overflow(t_, [&] {
        if (timer == TimerId::Timer1) {
            t_.loop.set_timer_enabled(TimerId::Timer1, false);
            deal_hand();
        } else {
            clock_tick();
            // A structure's blinds rise by the hands of the human's table, not on the clock.
            if (!field_) limits_clock_tick(t_);
        }
    });
}

// Between hands the field moves on and the button goes to the next seat with chips; then the
// deck is shuffled from the table's stream and the blinds go in.
void TableGame::deal_hand() {
    if (field_) {
        // A save taken up between hands has nothing waiting; a live table ended its round at
        // the deal timer, so this finds nothing to do.
        field_->end_round(t_);
        if (t_.ended) return;
    } else if (human_ && t_.hands_started > 0) {
        std::array<std::string, seat_count + 1> before;
        for (int k = 2; k <= seat_count; ++k)
            before[static_cast<std::size_t>(k)] = t_.seat(k).caption;
        field_step(t_);
        if (t_.ended) return;
        for (int k = 2; k <= seat_count; ++k)
            if (t_.seat(k).caption != before[static_cast<std::size_t>(k)]) draw_style(k);
    }
    reads_ = {};
    settled_.reset();
    shown_ = 0;
    faced_up_ = false;
    auto in_play = [&](int k) { return t_.seat(k).Active && t_.seat(k).prize > 0; };
    if (t_.hands_started > 0 || !in_play(t_.dealer_button_seat)) {
        int button = t_.dealer_button_seat;
        do
            button = seat_after(button);
        while (!in_play(button));
        t_.dealer_button_seat = static_cast<std::int16_t>(button);
    }
    t_.random->reseed();
    std::array<CardCode, 52> cards;
    for (int i = 0; i < 52; ++i)
        cards[static_cast<std::size_t>(i)] = static_cast<CardCode>(i + 1);
    for (int i = 51; i > 0; --i) {
        const int j = std::min(i, static_cast<int>(t_.random->next() * static_cast<float>(i + 1)));
        std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(j)]);
    }
    std::copy_n(cards.begin(), t_.deck.size(), t_.deck.begin());
    std::vector<SeatStart> starts;
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t_.seat(k);
        p.cardone = t_.deck[deck_pos::first_card(k)];
        p.cardtwo = t_.deck[deck_pos::second_card(k)];
        p.cardtext1 = card_text(p.cardone);
        p.cardtext2 = card_text(p.cardtwo);
        p.dealer = static_cast<std::int16_t>(place_from_dealer(k, t_.dealer_button_seat));
        p.fold = !in_play(k);
        p.allin = false;
        p.bet = p.totalbet = 0;
        p.handvalue.clear();
        if (in_play(k)) starts.push_back({k, p.prize, p.sittingout});
    }
    ++t_.hands_started;
    if (field_)
        field_->set_level(t_, t_.hands_started);
    else if (human_ && t_.options.levels == Levels::by_hands)
        level_by_hands(t_);
    t_.gameover = false;
    t_.postflop1 = t_.postflop2 = t_.postflop3 = false;
    t_.postblinds = true;
    t_.pot = t_.currentbet = 0;
    const Chips ante = field_ || !human_ ? t_.ante : 0;
    hand_ = std::make_unique<HandState>(starts, t_.dealer_button_seat, t_.limits,
                                        checked_mul(t_.limits, 2), ante);
    if (field_) field_->begin_round();
    update_pace(t_);
    t_.loop.set_timer_enabled(TimerId::roundtimer, true);
    notify(t_, [&](TableObserver& o) { o.hand_started(t_); });
    if (hand_->ante() > 0) {
        const int seat = hand_->big_blind_seat();
        Player& p = t_.seat(seat);
        p.prize = hand_->stack(seat) + hand_->put_in(seat);
        p.allin = p.prize == 0;
        t_.pot += hand_->ante();
        notify(t_, [&](TableObserver& o) { o.ante_posted(t_, seat, hand_->ante()); });
    }
    for (int seat : {hand_->small_blind_seat(), hand_->big_blind_seat()}) {
        Player& p = t_.seat(seat);
        p.bet = hand_->put_in(seat);
        p.totalbet = p.bet;
        p.prize = hand_->stack(seat);
        p.allin = p.prize == 0;
        t_.pot += p.bet;
        t_.currentbet = std::max(t_.currentbet, p.bet);
        const bool big = seat == hand_->big_blind_seat();
        notify(t_, [&](TableObserver& o) { o.blind_posted(t_, seat, p.bet, big); });
    }
    mirror_hand();
    after_betting_moves();  // the blinds alone may have put every seat but one all in
}

// What follows a move (or the blinds) at once: the sitting-out seats folded at their turns are
// told, and once the betting is over the uncalled bet goes back and all-in hands are turned up.
void TableGame::after_betting_moves() {
    tell_folded_out();
    give_back_uncalled();
    face_up_all_in();
}

void TableGame::tell_folded_out() {
    for (const auto& [seat, round] : hand_->take_folded_out()) {
        ActionEvent e;
        e.seat = seat;
        e.street = street_of(round);
        e.action = Action::fold;
        e.bet_before = t_.currentbet;
        e.total = t_.seat(seat).totalbet;
        t_.seat(seat).bet = 0;
        t_.seat(seat).fold = true;
        notify(t_, [&](TableObserver& o) { o.action_taken(t_, e); });
    }
}

// Once a seat still in is all in and nobody can bet, every hand is shown before the board runs
// out, as the big live events turn them up.
void TableGame::face_up_all_in() {
    if (faced_up_ || hand_->round() != Round::showdown || !hand_->face_up() || shown_ >= 5) return;
    faced_up_ = true;
    std::vector<int> seats;
    for (int step = 1; step <= seat_count; ++step) {
        const int seat = seat_after(t_.dealer_button_seat, step);
        // Every seat still in, a big blind all in for its ante alone and a small blind whose
        // uncalled blind went back to it included.
        if (t_.seat(seat).Active && !hand_->folded(seat)) seats.push_back(seat);
    }
    notify(t_, [&](TableObserver& o) { o.hands_faced_up(t_, seats); });
}

// The streets the betting has reached: once the hand goes to its showdown every street is.
int TableGame::streets_due() const {
    if (!hand_) return 0;
    switch (hand_->round()) {
        case Round::preflop:
            return 0;
        case Round::flop:
            return 3;
        case Round::turn:
            return 4;
        case Round::river:
        case Round::showdown:
            return 5;
        case Round::over:
            return shown_;
    }
    return 0;
}

// One step of the hand per tick: a street turned up, a computer seat's move, or the pay-out.
void TableGame::clock_tick() {
    if (!hand_ || settled_) return;
    if (shown_ < streets_due()) {
        turn_up_street();
        return;
    }
    if (hand_->round() == Round::showdown || hand_->round() == Round::over) {
        pay_out();
        return;
    }
    const int seat = hand_->to_act();
    if (human_ && seat == human_seat) {
        // The clock rests until the human has moved.
        t_.loop.set_timer_enabled(TimerId::roundtimer, false);
        return;
    }
    if (seat != 0) make_move(seat, computer_(t_, *hand_, reads_));
}

bool TableGame::human_act(Move move, Chips to) {
    if (!human_to_act() || !hand_->allows(move, to)) return false;
    ++t_.inputs_handled;
    ending_on_overflow(t_, [&] { make_move(human_seat, {move, to}); });
    t_.loop.set_timer_enabled(TimerId::roundtimer, true);
    return true;
}

void TableGame::make_move(int seat, Decision d) {
    const Chips bet_before = hand_->current_bet();
    const Chips stack_before = hand_->stack(seat);
    if (before_move_) before_move_(*hand_, seat, d.move, d.to);
    const Street street = street_of(hand_->round());
    if (!hand_->act(d.move, d.to)) {
        // A player that chose what the rules do not allow gives up the hand, or checks when
        // that is free.
        const Move fallback = hand_->legal().can_check ? Move::check : Move::fold;
        d = {fallback, 0};
        hand_->act(fallback);
    }
    if (after_move_) after_move_(*hand_, seat, d.move, d.to);
    read_move(reads_, seat, d.move, street == Street::preflop);
    ActionEvent e;
    e.seat = seat;
    e.street = street;
    e.bet_before = bet_before;
    e.amount = stack_before - hand_->stack(seat);
    e.total = t_.seat(seat).totalbet + e.amount;
    switch (d.move) {
        case Move::fold:
            e.action = Action::fold;
            break;
        case Move::check:
            e.action = Action::check;
            break;
        case Move::call:
            e.action = Action::call;
            break;
        case Move::bet:
            e.action = Action::bet;
            break;
        case Move::raise:
            e.action = Action::raise;
            break;
    }
    if (e.amount > 0 && hand_->stack(seat) == 0) e.action = Action::all_in;
    Player& p = t_.seat(seat);
    p.bet = e.amount;
    p.totalbet = e.total;
    t_.currentbet = std::max(t_.currentbet, e.total);
    mirror_hand();
    if (seat == human_seat) update_pace(t_);
    notify(t_, [&](TableObserver& o) { o.action_taken(t_, e); });
    after_betting_moves();
}

// Once the betting is over, what nobody matched goes back before the rest of the board comes.
void TableGame::give_back_uncalled() {
    if (hand_->round() != Round::showdown) return;
    const std::pair<int, Chips> back = hand_->return_uncalled();
    if (back.second <= 0) return;
    Player& p = t_.seat(back.first);
    p.totalbet = std::max<Chips>(0, p.totalbet - back.second);
    p.bet = std::min(p.bet, p.totalbet);
    t_.currentbet = 0;
    for (int k = 1; k <= seat_count; ++k)
        t_.currentbet = std::max(t_.currentbet, t_.seat(k).totalbet);
    mirror_hand();
    notify(t_, [&](TableObserver& o) { o.uncalled_bet_returned(t_, back.first, back.second); });
}

// The table's facts follow the hand: stacks, this round's bets, folds, the pot, the bet to
// match. A new round starts from nothing in front of the seats.
void TableGame::mirror_hand() {
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t_.seat(k);
        if (!p.Active) {
            p.fold = true;
            continue;
        }
        // A folded seat's stack still counts: a blind it was folded from may come back.
        p.prize = hand_->stack(k);
        if (hand_->folded(k))
            p.fold = true;
        else
            p.allin = p.prize == 0;
    }
    t_.pot = hand_->pot();
}

void TableGame::turn_up_street() {
    const Street street = shown_ == 0 ? Street::flop : shown_ == 3 ? Street::turn : Street::river;
    shown_ = board_cards_shown(street);
    for (int k = 1; k <= seat_count; ++k)
        t_.seat(k).bet = t_.seat(k).totalbet = 0;
    for (SeatReads& read : reads_.seats)
        read.aggressive_now = false;
    reads_.raises_now = 0;
    t_.currentbet = 0;
    (street == Street::flop   ? t_.postflop1
     : street == Street::turn ? t_.postflop2
                              : t_.postflop3) = true;
    notify(t_, [&](TableObserver& o) { o.street_dealt(t_, street); });
}

// The uncalled bet back, the hands shown in order (or mucked), each pot to its winners, and
// the deal timer started for the next hand.
void TableGame::pay_out() {
    const bool shown_down = hand_->round() == Round::showdown;
    std::array<Strength, seat_count + 1> strengths{};
    for (int k = 1; k <= seat_count; ++k)
        if (shown_down && !hand_->folded(k)) strengths[k] = strength_of(t_, k);
    // Only hands that are shown are named: a pot taken unshown names none.
    for (int k = 1; k <= seat_count; ++k)
        if (strengths[k]) t_.seat(k).handvalue = standard_words(strengths[k]);
    // What has not gone back yet: the bet of a hand taken unshown.
    const std::pair<int, Chips> returned = hand_->return_uncalled();
    settled_ = hand_->settle([&](int seat) { return std::uint64_t{strengths[seat]}; });
    const Settlement& s = *settled_;
    t_.gameover = true;
    // The stacks take what comes back and what is won as each is told.
    for (int k = 1; k <= seat_count; ++k)
        t_.seat(k).bet = t_.seat(k).totalbet = 0;
    t_.currentbet = 0;
    if (returned.second > 0) {
        // A folded seat may have its blind's uncalled part back.
        t_.seat(returned.first).prize += returned.second;
        t_.pot -= returned.second;
        notify(t_, [&](TableObserver& o) {
            o.uncalled_bet_returned(t_, returned.first, returned.second);
        });
    }
    if (shown_down) {
        notify(t_, [&](TableObserver& o) { o.showdown_started(t_); });
        for (int seat : s.show_order)
            notify(t_, [&](TableObserver& o) { o.hand_shown(t_, seat); });
        for (int seat : s.mucked)
            notify(t_, [&](TableObserver& o) { o.hand_mucked(t_, seat); });
    }
    std::vector<Chips> amounts;
    for (const Pot& pot : s.pots)
        amounts.push_back(pot.amount);
    t_.pot = 0;
    for (Chips a : amounts)
        t_.pot += a;
    notify(t_, [&](TableObserver& o) { o.pots_counted(t_, amounts); });
    const int pots = static_cast<int>(s.pots.size());
    std::size_t next = 0;
    for (int pot = 0; pot < pots; ++pot) {
        for (std::size_t w = 0; w < s.pot_winners[static_cast<std::size_t>(pot)].size(); ++w) {
            // Named copies, not a structured binding: older compilers do not let lambdas take
            // those.
            const int seat = s.collected[next].first;
            const Chips amount = s.collected[next++].second;
            t_.seat(seat).prize += amount;
            notify(t_, [&](TableObserver& o) {
                o.pot_share_won(t_, seat, amount, pot, pots);
                o.pot_won(t_, seat, amount);
            });
        }
    }
    ++t_.showdowns;
    notify(t_, [&](TableObserver& o) { o.pot_awarded(t_); });
    t_.loop.set_timer_enabled(TimerId::roundtimer, false);
    t_.loop.set_timer_enabled(TimerId::Timer1, true);
}

void TableGame::ask_sit_out(bool out) {
    t_.sitter = out ? 1 : 0;
}

void TableGame::leave() {
    end_game(t_, GameEnd::Exit);
}

Decision seat_decision(Table& t, const HandState& hand, const HandReads& reads) {
    const int seat = hand.to_act();
    std::uint64_t seed =
        t.random->state()[0] ^ (t.hands_started << 20) ^ (static_cast<std::uint64_t>(seat) << 8) ^
        static_cast<std::uint64_t>(hand.pot()) << 32 ^ static_cast<std::uint64_t>(hand.round());
    seed = splitmix64(seed);
    const auto style = style_of(t.seat(seat));
    return player_decision(t, hand, reads, style, t.options.difficulty, seed);
}

}  // namespace holdem::standard
