#include "sim/all_in_value.h"

#include <algorithm>
#include <array>

#include "rules/reading/fast_hand.h"
#include "standard/opponents/hand_classes.h"
#include "standard/opponents/push_fold.h"

namespace holdem::sim {

using namespace holdem::standard;

namespace {

CardCode any_card(std::uint64_t& dead, Draws& draws) {
    for (;;) {
        const auto c = static_cast<CardCode>(1 + draws.below(52));
        if (!(dead & code_bit(c))) {
            dead |= code_bit(c);
            return c;
        }
    }
}

std::array<CardCode, 2> cards_from(const PreflopRange& range, std::uint64_t& dead, Draws& draws) {
    const bool whole = range.from <= 0.0 && range.to >= 1.0;
    const bool scattered =
        range.scattered > 0.0 &&
        static_cast<double>(draws.below(1 << 20)) < range.scattered * static_cast<double>(1 << 20);
    if (!whole && !scattered) {
        const int first = static_cast<int>(range.from * 1326);
        const int places = std::max(1, static_cast<int>((range.to - range.from) * 1326));
        for (int tries = 0; tries < 16; ++tries) {
            const std::array<CardCode, 2> c =
                cards_of_class(hand_class_at(first + draws.below(places)), dead, draws);
            if (c[0]) {
                dead |= code_bit(c[0]) | code_bit(c[1]);
                return c;
            }
        }
    }
    const CardCode a = any_card(dead, draws);
    return {a, any_card(dead, draws)};
}

}  // namespace

// The starting hands a seat holds after what it did before the flop, as its style plays: a
// short stack's push by the push-or-fold ranges, an open raise, a re-raise, a call of a raise,
// a limp, or nothing yet.
PreflopRange preflop_range_of(const Table& t, const HandState& hand, const HandReads& reads,
                              int seat) {
    const SeatReads& r = reads.seats[static_cast<std::size_t>(seat)];
    const Chips bb = std::max<Chips>(1, 2 * t.limits);
    if (!r.raised_preflop && !r.called_preflop) return {};
    const auto style = style_of(t.seat(seat));
    const Difficulty difficulty = t.options.difficulty;
    const double position = dealt_position(t, hand, seat);
    if (r.raised_preflop) {
        const Chips total = hand.put_in(seat) + hand.stack(seat);
        const int stack_bb = static_cast<int>(total / bb);
        if (hand.all_in(seat) && stack_bb <= push_fold_stacks)
            return {0.0, std::max(0.03, push_share(std::max(1, stack_bb), 5)), 0.0};
        if (seat == reads.preflop_raiser) {
            const int faced = reads.raises_now - 1;
            return preflop_range(style, difficulty,
                                 faced == 0 ? PreflopMove::open_raise : PreflopMove::reraise, faced,
                                 position);
        }
        // Raised, was raised again, and called it: the hands that call a re-raise.
        if (r.called_preflop)
            return preflop_range(style, difficulty, PreflopMove::call_raise, 2, position);
        return preflop_range(style, difficulty, PreflopMove::open_raise, 0, position);
    }
    return preflop_range(style, difficulty,
                         hand.put_in(seat) > bb ? PreflopMove::call_raise : PreflopMove::limp, 1,
                         position);
}

double all_in_worth(Table& t, const HandState& hand, const HandReads& reads, Decision move,
                    const StackWorth& worth, int deals, std::uint64_t seed) {
    const int me = hand.to_act();
    Draws draws{seed};
    std::array<std::array<CardCode, 2>, seat_count + 1> kept{}, held{};
    std::array<PreflopRange, seat_count + 1> ranges{};
    for (int k = 1; k <= seat_count; ++k) {
        kept[static_cast<std::size_t>(k)] = {t.seat(k).cardone, t.seat(k).cardtwo};
        ranges[static_cast<std::size_t>(k)] = preflop_range_of(t, hand, reads, k);
    }
    const fast_hand::Tables& tables = fast_hand::tables();
    double total = 0;
    for (int deal = 0; deal < deals; ++deal) {
        std::uint64_t dead = code_bit(t.seat(me).cardone) | code_bit(t.seat(me).cardtwo);
        held[static_cast<std::size_t>(me)] = kept[static_cast<std::size_t>(me)];
        for (int k = 1; k <= seat_count; ++k) {
            if (k == me || !t.seat(k).Active || hand.folded(k)) continue;
            held[static_cast<std::size_t>(k)] =
                cards_from(ranges[static_cast<std::size_t>(k)], dead, draws);
            t.seat(k).cardone = held[static_cast<std::size_t>(k)][0];
            t.seat(k).cardtwo = held[static_cast<std::size_t>(k)][1];
        }
        HandState h = hand;
        HandReads r = reads;
        h.act(move.move, move.to);
        read_move(r, me, move.move, true);
        // The seats behind answer as they play; whoever is left after the flop checks it down.
        for (int moves = 0; h.to_act() != 0 && moves < 64; ++moves) {
            const int seat = h.to_act();
            const Legal l = h.legal();
            Decision d{l.can_check ? Move::check : Move::call, 0};
            if (h.round() == Round::preflop && seat != me) {
                const auto style = style_of(t.seat(seat));
                d = player_decision(t, h, r, style, t.options.difficulty, draws.next());
            }
            if (!h.act(d.move, d.to)) {
                d = {l.can_check ? Move::check : Move::fold, 0};
                h.act(d.move);
            }
            if (h.round() == Round::preflop) read_move(r, seat, d.move, true);
        }
        HandKey board;
        for (int i = 0; i < 5; ++i)
            board = with_card(board, any_card(dead, draws));
        h.settle([&](int seat) {
            const auto& c = held[static_cast<std::size_t>(seat)];
            return fast_strength(with_card(with_card(board, c[0]), c[1]), tables);
        });
        total += worth(static_cast<double>(h.stack(me)));
    }
    for (int k = 1; k <= seat_count; ++k) {
        t.seat(k).cardone = kept[static_cast<std::size_t>(k)][0];
        t.seat(k).cardtwo = kept[static_cast<std::size_t>(k)][1];
    }
    return total / deals;
}

}  // namespace holdem::sim
