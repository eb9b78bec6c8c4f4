#include "report/seat_statistics.h"

#include <cmath>

namespace holdem {

namespace {

std::string percent(int part, int whole) {
    return whole > 0 ? std::to_string(static_cast<int>(std::lround(100.0 * part / whole))) : "–";
}

std::string one_place(double value) {
    const long tenths = std::lround(value * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string aggression(const PlayerStatistics& s) {
    if (s.calls == 0) return s.aggressive > 0 ? "∞" : "–";
    return one_place(static_cast<double>(s.aggressive) / s.calls);
}

// A bet or raise, an all-in above the bet included.
bool aggressive(const ActionEvent& e) {
    return e.action == Action::bet || e.action == Action::raise ||
           (e.action == Action::all_in && e.total > e.bet_before);
}

}  // namespace

std::string PlayerStatistics::line() const {
    return "VPIP " + percent(voluntary, hands) + " · PFR " + percent(preflop_raises, hands) +
           " · 3B " + percent(three_bets, three_bet_chances) + " · AF " + aggression(*this) + " (" +
           std::to_string(hands) + ")";
}

std::string PlayerStatistics::words() const {
    return std::to_string(hands) + (hands == 1 ? " hand" : " hands") +
           " seen: puts chips in before the flop in " + percent(voluntary, hands) +
           " % (VPIP), raises before the flop in " + percent(preflop_raises, hands) +
           " % (PFR), re-raises a raise " + percent(three_bets, three_bet_chances) + " % (of " +
           std::to_string(three_bet_chances) + "), bets and raises " + aggression(*this) +
           " times per call after the flop (" + std::to_string(aggressive + calls) +
           " actions), folds to a continuation bet " + percent(cbet_folds, cbet_faced) + " % (of " +
           std::to_string(cbet_faced) + ")";
}

void SeatStatistics::hand_started(const Table& t) {
    std::array<std::string, seat_count + 1> names;
    for (int k = 1; k <= seat_count; ++k)
        names[static_cast<std::size_t>(k)] = t.seat(k).caption;
    hand_started(names);
}

void SeatStatistics::hand_started(const std::array<std::string, seat_count + 1>& names) {
    for (int k = 1; k <= seat_count; ++k)
        seats_[static_cast<std::size_t>(k)] = {names[static_cast<std::size_t>(k)]};
    street_ = Street::preflop;
    preflop_raises_ = preflop_raiser_ = 0;
    flop_bet_ = cbet_live_ = false;
}

void SeatStatistics::see(int seat) {
    Seat& s = seats_[static_cast<std::size_t>(seat)];
    if (s.seen) return;
    s.seen = true;
    ++counts(s).hands;
}

void SeatStatistics::blind_posted(int seat) {
    if (seat >= 1 && seat <= seat_count) see(seat);
}

void SeatStatistics::recall(const HandRecord& hand) {
    std::array<std::string, seat_count + 1> names;
    for (const RecordedSeat& s : hand.seats)
        if (s.seat >= 1 && s.seat <= seat_count) names[static_cast<std::size_t>(s.seat)] = s.name;
    hand_started(names);
    for (const RecordedEvent& e : hand.events) {
        switch (e.kind) {
            case RecordedEvent::Kind::blind:
                blind_posted(e.seat);
                break;
            case RecordedEvent::Kind::street:
                street_dealt(e.street);
                break;
            case RecordedEvent::Kind::action:
                action_taken({e.seat, e.street, e.action, e.amount, e.total, e.bet_before});
                break;
            default:
                break;
        }
    }
}

void SeatStatistics::street_dealt(Street street) {
    street_ = street;
}

void SeatStatistics::action_taken(const ActionEvent& e) {
    if (e.seat < 1 || e.seat > seat_count) return;
    see(e.seat);
    Seat& s = seats_[static_cast<std::size_t>(e.seat)];
    PlayerStatistics& c = counts(s);
    const bool raise = aggressive(e);
    if (street_ == Street::preflop) {
        if (!s.voluntary && e.amount > 0 && e.action != Action::fold) {
            s.voluntary = true;
            ++c.voluntary;
        }
        if (preflop_raises_ == 1 && !s.chance) {
            s.chance = true;
            ++c.three_bet_chances;
            if (raise) ++c.three_bets;
        }
        if (raise) {
            if (!s.raised) ++c.preflop_raises;
            s.raised = true;
            ++preflop_raises_;
            preflop_raiser_ = e.seat;
        }
        return;
    }
    if (raise)
        ++c.aggressive;
    else if (e.action == Action::call || e.action == Action::all_in)
        ++c.calls;
    if (street_ != Street::flop) return;
    if (cbet_live_ && e.seat != preflop_raiser_) {
        ++c.cbet_faced;
        if (e.action == Action::fold) ++c.cbet_folds;
    }
    if (raise) {
        // The first bet on the flop is a continuation bet when the preflop raiser makes it;
        // a raise over it ends the chances of folding to it alone.
        cbet_live_ = !flop_bet_ && e.seat == preflop_raiser_;
        flop_bet_ = true;
    }
}

const PlayerStatistics* SeatStatistics::of(const std::string& name) const {
    const auto at = players_.find(name);
    return at == players_.end() ? nullptr : &at->second;
}

}  // namespace holdem
