#include "standard/tournament.h"

#include <algorithm>
#include <cmath>

#include "rules/reading/standard_hand.h"
#include "rules/tournament/field.h"
#include "rules/tournament/limits_clock.h"

namespace holdem::standard {

Tournament::Tournament(std::uint64_t seed, int late) : random_(seed) {
    random_.reseed();
    seats_[0].name = std::string(human_name);
    for (int k = 2; k <= seats; ++k)
        seats_[static_cast<std::size_t>(k - 1)].name = std::string(starting_names[k - 2]);
    for (TableSeat& s : seats_)
        s.stack = 1000;
    brought_ = seats * 1000;
    eliminated_ = std::clamp(late, 0, field - seats);
    eliminated_chips_ = std::int64_t{eliminated_} * 1000;
    button_ = 1 + static_cast<int>(draw() * seats) % seats;
}

Chips Tournament::small_blind() const {
    const std::size_t level = std::min<std::size_t>(hands_ / 10, limits_schedule.size() - 1);
    return limits_schedule[level];
}

std::string Tournament::new_name() {
    return new_player_name(random_);
}

int Tournament::board_shown() const {
    switch (hand_ ? hand_->round() : Round::preflop) {
        case Round::preflop:
            return 0;
        case Round::flop:
            return 3;
        case Round::turn:
            return 4;
        default:
            return 5;
    }
}

// Between hands: entrants knocked out elsewhere, the human's fate, broke seats refilled from
// the field with the knocked-out entrants' average stack, or closed once nobody is left outside.
void Tournament::tournament_step() {
    int open = static_cast<int>(
        std::count_if(seats_.begin(), seats_.end(), [](const TableSeat& s) { return s.open; }));
    const int outside = field - eliminated_ - open;
    const int batch = std::min(outside, 5 + static_cast<int>(draw() * 10));
    eliminated_ += batch;
    eliminated_chips_ += std::int64_t{batch} * 1000;
    if (seats_[0].stack <= 0) {
        ended_ = TournamentEnd::human_broke;
        return;
    }
    for (int k = 2; k <= seats; ++k) {
        TableSeat& s = seats_[static_cast<std::size_t>(k - 1)];
        if (!s.open || s.stack > 0) continue;
        ++eliminated_;  // the broke player is out
        if (field - eliminated_ - (open - 1) > 0) {
            s.name = new_name();
            s.stack = static_cast<Chips>(eliminated_chips_ / std::max(1, eliminated_ - 3));
            brought_ += s.stack;
        } else {
            s.open = false;
            --open;
        }
    }
    if (open == 1) ended_ = TournamentEnd::won;
}

bool Tournament::deal() {
    if (hands_ > 0) tournament_step();
    if (ended_) return false;
    // The button moves to the next seat with chips (the first hand's was drawn).
    if (hands_ > 0) {
        do
            button_ = button_ % seats + 1;
        while (!seats_[static_cast<std::size_t>(button_ - 1)].open ||
               seats_[static_cast<std::size_t>(button_ - 1)].stack <= 0);
    }
    std::array<CardCode, 52> deck;
    for (int i = 0; i < 52; ++i)
        deck[static_cast<std::size_t>(i)] = static_cast<CardCode>(i + 1);
    for (int i = 51; i > 0; --i)
        std::swap(deck[static_cast<std::size_t>(i)],
                  deck[static_cast<std::size_t>(static_cast<int>(draw() * (i + 1)) % (i + 1))]);
    std::vector<SeatStart> starts;
    for (int k = 1; k <= seats; ++k) {
        const TableSeat& s = seats_[static_cast<std::size_t>(k - 1)];
        holes_[static_cast<std::size_t>(k - 1)] = {deck[static_cast<std::size_t>(2 * (k - 1))],
                                                   deck[static_cast<std::size_t>(2 * k - 1)]};
        if (s.open && s.stack > 0) starts.push_back({k, s.stack, s.sitting_out});
    }
    for (int i = 0; i < 5; ++i)
        board_[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(20 + i)];
    ++hands_;
    const Chips sb = small_blind();
    hand_ = std::make_unique<HandState>(starts, button_, sb, 2 * sb);
    return true;
}

// A placeholder player until the standard opponents arrive: it plays its made hand and never
// folds when it could check.
Tournament::Decision Tournament::computer_decision() {
    const int k = hand_->to_act();
    const Legal l = hand_->legal();
    const auto& cards = holes_[static_cast<std::size_t>(k - 1)];
    CardMask mine = card_bit(cards[0]) | card_bit(cards[1]);
    for (int i = 0; i < board_shown(); ++i)
        mine |= card_bit(board_[static_cast<std::size_t>(i)]);
    const Category made = category_of(standard_strength(mine));
    int score = 0;
    if (board_shown() == 0)
        score = rank_index(cards[0]) == rank_index(cards[1])                ? 2
                : std::min(rank_index(cards[0]), rank_index(cards[1])) >= 8 ? 1
                                                                            : 0;
    else
        score = made >= Category::two_pair ? 2 : made == Category::pair ? 1 : 0;
    const float r = draw();
    if (score == 2 && l.can_raise && r < 0.6f) {
        const Chips half_pot = static_cast<Chips>(hand_->pot() / 2);
        return {hand_->current_bet() ? Move::raise : Move::bet,
                std::clamp(l.min_to + half_pot, l.min_to, l.max_to)};
    }
    if (l.can_check) return {Move::check};
    if (score >= 1 || (l.to_call <= 2 * small_blind() && r < 0.5f)) return {Move::call};
    return {Move::fold};
}

const Settlement& Tournament::finish_hand() {
    settlement_ = hand_->settle([&](int seat) {
        const auto& cards = holes_[static_cast<std::size_t>(seat - 1)];
        CardMask all = card_bit(cards[0]) | card_bit(cards[1]);
        for (CardCode c : board_)
            all |= card_bit(c);
        return std::uint64_t{standard_strength(all)};
    });
    for (int k = 1; k <= seats; ++k) {
        TableSeat& s = seats_[static_cast<std::size_t>(k - 1)];
        if (s.open && s.stack > 0) s.stack = hand_->stack(k);
    }
    return settlement_;
}

std::int64_t Tournament::chips_at_table() const {
    std::int64_t at_table = 0;
    for (const TableSeat& s : seats_)
        at_table += s.stack;
    return at_table;
}

}  // namespace holdem::standard
