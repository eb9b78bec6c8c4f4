#include "picture/standard_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "rules/tournament/field.h"
#include "standard/opponents/prize_pressure.h"

namespace holdem {

using standard::HandState;
using standard::Legal;
using standard::Move;

namespace {

// Chips drawn for an amount: one for a blind's worth, one more each time it doubles.
int chips_for(std::int64_t amount, std::int64_t unit, int most) {
    if (amount <= 0) return 0;
    const double units =
        static_cast<double>(amount) / static_cast<double>(std::max<Chips>(1, unit));
    return std::clamp(1 + static_cast<int>(std::log2(units + 1.0)), 1, most);
}

// The chips in the middle (the bets in front of the seats stay there until the street is
// turned up) as pots: a side pot only where a seat still in is all in, split at what it put in.
std::vector<Chips> middle_pots(const Table& t, const HandState& hand) {
    std::vector<Chips> levels;
    for (int k = 1; k <= seat_count; ++k)
        if (!hand.folded(k) && hand.all_in(k)) levels.push_back(hand.put_in(k));
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    levels.push_back(std::numeric_limits<Chips>::max());
    std::vector<Chips> pots;
    Chips below = 0;
    for (Chips level : levels) {
        Chips pot = 0;
        for (int k = 1; k <= seat_count; ++k) {
            const Chips middle = hand.put_in(k) - t.seat(k).totalbet;
            pot += std::clamp<Chips>(middle - below, 0, level - below);
        }
        if (pot > 0) pots.push_back(pot);
        below = level;
    }
    return pots;
}

bool in_show(const std::optional<standard::Settlement>& settled, int seat) {
    return settled && std::find(settled->show_order.begin(), settled->show_order.end(), seat) !=
                          settled->show_order.end();
}

}  // namespace

std::int64_t quick_amount(const HandState& hand, double share_of_pot) {
    const Legal l = hand.legal();
    if (!l.can_raise) return 0;
    // A pot-sized raise: call first, then raise by the pot that call makes.
    const auto pot_after_call = static_cast<double>(hand.pot() + l.to_call);
    const auto to =
        hand.current_bet() + static_cast<Chips>(std::floor(pot_after_call * share_of_pot));
    return std::clamp<std::int64_t>(to, l.min_to, l.max_to);
}

void StandardIntents::act(Intent intent) {
    if (t_.ended) return;
    const HandState* hand = game_.hand();
    const bool turn = game_.human_to_act();
    const Legal l = turn ? hand->legal() : Legal{};
    switch (intent) {
        case Intent::call:
            if (turn && l.can_call && game_.human_act(Move::call)) amount_text_.clear();
            break;
        case Intent::check:
            if (turn && l.can_check && game_.human_act(Move::check)) amount_text_.clear();
            break;
        case Intent::fold:
            if (turn && game_.human_act(Move::fold)) amount_text_.clear();
            break;
        case Intent::raise:
            if (turn && l.can_raise) raise_to(l.min_to);
            break;
        case Intent::bet_typed:
            bet_typed(amount_text_);
            break;
        case Intent::half_pot:
        case Intent::pot:
        case Intent::all_in:
            if (turn && l.can_raise)
                amount_text_ = std::to_string(intent == Intent::all_in ? l.max_to
                                              : intent == Intent::pot  ? quick_amount(*hand, 1.0)
                                                                       : quick_amount(*hand, 0.5));
            break;
        case Intent::sit_out: {
            // A request holds from the next hand and cannot be taken back before it.
            const bool sitting_out = t_.seat(human_seat).sittingout;
            if (sitting_out && t_.sitter == 1)
                game_.ask_sit_out(false);
            else if (!sitting_out && t_.sitter == 0)
                game_.ask_sit_out(true);
            break;
        }
        case Intent::exit:
            game_.leave();
            break;
    }
}

void StandardIntents::raise_to(std::int64_t to) {
    const HandState* hand = game_.hand();
    const Move move = hand->current_bet() > 0 ? Move::raise : Move::bet;
    if (game_.human_act(move, static_cast<Chips>(to))) amount_text_.clear();
}

void StandardIntents::bet_typed(const std::string& text) {
    amount_text_ = text;
    if (!game_.human_to_act()) return;
    const Legal l = game_.hand()->legal();
    const std::optional<std::int64_t> to = whole_amount(text);
    if (!l.can_raise || !to || *to < l.min_to || *to > l.max_to) return;
    raise_to(*to);
}

void StandardIntents::amount_key(int key_code, const std::string& text_before) {
    if (key_code == 13) bet_typed(text_before);
}

namespace {

// Under a structure the clock panel tells the level and the next one, and where the human
// stands in the whole field.
void fill_field_lines(const Table& t, const standard::FieldPlay& play, TablePicture& picture) {
    const tournament::Field& f = play.field();
    const tournament::Structure& s = f.structure();
    const int level = std::max(1, static_cast<int>(t.level));
    const tournament::Level now = tournament::level_at(s, level);
    const tournament::Level next = tournament::level_at(s, level + 1);
    auto blinds = [](const tournament::Level& l) {
        std::string words = grouped(l.small_blind) + "/" + grouped(l.big_blind);
        if (l.ante > 0) words += " ante " + grouped(l.ante);
        return words;
    };
    const auto dealt = std::max<std::uint64_t>(1, t.hands_started);
    const std::uint64_t until =
        static_cast<std::uint64_t>(level) * static_cast<std::uint64_t>(s.hands_per_level) - dealt;
    picture.blinds_shown = true;
    picture.blinds = "Level " + std::to_string(level) + ": " + blinds(now);
    if (f.entrants() > tournament::table_seats && !f.final_table())
        picture.blinds += " · Table " + std::to_string(play.human_table());
    picture.countdown_shown = true;
    picture.countdown = "Next " + blinds(next) + " in " + std::to_string(until + 1) +
                        (until == 0 ? " hand" : " hands");
    const tournament::Entrant& me = f.entrant(f.human());
    picture.rank_shown = true;
    if (me.place > 0) {
        picture.rank = "You finished " + ordinal_text(me.place) + " of " + grouped(f.entrants()) +
                       (me.prize > 0 ? " and won " + grouped(me.prize) : std::string());
        return;
    }
    picture.announcement_shown = !play.news().empty();
    picture.announcement = play.news();
    const tournament::Standing st = f.standing_of(f.human());
    const Chips stack = t.seat(human_seat).prize;
    picture.rank = "Rank " + grouped(st.chip_rank) + " of " + grouped(st.players_left) +
                   " · Average " + grouped(st.average) + " · You " +
                   std::to_string(stack / std::max<Chips>(1, now.big_blind)) + " BB · " +
                   grouped(st.paid) + " paid" +
                   (f.on_bubble()     ? " · hand for hand"
                    : f.final_table() ? " · final table"
                                      : std::string());
}

}  // namespace

void fill_standard_picture(const Table& t, const standard::TableGame& game, const TableNotes& notes,
                           const std::string& amount_text, TablePicture& picture) {
    const HandState* hand = game.hand();
    const auto& settled = game.settled();
    const Chips big_blind = 2 * t.limits;
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        SeatPicture& s = picture.seats[static_cast<std::size_t>(k - 1)];
        s.seated = p.Active;
        s.name = p.caption;
        s.stack_shown = p.Active;
        s.stack = p.Active && p.prize == 0 && hand && !hand->folded(k) && !settled
                      ? "All in"
                      : std::to_string(p.prize);
        const Chips bet = settled ? 0 : p.totalbet;
        s.bet_shown = bet > 0;
        s.bet = bet > 0 ? std::to_string(bet) : std::string();
        const int chips = chips_for(bet, big_blind, pile_chips);
        for (int i = 0; i < pile_chips; ++i)
            s.pile[static_cast<std::size_t>(i)] = i < chips;
        // A seat in the hand shows its cards: the human's own face up, the others' backs until
        // they are shown; a folded or mucked hand is gone from the table.
        // A seat that sits out holds no cards: none are dealt face up to a seat not playing.
        const bool holds = hand && p.Active && !p.sittingout && !hand->folded(k) &&
                           !(settled && std::find(settled->mucked.begin(), settled->mucked.end(),
                                                  k) != settled->mucked.end());
        const bool face = holds && (k == human_seat || game.faced_up() || in_show(settled, k));
        s.first_card = {holds, face ? p.cardone : t.backside};
        s.second_card = {holds, face ? p.cardtwo : t.backside};
        s.turn_marker_shown = p.Active;
        s.has_turn = hand && !settled && hand->to_act() == k && !t.ended;
        s.dealer = p.Active && k == t.dealer_button_seat;
        s.badge_text = notes.badge(k);
        s.badge = badge_for(notes, k);
        s.won = -1;
        s.about =
            k == human_seat || !p.Active
                ? std::string()
                : p.caption + " plays " + std::string(standard::style_name(standard::style_of(p)));
        s.statistics.clear();
        s.statistics_about.clear();
        if (const PlayerStatistics* seen = notes.statistics().of(p.caption);
            seen && k != human_seat && p.Active) {
            s.statistics = seen->line();
            s.statistics_about = p.caption + ", " + seen->words();
        }
    }
    if (settled)
        for (const TableNotes::Award& award : notes.awards())
            picture.seats[static_cast<std::size_t>(award.seat - 1)].won = award.amount;
    for (int i = 1; i <= 5; ++i)
        picture.board[static_cast<std::size_t>(i - 1)] =
            i <= game.board_shown() ? CardPicture{true, t.deck[deck_pos::board(i)]} : CardPicture{};
    // The pot in the middle: what earlier rounds put in; this round's bets stay with the seats.
    Chips in_middle = hand ? hand->pot() : 0;
    if (hand && !settled)
        for (int k = 1; k <= seat_count; ++k)
            in_middle -= t.seat(k).totalbet;
    if (settled) in_middle = t.pot;
    const int pot_pile = chips_for(in_middle, big_blind, 8) * pot_chips / 8;
    for (int i = 0; i < pot_chips; ++i)
        picture.pot_pile[static_cast<std::size_t>(i)] = i < pot_pile;
    picture.pot = hand && !settled ? hand->pot() : t.pot;
    picture.pot_label_shown = in_middle > 0;
    picture.pot_label = "Pot " + std::to_string(in_middle);
    if (hand && !settled) {
        const std::vector<Chips> pots = middle_pots(t, *hand);
        if (pots.size() > 1) {
            picture.pot_label = "Main pot " + std::to_string(pots[0]);
            for (std::size_t i = 1; i < pots.size(); ++i)
                picture.pot_label += " · Side pot " + std::to_string(pots[i]);
        }
    }
    picture.showdown = settled.has_value();
    picture.banner = settled ? notes.winners_line() : std::string();
    picture.banner_shown = !picture.banner.empty();
    fill_clock_lines(t, picture);
    if (const standard::FieldPlay* field = game.field()) fill_field_lines(t, *field, picture);

    ActionPanel& h = picture.human;
    const bool turn = game.human_to_act();
    const Legal l = turn ? hand->legal() : Legal{};
    h.open = turn;
    h.call_shown = turn && l.can_call;
    h.call_amount = h.call_shown ? call_words(l.to_call, hand->stack(human_seat)) : std::string();
    h.check_shown = turn && l.can_check;
    h.fold_shown = turn;
    h.raise_shown = turn && l.can_raise;
    const bool opening = turn && hand->current_bet() == 0;
    h.raise_word = opening ? "Bet" : "Raise to";
    h.raise_amount = h.raise_shown ? std::to_string(l.min_to) : std::string();
    h.bet_it_shown = h.raise_shown;
    h.quick_shown = h.raise_shown;
    h.amount_text = turn ? amount_text : std::string();
    h.least = static_cast<double>(l.min_to);
    h.most = h.raise_shown ? l.max_to : 0;
    h.to_call = l.to_call;
    h.hint = !turn           ? std::string()
             : h.raise_shown ? (opening ? "bet " : "raise to ") + std::to_string(l.min_to) +
                                   (l.min_to < l.max_to ? " … " + std::to_string(l.max_to) : "") +
                                   ", then Enter"
                             : "no raise: you may call or fold";
    h.sit_out_shown = !t.ended;
    h.exit_shown = !t.ended;
    h.sit_out_asked = t.sitter == 1;
    h.request = sit_out_request(t);
    int opponents = 0;
    for (int k = 2; k <= seat_count; ++k)
        if (hand && t.seat(k).Active && !hand->folded(k)) ++opponents;
    describe_holding(picture, opponents, Ranking::standard, settled.has_value());
    h.ranges.clear();
    if (h.opponents > 0)
        for (int k = 2; k <= seat_count; ++k)
            if (hand && t.seat(k).Active && !hand->folded(k))
                h.ranges.push_back(standard::likely_range(
                    game.reads().seats[static_cast<std::size_t>(k)], k == hand->big_blind_seat(),
                    hand->round() != standard::Round::preflop, Difficulty::normal));
    h.stack = hand ? hand->stack(human_seat) : 0;
    h.big_blind = 2 * t.limits;
    h.current_bet = hand ? hand->current_bet() : 0;
    h.after_flop = hand && hand->round() != standard::Round::preflop;
    h.acting_after = 0;
    h.prize_pressure = 0;
    if (turn) {
        // Before the flop the seat left of the big blind acts first and the big blind last;
        // from the flop on the seat left of the button first and the button last.
        const int last = h.after_flop ? hand->button() : hand->big_blind_seat();
        const auto order = [&](int k) { return (k - last - 1 + 2 * seat_count) % seat_count; };
        for (int k = 2; k <= seat_count; ++k)
            if (t.seat(k).Active && !hand->folded(k) && order(k) > order(human_seat))
                ++h.acting_after;
        h.prize_pressure = standard::prize_pressure(t, *hand, human_seat, Difficulty::normal);
    }
    picture.ended = t.ended.has_value();
}

}  // namespace holdem
