// What the table shows at a moment, in terms any rule set can fill: the seats, their cards and
// chips, the board, the pot, the winner's line, the clock panel and the human's action panel.
// Plain data, no layout and no colours: the window decides how it looks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/observer.h"
#include "model/options.h"
#include "standard/opponents/equity.h"

namespace holdem {

struct Table;

inline constexpr int picture_seats = 10;
inline constexpr int pile_chips = 6;  // the chips in front of a seat that has bet
inline constexpr int pot_chips = 31;  // the pot's pile in the table's centre

// A card place: empty, or a cell of the card grid (a face, or a back).
struct CardPicture {
    bool shown = false;
    int cell = -1;
    friend bool operator==(const CardPicture&, const CardPicture&) = default;
};

// What a seat did last, for the tag beside it.
enum class Badge : std::uint8_t { none, blind, fold, check, call, bet, raise, all_in };

struct SeatPicture {
    bool seated = false;  // a player sits there (its name plate shows)
    std::string name;
    bool stack_shown = false;
    std::string stack;  // as the seat shows it: "1000", or "All in"
    bool bet_shown = false;
    std::string bet;  // the chips in front of the seat this round
    std::array<bool, pile_chips> pile{};
    CardPicture first_card, second_card;
    bool turn_marker_shown = true;  // the seat's circle and its small turn box
    bool has_turn = false;
    bool dealer = false;  // the dealer button beside the seat
    Badge badge = Badge::none;
    std::string badge_text;  // "Call 20", "Fold"
    std::int64_t won = -1;   // paid at this showdown, or -1
    std::string about;       // what the player can learn of the seat by pointing at it
    // What the human has seen the player do this tournament, on one line for the plate and in
    // words for pointing at it; empty before a first hand seen or for the human.
    std::string statistics;
    std::string statistics_about;
    friend bool operator==(const SeatPicture&, const SeatPicture&) = default;
};

// The human's buttons and amount box, and what the amount box accepts.
struct ActionPanel {
    bool open = false;  // the human's turn: the buttons, the box and the frame show
    bool call_shown = false, raise_shown = false, check_shown = false, fold_shown = false,
         bet_it_shown = false;
    std::string call_amount;   // what calling puts in, as the rules write it
    std::string raise_amount;  // the total a standard raise puts in
    std::string raise_word;    // the raise button's word when the rules name it: "Raise to", "Bet"
    std::string amount_text;   // the amount box's text
    double least = 0;          // the least amount the box accepts
    // Under the standard rules the box takes a whole total to raise to, from `least` to `most`
    // (all in); 0: no upper bound and any number the classic rules read.
    std::int64_t most = 0;
    std::int64_t to_call = 0;
    bool quick_shown = false;  // the ½ Pot, Pot and All in buttons
    std::string hint;          // the rules' own hint line ("raise to 40 … 960"), if any
    bool sit_out_shown = true, exit_shown = true;
    bool sit_out_asked = false;  // the Sit Out button shows that a request was made
    enum class Request : std::uint8_t { none, sit_out, play_again } request = Request::none;
    // What the human holds with the board shown so far, in words; empty without cards.
    std::string holding;
    // What the odds helper works from: the human's cards (0 when not held), the board shown and
    // the opponents still in the hand.
    std::array<int, 2> hole{};
    std::vector<int> board;
    int opponents = 0;
    // Under the standard rules, what each opponent still in likely holds after what it did, as
    // the computer players read it; empty: their hands are any hands.
    std::vector<standard::LikelyRange> ranges;
    // What the advisor weighs besides, all of it on the table for the human to see: the chips
    // behind, the big blind, the bet to match this round, whether the flop is out, the
    // opponents still in who act after the human in this round's order, and the extra equity
    // a big risk must carry near the money (0 away from it).
    std::int64_t stack = 0, big_blind = 0, current_bet = 0;
    bool after_flop = false;
    int acting_after = 0;
    double prize_pressure = 0;
    friend bool operator==(const ActionPanel&, const ActionPanel&) = default;
};

struct TablePicture {
    std::array<SeatPicture, picture_seats> seats;  // seat k at index k - 1
    std::array<CardPicture, 5> board;
    std::array<bool, pot_chips> pot_pile{};
    bool pot_label_shown = false;  // the pot's own label (from the flop on)
    std::string pot_label;         // as shown: "Pot 480", or "Main pot 300 · Side pot 180"
    std::int64_t pot = 0;          // the chips in the pot, with the bets of the round under way
    bool showdown = false;         // the hand is being shown down: nobody has the turn
    bool banner_shown = false;
    std::string banner;  // the winner's line
    bool announcement_shown = false;
    std::string announcement;  // the tournament director's news: the final table, the bubble
    bool countdown_shown = false, blinds_shown = false, rank_shown = false;
    std::string countdown, blinds, rank;  // the clock panel's lines
    ActionPanel human;
    bool ended = false;  // the tournament is over
    friend bool operator==(const TablePicture&, const TablePicture&) = default;
};

// Whether the amount box's text would be taken as it stands.
struct AmountVerdict {
    bool empty = false;
    bool amount = false;      // the whole text reads as a number
    bool accepted = false;    // it is taken
    bool calls_only = false;  // taken, but not as a number ("300x"): only the call goes in
    bool too_much = false;    // more than the seat has (a whole total to raise to is asked)
};
AmountVerdict judge_amount(const ActionPanel& panel, std::string_view text);
// A whole number of chips as typed ("300", " 300 "), or none.
std::optional<std::int64_t> whole_amount(std::string_view text);

// The tag a seat's last action shows.
Badge badge_for(Action action);
// The tag of the seat's last action as the notes hold it: none, a blind, or the action.
Badge badge_for(const class TableNotes& notes, int seat);

// The human's standing sit-out request: it holds from the next hand and cannot be taken back
// before it.
ActionPanel::Request sit_out_request(const Table& t);

// What the Call button says a call puts in: never more than the stack, and "990 · all in"
// when it takes all of it.
std::string call_words(std::int64_t to_call, std::int64_t stack);

// The clock panel's lines (the countdown, the blinds, the rank) as the table's labels hold them.
void fill_clock_lines(const Table& t, TablePicture& picture);

// What the human holds, for the panel's readout and the odds helper: read from the human's own
// face-up cards and the board cards turned up in `picture`, never from anything hidden, in the
// words of the ranking the game counts by. Once the hand is over the odds helper has nothing
// left to estimate.
void describe_holding(TablePicture& picture, int opponents, Ranking ranking, bool hand_over);

// The odds helper's line for the human's panel, worked out from `deals` sampled deals: the
// chance to win and to tie, the pot odds of the call on offer and the outs, labelled as an
// estimate. Empty when the human holds no cards or nobody is left against them.
std::string odds_line(const ActionPanel& panel, std::int64_t pot, int deals, std::uint64_t seed);

}  // namespace holdem
