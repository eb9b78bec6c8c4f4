#include "rules/tournament/field.h"

#include <algorithm>
#include <cmath>

namespace holdem {

namespace {

constexpr std::string_view fragments[] = {
    "poker",      "man",   "boulder", "blonde", "chips",      "bad",    "zzzzzz", "texas", "freak",
    "mad",        "luck",  "loving",  "player", "sloppy",     "winner", "kid",    "bang",  "river",
    "riverbelle", "81500", "zubzub",  "80614",  "california", "south",  "smiling"};

void refill(Table& t, int k, Chips stack) {
    Player& p = t.seat(k);
    const Chips old_stack = p.prize;
    t.chips_brought += std::int64_t{stack} - old_stack;
    p.caption = new_player_name(*t.random);
    p.prize = stack;
    t.controls.set_caption(ctl::name_label(k), p.caption);
    t.controls.set_number(ctl::stack_label(k), p.prize);
    notify(t, [&](TableObserver& o) { o.seat_refilled(t, k, old_stack); });
}

void close_seat(Table& t, int k) {
    t.seat(k).Active = false;
    t.controls.hide(ctl::name_label(k));
    t.controls.hide(ctl::stack_label(k));
    notify(t, [&](TableObserver& o) { o.seat_closed(t, k); });
}

void show_rank(Table& t) {
    t.controls.show(ctl::rank_line);
    t.controls.set_caption(ctl::rank_line, "Your Rank is " + number_text(entrants_left(t)));
}

}  // namespace

Chips grow_field(Table& t) {
    FieldCounts& f = t.field;
    const int batch =
        static_cast<int>(std::floor(static_cast<double>(t.random->next()) * 10.0 + 5.0));
    const int room = std::max(0, field_size - active_seats(t) - f.eliminated);
    const int knocked_out = std::min(batch, room);
    f.eliminated = static_cast<std::int16_t>(f.eliminated + knocked_out);
    f.eliminated_chips = checked_add(f.eliminated_chips, checked_mul(knocked_out, 1000));
    const int divisor = std::max(1, f.eliminated - 3);
    return to_chips(static_cast<double>(f.eliminated_chips) / divisor);
}

std::string_view name_fragment(Random& random) {
    const int i = static_cast<int>(std::floor(static_cast<double>(random.next()) * 25.0 + 1.0));
    return fragments[std::clamp(i, 1, 25) - 1];
}

std::string new_player_name(Random& random) {
    std::string name(name_fragment(random));
    name += ' ';
    name += name_fragment(random);
    name += ' ';
    name += name_fragment(random);
    return name;
}

bool is_player_name(std::string_view name, std::string_view human) {
    if (name == human) return true;
    for (std::string_view start : starting_names)
        if (name == start) return true;
    for (int part = 0; part < 3; ++part) {
        const std::size_t end = part < 2 ? name.find(' ') : name.size();
        if (end == std::string_view::npos) return false;
        const std::string_view piece = name.substr(0, end);
        if (std::find(std::begin(fragments), std::end(fragments), piece) == std::end(fragments))
            return false;
        name.remove_prefix(part < 2 ? end + 1 : end);
    }
    return name.empty();
}

int entrants_left(const Table& t) {
    return field_size - t.field.eliminated;
}

void field_step(Table& t) {
    t.controls.hide(ctl::winnerlabel);
    const Chips stack = grow_field(t);
    show_rank(t);

    Player& human = t.seat(human_seat);
    if (human.prize <= 0) {
        end_game(t, GameEnd::HumanBroke);
        return;
    }

    if (t.field.eliminated < closing_threshold) {
        for (int k = 2; k <= seat_count; ++k) {
            if (t.seat(k).prize < 1) refill(t, k, stack);
            if (static_cast<double>(t.seat(k).prize) < static_cast<double>(stack) / 3.0)
                refill(t, k, stack);
        }
    } else {
        // Nobody is left outside the table to take a broke seat.
        for (int k = 2; k <= seat_count; ++k)
            if (t.seat(k).Active && t.seat(k).prize <= 0) close_seat(t, k);
    }

    if (active_seats(t) == 1) {
        // Every other entrant is out: the human has won the tournament.
        t.field.eliminated = static_cast<std::int16_t>(field_size - 1);
        show_rank(t);
        t.controls.set_caption(ctl::winnerlabel, human.caption + " won the tournament");
        t.controls.show(ctl::winnerlabel);
        end_game(t, GameEnd::TournamentWon);
        return;
    }

    for (int k = 1; k <= seat_count; ++k)
        t.controls.set_number(ctl::stack_label(k), t.seat(k).prize);

    if (t.sitter == 1) {
        human.sittingout = true;
        t.controls.hide(ctl::first_card(human_seat));
        t.controls.hide(ctl::second_card(human_seat));
    } else if (t.sitter == 0) {
        human.sittingout = false;
        t.controls.show(ctl::first_card(human_seat));
        t.controls.show(ctl::second_card(human_seat));
    }
}

void tournament_step(Table& t) {
    field_step(t);
    if (!t.ended) charge_sitting_out_dealer(t);
}

void charge_sitting_out_dealer(Table& t) {
    Player& human = t.seat(human_seat);
    if (human.dealer == 1 && human.sittingout && human.Active) {
        t.seat(2).dealer = 1;
        // The dealer's charge for sitting out: twice the blind unit, never more than he has.
        const Chips charge = std::min(human.prize, checked_mul(2, t.limits));
        human.prize = checked_sub(human.prize, charge);
        t.chips_brought -= charge;
        notify(t, [&](TableObserver& o) { o.sit_out_charged(t, charge); });
        t.controls.set_number(ctl::stack_label(human_seat), human.prize);
        if (human.prize <= 0) {
            t.controls.set_caption(ctl::stack_label(human_seat), "All in");
            human.allin = true;
        }
    }
}

}  // namespace holdem
