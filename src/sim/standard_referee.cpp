#include "sim/standard_referee.h"

#include <algorithm>

namespace holdem::sim {

using standard::HandState;
using standard::Move;
using standard::Round;

std::optional<std::string> StandardReferee::start(const HandState& hand, Chips big_blind,
                                                  Chips ante) {
    seats_ = {};
    const int ante_seat = hand.big_blind_seat();
    for (int k = 1; k <= 10; ++k) {
        Seat& s = seats_[static_cast<std::size_t>(k)];
        // A big blind that had only the ante is all in for it, and still in the hand.
        s.in = hand.put_in(k) > 0 || hand.stack(k) > 0 || (k == ante_seat && hand.ante() > 0);
        // A seat that sits out may have been folded already, at its first turn.
        s.folded = s.in && hand.folded(k);
        s.stack = hand.stack(k);
        s.bet = hand.round_bet(k);
        s.total = hand.put_in(k);
    }
    button_ = hand.button();
    big_blind_ = big_blind;
    to_match_ = big_blind;
    full_raise_ = big_blind;
    round_ = Round::preflop;
    dead_ = hand.ante();
    const Seat& bb = seats_[static_cast<std::size_t>(ante_seat)];
    if (dead_ > ante || (dead_ < ante && (bb.stack > 0 || bb.total > 0)))
        return "the big blind posted an ante of " + std::to_string(dead_) + " for one of " +
               std::to_string(ante);
    return std::nullopt;
}

int StandardReferee::next_to_act(int after) const {
    for (int step = 1; step <= 10; ++step) {
        const int k = (after - 1 + step) % 10 + 1;
        if (must_act(seats_[static_cast<std::size_t>(k)])) return k;
    }
    return 0;
}

std::optional<std::string> StandardReferee::judge(const HandState& hand, Move move,
                                                  Chips to) const {
    const int k = hand.to_act();
    if (!must_act(seats_[static_cast<std::size_t>(k)]))
        return "seat " + std::to_string(k) + " is to act but has nothing to do";
    const Seat& s = seats_[static_cast<std::size_t>(k)];
    const Chips owed = to_match_ - s.bet;
    switch (move) {
        case Move::fold:
            return std::nullopt;
        case Move::check:
            if (owed > 0) return "a check facing a bet";
            return std::nullopt;
        case Move::call:
            if (owed <= 0) return "a call with nothing to call";
            return std::nullopt;
        case Move::bet:
        case Move::raise: {
            if ((move == Move::bet) != (to_match_ == 0)) return "a bet and a raise mixed up";
            const Chips all_in = s.bet + s.stack;
            if (to > all_in) return "a bet beyond the stack";
            if (to <= to_match_) return "a raise that raises nothing";
            const Chips least = to_match_ == 0 ? big_blind_ : to_match_ + full_raise_;
            if (to < least && to != all_in) return "a bet or raise below the least";
            if (s.acted && to_match_ - s.faced < full_raise_)
                return "a raise after a short all-in that did not reopen the betting";
            const bool anyone_else = std::any_of(
                seats_.begin() + 1, seats_.end(),
                [&](const Seat& o) { return &o != &s && o.in && !o.folded && o.stack > 0; });
            if (!anyone_else) return "a raise nobody can answer";
            return std::nullopt;
        }
    }
    return "no such move";
}

std::optional<std::string> StandardReferee::offered(const HandState& hand) const {
    const int k = hand.to_act();
    const Seat& s = seats_[static_cast<std::size_t>(k)];
    const standard::Legal l = hand.legal();
    const Chips owed = to_match_ - s.bet;
    const Chips all_in = s.bet + s.stack;
    const bool anyone_else = std::any_of(seats_.begin() + 1, seats_.end(), [&](const Seat& o) {
        return &o != &s && o.in && !o.folded && o.stack > 0;
    });
    const bool reopened = !s.acted || to_match_ - s.faced >= full_raise_;
    const bool can_raise = s.stack > std::max<Chips>(0, owed) && reopened && anyone_else;
    const Chips least = std::min(to_match_ == 0 ? big_blind_ : to_match_ + full_raise_, all_in);
    if (l.can_check != (owed <= 0) || l.to_call != std::clamp<Chips>(owed, 0, s.stack))
        return "the engine offers seat " + std::to_string(k) + " the wrong call";
    if (l.can_raise != can_raise)
        return "the engine offers seat " + std::to_string(k) +
               (can_raise ? " no raise" : " a raise it may not make");
    if (can_raise && (l.min_to != least || l.max_to != all_in))
        return "the engine offers seat " + std::to_string(k) + " the wrong raise amounts";
    return std::nullopt;
}

std::optional<std::string> StandardReferee::follow(const HandState& hand, int k, Move move,
                                                   Chips to) {
    // Seats that sit out are folded by the engine at their turns: the referee takes those folds
    // from it, and judges everything else itself.
    for (int j = 1; j <= 10; ++j) {
        Seat& o = seats_[static_cast<std::size_t>(j)];
        if (o.in && !o.folded && hand.folded(j) && j != k) o.folded = true;
    }
    Seat& s = seats_[static_cast<std::size_t>(k)];
    switch (move) {
        case Move::fold:
            s.folded = true;
            break;
        case Move::check:
            break;
        case Move::call: {
            const Chips paid = std::min(to_match_ - s.bet, s.stack);
            s.bet += paid;
            s.total += paid;
            s.stack -= paid;
            break;
        }
        case Move::bet:
        case Move::raise:
            if (to - to_match_ >= full_raise_) {
                full_raise_ = to - to_match_;
                for (Seat& o : seats_)
                    o.acted = false;
            }
            s.stack -= to - s.bet;
            s.total += to - s.bet;
            s.bet = to;
            to_match_ = std::max(to_match_, to);
            break;
    }
    s.acted = true;
    s.faced = to_match_;
    if (hand.stack(k) != s.stack)
        return "the engine's stack for seat " + std::to_string(k) + " differs";
    const int in_hand = static_cast<int>(std::count_if(
        seats_.begin() + 1, seats_.end(), [](const Seat& o) { return o.in && !o.folded; }));
    if (in_hand == 1) {
        if (hand.round() != Round::over) return "one seat is left but the hand goes on";
        return std::nullopt;
    }
    int next = next_to_act(k);
    // The round closes when nobody has to act: the engine must have moved on.
    while (next == 0 && round_ < Round::showdown) {
        const int able =
            static_cast<int>(std::count_if(seats_.begin() + 1, seats_.end(), [](const Seat& o) {
                return o.in && !o.folded && o.stack > 0;
            }));
        new_round();
        if (able <= 1 || round_ == Round::showdown) {
            round_ = Round::showdown;
            break;
        }
        next = next_to_act(button_);
    }
    if (round_ == Round::showdown) {
        if (hand.round() != Round::showdown) return "the betting is over but the engine goes on";
        return std::nullopt;
    }
    if (hand.round() != round_) return "the engine is on another round than the referee";
    if (hand.to_act() == 0) return "the engine has nobody to act";
    if (hand.to_act() != next)
        return "seat " + std::to_string(hand.to_act()) + " acts before seat " +
               std::to_string(next);
    return std::nullopt;
}

std::optional<std::string> StandardReferee::paid(
    const standard::Settlement& settled, const std::function<std::uint64_t(int)>& strength) const {
    std::array<Chips, 11> total{};
    int top = 0, second = 0;  // the seats that put in most and next most
    for (int k = 1; k <= 10; ++k) {
        total[static_cast<std::size_t>(k)] = seats_[static_cast<std::size_t>(k)].total;
        if (!seats_[static_cast<std::size_t>(k)].in) continue;
        if (!top || total[static_cast<std::size_t>(k)] > total[static_cast<std::size_t>(top)]) {
            second = top;
            top = k;
        } else if (!second ||
                   total[static_cast<std::size_t>(k)] > total[static_cast<std::size_t>(second)]) {
            second = k;
        }
    }
    const Chips uncalled =
        total[static_cast<std::size_t>(top)] - total[static_cast<std::size_t>(second)];
    if (settled.uncalled != uncalled || (uncalled > 0 && settled.uncalled_seat != top))
        return "the uncalled bet was not returned to its bettor";
    total[static_cast<std::size_t>(top)] -= uncalled;
    // Pots by level: each level a seat still in reached holds what every seat put in up to it.
    struct OwnPot {
        Chips amount = 0;
        std::vector<int> eligible;
    };
    std::vector<OwnPot> pots;
    Chips below = 0;
    for (;;) {
        Chips level = 0;
        for (int k = 1; k <= 10; ++k) {
            const Seat& s = seats_[static_cast<std::size_t>(k)];
            const Chips t = total[static_cast<std::size_t>(k)];
            if (s.in && !s.folded && t > below && (level == 0 || t < level)) level = t;
        }
        if (level == 0) break;
        OwnPot pot;
        for (int k = 1; k <= 10; ++k) {
            const Chips t = total[static_cast<std::size_t>(k)];
            pot.amount += std::clamp<Chips>(t - below, 0, level - below);
            const Seat& s = seats_[static_cast<std::size_t>(k)];
            if (s.in && !s.folded && t >= level) pot.eligible.push_back(k);
        }
        if (!pots.empty() && pots.back().eligible == pot.eligible)
            pots.back().amount += pot.amount;
        else
            pots.push_back(pot);
        below = level;
    }
    // The ante is dead money for the main pot, which every seat still in may win.
    if (dead_ > 0) {
        std::vector<int> in;
        for (int k = 1; k <= 10; ++k)
            if (seats_[static_cast<std::size_t>(k)].in &&
                !seats_[static_cast<std::size_t>(k)].folded)
                in.push_back(k);
        if (pots.empty() || pots.front().eligible != in) pots.insert(pots.begin(), OwnPot{0, in});
        pots.front().amount += dead_;
    }
    for (int k = 1; k <= 10; ++k)  // folded chips above every level still in
        if (!pots.empty())
            pots.back().amount += std::max<Chips>(0, total[static_cast<std::size_t>(k)] - below);
    if (pots.size() != settled.pots.size()) return "the hand has the wrong number of pots";
    std::size_t next = 0;
    for (std::size_t p = 0; p < pots.size(); ++p) {
        std::vector<int> eligible = settled.pots[p].eligible;
        std::sort(eligible.begin(), eligible.end());
        if (pots[p].amount != settled.pots[p].amount || pots[p].eligible != eligible)
            return "pot " + std::to_string(p) + " is not what the seats put in";
        std::uint64_t best = 0;
        for (int k : eligible)
            best = std::max(best, strength(k));
        const auto& winners = settled.pot_winners[p];
        if (eligible.size() > 1 && std::count_if(eligible.begin(), eligible.end(), [&](int k) {
                                       return strength(k) == best;
                                   }) != static_cast<std::ptrdiff_t>(winners.size()))
            return "pot " + std::to_string(p) + " left out a best hand";
        // What does not divide goes to the first winner left of the button.
        int first = 0;
        for (int step = 1; step <= 10 && !first; ++step) {
            const int k = (button_ - 1 + step) % 10 + 1;
            if (std::find(winners.begin(), winners.end(), k) != winners.end()) first = k;
        }
        Chips paid = 0;
        for (int k : winners) {
            if (std::find(eligible.begin(), eligible.end(), k) == eligible.end())
                return "pot " + std::to_string(p) + " paid a seat not eligible for it";
            if (eligible.size() > 1 && strength(k) != best)
                return "pot " + std::to_string(p) + " paid a hand that is not the best";
            if (next >= settled.collected.size() || settled.collected[next].first != k)
                return "the pay-out does not follow the pots";
            const Chips share = settled.collected[next++].second;
            const Chips fair = pots[p].amount / static_cast<Chips>(winners.size());
            const Chips odd = k == first ? pots[p].amount % static_cast<Chips>(winners.size()) : 0;
            if (share != fair + odd) return "a pot was not shared as the rules share it";
            paid += share;
        }
        if (paid != pots[p].amount) return "pot " + std::to_string(p) + " was not paid in full";
    }
    int still_in = 0;
    bool all_in = false;
    for (const Seat& s : seats_)
        if (s.in && !s.folded) {
            ++still_in;
            all_in = all_in || s.stack == 0;
        }
    if (still_in > 1 && all_in &&
        (!settled.mucked.empty() || static_cast<int>(settled.show_order.size()) != still_in))
        return "a hand went to the showdown with a seat all in, and not every hand was shown";
    return std::nullopt;
}

void StandardReferee::new_round() {
    round_ = static_cast<Round>(static_cast<int>(round_) + 1);
    for (Seat& s : seats_) {
        s.bet = 0;
        s.acted = false;
        s.faced = 0;
    }
    to_match_ = 0;
    full_raise_ = big_blind_;
}

}  // namespace holdem::sim
