#include "trainer/advisor.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "standard/opponents/equity.h"
#include "standard/opponents/hand_classes.h"
#include "standard/opponents/push_fold.h"

namespace holdem::trainer {

namespace {

// The strongest share of hands worth opening with when `behind` players are still to act:
// wide from the blinds and the button, tight far from it.
double open_share(int behind) {
    static constexpr double shares[] = {0.60, 0.55, 0.45, 0.32, 0.25, 0.20, 0.17, 0.15, 0.14};
    return shares[std::clamp(behind, 0, 8)];
}

struct Spot {
    std::int64_t bb, stack, to_call, my_bet, all_in_to;
    double equity;
};

// A bet or raise to `to`, kept within what the rules allow; all in once it would put most of
// the stack in anyway.
Advice sized(const ActionPanel& panel, const Spot& s, std::int64_t to) {
    Advice a;
    if (!panel.raise_shown) {
        a.move = s.to_call > 0 ? Advised::call : Advised::check;
        a.amount = s.to_call;
        return a;
    }
    to = std::clamp<std::int64_t>(to, static_cast<std::int64_t>(panel.least), s.all_in_to);
    if ((to - s.my_bet) * 5 >= s.stack * 2 || to >= s.all_in_to) {
        a.move = Advised::all_in;
        a.amount = s.all_in_to;
    } else {
        a.move = panel.current_bet > 0 ? Advised::raise : Advised::bet;
        a.amount = to;
    }
    return a;
}

Advice passive(const Spot& s, bool call) {
    Advice a;
    if (s.to_call == 0) {
        a.move = Advised::check;
    } else if (call) {
        a.move = Advised::call;
        a.amount = s.to_call;
    }
    return a;
}

}  // namespace

std::string percent_words(double share) {
    return std::to_string(std::lround(std::clamp(share, 0.0, 1.0) * 100)) + " %";
}

std::string move_words(Advised move, std::int64_t amount) {
    switch (move) {
        case Advised::fold:
            return "Fold";
        case Advised::check:
            return "Check";
        case Advised::call:
            return "Call " + std::to_string(amount);
        case Advised::bet:
            return "Bet " + std::to_string(amount);
        case Advised::raise:
            return "Raise to " + std::to_string(amount);
        case Advised::all_in:
            return "All in " + std::to_string(amount);
    }
    return {};
}

double move_value(Advised move, std::int64_t amount, const ActionPanel& panel, std::int64_t pot,
                  double equity) {
    const std::int64_t my_bet = panel.current_bet - panel.to_call;
    switch (move) {
        case Advised::fold:
            return 0;
        case Advised::check:
            return equity * static_cast<double>(pot);
        case Advised::call:
            return equity * static_cast<double>(pot + amount) - static_cast<double>(amount);
        case Advised::bet:
        case Advised::raise:
        case Advised::all_in: {
            // Called by the bettor so far (or by one player when nothing is bet).
            const std::int64_t added = std::max<std::int64_t>(0, amount - my_bet);
            const std::int64_t matched = std::max<std::int64_t>(0, amount - panel.current_bet);
            return equity * static_cast<double>(pot + added + matched) - static_cast<double>(added);
        }
    }
    return 0;
}

Advice advise(const ActionPanel& panel, std::int64_t pot, std::uint64_t seed, int deals) {
    if (!panel.open || !panel.hole[0] || !panel.hole[1] || panel.opponents < 1) return {};
    const std::array<CardCode, 2> hole{static_cast<CardCode>(panel.hole[0]),
                                       static_cast<CardCode>(panel.hole[1])};
    const std::vector<CardCode> board(panel.board.begin(), panel.board.end());
    std::vector<standard::LikelyRange> ranges = panel.ranges;
    if (ranges.empty()) ranges.assign(static_cast<std::size_t>(panel.opponents), {});
    standard::Draws draws{seed ^ 0xAD1CE5ull};
    Spot s;
    s.bb = std::max<std::int64_t>(1, panel.big_blind);
    s.stack = std::max<std::int64_t>(0, panel.stack);
    s.to_call = panel.to_call;
    s.my_bet = panel.current_bet - panel.to_call;
    s.all_in_to = s.my_bet + s.stack;
    s.equity = standard::equity_against_ranges(hole, board, ranges, deals, draws);

    const double price =
        s.to_call > 0 ? static_cast<double>(s.to_call) / static_cast<double>(pot + s.to_call) : 0;
    // A call that risks a third of the stack or more carries the prize pressure whole.
    const double risk =
        s.stack > 0 ? std::min(1.0, 3.0 * static_cast<double>(s.to_call) / s.stack) : 1.0;
    const double pressure = s.to_call > 0 ? panel.prize_pressure * risk : 0.0;
    const double needed = price + pressure;
    const double stack_bb = static_cast<double>(s.stack + s.my_bet) / static_cast<double>(s.bb);
    const double fair = 1.0 / static_cast<double>(ranges.size() + 1);
    const double strength = standard::hand_percentile(standard::hand_class(hole[0], hole[1]));

    Advice a;
    std::string why;
    if (!panel.after_flop) {
        const bool unopened = panel.current_bet <= s.bb;
        if (stack_bb <= standard::push_fold_stacks) {
            // Short: all in or fold.
            const int behind = std::max(1, panel.acting_after);
            const bool push =
                unopened ? strength <= standard::push_share(static_cast<int>(stack_bb), behind)
                         : s.equity >= static_cast<double>(s.stack) /
                                               static_cast<double>(pot + 2 * s.stack - s.to_call) +
                                           panel.prize_pressure;
            a = push ? sized(panel, s, s.all_in_to) : passive(s, false);
            why = "short, all in or fold";
        } else if (unopened) {
            const double share = s.to_call == 0 ? 0.10 : open_share(panel.acting_after);
            if (strength <= share) {
                const bool limped = pot > s.bb * 5 / 2;
                a = sized(panel, s, limped ? s.bb * 7 / 2 : s.bb * 5 / 2);
            } else {
                a = passive(s, false);
            }
            why = "a top " + percent_words(strength) + " hand";
        } else if (strength <= 0.035 || s.equity >= 0.6) {
            a = sized(panel, s,
                      panel.current_bet * (panel.acting_after == 0 ? 3 : 7) /
                          (panel.acting_after == 0 ? 1 : 2));
        } else {
            a = passive(s, s.equity >= needed);
        }
    } else if (s.to_call == 0) {
        if (s.equity >= std::max(0.55, fair + 0.3))
            a = sized(panel, s, pot * 2 / 3);
        else
            a = passive(s, false);
    } else if (s.equity >= std::max(0.7, needed + 0.3)) {
        a = sized(panel, s, panel.current_bet + (pot + s.to_call) * 3 / 4);
    } else {
        a = passive(s, s.equity >= needed);
    }
    a.equity = s.equity;
    a.needed = needed;
    a.line = move_words(a.move, a.amount) + ": " + percent_words(s.equity) +
             " equity against their likely hands";
    if (s.to_call > 0) a.line += ", " + percent_words(needed) + " needed at this price";
    if (!why.empty()) a.line += ", " + why;
    a.line += " · " + std::to_string(std::lround(stack_bb)) + " big blinds";
    if (panel.after_flop)
        a.line += panel.acting_after == 0
                      ? " · last to act"
                      : " · " + std::to_string(panel.acting_after) + " to act after you";
    else
        a.line += " · " + std::to_string(panel.acting_after) + " still to act";
    if (pressure >= 0.005)
        a.line += " · near the money a call must carry " +
                  std::to_string(std::lround(pressure * 100)) + " points more";
    return a;
}

}  // namespace holdem::trainer
