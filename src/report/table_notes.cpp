#include "report/table_notes.h"

#include "report/hand_log.h"
#include "report/words.h"

namespace holdem {

void TableNotes::hand_started(const Table& t) {
    statistics_.hand_started(t);
    badges_.fill({});
    actions_.fill(std::nullopt);
    awards_.clear();
    side_pots_ = false;
}

void TableNotes::ante_posted(const Table&, int seat, Chips amount) {
    badges_[seat] = "Ante " + std::to_string(amount);
    actions_[seat].reset();
}

void TableNotes::blind_posted(const Table&, int seat, Chips amount, bool big) {
    statistics_.blind_posted(seat);
    badges_[seat] = (big ? "Big blind " : "Small blind ") + std::to_string(amount);
    actions_[seat].reset();
}

void TableNotes::action_taken(const Table&, const ActionEvent& e) {
    statistics_.action_taken(e);
    badges_[e.seat] = action_badge(e);
    actions_[e.seat] = e.action;
}

void TableNotes::street_dealt(const Table&, Street street) {
    statistics_.street_dealt(street);
    // A fold stays in view; the rest belongs to the round that has just closed.
    for (int k = 1; k <= seat_count; ++k)
        if (actions_[k] != Action::fold) {
            badges_[k].clear();
            actions_[k].reset();
        }
}

void TableNotes::pot_share_won(const Table&, int, Chips, int, int pots) {
    side_pots_ = pots > 1;
}

void TableNotes::pot_won(const Table& t, int seat, Chips amount) {
    // Under the standard rules a seat may win several pots: the table shows what it won in all.
    if (t.options.rules == Rules::standard)
        for (Award& a : awards_)
            if (a.seat == seat) {
                a.amount += amount;
                return;
            }
    awards_.push_back({seat, amount, hand_text(t, seat)});
    names_[seat] = t.seat(seat).caption;
}

std::string TableNotes::winners_line() const {
    if (awards_.empty()) return {};
    auto won = [&](const Award& a) {
        return names_[a.seat] + (a.seat == human_seat ? " win " : " wins ") +
               std::to_string(a.amount) + (a.hand.empty() ? "" : " with " + a.hand);
    };
    const Award& first = awards_.front();
    if (awards_.size() == 1) return won(first);
    // Side pots to different seats are no split: each winner and what it took.
    if (side_pots_) {
        std::string line;
        for (const Award& a : awards_)
            line += (line.empty() ? "" : "; ") + won(a);
        return line;
    }
    // Shares are rounded to whole chips, so they may differ by one.
    bool same_amount = true, same_hand = true;
    for (const Award& a : awards_) {
        same_amount = same_amount && a.amount == first.amount;
        same_hand = same_hand && a.hand == first.hand;
    }
    std::string line = "Split pot: ";
    for (std::size_t i = 0; i < awards_.size(); ++i) {
        if (i > 0) line += i + 1 == awards_.size() ? " and " : ", ";
        line += names_[awards_[i].seat];
        if (!same_amount) line += " " + std::to_string(awards_[i].amount);
    }
    line += same_amount ? " win " + std::to_string(first.amount) + " each" : "";
    if (same_hand && !first.hand.empty()) line += " with " + first.hand;
    return line;
}

}  // namespace holdem
