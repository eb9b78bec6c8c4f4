#include "picture/standings.h"

#include <algorithm>
#include <numeric>

#include "model/numbers.h"

namespace holdem {

namespace {

constexpr std::size_t leaders_shown = 10;

// The places paid in bands of the same prize: "1st", "2nd", …, "10th–18th".
std::vector<PayoutRow> payout_bands(const tournament::Payouts& payouts, int players_left) {
    std::vector<PayoutRow> rows;
    const int paid = payouts.paid();
    for (int place = 1; place <= paid;) {
        int last = place;
        while (last < paid && payouts.prize_for(last + 1) == payouts.prize_for(place))
            ++last;
        PayoutRow row;
        row.places =
            place == last ? ordinal_text(place) : ordinal_text(place) + "–" + ordinal_text(last);
        row.prize = payouts.prize_for(place);
        row.reached = last <= players_left;
        rows.push_back(std::move(row));
        place = last + 1;
    }
    return rows;
}

}  // namespace

Standings standings_of(const tournament::Field& field) {
    Standings st;
    const int left = field.players_left();
    const tournament::Payouts& payouts = field.payouts();
    std::vector<int> in;
    for (int e = 0; e < field.entrants(); ++e)
        if (field.entrant(e).place == 0) in.push_back(e);
    // By chips, the larger first; equal stacks in the order they were drawn.
    std::stable_sort(in.begin(), in.end(),
                     [&](int a, int b) { return field.entrant(a).stack > field.entrant(b).stack; });
    const Chips chips = std::accumulate(in.begin(), in.end(), Chips{0}, [&](Chips sum, int e) {
        return sum + field.entrant(e).stack;
    });
    st.summary = grouped(left) + " of " + grouped(field.entrants()) + " left · average " +
                 grouped(left > 0 ? chips / left : 0) + " · " + grouped(payouts.paid()) +
                 " paid · prize pool " + grouped(payouts.pool);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const tournament::Entrant& e = field.entrant(in[i]);
        if (i >= leaders_shown && !e.human) continue;
        st.leaders.push_back({static_cast<int>(i) + 1, e.name, e.stack, e.table, e.human});
    }
    const tournament::Entrant& me = field.entrant(field.human());
    if (me.place > 0) {
        st.human = finish_words(me.place, field.entrants(), me.prize);
    } else {
        const tournament::Standing mine = field.standing_of(field.human());
        st.human = "You: rank " + grouped(mine.chip_rank) + " of " + grouped(left) + " with " +
                   grouped(me.stack) + " at table " + std::to_string(me.table);
    }
    st.payouts = payout_bands(payouts, left);
    const int bubble = payouts.paid() + 1;
    if (field.in_the_money())
        st.bubble = "In the money: every player left is paid";
    else if (field.on_bubble())
        st.bubble = "On the bubble: the next player out finishes " + ordinal_text(bubble) +
                    " and is paid nothing. Hand for hand";
    else
        st.bubble = "The bubble: " + ordinal_text(bubble) + " is paid nothing; " +
                    grouped(left - payouts.paid()) + " more players out and the rest are paid";
    for (int number : field.open_tables()) {
        const tournament::FieldTable& t = field.table(number);
        TableRow row;
        row.number = number;
        for (int s = 1; s <= tournament::table_seats; ++s) {
            const int e = t.seats[static_cast<std::size_t>(s)];
            if (e < 0) continue;
            ++row.players;
            row.chips += field.entrant(e).stack;
            row.biggest = std::max(row.biggest, field.entrant(e).stack);
            row.human = row.human || field.entrant(e).human;
        }
        st.tables.push_back(row);
    }
    return st;
}

TablePicture last_hand_picture(const tournament::Field& field, const standard::FieldHand& hand,
                               int table) {
    TablePicture picture;
    // Only to be looked at: nobody acts at a table shown from afar.
    picture.human.sit_out_shown = picture.human.exit_shown = false;
    for (int k = 1; k <= picture_seats; ++k) {
        const standard::FieldHand::Seat& seat = hand.seats[static_cast<std::size_t>(k)];
        SeatPicture& s = picture.seats[static_cast<std::size_t>(k - 1)];
        if (seat.entrant < 0 || seat.entrant >= field.entrants()) {
            s.turn_marker_shown = false;
            continue;
        }
        const tournament::Entrant& e = field.entrant(seat.entrant);
        s.seated = true;
        s.name = e.name;
        s.stack_shown = true;
        s.stack = std::to_string(seat.stack_after);
        s.dealer = k == hand.button;
        // The hand is over: only the cards shown down are still on the table.
        const bool shown = card_grid::is_face(seat.cards[0]);
        s.first_card = {shown, seat.cards[0]};
        s.second_card = {shown, seat.cards[1]};
        const Chips change = seat.stack_after - seat.stack_before;
        if (change > 0) s.won = change;
        s.about = e.name + ": " + grouped(seat.stack_before) + " before the hand, " +
                  grouped(seat.stack_after) + " after";
    }
    for (int i = 0; i < 5; ++i)
        picture.board[static_cast<std::size_t>(i)] = {i < hand.board_shown,
                                                      hand.board[static_cast<std::size_t>(i)]};
    picture.banner_shown = true;
    picture.banner = "Table " + std::to_string(table) + ", hand " + std::to_string(hand.number);
    picture.blinds_shown = true;
    picture.blinds = "Blinds " + grouped(hand.small_blind) + "/" + grouped(hand.big_blind) +
                     (hand.ante > 0 ? " ante " + grouped(hand.ante) : std::string());
    return picture;
}

}  // namespace holdem
