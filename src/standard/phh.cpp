#include "standard/phh.h"

#include <algorithm>

#include "standard/tournament.h"

namespace holdem::standard {

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

// Names as TOML basic strings: quotes and backslashes escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string phh_card(CardCode code) {
    constexpr char ranks[] = "23456789TJQKA";
    return {ranks[rank_index(code)], suit_letters[static_cast<std::size_t>(card_suit(code))]};
}

int PhhRecorder::player_of(int seat) const {
    const auto at = std::find(seats_.begin(), seats_.end(), seat);
    return static_cast<int>(at - seats_.begin()) + 1;
}

void PhhRecorder::start(const Tournament& t, const std::string& event) {
    const HandState& hand = t.hand();
    seats_.clear();
    starting_.clear();
    actions_.clear();
    dealt_ = 0;
    // From the seat after the button round to the button.
    for (int step = 1; step <= Tournament::seats; ++step) {
        const int seat = (hand.button() - 1 + step) % Tournament::seats + 1;
        if (hand.put_in(seat) > 0 || hand.stack(seat) > 0) {
            seats_.push_back(seat);
            starting_.push_back(hand.stack(seat) + hand.put_in(seat));
        }
    }
    small_blind_ = t.small_blind();
    big_blind_ = 2 * t.small_blind();
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        const auto& cards = t.hole(seats_[i]);
        actions_.push_back("d dh p" + number(static_cast<std::int64_t>(i) + 1) + " " +
                           phh_card(cards[0]) + phh_card(cards[1]));
    }
    std::vector<std::string> names;
    for (int seat : seats_)
        names.push_back(t.seat(seat).name);
    // Heads-up the blinds are given as usual and assigned the other way round by the format.
    std::vector<Chips> blinds(seats_.size(), 0);
    blinds[0] = small_blind_;
    blinds[1] = big_blind_;
    header_ = "variant = \"NT\"\n";
    header_ += "antes = " + toml_array(std::vector<Chips>(seats_.size(), 0), number) + "\n";
    header_ += "blinds_or_straddles = " + toml_array(blinds, number) + "\n";
    header_ += "min_bet = " + number(big_blind_) + "\n";
    header_ += "starting_stacks = " + toml_array(starting_, number) + "\n";
    header_ += "players = " + toml_array(names, quoted) + "\n";
    header_ += "seats = " + toml_array(seats_, number) + "\n";
    header_ += "seat_count = " + number(Tournament::seats) + "\n";
    header_ += "hand = " + number(static_cast<std::int64_t>(t.hands_dealt())) + "\n";
    header_ += "level = " +
               number(std::min<std::int64_t>(
                   static_cast<std::int64_t>(t.hands_dealt() - 1) / 10 + 1, 13)) +
               "\n";
    header_ += "event = " + quoted(event) + "\n";
}

void PhhRecorder::move(int seat, Move move, Chips to) {
    const std::string who = "p" + number(player_of(seat));
    switch (move) {
        case Move::fold:
            actions_.push_back(who + " f");
            break;
        case Move::check:
        case Move::call:
            actions_.push_back(who + " cc");
            break;
        case Move::bet:
        case Move::raise:
            actions_.push_back(who + " cbr " + number(to));
            break;
    }
}

void PhhRecorder::deal_streets(const Tournament& t) {
    const int shown = t.board_shown();
    if (shown <= dealt_) return;
    while (dealt_ < shown) {
        const int street_end = dealt_ == 0 ? 3 : dealt_ + 1;
        std::string cards;
        for (int i = dealt_; i < street_end; ++i)
            cards += phh_card(t.board()[static_cast<std::size_t>(i)]);
        actions_.push_back("d db " + cards);
        dealt_ = street_end;
    }
}

std::string PhhRecorder::finish(const Tournament& t, const Settlement& settled) {
    deal_streets(t);
    for (int seat : settled.show_order) {
        const auto& cards = t.hole(seat);
        actions_.push_back("p" + number(player_of(seat)) + " sm " + phh_card(cards[0]) +
                           phh_card(cards[1]));
    }
    for (int seat : settled.mucked)
        actions_.push_back("p" + number(player_of(seat)) + " sm");
    std::vector<Chips> finishing, winnings(seats_.size(), 0);
    for (int seat : seats_)
        finishing.push_back(t.hand().stack(seat));
    for (const auto& [seat, amount] : settled.collected)
        winnings[static_cast<std::size_t>(player_of(seat) - 1)] += amount;
    std::string out = "[" + number(static_cast<std::int64_t>(t.hands_dealt())) + "]\n" + header_;
    out += "actions = " + toml_array(actions_, quoted) + "\n";
    out += "finishing_stacks = " + toml_array(finishing, number) + "\n";
    out += "winnings = " + toml_array(winnings, number) + "\n\n";
    return out;
}

}  // namespace holdem::standard
