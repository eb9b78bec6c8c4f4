#include "sim/reference_player.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "rules/tournament/field.h"
#include "rules/tournament/limits_clock.h"
#include "sim/all_in_value.h"
#include "standard/opponents/equity.h"
#include "standard/opponents/hand_classes.h"
#include "standard/opponents/push_fold.h"
#include "tournament/payouts.h"
#include "tournament/structures.h"

namespace holdem::sim {

using namespace holdem::standard;

namespace {

// The share of starting hands, the best, that a deep stack plays in a field (aces, kings and
// queens), and how much of the push-or-fold ranges a short stack plays, before the money and
// in it, where only going deeper pays more.
constexpr double premium_share = 0.015;
constexpr double push_narrowing = 0.25, paid_push_narrowing = 0.6;
// The share of hands a deep stack opens with a small raise when the seats before it have
// folded, by the seats left to act (1: the small blind against the big blind): the blinds and
// antes are won without a fight often enough to pay for the times it folds to a re-raise.
constexpr std::array<double, 5> steal_shares = {0.45, 0.40, 0.28, 0.20, 0.12};
// Over limpers, the best eighth of the hands raise to play the pot against one of them.
constexpr double isolation_share = 0.12;
// Against a lone raise from the last seats by an aggressive player, who opens wide there and
// folds most of it to a re-raise, the best of the hands re-raise to take the pot.
constexpr double resteal_share = 0.12;
constexpr double aces_share = 6.0 / 1326.0;
// After the flop, the equity against the likely hands that bets for value or raises, and the
// margin over the pot's price a call asks for the times a later card or bet turns it round.
// Bluffs are left out: these fields call them down.
constexpr double value_bet_equity = 0.55, value_raise_equity = 0.8, call_margin = 0.05;

Decision check_or_fold(const Legal& l) {
    return {l.can_check ? Move::check : Move::fold, 0};
}

// How many hands a stack at the end of this hand is worth, folding from the next hand on
// (0: out now). Half a hand is added for the blind it finally goes all in with.
class Survival {
  public:
    Survival(const Table& t, const HandState& hand, int me) {
        int dealt = 0, place = 0;
        for (int k = hand.big_blind_seat(), i = 0; i < seat_count; k = seat_after(k), ++i) {
            if (!t.seat(k).Active) continue;
            if (k == me) place = dealt;
            ++dealt;
        }
        seats_ = std::max(2, dealt);
        to_big_blind_ = (place - 1 + seats_) % seats_;
        if (t.field_left > 0) {
            structure_ = t.options.structure;
            next_hand_ = t.hands_started + 1;
            return;
        }
        const int left =
            hands_per_level - static_cast<int>((t.hands_started - 1) % hands_per_level);
        small_blind_ = left > 1 ? t.limits : next_limits(t.limits);
        hands_left_ = left > 1 ? left - 1 : hands_per_level;
    }
    double operator()(Chips stack) const {
        if (stack <= 0) return 0.0;
        if (structure_)
            return 1.5 + hands_folding_lasts(*structure_, next_hand_, stack, to_big_blind_, seats_);
        return 1.5 + hands_folding_lasts(small_blind_, hands_left_, stack, to_big_blind_, seats_);
    }

  private:
    Chips small_blind_ = 0;
    int hands_left_ = 0, to_big_blind_ = 0, seats_ = 2;
    std::optional<StructureKind> structure_;  // the whole field's levels
    std::uint64_t next_hand_ = 0;
};

// What each other seat still in likely holds: the starting hands its style plays after what
// it did before the flop, narrowed by its bets since as the table reads them. The bluffs of a
// range are counted as that many more of its best hands.
std::vector<LikelyRange> ranges_by_style(const Table& t, const HandState& hand,
                                         const HandReads& reads, int me) {
    std::vector<LikelyRange> ranges;
    for (int k = 1; k <= seat_count; ++k) {
        if (k == me || !t.seat(k).Active || hand.folded(k)) continue;
        LikelyRange range =
            likely_range(reads.seats[static_cast<std::size_t>(k)], k == hand.big_blind_seat(),
                         hand.round() != Round::preflop, Difficulty::normal);
        const PreflopRange dealt = preflop_range_of(t, hand, reads, k);
        range.from = dealt.from;
        range.share = std::min(1.0, dealt.to / std::max(0.05, 1.0 - dealt.scattered));
        ranges.push_back(range);
    }
    return ranges;
}

// The tight-aggressive move, unless it puts a third of the stack or more at risk for less
// than the stack's worth in the tournament: the equity against the hands the other seats
// likely hold must make going on last longer, on average, than giving up now.
Decision weighed(const Table& t, const HandState& hand, const HandReads& reads, Decision d,
                 Draws& draws) {
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const Chips stack = hand.stack(me);
    const Chips risk = d.move == Move::call                           ? l.to_call
                       : d.move == Move::bet || d.move == Move::raise ? d.to - hand.round_bet(me)
                                                                      : 0;
    if (risk * 3 < stack) return d;
    const std::vector<LikelyRange> ranges = ranges_by_style(t, hand, reads, me);
    if (ranges.empty()) return d;
    Chips biggest = 0;
    for (int k = 1; k <= seat_count; ++k)
        if (k != me && t.seat(k).Active && !hand.folded(k))
            biggest = std::max(biggest, hand.stack(k) + hand.round_bet(k));
    const Player& p = t.seat(me);
    const double equity =
        equity_against_ranges({p.cardone, p.cardtwo}, board_turned_up(t), ranges, 400, draws);
    const Survival lasts(t, hand, me);
    const Chips matched = std::min(risk, biggest - hand.round_bet(me));
    if (t.field_left > 0) {
        // In a large field a place is worth about the logarithm of the stack: doubling up is
        // worth less than going out costs.
        const double bb = std::max<double>(1.0, 2.0 * t.limits);
        auto worth = [&](double chips) { return std::log(std::max(chips, 0.0) / bb + 1.0); };
        const double on = equity * worth(static_cast<double>(stack + hand.pot() + matched)) +
                          (1.0 - equity) * worth(static_cast<double>(stack - matched));
        return on >= worth(static_cast<double>(stack)) ? d : check_or_fold(l);
    }
    const double going_on =
        equity * lasts(stack + hand.pot() + matched) + (1.0 - equity) * lasts(stack - matched);
    return going_on >= lasts(stack) ? d : check_or_fold(l);
}

}  // namespace

int hands_folding_lasts(Chips small_blind, int hands_left_in_level, Chips stack, int to_big_blind,
                        int seats) {
    seats = std::max(2, seats);
    int level_ends = hands_left_in_level;
    for (int i = 0; i < 1000; ++i) {
        if (i == level_ends) {
            small_blind = next_limits(small_blind);
            level_ends += hands_per_level;
        }
        const int place = ((i - to_big_blind) % seats + seats) % seats;
        const Chips blind = place == 0 ? 2 * small_blind : place == 1 ? small_blind : 0;
        if (blind > 0 && blind >= stack) return i;
        stack -= blind;
    }
    return 1000;
}

int hands_folding_lasts(StructureKind structure, std::uint64_t hand, Chips stack, int to_big_blind,
                        int seats) {
    seats = std::max(2, seats);
    const tournament::Structure& s = tournament::structure_of(structure);
    for (int i = 0; i < 1000; ++i) {
        const tournament::Level l = tournament::level_at(
            s, tournament::level_after_hands(s, hand + static_cast<unsigned>(i)));
        const int place = ((i - to_big_blind) % seats + seats) % seats;
        const Chips blind = place == 0 ? l.big_blind + l.ante : place == 1 ? l.small_blind : 0;
        if (blind > 0 && blind >= stack) return i;
        stack -= blind;
    }
    return 1000;
}

// Moving all in, or folding, by what each is worth to the stack against the players as they
// play: a stack of 20 big blinds or less opening, or one of 30 or less facing a raise. A stack
// is worth about the share of the other players it outlasts, s / (s + a) where a is a quarter of
// the average stack: a short stack takes nearly every gamble that wins chips, a big one only
// the clear ones. A larger a (half the average) made it re-shove 15-20 big blinds with weak
// hands early and bust far from the money more often.
std::optional<Decision> all_in_or_fold(Table& t, const HandState& hand, const HandReads& reads,
                                       std::uint64_t seed) {
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const Chips bb = std::max<Chips>(1, 2 * t.limits);
    Chips biggest = 0;
    bool bettor_all_in = false;
    for (int k = 1; k <= seat_count; ++k)
        if (k != me && t.seat(k).Active && !hand.folded(k)) {
            biggest = std::max(biggest, hand.stack(k) + hand.round_bet(k));
            if (hand.all_in(k) && hand.round_bet(k) == hand.current_bet()) bettor_all_in = true;
        }
    const Chips mine = hand.stack(me) + hand.round_bet(me);
    const bool raised = hand.current_bet() > bb;
    if (std::min(mine, biggest) > (raised ? 30 : 20) * bb) return std::nullopt;
    const double average =
        static_cast<double>(t.options.entrants) *
        static_cast<double>(tournament::structure_of(t.options.structure).starting_stack) /
        std::max(1, t.field_left);
    const StackWorth worth = [&](double chips) { return chips / (chips + 0.25 * average); };
    Decision best = check_or_fold(l);
    double best_worth = worth(static_cast<double>(hand.stack(me)));
    std::vector<Decision> moves;
    if (l.can_raise) moves.push_back({hand.current_bet() > 0 ? Move::raise : Move::bet, l.max_to});
    if (l.can_call && !l.can_check &&
        (!l.can_raise || l.to_call >= hand.stack(me) || bettor_all_in))
        moves.push_back({Move::call, 0});
    for (const Decision& d : moves)
        if (const double w = all_in_worth(t, hand, reads, d, worth, 200, seed); w > best_worth) {
            best_worth = w;
            best = d;
        }
    return best;
}

// A re-raise to three times a lone open from the last three seats before the big blind,
// when the opener plays an aggressive style: such openers fold most of their range to it.
std::optional<Decision> field_resteal(const Table& t, const HandState& hand, const HandReads& reads,
                                      double percentile) {
    const int me = hand.to_act(), raiser = reads.preflop_raiser;
    const Legal l = hand.legal();
    if (reads.raises_now != 1 || raiser == 0 || raiser == me || !l.can_raise ||
        percentile > resteal_share)
        return std::nullopt;
    const Style style = style_of(t.seat(raiser));
    if (style != Style::tight_aggressive && style != Style::loose_aggressive) return std::nullopt;
    int after_raiser = 0;
    for (int k = seat_after(raiser); k != raiser; k = seat_after(k)) {
        if (k != me && hand.round_bet(k) > 0 && k != hand.small_blind_seat() &&
            k != hand.big_blind_seat())
            return std::nullopt;  // a caller is in already
        if (t.seat(k).Active && hand.put_in(k) + hand.stack(k) > 0) ++after_raiser;
        if (k == hand.big_blind_seat()) break;
    }
    if (after_raiser > 3) return std::nullopt;
    return Decision{Move::raise, std::clamp<Chips>(hand.current_bet() * 3, l.min_to, l.max_to)};
}

// A deep stack's best hands against a raise: all in for a hundred big blinds is called only by
// the hands that beat or tie kings, so a lone raise is re-raised to three times its size, and
// only aces go on against a re-raise that puts a third of the stack or more at risk.
std::optional<Decision> deep_premium(const HandState& hand, const HandReads& reads,
                                     double percentile) {
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const Chips stack = hand.stack(me) + hand.round_bet(me);
    if (reads.raises_now == 1 && l.can_raise) {
        const Chips to = std::clamp<Chips>(hand.current_bet() * 3, l.min_to, l.max_to);
        return Decision{Move::raise, to * 5 >= stack * 2 ? l.max_to : to};
    }
    if (percentile <= aces_share) return std::nullopt;
    if (l.to_call * 10 < hand.stack(me)) return Decision{Move::call, 0};
    return check_or_fold(l);
}

// In a field played whole, before its last tables, where lasting is most of a place: a deep
// stack steals the blinds from the last seats with a small raise, re-raises an aggressive
// player's late open, raises over limpers with the best hands and otherwise plays only
// the best starting hands, all in; a short stack pushes or calls by the push-or-fold ranges.
std::optional<Decision> field_preflop(const Table& t, const HandState& hand,
                                      const HandReads& reads) {
    if (hand.round() != Round::preflop) return std::nullopt;
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const Player& p = t.seat(me);
    const double percentile = hand_percentile(hand_class(p.cardone, p.cardtwo));
    const Chips bb = std::max<Chips>(1, 2 * t.limits);
    const int stack_bb = static_cast<int>((hand.stack(me) + hand.round_bet(me)) / bb);
    const bool raised = hand.current_bet() > bb;
    int others = 0;
    for (int k = 1; k <= seat_count; ++k)
        if (k != me && t.seat(k).Active && !hand.folded(k) && hand.stack(k) > 0) ++others;
    if (stack_bb > push_fold_stacks)
        if (const std::optional<Decision> d = field_resteal(t, hand, reads, percentile)) return *d;
    double goes_in = premium_share;
    const double narrowing = t.field_left <= tournament::payouts_for(t.options.entrants).paid()
                                 ? paid_push_narrowing
                                 : push_narrowing;
    if (stack_bb <= push_fold_stacks) {
        const int behind = std::clamp(others, 1, seat_count - 1);
        goes_in =
            std::max(goes_in, narrowing * (raised ? call_share(std::max(1, stack_bb), behind)
                                                  : push_share(std::max(1, stack_bb), behind)));
    } else if (!raised && me != hand.big_blind_seat() && l.can_raise) {
        int limped = 0, to_act = 0;
        for (int k = 1; k <= seat_count; ++k)
            if (k != me && k != hand.big_blind_seat() && hand.round_bet(k) >= bb) ++limped;
        for (int k = seat_after(me); k != me; k = seat_after(k)) {
            if (t.seat(k).Active && !hand.folded(k) && hand.stack(k) > 0) ++to_act;
            if (k == hand.big_blind_seat()) break;
        }
        const double steals = steal_shares[static_cast<std::size_t>(std::clamp(to_act, 1, 5) - 1)];
        if (percentile <= (limped == 0 ? steals : isolation_share))
            return Decision{Move::raise,
                            std::clamp<Chips>(bb * 5 / 2 + limped * bb, l.min_to, l.max_to)};
    }
    if (percentile > goes_in) return check_or_fold(l);
    if (raised && stack_bb > push_fold_stacks)
        if (const std::optional<Decision> d = deep_premium(hand, reads, percentile)) return *d;
    if (l.can_raise) return Decision{hand.current_bet() > 0 ? Move::raise : Move::bet, l.max_to};
    return l.can_call ? Decision{Move::call, 0} : check_or_fold(l);
}

// The raiser before the flop, heads-up, bets half the pot on the flop where the standard
// player would check: the callers in these fields miss the flop far more often than not.
std::optional<Decision> field_continuation_bet(const HandState& hand, const HandReads& reads,
                                               Decision planned) {
    const int me = hand.to_act();
    const Legal l = hand.legal();
    // A planned check means nobody has bet on this flop yet.
    if (hand.round() != Round::flop || reads.preflop_raiser != me || planned.move != Move::check ||
        !l.can_raise || hand.in_hand() != 2)
        return std::nullopt;
    return Decision{Move::bet, std::clamp<Chips>(hand.pot() / 2, l.min_to, l.max_to)};
}

// After the flop in a field, where the callers see most bets through to the river: bets and
// raises are for value only, and a call needs the equity the pot's price asks and a margin
// for the hands still to come.
std::optional<Decision> field_postflop(const Table& t, const HandState& hand,
                                       const HandReads& reads, Draws& draws) {
    if (hand.round() == Round::preflop) return std::nullopt;
    const int me = hand.to_act();
    const Legal l = hand.legal();
    const std::vector<LikelyRange> ranges = ranges_by_style(t, hand, reads, me);
    if (ranges.empty()) return std::nullopt;
    const Player& p = t.seat(me);
    const double equity =
        equity_against_ranges({p.cardone, p.cardtwo}, board_turned_up(t), ranges, 400, draws);
    const Chips pot = hand.pot();
    // After the flop a seat may check only while nobody has bet on the street.
    if (l.can_check) {
        if (equity >= value_bet_equity && l.can_raise)
            return Decision{Move::bet, std::clamp<Chips>(pot * 2 / 3, l.min_to, l.max_to)};
        return Decision{Move::check, 0};
    }
    if (equity >= value_raise_equity && l.can_raise)
        return Decision{Move::raise, std::clamp<Chips>(hand.current_bet() * 3, l.min_to, l.max_to)};
    const double price = static_cast<double>(l.to_call) / static_cast<double>(pot + l.to_call);
    if (equity >= price + call_margin) return Decision{Move::call, 0};
    return check_or_fold(l);
}

Decision reference_decision(Table& t, const HandState& hand, const HandReads& reads,
                            std::uint64_t seed) {
    Draws draws{seed};
    const Decision tag =
        player_decision(t, hand, reads, Style::tight_aggressive, Difficulty::normal, draws.next());
    // With the field outside the table nearly gone, places come from the other seats going
    // out, and only chips win the tournament.
    if ((t.field_left > 0 ? t.field_left : entrants_left(t)) <= 2 * seat_count) return tag;
    if (t.field_left > 0) {
        if (hand.round() == Round::preflop)
            if (const std::optional<Decision> d = all_in_or_fold(t, hand, reads, seed)) return *d;
        if (const std::optional<Decision> d = field_preflop(t, hand, reads)) return *d;
        if (const std::optional<Decision> d = field_continuation_bet(hand, reads, tag)) return *d;
        if (const std::optional<Decision> d = field_postflop(t, hand, reads, draws))
            return weighed(t, hand, reads, *d, draws);
    }
    return weighed(t, hand, reads, tag, draws);
}

}  // namespace holdem::sim
