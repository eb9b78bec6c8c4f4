#include "model/table.h"

namespace holdem {

Table::Table(std::unique_ptr<Random> random_source, std::unique_ptr<Random> estimates)
    : random(std::move(random_source)),
      estimate_random(estimates ? std::move(estimates) : std::make_unique<SeededRandom>(0xFA1Bu)) {}

std::int16_t& closing_seat(Table& t, Street street) {
    switch (street) {
        case Street::preflop:
            return t.flopshower;
        case Street::flop:
            return t.flopshower1;
        case Street::turn:
            return t.flopshower2;
        case Street::river:
            break;
    }
    return t.flopshower3;
}

bool street_flag(const Table& t, Street street) {
    switch (street) {
        case Street::preflop:
            return t.postblinds;
        case Street::flop:
            return t.postflop1;
        case Street::turn:
            return t.postflop2;
        case Street::river:
            break;
    }
    return t.postflop3;
}

std::optional<Street> current_street(const Table& t) {
    for (auto s = all_streets.rbegin(); s != all_streets.rend(); ++s)
        if (street_flag(t, *s)) return *s;
    return std::nullopt;
}

void update_pace(Table& t) {
    const Player& human = t.seat(human_seat);
    const bool out = human.fold || human.sittingout;
    const PaceTimes times =
        pace_times(t.options.hurry_when_out && out ? Pace::fast : t.options.pace);
    if (t.loop.timer_interval(TimerId::roundtimer) != times.seat_ms)
        t.loop.set_timer_interval(TimerId::roundtimer, times.seat_ms);
    if (t.loop.timer_interval(TimerId::Timer1) != times.showdown_ms)
        t.loop.set_timer_interval(TimerId::Timer1, times.showdown_ms);
}

void end_game(Table& t, GameEnd why) {
    if (t.ended) return;
    t.ended = why;
    t.loop.set_timer_enabled(TimerId::roundtimer, false);
    t.loop.set_timer_enabled(TimerId::Timer1, false);
    notify(t, [&](TableObserver& o) { o.game_ended(t, why); });
    if (t.on_game_end) t.on_game_end(why);
}

void class_set_to_zero(Table& t) {
    t.assessed_deck.reset();
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        p.handrank = 0;
        t.flopvalue.clear();
        p.handvalue.clear();
        p.handnumber = 0;
        p.handvaluetops.clear();
        p.handvaluepair.clear();
        p.handvaluetwok.clear();
        p.handvaluethreek.clear();
        p.handvaluestraight.clear();
        p.handvalueflush.clear();
        p.handvaluefullhouse.clear();
        p.handvaluefourk.clear();
        p.handvaluesflush.clear();
        p.handvaluerflush.clear();
    }
}

void zero_total_bets(Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).bet = 0;
    for (int k = 1; k <= seat_count; ++k)
        t.seat(k).totalbet = 0;
    t.currentbet = 0;
}

int dealer_seat(const Table& t) {
    for (int k = 1; k <= seat_count; ++k)
        if (t.seat(k).dealer == 1) return k;
    return 0;
}

int active_seats(const Table& t) {
    int n = 0;
    for (int k = 1; k <= seat_count; ++k)
        n += t.seat(k).Active;
    return n;
}

}  // namespace holdem
