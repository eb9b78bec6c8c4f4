#include "standard/opponents/player.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "standard/opponents/equity.h"
#include "standard/opponents/hand_classes.h"
#include "standard/opponents/preflop_equity.h"
#include "standard/opponents/prize_pressure.h"
#include "standard/opponents/push_fold.h"

namespace holdem::standard {

namespace {

// How a style plays: the share of hands it plays and raises before the flop (from a middle
// seat), the equity it bets for value and raises with after the flop, how often it follows a
// raise before the flop with a bet on the flop, semi-bluffs and bluffs, and how much less than
// the price it calls with.
struct Traits {
    double vpip, pfr, value, raise, cbet, semi_bluff, bluff, call_discount;
};
constexpr Traits traits_of[styles] = {
    {0.14, 0.05, 0.70, 0.86, 0.35, 0.10, 0.03, 0.00},  // tight-passive
    {0.18, 0.14, 0.60, 0.78, 0.70, 0.35, 0.10, 0.00},  // tight-aggressive
    {0.38, 0.07, 0.66, 0.84, 0.30, 0.10, 0.04, 0.12},  // loose-passive
    {0.32, 0.24, 0.55, 0.72, 0.80, 0.45, 0.18, 0.05},  // loose-aggressive
};

double unit(Draws& draws) {
    return static_cast<double>(draws.next() >> 11) * (1.0 / 9007199254740992.0);
}

// Seats still in the hand with chips that come after `seat`, up to and including `last`;
// none when `seat` is `last`.
int still_in_after(const Table& t, const HandState& hand, int seat, int last) {
    int count = 0;
    for (int k = seat; k != last;) {
        k = seat_after(k);
        if (k == seat) break;
        if (!hand.folded(k) && hand.stack(k) > 0 && t.seat(k).Active) ++count;
    }
    return count;
}

// Seats still in that act after `seat` on this street, up to the button: none for the button,
// which acts last after the flop and is the last seat to open before the blinds.
int seats_behind(const Table& t, const HandState& hand, int seat) {
    return still_in_after(t, hand, seat, hand.button());
}

// The seats still in that act after `seat` before the flop, the blinds included: the seats a
// push must get through, as the push-or-fold table counts them.
int push_behind(const Table& t, const HandState& hand, int seat) {
    return still_in_after(t, hand, seat, hand.big_blind_seat());
}

// The seats dealt in that act after `seat` before the flop: those after it to the button,
// and the blinds when it is not one of them. A raise with many behind is made with less.
int dealt_behind(const Table& t, const HandState& hand, int seat) {
    int behind = 0;
    if (seat != hand.button() && seat != hand.small_blind_seat() && seat != hand.big_blind_seat())
        for (int k = seat_after(seat);; k = seat_after(k)) {
            if (t.seat(k).Active && hand.put_in(k) + hand.stack(k) > 0) ++behind;
            if (k == hand.button()) break;
        }
    if (seat != hand.small_blind_seat() && seat != hand.big_blind_seat())
        behind += 2;
    else if (seat == hand.small_blind_seat())
        behind += 1;
    return behind;
}

// How much wider a seat plays for where it sits: the button and the seat before it see most of
// the betting, the first seats least.
double position_for(int behind) {
    return behind <= 1 ? 1.45 : behind == 2 ? 1.2 : behind >= 6 ? 0.7 : 0.9;
}
double position_factor(const Table& t, const HandState& hand, int seat, bool before_flop) {
    if (before_flop && (seat == hand.small_blind_seat() || seat == hand.big_blind_seat()))
        return 1.0;
    return position_for(seats_behind(t, hand, seat));
}

// The share of the best hands that call off a stack facing a raise, whatever the price.
double calls_off_share(Difficulty difficulty) {
    return difficulty == Difficulty::hard ? 0.02 : 0.03;
}
// Facing `raises` raises, the parts of the hands a seat raises and plays with that re-raise
// and that call: fewer against a re-raise; a cheap call is made more widely.
double reraise_part(int raises) {
    return raises >= 2 ? 0.12 : 0.3;
}
double call_part(int raises) {
    return raises >= 2 ? 0.2 : 0.45;
}
constexpr double cheap_call_widening = 1.6;

Decision bet_to(const HandState& hand, const Legal& l, Chips to) {
    to = std::clamp(to, l.min_to, l.max_to);
    // A bet of most of the stack is made all in.
    if (to * 5 >= l.max_to * 4) to = l.max_to;
    return {hand.current_bet() ? Move::raise : Move::bet, to};
}

Decision check_or_fold(const Legal& l) {
    return {l.can_check ? Move::check : Move::fold, 0};
}

}  // namespace

LikelyRange likely_range(const SeatReads& r, bool big_blind, bool after_flop,
                         Difficulty difficulty) {
    if (difficulty == Difficulty::easy) return {};  // an easy player reads nothing
    LikelyRange range;
    range.share = r.raised_preflop ? 0.16 : r.called_preflop ? 0.40 : big_blind ? 1.0 : 0.6;
    // Before the flop a raise narrows the starting hands; after it each bet and raise is made
    // with what stands up on the board, more so as a hard player reads it.
    const int acts = std::min(r.aggressive_after_flop, 2) + (r.aggressive_now ? 1 : 0);
    if (!after_flop) {
        if (r.aggressive_now) range.share *= difficulty == Difficulty::hard ? 0.5 : 0.7;
    } else {
        range.strongest_of = 1 + acts * (difficulty == Difficulty::hard ? 2 : 1);
    }
    range.share = std::max(range.share, 0.03);
    return range;
}

std::vector<CardCode> board_turned_up(const Table& t) {
    const int shown = t.postflop3 ? 5 : t.postflop2 ? 4 : t.postflop1 ? 3 : 0;
    std::vector<CardCode> board;
    for (int i = 1; i <= shown; ++i)
        board.push_back(t.deck[deck_pos::board(i)]);
    return board;
}

std::vector<LikelyRange> likely_ranges(const Table& t, const HandState& hand,
                                       const HandReads& reads, int seat, Difficulty difficulty) {
    std::vector<LikelyRange> ranges;
    for (int k = 1; k <= seat_count; ++k)
        if (k != seat && t.seat(k).Active && !hand.folded(k))
            ranges.push_back(likely_range(reads.seats[static_cast<std::size_t>(k)],
                                          k == hand.big_blind_seat(),
                                          hand.round() != Round::preflop, difficulty));
    return ranges;
}

double dealt_position(const Table& t, const HandState& hand, int seat) {
    if (seat == hand.small_blind_seat() || seat == hand.big_blind_seat()) return 1.0;
    // The seats dealt in after `seat` up to the button: none for the button itself.
    int behind = 0;
    for (int k = seat; k != hand.button();) {
        k = seat_after(k);
        if (t.seat(k).Active && hand.put_in(k) + hand.stack(k) > 0) ++behind;
    }
    return position_for(behind);
}

PreflopRange preflop_range(Style style, Difficulty difficulty, PreflopMove move, int raises_faced,
                           double position) {
    const Traits& tr = traits_of[static_cast<int>(style)];
    const bool easy = difficulty == Difficulty::easy;
    const double pos = easy ? 1.0 : position;
    // The same shares as `before_flop` plays them, the price of a raise taken as small.
    const double plays = std::min(1.0, tr.vpip * pos * (easy ? 1.5 : 1.0));
    const double raises = std::min(1.0, tr.pfr * pos);
    const bool raise_or_fold = tr.pfr >= 0.1 && !easy;
    const double reraises = raises * reraise_part(raises_faced);
    const double calls = std::max(
        plays * (call_part(raises_faced) * (raises_faced >= 2 ? 1.0 : cheap_call_widening)),
        calls_off_share(difficulty));
    switch (move) {
        case PreflopMove::open_raise:
            return {0.0, raise_or_fold ? plays : raises, 0.0};
        case PreflopMove::limp:
            return {std::min(raises, plays), plays, 0.0};
        case PreflopMove::reraise: {
            // The occasional re-raise of the aggressive from late on, with any hand.
            const double bluffs = tr.bluff > 0.1 && pos > 1.2 && raises_faced == 1
                                      ? tr.bluff * 0.3 * std::max(0.0, 1.0 - calls)
                                      : 0.0;
            const double top = std::max(reraises, 0.015);
            return {0.0, top, bluffs / (top + bluffs)};
        }
        case PreflopMove::call_raise:
            return {std::min(reraises, calls), calls, 0.0};
    }
    return {};
}

namespace {

Decision before_flop(const Table& t, const HandState& hand, const HandReads& reads,
                     const Traits& tr, Difficulty difficulty, Draws& draws) {
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const Chips bb = 2 * t.limits;
    const Player& p = t.seat(me);
    const double percentile = hand_percentile(hand_class(p.cardone, p.cardtwo));
    const double pos = difficulty == Difficulty::easy ? 1.0 : position_factor(t, hand, me, true);
    // The stack that matters is the smaller of mine and the biggest other still in.
    Chips biggest_other = 0;
    for (int k = 1; k <= seat_count; ++k)
        if (k != me && !hand.folded(k))
            biggest_other = std::max(biggest_other, hand.stack(k) + hand.round_bet(k));
    const Chips effective = std::min(hand.stack(me) + hand.round_bet(me), biggest_other);
    const int stack_bb = static_cast<int>(effective / std::max<Chips>(1, bb));
    const bool raised = hand.current_bet() > bb;
    // Near the money and at the final table a stack risked is worth more than the chips.
    const double pressure = prize_pressure(t, hand, me, difficulty);
    const double tighter = std::max(0.3, 1.0 - 3.0 * pressure);

    if (stack_bb <= push_fold_stacks) {
        if (!raised) {
            const int behind = std::max(1, push_behind(t, hand, me));
            const double pushes = push_share(std::max(1, stack_bb), behind) *
                                  (difficulty == Difficulty::easy ? 1.3 : 1.0) *
                                  std::max(0.5, 1.0 - 2.0 * pressure);
            if (percentile <= pushes && l.can_raise) return bet_to(hand, l, l.max_to);
            return check_or_fold(l);
        }
        // A call that risks most of the stack is a call for the tournament: unless the blinds
        // are about to take the stack anyway, it wants more than the price (not the easy ones).
        const bool for_life = l.to_call * 2 >= hand.stack(me) && stack_bb >= 4;
        const double risk = (for_life && difficulty != Difficulty::easy ? 0.08 : 0.0) + pressure;
        // Several seats in already: the price against the equity with that many hands out,
        // marked down for the raise.
        int in_already = 0;
        for (int k = 1; k <= seat_count; ++k)
            if (k != me && !hand.folded(k) && hand.round_bet(k) > 0 &&
                k != hand.small_blind_seat() && k != hand.big_blind_seat())
                ++in_already;
        if (in_already >= 2) {
            int opponents = 0;
            for (int k = 1; k <= seat_count; ++k)
                if (k != me && !hand.folded(k)) ++opponents;
            const double equity =
                preflop_equity(hand_class(p.cardone, p.cardtwo), opponents) * 0.85;
            const double price =
                static_cast<double>(l.to_call) / static_cast<double>(hand.pot() + l.to_call);
            if (equity >= price + risk && l.can_call) return {Move::call, 0};
            return check_or_fold(l);
        }
        // Facing a raise: call it (or push over it) with the hands that beat the range the
        // raiser pushes from its seat (a raise from early on is stronger than one from late).
        const int from_stack = static_cast<int>(std::min<Chips>(hand.current_bet(), effective) /
                                                std::max<Chips>(1, bb));
        const int raiser = reads.preflop_raiser ? reads.preflop_raiser : hand.big_blind_seat();
        const double calls =
            call_share(std::max(1, from_stack), std::max(1, dealt_behind(t, hand, raiser))) *
            (difficulty == Difficulty::easy ? 1.6
             : for_life                     ? 0.6
                                            : 1.0) *
            tighter;
        if (percentile <= calls) {
            if (l.can_raise && percentile <= calls * 0.5) return bet_to(hand, l, l.max_to);
            return l.can_call ? Decision{Move::call, 0} : check_or_fold(l);
        }
        return check_or_fold(l);
    }

    const double plays =
        std::min(1.0, tr.vpip * pos * (difficulty == Difficulty::easy ? 1.5 : 1.0));
    const double raises = std::min(1.0, tr.pfr * pos);
    if (!raised) {
        int limpers = 0;
        for (int k = 1; k <= seat_count; ++k)
            if (k != me && k != hand.big_blind_seat() && hand.round_bet(k) >= bb) ++limpers;
        if (percentile <= raises && l.can_raise)
            return bet_to(hand, l, bb * 5 / 2 + limpers * bb + (pos > 1.2 ? 0 : bb / 2));
        // Aggressive players raise or fold; passive ones also limp.
        const bool limps = tr.pfr < 0.1 || limpers > 0 || difficulty == Difficulty::easy;
        if (percentile <= plays && (limps || me == hand.small_blind_seat()))
            return l.can_call ? Decision{Move::call, 0} : check_or_fold(l);
        if (percentile <= plays && l.can_raise) return bet_to(hand, l, bb * 5 / 2 + limpers * bb);
        return check_or_fold(l);
    }
    // Facing a raise: re-raise the best, call with what the price allows, fold the rest.
    const double price = static_cast<double>(l.to_call) / std::max<Chips>(1, hand.stack(me));
    // A raise that puts a third of the stack at stake is met more tightly near the prizes.
    const double staked = l.to_call * 3 >= hand.stack(me) ? tighter : 1.0;
    // The more of the stack a call risks, the fewer hands stand up to the range that raises
    // so much: beyond a tenth of the stack the calls shrink with the price (an easy player
    // barely notices), down to the hands a player calls off a stack with.
    const double by_size =
        price <= 0.1 ? 1.0 : std::pow(0.1 / price, difficulty == Difficulty::easy ? 0.3 : 1.0);
    const double calls_off = calls_off_share(difficulty);
    const double reraises = raises * reraise_part(reads.raises_now) * staked * std::sqrt(by_size);
    const double calls = std::max(plays * call_part(reads.raises_now) *
                                      (price < 0.04 ? cheap_call_widening : 1.0) * by_size,
                                  calls_off) *
                         staked;
    if (percentile <= reraises && l.can_raise) return bet_to(hand, l, hand.current_bet() * 3);
    if (percentile <= calls && l.can_call) return {Move::call, 0};
    // A bluffing re-raise now and then from the aggressive, late in the order.
    if (tr.bluff > 0.1 && pos > 1.2 && l.can_raise && unit(draws) < tr.bluff * 0.3 &&
        reads.raises_now == 1)
        return bet_to(hand, l, hand.current_bet() * 3);
    return check_or_fold(l);
}

Decision after_flop(const Table& t, const HandState& hand, const HandReads& reads, const Traits& tr,
                    Difficulty difficulty, Draws& draws) {
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const Player& p = t.seat(me);
    const std::vector<CardCode> board = board_turned_up(t);
    const int shown = static_cast<int>(board.size());
    const std::vector<LikelyRange> ranges = likely_ranges(t, hand, reads, me, difficulty);
    if (ranges.empty()) return check_or_fold(l);
    const int deals = std::max(80, 480 / static_cast<int>(ranges.size() + 1));
    double equity = equity_against_ranges({p.cardone, p.cardtwo}, board, ranges, deals, draws);
    if (difficulty == Difficulty::easy) equity += (unit(draws) - 0.5) * 0.24;
    const auto pot = static_cast<double>(hand.pot());
    const double late = difficulty == Difficulty::easy ? 1.0 : position_factor(t, hand, me, false);
    const bool heads_up = ranges.size() == 1;
    const bool draw_to_come = shown < 5;

    if (l.can_check) {
        const double roll = unit(draws);
        auto bet_share = [&](double share) {
            return bet_to(hand, l, static_cast<Chips>(pot * share));
        };
        if (!l.can_raise) return {Move::check, 0};
        if (equity >= tr.value) return bet_share(tr.bluff > 0.1 ? 0.75 : 0.6);
        // The raiser before the flop bets the flop again, most of all against one or two.
        if (shown == 3 && reads.preflop_raiser == me && ranges.size() <= 2 && roll < tr.cbet)
            return bet_share(0.5);
        if (draw_to_come && equity >= 0.32 && roll < tr.semi_bluff) return bet_share(0.6);
        // Bluffs: a hard player bluffs in proportion to its value bets at the price it offers.
        const double bluffs = difficulty == Difficulty::hard   ? tr.bluff * 0.8
                              : difficulty == Difficulty::easy ? tr.bluff * 2.0
                                                               : tr.bluff;
        if (heads_up && equity < 0.3 && roll < bluffs * late) return bet_share(0.6);
        return {Move::check, 0};
    }
    // Facing a bet: raise the strongest, call what the price pays for, fold the rest.
    const double price = static_cast<double>(l.to_call) / (pot + static_cast<double>(l.to_call));
    const double discount = tr.call_discount + (difficulty == Difficulty::easy ? 0.15 : 0.0) -
                            (difficulty == Difficulty::hard ? 0.02 : 0.0);
    if (equity >= tr.raise && l.can_raise) {
        const Chips to = hand.current_bet() + static_cast<Chips>((pot + l.to_call) * 0.75);
        return bet_to(hand, l, to);
    }
    if (draw_to_come && equity >= 0.35 && l.can_raise && unit(draws) < tr.semi_bluff * 0.25 &&
        reads.raises_now == 1)
        return bet_to(hand, l, hand.current_bet() * 3);
    // A call for the whole stack, while it is still worth several blinds, wants a margin.
    const bool for_life = l.to_call * 2 >= hand.stack(me) && hand.stack(me) >= 8 * t.limits;
    const double margin =
        (for_life && difficulty != Difficulty::easy ? 0.05 : 0.0) +
        (l.to_call * 3 >= hand.stack(me) ? prize_pressure(t, hand, me, difficulty) : 0.0);
    if (equity >= price - discount + margin && l.can_call) return {Move::call, 0};
    return check_or_fold(l);
}

}  // namespace

Style style_of(const Player& p) {
    return static_cast<Style>(std::clamp<int>(p.style, 0, styles - 1));
}

std::string_view style_name(Style style) {
    constexpr std::string_view names[] = {"tight-passive", "tight-aggressive", "loose-passive",
                                          "loose-aggressive"};
    return names[static_cast<int>(style)];
}

StyleBand style_band(Style style) {
    constexpr StyleBand bands[] = {
        {0.12, 0.24, 0.03, 0.10},  // tight-passive
        {0.15, 0.28, 0.10, 0.20},  // tight-aggressive
        {0.24, 0.45, 0.04, 0.12},  // loose-passive
        {0.22, 0.40, 0.14, 0.28},  // loose-aggressive
    };
    return bands[static_cast<int>(style)];
}

Decision player_decision(const Table& t, const HandState& hand, const HandReads& reads, Style style,
                         Difficulty difficulty, std::uint64_t seed) {
    Draws draws{seed};
    const Traits& tr = traits_of[static_cast<int>(style)];
    const Legal l = hand.legal();
    const Decision d = hand.round() == Round::preflop
                           ? before_flop(t, hand, reads, tr, difficulty, draws)
                           : after_flop(t, hand, reads, tr, difficulty, draws);
    // Never a fold when checking is free, never a move the rules do not offer.
    if (d.move == Move::fold && l.can_check) return {Move::check, 0};
    if (d.move == Move::call && !l.can_call) return check_or_fold(l);
    if ((d.move == Move::bet || d.move == Move::raise) && !l.can_raise)
        return l.can_call ? Decision{Move::call, 0} : check_or_fold(l);
    return d;
}

void read_move(HandReads& reads, int seat, Move move, bool preflop) {
    SeatReads& read = reads.seats[static_cast<std::size_t>(seat)];
    const bool aggressive = move == Move::bet || move == Move::raise;
    if (preflop) {
        if (aggressive) {
            read.raised_preflop = true;
            reads.preflop_raiser = seat;
        } else if (move == Move::call) {
            read.called_preflop = true;
        }
    } else if (aggressive) {
        ++read.aggressive_after_flop;
    }
    if (aggressive) {
        read.aggressive_now = true;
        ++reads.raises_now;
    }
}

}  // namespace holdem::standard
