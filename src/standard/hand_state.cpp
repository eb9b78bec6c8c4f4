#include "standard/hand_state.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace holdem::standard {

HandState::HandState(std::vector<SeatStart> seats, int button, Chips small_blind, Chips big_blind,
                     Chips ante)
    : big_blind_size_(big_blind) {
    std::sort(seats.begin(), seats.end(),
              [](const SeatStart& a, const SeatStart& b) { return a.seat < b.seat; });
    for (const SeatStart& s : seats) {
        if (s.stack <= 0) continue;
        Seat seat;
        seat.number = s.seat;
        seat.stack = s.stack;
        seat.sitting_out = s.sitting_out;
        seats_.push_back(seat);
    }
    if (seats_.size() < 2) throw std::invalid_argument("a hand needs two seats with chips");
    index_.fill(-1);
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].number < 1 || seats_[i].number >= static_cast<int>(index_.size()))
            throw std::invalid_argument("a seat's number is out of range");
        index_[static_cast<std::size_t>(seats_[i].number)] = static_cast<std::int8_t>(i);
    }
    const int b = index_of(button);
    if (b < 0) throw std::invalid_argument("the button is not a seat in play");
    button_ = button;
    const int n = static_cast<int>(seats_.size());
    const int sb = n == 2 ? b : (b + 1) % n;
    const int bb = (sb + 1) % n;
    small_blind_ = seats_[static_cast<std::size_t>(sb)].number;
    big_blind_ = seats_[static_cast<std::size_t>(bb)].number;
    if (ante > 0) {
        Seat& b = seats_[static_cast<std::size_t>(bb)];
        ante_ = std::min(ante, b.stack);
        b.stack -= ante_;
    }
    // A seat short of its blind posts what it has and is all in; the round's bet is the big
    // blind whatever the big blind could post.
    put(seats_[static_cast<std::size_t>(sb)], small_blind);
    put(seats_[static_cast<std::size_t>(bb)], big_blind);
    current_bet_ = big_blind;
    last_raise_ = big_blind;
    move_on(bb);
}

HandState::Seat* HandState::find(int seat) {
    const int i = index_of(seat);
    return i < 0 ? nullptr : &seats_[static_cast<std::size_t>(i)];
}

const HandState::Seat* HandState::find(int seat) const {
    const int i = index_of(seat);
    return i < 0 ? nullptr : &seats_[static_cast<std::size_t>(i)];
}

int HandState::index_of(int seat) const {
    if (seat < 1 || seat >= static_cast<int>(index_.size())) return -1;
    return index_[static_cast<std::size_t>(seat)];
}

int HandState::next_in_hand(int from_index) const {
    const int n = static_cast<int>(seats_.size());
    for (int step = 1; step <= n; ++step) {
        const int i = (from_index + step) % n;
        if (!seats_[static_cast<std::size_t>(i)].folded) return i;
    }
    return -1;
}

Chips HandState::stack(int seat) const {
    const Seat* s = find(seat);
    return s ? s->stack : 0;
}
Chips HandState::round_bet(int seat) const {
    const Seat* s = find(seat);
    return s ? s->round_bet : 0;
}
Chips HandState::put_in(int seat) const {
    const Seat* s = find(seat);
    return s ? s->put_in : 0;
}
bool HandState::folded(int seat) const {
    const Seat* s = find(seat);
    return !s || s->folded;
}
bool HandState::all_in(int seat) const {
    const Seat* s = find(seat);
    return s && !s->folded && s->stack == 0;
}

Chips HandState::pot() const {
    Chips total = ante_;
    for (const Seat& s : seats_)
        total = checked_add(total, s.put_in);
    return total;
}

int HandState::in_hand() const {
    return static_cast<int>(
        std::count_if(seats_.begin(), seats_.end(), [](const Seat& s) { return !s.folded; }));
}

int HandState::able_to_act() const {
    return static_cast<int>(
        std::count_if(seats_.begin(), seats_.end(), [this](const Seat& s) { return can_act(s); }));
}

bool HandState::needs_to_act(const Seat& s) const {
    return can_act(s) && (!s.acted || s.round_bet < current_bet_) && !covered(s);
}

// A seat has nothing to answer when the others still in cannot, all together, put in more than
// it has matched already: it gets no turn, and what it put in beyond them goes back.
bool HandState::covered(const Seat& s) const {
    for (const Seat& o : seats_)
        if (&o != &s && !o.folded && o.round_bet + o.stack > s.round_bet) return false;
    return true;
}

void HandState::put(Seat& s, Chips amount) {
    amount = std::min(amount, s.stack);
    s.stack -= amount;
    s.round_bet = checked_add(s.round_bet, amount);
    s.put_in = checked_add(s.put_in, amount);
}

Legal HandState::legal() const {
    Legal l;
    const Seat* s = find(to_act_);
    if (!s) return l;
    const Chips owed = current_bet_ - s->round_bet;
    l.can_check = owed <= 0;
    l.can_call = owed > 0;
    l.to_call = std::max<Chips>(0, std::min(owed, s->stack));
    // A raise needs chips beyond the call, somebody left to answer it, and the right to raise:
    // a seat that has acted may raise again only once the bet it faces has grown by a full raise
    // since it acted (a short all-in alone does not reopen the betting).
    const bool others_can_act = std::any_of(seats_.begin(), seats_.end(), [&](const Seat& o) {
        return o.number != s->number && can_act(o);
    });
    const bool reopened = !s->acted || current_bet_ - s->acted_at >= last_raise_;
    if (s->stack > l.to_call && reopened && others_can_act) {
        l.can_raise = true;
        l.max_to = s->round_bet + s->stack;
        l.min_to =
            std::min(current_bet_ == 0 ? big_blind_size_ : current_bet_ + last_raise_, l.max_to);
    }
    return l;
}

bool HandState::allows(Move move, Chips to) const {
    if (!find(to_act_) || round_ >= Round::showdown) return false;
    const Legal l = legal();
    switch (move) {
        case Move::fold:
            return true;
        case Move::check:
            return l.can_check;
        case Move::call:
            return l.can_call;
        case Move::bet:
        case Move::raise:
            return l.can_raise && (move == Move::bet) == (current_bet_ == 0) && to >= l.min_to &&
                   to <= l.max_to;
    }
    return false;
}

bool HandState::act(Move move, Chips to) {
    if (!allows(move, to)) return false;
    Seat* s = find(to_act_);
    switch (move) {
        case Move::fold:
            s->folded = true;
            break;
        case Move::check:
            break;
        case Move::call:
            put(*s, legal().to_call);
            break;
        case Move::bet:
        case Move::raise: {
            const Chips raise_by = to - current_bet_;
            put(*s, to - s->round_bet);
            if (raise_by >= last_raise_) {
                // A full bet or raise: everybody else may act again, raising included.
                last_raise_ = raise_by;
                for (Seat& o : seats_)
                    o.acted = false;
            }
            current_bet_ = std::max(current_bet_, to);
            last_aggressor_ = s->number;
            if (round_ == Round::river) river_bet_ = true;
            break;
        }
    }
    s->acted = true;
    s->acted_at = current_bet_;
    move_on(index_of(s->number));
    return true;
}

// Hands the turn to the next seat that must act; folds sitting-out seats at their turns; closes
// the round when nobody must act, and ends the hand when one seat is left.
void HandState::move_on(int from_index) {
    to_act_ = 0;
    if (in_hand() == 1) {
        round_ = Round::over;
        return;
    }
    const int n = static_cast<int>(seats_.size());
    for (int step = 1; step <= n; ++step) {
        Seat& s = seats_[static_cast<std::size_t>((from_index + step) % n)];
        if (!needs_to_act(s)) continue;
        if (s.sitting_out) {
            s.folded = true;
            folded_out_.emplace_back(s.number, round_);
            move_on((from_index + step) % n);
            return;
        }
        to_act_ = s.number;
        return;
    }
    close_round();
}

void HandState::close_round() {
    for (Seat& s : seats_) {
        s.round_bet = 0;
        s.acted = false;
        s.acted_at = 0;
    }
    current_bet_ = 0;
    last_raise_ = big_blind_size_;
    // With at most one seat able to bet, the rest of the board is dealt and the hands shown.
    if (able_to_act() <= 1 || round_ == Round::river) {
        // Once a seat still in is all in, every hand is shown face up.
        all_in_showdown_ = std::any_of(seats_.begin(), seats_.end(),
                                       [](const Seat& s) { return !s.folded && s.stack == 0; });
        round_ = Round::showdown;
        return;
    }
    round_ = static_cast<Round>(static_cast<int>(round_) + 1);
    last_aggressor_ = 0;
    // After the flop the first seat in the hand left of the button acts first.
    move_on(index_of(button_));
}

std::vector<Pot> HandState::pots() const {
    std::vector<Chips> levels;
    for (const Seat& s : seats_)
        if (!s.folded) levels.push_back(s.put_in);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    std::vector<Pot> pots;
    Chips below = 0;
    for (Chips level : levels) {
        Pot pot;
        for (const Seat& s : seats_) {
            pot.amount += std::max<Chips>(0, std::min(s.put_in, level) - below);
            if (!s.folded && s.put_in >= level) pot.eligible.push_back(s.number);
        }
        // A level that only one seat reached and nobody else paid into joins the pot below.
        if (pot.amount > 0) {
            if (!pots.empty() && pot.eligible == pots.back().eligible)
                pots.back().amount += pot.amount;
            else
                pots.push_back(std::move(pot));
        }
        below = level;
    }
    // The ante is the main pot's: every seat still in may win it, a big blind all in for the
    // ante alone included.
    if (ante_ > 0) {
        const auto still_in = static_cast<std::size_t>(in_hand());
        if (pots.empty() || pots.front().eligible.size() != still_in) {
            Pot dead;
            for (const Seat& s : seats_)
                if (!s.folded) dead.eligible.push_back(s.number);
            pots.insert(pots.begin(), std::move(dead));
        }
        pots.front().amount += ante_;
    }
    // What folded seats put in above every level still counts in the last pot.
    Chips counted = 0;
    for (const Pot& p : pots)
        counted += p.amount;
    if (!pots.empty()) pots.back().amount += pot() - counted;
    return pots;
}

std::vector<std::pair<int, Round>> HandState::take_folded_out() {
    return std::exchange(folded_out_, {});
}

std::pair<int, Chips> HandState::return_uncalled() {
    if (round_ != Round::over && round_ != Round::showdown) return {0, 0};
    std::vector<std::size_t> by_put(seats_.size());
    for (std::size_t i = 0; i < by_put.size(); ++i)
        by_put[i] = i;
    std::sort(by_put.begin(), by_put.end(),
              [&](std::size_t a, std::size_t b) { return seats_[a].put_in > seats_[b].put_in; });
    Seat& top = seats_[by_put[0]];
    const Chips back = top.put_in - seats_[by_put[1]].put_in;
    if (back <= 0) return {0, 0};
    top.put_in -= back;
    top.stack += back;
    uncalled_seat_ = top.number;
    uncalled_ += back;
    return {top.number, back};
}

Settlement HandState::settle_with(const std::vector<std::uint64_t>& strengths) {
    Settlement out;
    if (round_ != Round::over && round_ != Round::showdown) return out;
    return_uncalled();
    out.uncalled_seat = uncalled_seat_;
    out.uncalled = uncalled_;
    out.pots = pots();
    const int n = static_cast<int>(seats_.size());
    const int button = index_of(button_);
    // Winners in order from the first seat left of the button: odd chips go that way.
    auto clockwise = [&](std::vector<int> group) {
        std::sort(group.begin(), group.end(), [&](int a, int b) {
            return (index_of(a) - button - 1 + n) % n < (index_of(b) - button - 1 + n) % n;
        });
        return group;
    };
    for (const Pot& pot : out.pots) {
        std::uint64_t best = 0;
        for (int seat : pot.eligible)
            best = std::max(best, strengths[static_cast<std::size_t>(index_of(seat))]);
        std::vector<int> winners;
        for (int seat : pot.eligible)
            if (pot.eligible.size() == 1 ||
                strengths[static_cast<std::size_t>(index_of(seat))] == best)
                winners.push_back(seat);
        winners = clockwise(winners);
        // Equal shares; what does not divide goes to the first winner left of the button.
        const Chips share = pot.amount / static_cast<Chips>(winners.size());
        Chips odd = pot.amount % static_cast<Chips>(winners.size());
        for (int seat : winners) {
            const Chips paid = share + odd;
            odd = 0;
            find(seat)->stack = checked_add(find(seat)->stack, paid);
            out.collected.emplace_back(seat, paid);
        }
        out.pot_winners.push_back(std::move(winners));
    }
    if (round_ == Round::over) return out;
    // The river's last aggressor shows first, else the first seat left of the button; a seat
    // that wins nothing may muck, except when an all-in ended the betting: then all are shown.
    int first = last_aggressor_ && river_bet_ && !folded(last_aggressor_)
                    ? index_of(last_aggressor_)
                    : next_in_hand(button);
    for (int step = 0; step < n; ++step) {
        const Seat& s = seats_[static_cast<std::size_t>((first + step) % n)];
        if (s.folded) continue;
        const bool won = std::any_of(out.collected.begin(), out.collected.end(),
                                     [&](const auto& c) { return c.first == s.number; });
        if (step == 0 || won || all_in_showdown_)
            out.show_order.push_back(s.number);
        else
            out.mucked.push_back(s.number);
    }
    return out;
}

}  // namespace holdem::standard
