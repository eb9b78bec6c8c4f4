#include "picture/replay.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "report/hand_log.h"

namespace holdem {

namespace {

int chips_for(std::int64_t amount, std::int64_t unit, int most) {
    if (amount <= 0) return 0;
    const double units =
        static_cast<double>(amount) / static_cast<double>(std::max<std::int64_t>(1, unit));
    return std::clamp(1 + static_cast<int>(std::log2(units + 1.0)), 1, most);
}

}  // namespace

ReplayFrame live_frame(const Table& t) {
    ReplayFrame f;
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        f.stack[static_cast<std::size_t>(k)] = p.Active ? p.prize : 0;
        f.bet[static_cast<std::size_t>(k)] = p.Active ? p.totalbet : 0;
        f.in_hand[static_cast<std::size_t>(k)] = p.Active && !p.fold && !p.sittingout;
    }
    f.board = t.postflop3 ? 5 : t.postflop2 ? 4 : t.postflop1 ? 3 : 0;
    f.pot = t.pot;
    return f;
}

namespace {

// The replay counts in wide numbers: a record's amounts are bounded, their sums need not fit
// a stack. What is shown is clamped to what a stack can hold.
struct WideFrame {
    std::array<std::int64_t, seat_count + 1> stack{}, bet{};
    std::array<bool, seat_count + 1> in_hand{};
    int board = 0;
    std::int64_t pot = 0;
};

Chips clamped(std::int64_t v) {
    return static_cast<Chips>(std::clamp<std::int64_t>(v, std::numeric_limits<Chips>::min(),
                                                       std::numeric_limits<Chips>::max()));
}

ReplayFrame narrowed(const WideFrame& w) {
    ReplayFrame f;
    for (std::size_t k = 0; k < w.stack.size(); ++k) {
        f.stack[k] = clamped(w.stack[k]);
        f.bet[k] = clamped(w.bet[k]);
    }
    f.in_hand = w.in_hand;
    f.board = w.board;
    f.pot = clamped(w.pot);
    return f;
}

}  // namespace

std::vector<ReplayStep> replay(const HandRecord& r) {
    std::vector<ReplayStep> steps;
    WideFrame f;
    TablePicture pic;
    pic.human.sit_out_shown = pic.human.exit_shown = false;  // a replay takes no actions
    std::array<bool, seat_count + 1> seated{}, shown{}, mucked{};
    std::array<std::array<CardCode, 2>, seat_count + 1> cards{};
    std::array<std::int64_t, seat_count + 1> won{};
    std::array<std::string, seat_count + 1> names, hands;
    std::vector<CardCode> board;
    for (const RecordedSeat& s : r.seats) {
        const auto k = static_cast<std::size_t>(s.seat);
        seated[k] = true;
        names[k] = s.name;
        f.stack[k] = s.stack;
        f.in_hand[k] = s.dealt;
        cards[k] = s.cards;
    }
    const std::int64_t big_blind = 2 * std::int64_t{r.small_blind};
    bool paying = false;
    auto paint = [&](std::size_t log_lines) {
        for (int k = 1; k <= picture_seats; ++k) {
            const auto i = static_cast<std::size_t>(k);
            SeatPicture& s = pic.seats[i - 1];
            s.seated = seated[i];
            s.name = names[i];
            s.stack_shown = seated[i];
            s.stack = seated[i] && f.stack[i] == 0 && f.in_hand[i] && !paying
                          ? "All in"
                          : std::to_string(f.stack[i]);
            s.bet_shown = f.bet[i] > 0;
            s.bet = f.bet[i] > 0 ? std::to_string(f.bet[i]) : std::string();
            const int chips = chips_for(f.bet[i], big_blind, pile_chips);
            for (int c = 0; c < pile_chips; ++c)
                s.pile[static_cast<std::size_t>(c)] = c < chips;
            const bool holds = f.in_hand[i] && !mucked[i];
            const bool face = holds && (shown[i] || cards[i][0] != 0);
            s.first_card = {holds, face ? cards[i][0] : card_grid::back_peach};
            s.second_card = {holds, face ? cards[i][1] : card_grid::back_peach};
            s.turn_marker_shown = seated[i];
            s.has_turn = false;
            s.dealer = k == r.button;
            s.won = won[i] > 0 ? clamped(won[i]) : -1;
        }
        for (std::size_t b = 0; b < 5; ++b)
            pic.board[b] = b < board.size() ? CardPicture{true, board[b]} : CardPicture{};
        pic.pot = clamped(f.pot);
        pic.pot_label_shown = f.pot > 0;
        pic.pot_label = "Pot " + std::to_string(clamped(f.pot));
        const int pot_pile = chips_for(f.pot, big_blind, 8) * pot_chips / 8;
        for (int c = 0; c < pot_chips; ++c)
            pic.pot_pile[static_cast<std::size_t>(c)] = c < pot_pile;
        pic.showdown = paying;
        std::string banner;
        for (int k = 1; k <= seat_count; ++k)
            if (won[static_cast<std::size_t>(k)] > 0)
                banner += (banner.empty() ? "" : "; ") + names[static_cast<std::size_t>(k)] +
                          (k == human_seat ? " win " : " wins ") +
                          std::to_string(won[static_cast<std::size_t>(k)]) +
                          (hands[static_cast<std::size_t>(k)].empty()
                               ? ""
                               : " with " + hands[static_cast<std::size_t>(k)]);
        pic.banner = banner;
        pic.banner_shown = !banner.empty();
        pic.blinds_shown = true;
        pic.blinds = "Hand " + std::to_string(r.hand) + " · blinds " +
                     std::to_string(r.small_blind) + " - " + std::to_string(big_blind);
        steps.push_back({narrowed(f), pic, log_lines});
    };
    paint(r.log.empty() ? 0 : 1);
    // A hand that goes to a showdown gives back its uncalled bet when the betting ends, with
    // the other bets still in front of the seats; one taken unshown gives it back at the
    // pay-out.
    const bool shown_down = std::any_of(r.events.begin(), r.events.end(), [](const auto& e) {
        return e.kind == RecordedEvent::Kind::show;
    });
    for (const RecordedEvent& e : r.events) {
        const auto k = static_cast<std::size_t>(e.seat);
        switch (e.kind) {
            case RecordedEvent::Kind::blind:
                f.stack[k] -= e.amount;
                f.bet[k] += e.amount;
                f.pot += e.amount;
                pic.seats[k - 1].badge = Badge::blind;
                pic.seats[k - 1].badge_text =
                    (e.big ? "Big blind " : "Small blind ") + std::to_string(e.amount);
                break;
            case RecordedEvent::Kind::action: {
                f.stack[k] -= e.amount;
                f.bet[k] = e.total;
                f.pot += e.amount;
                if (e.action == Action::fold) f.in_hand[k] = false;
                ActionEvent a;
                a.seat = e.seat;
                a.action = e.action;
                a.amount = e.amount;
                a.total = e.total;
                a.bet_before = e.bet_before;
                pic.seats[k - 1].badge = badge_for(e.action);
                pic.seats[k - 1].badge_text = action_badge(a);
                break;
            }
            case RecordedEvent::Kind::street:
                f.bet.fill(0);
                board.insert(board.end(), e.cards.begin(), e.cards.end());
                f.board = static_cast<int>(board.size());
                for (SeatPicture& s : pic.seats)
                    if (s.badge != Badge::fold) {
                        s.badge = Badge::none;
                        s.badge_text.clear();
                    }
                break;
            case RecordedEvent::Kind::show:
                if (e.cards.size() == 2) cards[k] = {e.cards[0], e.cards[1]};
                shown[k] = true;
                hands[k] = e.words;
                break;
            case RecordedEvent::Kind::ante:
                f.stack[k] -= e.amount;
                f.pot += e.amount;
                pic.seats[k - 1].badge = Badge::blind;
                pic.seats[k - 1].badge_text = "Ante " + std::to_string(e.amount);
                break;
            case RecordedEvent::Kind::face_up:
                if (e.cards.size() == 2) cards[k] = {e.cards[0], e.cards[1]};
                shown[k] = true;
                break;
            case RecordedEvent::Kind::muck:
                mucked[k] = true;
                break;
            case RecordedEvent::Kind::uncalled:
                f.stack[k] += e.amount;
                f.pot -= e.amount;
                f.bet[k] = std::max<std::int64_t>(0, f.bet[k] - e.amount);
                break;
            case RecordedEvent::Kind::won:
                f.stack[k] += e.amount;
                won[k] += e.amount;
                if (!e.words.empty() && shown[k]) hands[k] = e.words;
                break;
        }
        if (r.standard_rules &&
            ((e.kind == RecordedEvent::Kind::uncalled && !shown_down) ||
             e.kind == RecordedEvent::Kind::show || e.kind == RecordedEvent::Kind::muck ||
             e.kind == RecordedEvent::Kind::won)) {
            // The standard pay-out clears the bets before it tells anything.
            f.bet.fill(0);
            paying = true;
        }
        if (e.kind == RecordedEvent::Kind::won) paying = true;
        paint(e.log_lines);
    }
    return steps;
}

}  // namespace holdem
