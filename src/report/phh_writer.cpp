#include "report/phh_writer.h"

#include <algorithm>

namespace holdem {

namespace {

template <typename T, typename Text>
std::string toml_array(const std::vector<T>& values, Text text) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ", ";
        out += text(values[i]);
    }
    return out + "]";
}

std::string number(std::int64_t n) {
    return std::to_string(n);
}

// Texts as TOML basic strings: quotes and backslashes escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string hole(const Table& t, int seat) {
    return phh_card(t.deck[deck_pos::first_card(seat)]) +
           phh_card(t.deck[deck_pos::second_card(seat)]);
}

}  // namespace

std::string phh_card(CardCode code) {
    constexpr char ranks[] = "23456789TJQKA";
    return {ranks[rank_index(code)], suit_letters[static_cast<std::size_t>(card_suit(code))]};
}

std::string PhhWriter::player(int seat) const {
    const auto at = std::find(seats_.begin(), seats_.end(), seat);
    return "p" + number(at - seats_.begin() + 1);
}

// Told before the blinds go in: the stacks are the hand's starting stacks.
void PhhWriter::hand_started(const Table& t) {
    in_hand_ = true;
    seats_.clear();
    shown_.clear();
    actions_.clear();
    std::vector<Chips> starting;
    std::vector<std::string> names;
    const int button = t.dealer_button_seat;
    for (int step = 1; step <= seat_count; ++step) {
        const int seat = seat_after(button, step);
        const Player& p = t.seat(seat);
        if (!p.Active || p.prize <= 0) continue;
        seats_.push_back(seat);
        starting.push_back(p.prize);
        names.push_back(p.caption);
    }
    winnings_.assign(seats_.size(), 0);
    // Heads-up the button posts the small blind; the format writes the blinds as usual and
    // assigns them the other way round itself.
    std::vector<Chips> blinds(seats_.size(), 0);
    const Chips small = t.limits, big = 2 * t.limits;
    blinds[0] = small;
    blinds[1] = big;
    for (std::size_t i = 0; i < seats_.size(); ++i)
        actions_.push_back("d dh p" + number(static_cast<std::int64_t>(i) + 1) + " " +
                           hole(t, seats_[i]));
    header_ = "variant = \"NT\"\n";
    // The big blind's ante stands where its blind does, heads-up included.
    std::vector<Chips> antes(seats_.size(), 0);
    if (seats_.size() >= 2) antes[1] = t.ante;
    header_ += "antes = " + toml_array(antes, number) + "\n";
    header_ += "blinds_or_straddles = " + toml_array(blinds, number) + "\n";
    header_ += "min_bet = " + number(big) + "\n";
    header_ += "starting_stacks = " + toml_array(starting, number) + "\n";
    header_ += "players = " + toml_array(names, quoted) + "\n";
    header_ += "seats = " + toml_array(seats_, number) + "\n";
    header_ += "seat_count = " + number(seat_count) + "\n";
    header_ += "hand = " + number(static_cast<std::int64_t>(t.hands_started)) + "\n";
    header_ += "level = " + number(t.level) + "\n";
    header_ += "event = " + quoted(event_) + "\n";
}

void PhhWriter::action_taken(const Table&, const ActionEvent& e) {
    if (!in_hand_) return;
    const std::string who = player(e.seat);
    if (e.action == Action::fold)
        actions_.push_back(who + " f");
    else if (e.total > e.bet_before)
        actions_.push_back(who + " cbr " + number(e.total));
    else
        actions_.push_back(who + " cc");
}

void PhhWriter::street_dealt(const Table& t, Street street) {
    if (!in_hand_) return;
    const int to = board_cards_shown(street);
    const int from = street == Street::flop ? 1 : to;
    std::string cards;
    for (int i = from; i <= to; ++i)
        cards += phh_card(t.deck[deck_pos::board(i)]);
    actions_.push_back("d db " + cards);
}

// All-in hands are shown where the betting ends, before the rest of the board.
void PhhWriter::hands_faced_up(const Table& t, const std::vector<int>& seats) {
    for (int seat : seats)
        hand_shown(t, seat);
}

void PhhWriter::hand_shown(const Table& t, int seat) {
    if (!in_hand_ || std::find(shown_.begin(), shown_.end(), seat) != shown_.end()) return;
    shown_.push_back(seat);
    actions_.push_back(player(seat) + " sm " + hole(t, seat));
}

void PhhWriter::hand_mucked(const Table&, int seat) {
    if (in_hand_) actions_.push_back(player(seat) + " sm");
}

void PhhWriter::pot_share_won(const Table&, int seat, Chips amount, int, int) {
    if (!in_hand_) return;
    const auto at = std::find(seats_.begin(), seats_.end(), seat);
    if (at != seats_.end()) winnings_[static_cast<std::size_t>(at - seats_.begin())] += amount;
}

void PhhWriter::pot_awarded(const Table& t) {
    if (!in_hand_) return;
    in_hand_ = false;
    std::vector<Chips> finishing;
    for (int seat : seats_)
        finishing.push_back(t.seat(seat).prize);
    const std::uint64_t name = name_ ? name_(t) : t.hands_started;
    std::string out = "[" + number(static_cast<std::int64_t>(name)) + "]\n" + header_;
    out += "actions = " + toml_array(actions_, quoted) + "\n";
    out += "finishing_stacks = " + toml_array(finishing, number) + "\n";
    out += "winnings = " + toml_array(winnings_, number) + "\n\n";
    sink_(out);
}

}  // namespace holdem
