#include "report/hand_log.h"

#include "report/words.h"

namespace holdem {

namespace {

std::string name(const Table& t, int seat) {
    return t.seat(seat).caption;
}

// "You check" but "river rat checks".
std::string says(const Table& t, int seat, std::string_view verb) {
    std::string line = name(t, seat);
    line += ' ';
    line += verb;
    if (seat != human_seat) line += verb.back() == 's' ? "es" : "s";
    return line;
}

bool standard_rules(const Table& t) {
    return t.options.rules == Rules::standard;
}

// "You raise to 600 and are all in", "river rat calls 40".
std::string standard_action(const Table& t, const ActionEvent& e) {
    const int k = e.seat;
    const bool all_in = t.seat(k).prize <= 0 && e.amount > 0;
    std::string line;
    if (e.action == Action::fold) return says(t, k, "fold");
    if (e.amount == 0) return says(t, k, "check");
    if (e.total <= e.bet_before)
        line = says(t, k, "call") + " " + std::to_string(e.amount);
    else if (e.bet_before == 0)
        line = says(t, k, "bet") + " " + std::to_string(e.total);
    else
        line = says(t, k, "raise") + " to " + std::to_string(e.total);
    if (all_in) line += k == human_seat ? " and are all in" : " and is all in";
    return line;
}

}  // namespace

std::string action_badge(const ActionEvent& e) {
    switch (e.action) {
        case Action::fold:
            return "Fold";
        case Action::check:
            return "Check";
        case Action::call:
            return "Call " + std::to_string(e.amount);
        case Action::bet:
            return "Bet " + std::to_string(e.total);
        case Action::raise:
            return "Raise " + std::to_string(e.total);
        case Action::all_in:
            return "All in";
    }
    return {};
}

void HandLog::showdown_started(const Table&) {
    shown_down_ = true;
}

void HandLog::hand_started(const Table& t) {
    shown_down_ = false;
    std::string line = "--- Hand " + std::to_string(t.hands_started) + " --- blinds " +
                       std::to_string(t.limits) + "/" + std::to_string(2LL * t.limits);
    if (const int dealer = dealer_seat(t)) line += ", " + says(t, dealer, "deal");
    line_(line);
    for (const std::string& waiting : steps_)
        line_(waiting);
    steps_.clear();
}

void HandLog::step(std::string line) {
    steps_.push_back(std::move(line));
}

namespace {
// The standard game speaks to the human as "you are"; the classic log keeps its own words.
const char* all_in_words(const Table& t, int seat) {
    return seat == human_seat && standard_rules(t) ? " and are all in" : " and is all in";
}
}  // namespace

void HandLog::ante_posted(const Table& t, int seat, Chips amount) {
    std::string line = says(t, seat, "post") + " the ante " + std::to_string(amount);
    if (t.seat(seat).prize <= 0) line += all_in_words(t, seat);
    line_(line);
}

void HandLog::blind_posted(const Table& t, int seat, Chips amount, bool big) {
    // A big blind whose ante took every chip posts nothing more: there is nothing to say.
    if (amount <= 0 && standard_rules(t)) return;
    std::string line = says(t, seat, "post");
    line += big ? " the big blind " : " the small blind ";
    line += std::to_string(amount);
    if (t.seat(seat).prize <= 0) line += all_in_words(t, seat);
    line_(line);
}

void HandLog::action_taken(const Table& t, const ActionEvent& e) {
    const int k = e.seat;
    if (standard_rules(t)) {
        // A seat that sits out is folded at its turn: it did not choose to fold.
        if (e.action == Action::fold && t.seat(k).sittingout)
            line_(says(t, k, "sit") + " out");
        else
            line_(standard_action(t, e));
        return;
    }
    if (e.amount < 0) {
        // After a short big blind the table's bet can fall below a seat's blind: calling it
        // hands the difference back.
        line_(std::to_string(-e.amount) + " goes back to " + name(t, k));
        return;
    }
    switch (e.action) {
        case Action::fold:
            line_(says(t, k, "fold"));
            break;
        case Action::check:
            line_(says(t, k, "check"));
            break;
        case Action::call:
            line_(says(t, k, "call") + " " + std::to_string(e.amount));
            break;
        case Action::bet:
            line_(says(t, k, "bet") + " " + std::to_string(e.amount));
            break;
        case Action::raise:
            line_(says(t, k, "raise") + " " + std::to_string(e.total - e.bet_before) + " to " +
                  std::to_string(e.total));
            break;
        case Action::all_in:
            line_(name(t, k) + (k == human_seat ? " go" : " goes") + " all in with " +
                  std::to_string(e.amount));
            break;
    }
}

void HandLog::street_dealt(const Table& t, Street street) {
    const int shown = board_cards_shown(street);
    std::string line = "*** " + std::string(street_name(street)) + " *** [";
    line += street == Street::flop ? board_list(t, 3, false) : board_list(t, shown - 1, false);
    line += "]";
    if (street != Street::flop)
        line += " [" + std::string(card_text(t.deck[deck_pos::board(shown)])) + "]";
    line_(line);
}

void HandLog::hand_shown(const Table& t, int seat) {
    const Player& p = t.seat(seat);
    line_(says(t, seat, "show") + " " + card_list({p.cardone, p.cardtwo}, false) + " (" +
          hand_text(t, seat) + ")");
}

void HandLog::pot_won(const Table& t, int seat, Chips amount) {
    if (standard_rules(t)) return;  // told pot by pot
    line_(says(t, seat, "win") + " " + std::to_string(amount) + " with " + hand_text(t, seat));
}

void HandLog::uncalled_bet_returned(const Table& t, int seat, Chips amount) {
    line_("Uncalled bet (" + std::to_string(amount) + ") returned to " + name(t, seat));
}

void HandLog::pots_counted(const Table&, const std::vector<Chips>& pots) {
    if (pots.size() > 1) line_(pots_summary(pots));
}

void HandLog::hands_faced_up(const Table& t, const std::vector<int>& seats) {
    std::string line = "All in: the hands are turned up";
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const Player& p = t.seat(seats[i]);
        line += (i == 0 ? " — " : ", ") + name(t, seats[i]) + " " +
                card_list({p.cardone, p.cardtwo}, false);
    }
    line_(line);
}

void HandLog::hand_mucked(const Table& t, int seat) {
    line_(says(t, seat, "muck"));
}

void HandLog::pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) {
    std::string line =
        name(t, seat) + " collected " + std::to_string(amount) + " from " + pot_name(pot, pots);
    if (shown_down_) line += " with " + hand_text(t, seat);
    line_(line);
}

void HandLog::seat_refilled(const Table& t, int seat, Chips) {
    step(name(t, seat) + " takes seat " + std::to_string(seat) + " with " +
         std::to_string(t.seat(seat).prize));
}

void HandLog::seat_closed(const Table& t, int seat) {
    step(name(t, seat) + " is out of the tournament; seat " + std::to_string(seat) + " closes");
}

void HandLog::sit_out_charged(const Table& t, Chips amount) {
    step(says(t, human_seat, "pay") + " " + std::to_string(amount) +
         " for sitting out on the button");
}

void HandLog::game_ended(const Table& t, GameEnd why) {
    for (const std::string& waiting : steps_)
        line_(waiting);
    steps_.clear();
    const std::string rank =
        (finish_ ? finish_() : std::nullopt)
            .value_or("your rank is " + std::to_string(field_size - t.field.eliminated));
    switch (why) {
        case GameEnd::HumanBroke:
            line_("You are out of chips: " + rank + ".");
            break;
        case GameEnd::TournamentWon:
            line_("You won the tournament!");
            break;
        case GameEnd::Exit:
            line_("You leave the table.");
            break;
        case GameEnd::Overflow:
            line_("The game stops: a chip count grew beyond what it can hold.");
            break;
    }
}

}  // namespace holdem
