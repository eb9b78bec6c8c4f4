#include "picture/table_picture.h"

#include <cmath>

#include "model/cards.h"
#include "model/numbers.h"
#include "model/table.h"
#include "report/table_notes.h"
#include "rules/reading/hand_readout.h"
#include "rules/reading/odds.h"
#include "standard/opponents/equity.h"

namespace holdem {

AmountVerdict judge_amount(const ActionPanel& panel, std::string_view text) {
    AmountVerdict v;
    v.empty = text.empty();
    if (panel.most > 0) {
        const std::optional<std::int64_t> total = whole_amount(text);
        v.amount = total.has_value();
        v.too_much = total && *total > panel.most;
        v.accepted = total && *total >= panel.least && !v.too_much;
        return v;
    }
    v.amount = is_number(text);
    v.accepted = !v.empty && numeric_value(text) >= panel.least;
    v.calls_only = v.accepted && !v.amount;
    return v;
}

std::optional<std::int64_t> whole_amount(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 15) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

Badge badge_for(Action action) {
    constexpr Badge badges[] = {Badge::fold, Badge::check, Badge::call,
                                Badge::bet,  Badge::raise, Badge::all_in};
    return badges[static_cast<int>(action)];
}

Badge badge_for(const TableNotes& notes, int seat) {
    if (notes.badge(seat).empty()) return Badge::none;
    const std::optional<Action> action = notes.badge_action(seat);
    return action ? badge_for(*action) : Badge::blind;
}

ActionPanel::Request sit_out_request(const Table& t) {
    const bool sitting_out = t.seat(human_seat).sittingout;
    return t.ended                         ? ActionPanel::Request::none
           : !sitting_out && t.sitter == 1 ? ActionPanel::Request::sit_out
           : sitting_out && t.sitter == 0  ? ActionPanel::Request::play_again
                                           : ActionPanel::Request::none;
}

std::string call_words(std::int64_t to_call, std::int64_t stack) {
    if (stack <= 0) return std::to_string(to_call);
    if (to_call >= stack) return std::to_string(stack) + " · all in";
    return std::to_string(to_call);
}

void fill_clock_lines(const Table& t, TablePicture& picture) {
    const Controls& c = t.controls;
    picture.countdown_shown = c[ctl::limitslabel].visible;
    picture.countdown = c.caption(ctl::limitslabel);
    picture.blinds_shown = c[ctl::limitsdisplay].visible;
    picture.blinds = c.caption(ctl::limitsdisplay);
    picture.rank_shown = c[ctl::rank_line].visible;
    picture.rank = c.caption(ctl::rank_line);
}

void describe_holding(TablePicture& picture, int opponents, Ranking ranking, bool hand_over) {
    ActionPanel& h = picture.human;
    // Only what the human can see: the human's own faces and the board cards turned up.
    const CardPicture& mine1 = picture.seats[0].first_card;
    const CardPicture& mine2 = picture.seats[0].second_card;
    h.holding.clear();
    h.hole = {};
    h.board.clear();
    h.opponents = 0;
    if (mine1.shown && mine2.shown && is_card(mine1.cell) && is_card(mine2.cell)) {
        std::vector<CardCode> board;
        for (const CardPicture& card : picture.board)
            if (card.shown && is_card(card.cell)) board.push_back(static_cast<CardCode>(card.cell));
        const std::array<CardCode, 2> hole{static_cast<CardCode>(mine1.cell),
                                           static_cast<CardCode>(mine2.cell)};
        // The picture is filled many times a hand over the same cards: the words are read once.
        struct Read {
            std::array<CardCode, 2> hole{};
            std::vector<CardCode> board;
            Ranking ranking = Ranking::classic;
            std::string words;
        };
        thread_local Read last;
        if (last.words.empty() || last.hole != hole || last.board != board ||
            last.ranking != ranking) {
            last = {hole, board, ranking,
                    ranking == Ranking::classic ? classic_readout(hole, board)
                                                : hand_readout(hole, board)};
        }
        h.holding = last.words;
        h.hole = {mine1.cell, mine2.cell};
        h.board.assign(board.begin(), board.end());
        // Once the hand is decided there is nothing left to estimate.
        h.opponents = hand_over ? 0 : opponents;
    }
}

std::string odds_line(const ActionPanel& panel, std::int64_t pot, int deals, std::uint64_t seed) {
    if (!panel.hole[0] || !panel.hole[1] || panel.opponents < 1) return {};
    std::vector<CardCode> board(panel.board.begin(), panel.board.end());
    const Odds odds =
        estimate_odds({static_cast<CardCode>(panel.hole[0]), static_cast<CardCode>(panel.hole[1])},
                      board, panel.opponents, deals, seed);
    auto percent = [](double share) { return std::to_string(std::lround(share * 100)) + "%"; };
    std::string line = "Estimate: win " + percent(odds.win) + ", tie " + percent(odds.tie);
    if (!panel.ranges.empty()) {
        // Against the hands their actions suggest, as the computer players read them.
        standard::Draws draws{seed ^ 0x5A5A5A5Aull};
        const double equity = standard::equity_against_ranges(
            {static_cast<CardCode>(panel.hole[0]), static_cast<CardCode>(panel.hole[1])}, board,
            panel.ranges, std::max(500, deals / static_cast<int>(panel.ranges.size() + 1)), draws);
        line = "Estimate: equity " + percent(equity) + " against their likely hands";
    }
    if (panel.open && panel.to_call > 0)
        line += " · pot odds " + percent(pot_odds(panel.to_call, pot));
    if (board.size() >= 3 && board.size() < 5) line += " · " + std::to_string(odds.outs) + " outs";
    return line;
}

}  // namespace holdem
