#include "report/hand_history.h"

#include "report/words.h"

#include <algorithm>

namespace holdem {

namespace {

std::string format_time(std::time_t moment, bool local, const char* format) {
    std::tm parts{};
    const std::tm* converted = local ? std::localtime(&moment) : std::gmtime(&moment);
    if (converted) parts = *converted;
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, format, &parts);
    return std::string(text, n);
}

std::string n(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace

std::string tournament_id(std::time_t started, bool local) {
    return format_time(started, local, "%Y%m%d%H%M%S");
}

std::string timestamp_text(std::time_t moment, bool local) {
    return format_time(moment, local, "%Y-%m-%d %H:%M:%S");
}

HandHistory::HandHistory(std::string tournament_id, Timestamp timestamp, Sink sink)
    : tournament_id_(std::move(tournament_id)),
      timestamp_(std::move(timestamp)),
      sink_(std::move(sink)) {}

void HandHistory::line(const std::string& text) {
    hand_ += text;
    hand_ += '\n';
}

void HandHistory::hand_started(const Table& t) {
    hand_.clear();
    summary_.clear();
    in_hand_ = true;
    hole_cards_written_ = false;
    shown_down_ = false;
    pots_.clear();
    won_.fill(0);
    mucked_.fill(false);
    shown_.fill(false);
    street_total_.fill(0);
    const int button = dealer_seat(t);
    line("Final Table Hold'em Hand #" + n(static_cast<std::int64_t>(t.hands_started)) +
         ": Tournament #" + tournament_id_ + ", " +
         (t.options.rules == Rules::standard ? "Hold'em No Limit - " : "") + "Level " + n(t.level) +
         " (" + n(t.limits) + "/" + n(2LL * t.limits) + ") - " + timestamp_());
    line("Table 'Final Table' 10-max Seat #" + n(button) + " is the button");
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        if (!p.Active) continue;
        line("Seat " + n(k) + ": " + p.caption + " (" + n(p.prize) + " in chips)" +
             (p.sittingout ? " is sitting out" : ""));
    }
    if (pending_charge_ > 0)
        line(t.seat(human_seat).caption + ": pays " + n(pending_charge_) +
             " for sitting out on the button");
    pending_charge_ = 0;
}

void HandHistory::sit_out_charged(const Table&, Chips amount) {
    pending_charge_ = amount;
}

void HandHistory::ante_posted(const Table& t, int seat, Chips amount) {
    if (!in_hand_) return;
    line(t.seat(seat).caption + ": posts the ante " + n(amount) +
         (t.seat(seat).prize <= 0 ? " and is all-in" : ""));
}

void HandHistory::blind_posted(const Table& t, int seat, Chips amount, bool big) {
    if (!in_hand_) return;
    street_total_[seat] += amount;
    line(t.seat(seat).caption + ": posts " + (big ? "big" : "small") + " blind " + n(amount) +
         (t.seat(seat).prize <= 0 ? " and is all-in" : ""));
}

void HandHistory::hole_cards(const Table& t) {
    if (hole_cards_written_) return;
    hole_cards_written_ = true;
    line("*** HOLE CARDS ***");
    const Player& you = t.seat(human_seat);
    if (you.sittingout) return;
    line("Dealt to " + you.caption + " [" +
         card_list(
             {t.deck[deck_pos::first_card(human_seat)], t.deck[deck_pos::second_card(human_seat)]},
             true) +
         "]");
}

void HandHistory::action_taken(const Table& t, const ActionEvent& e) {
    if (!in_hand_) return;
    hole_cards(t);
    const std::string& who = t.seat(e.seat).caption;
    Chips& mine = street_total_[e.seat];
    if (e.amount < 0) {
        mine += e.amount;
        line("Uncalled bet (" + n(-e.amount) + ") returned to " + who);
        return;
    }
    if (e.action == Action::fold) {
        line(who + ": folds");
        return;
    }
    if (e.amount == 0) {
        line(who + ": checks");
        return;
    }
    Chips level = 0;  // the street's bet before this action
    for (int k = 1; k <= seat_count; ++k)
        level = std::max(level, street_total_[k]);
    mine += e.amount;
    const std::string all_in = t.seat(e.seat).prize <= 0 ? " and is all-in" : "";
    if (mine <= level)
        line(who + ": calls " + n(e.amount) + all_in);
    else if (level == 0)
        line(who + ": bets " + n(e.amount) + all_in);
    else
        line(who + ": raises " + n(mine - level) + " to " + n(mine) + all_in);
}

void HandHistory::street_dealt(const Table& t, Street street) {
    if (!in_hand_) return;
    hole_cards(t);
    street_total_.fill(0);
    const int shown = board_cards_shown(street);
    if (street == Street::flop)
        line("*** FLOP *** [" + board_list(t, 3, true) + "]");
    else
        line("*** " + std::string(street_name(street)) + " *** [" + board_list(t, shown - 1, true) +
             "] [" + history_card(t.deck[deck_pos::board(shown)]) + "]");
}

void HandHistory::showdown_started(const Table& t) {
    if (!in_hand_) return;
    hole_cards(t);
    shown_down_ = true;
    line("*** SHOW DOWN ***");
}

void HandHistory::hand_shown(const Table& t, int seat) {
    if (!in_hand_) return;
    const Player& p = t.seat(seat);
    shown_[seat] = true;
    line(p.caption + ": shows [" + card_list({p.cardone, p.cardtwo}, true) + "] (" +
         hand_text(t, seat) + ")");
}

void HandHistory::pot_won(const Table& t, int seat, Chips amount) {
    if (!in_hand_ || t.options.rules == Rules::standard) return;  // told pot by pot
    const Player& p = t.seat(seat);
    line(p.caption + " collected " + n(amount) + " from pot");
    summary_.push_back("Seat " + n(seat) + ": " + p.caption + " showed [" +
                       card_list({p.cardone, p.cardtwo}, true) + "] and won (" + n(amount) +
                       ") with " + hand_text(t, seat));
}

void HandHistory::uncalled_bet_returned(const Table& t, int seat, Chips amount) {
    if (!in_hand_) return;
    hole_cards(t);
    line("Uncalled bet (" + n(amount) + ") returned to " + t.seat(seat).caption);
}

void HandHistory::pots_counted(const Table&, const std::vector<Chips>& pots) {
    pots_ = pots;
}

void HandHistory::hand_mucked(const Table& t, int seat) {
    if (!in_hand_) return;
    line(t.seat(seat).caption + ": mucks hand");
    mucked_[seat] = true;
}

void HandHistory::pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) {
    if (!in_hand_) return;
    const Player& p = t.seat(seat);
    line(p.caption + " collected " + n(amount) + " from " + pot_name(pot, pots));
    won_[seat] += amount;
}

// A seat's line in the summary of a standard hand: all it won, over every pot.
void HandHistory::standard_summary(const Table& t) {
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        const std::string seat = "Seat " + n(k) + ": " + p.caption;
        if (won_[k] > 0 && shown_down_)
            summary_.push_back(seat + " showed [" + card_list({p.cardone, p.cardtwo}, true) +
                               "] and won (" + n(won_[k]) + ") with " + hand_text(t, k));
        else if (won_[k] > 0)
            summary_.push_back(seat + " collected (" + n(won_[k]) + ")");
        else if (shown_[k])
            summary_.push_back(seat + " showed [" + card_list({p.cardone, p.cardtwo}, true) +
                               "] and lost with " + hand_text(t, k));
        else if (mucked_[k])
            summary_.push_back(seat + " mucked");
    }
}

void HandHistory::pot_awarded(const Table& t) {
    if (!in_hand_) return;
    line("*** SUMMARY ***");
    // The board as far as it was dealt: a hand won without a showdown may stop early.
    const int dealt = t.options.rules == Rules::standard ? (t.postflop3   ? 5
                                                            : t.postflop2 ? 4
                                                            : t.postflop1 ? 3
                                                                          : 0)
                                                         : 5;
    const std::string board = dealt > 0 ? " | Board [" + board_list(t, dealt, true) + "]" : "";
    line((pots_.empty() ? "Total pot " + n(t.pot) : pots_summary(pots_)) + board);
    if (t.options.rules == Rules::standard) standard_summary(t);
    for (const std::string& s : summary_)
        line(s);
    hand_ += '\n';
    in_hand_ = false;
    sink_(hand_);
}

}  // namespace holdem
