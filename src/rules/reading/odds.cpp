#include "rules/reading/odds.h"

#include <algorithm>
#include <vector>

#include "model/random.h"
#include "rules/reading/standard_hand.h"

namespace holdem {

namespace {

struct Seen {
    CardMask hero = 0;   // the hole cards and the board
    CardMask board = 0;  // the board alone
    std::vector<CardCode> unseen;
};

Seen seen_cards(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    Seen s;
    s.hero = card_bit(hole[0]) | card_bit(hole[1]);
    for (CardCode c : board)
        s.board |= card_bit(c);
    s.hero |= s.board;
    for (CardCode c = 1; c <= 52; ++c)
        if (!(s.hero & card_bit(c))) s.unseen.push_back(c);
    return s;
}

int outs_of(const Seen& s, std::size_t board_size) {
    if (board_size == 0 || board_size >= 5) return 0;
    // A card that only pairs a high card is no out: an out makes two pair or better, above
    // what the hand is now.
    const Category now = category_of(standard_strength(s.hero));
    return static_cast<int>(std::count_if(s.unseen.begin(), s.unseen.end(), [&](CardCode c) {
        const Category then = category_of(standard_strength(s.hero | card_bit(c)));
        return then > now && then >= Category::two_pair;
    }));
}

}  // namespace

Odds estimate_odds(std::array<CardCode, 2> hole, std::span<const CardCode> board, int opponents,
                   int deals, std::uint64_t seed) {
    Seen s = seen_cards(hole, board);
    Odds odds;
    odds.outs = outs_of(s, board.size());
    const int to_come = 5 - static_cast<int>(board.size());
    const int needed = to_come + 2 * opponents;
    if (opponents < 1 || needed > static_cast<int>(s.unseen.size())) return odds;
    std::uint64_t state = seed;
    std::vector<CardCode> deck = s.unseen;
    int wins = 0, ties = 0;
    for (int deal = 0; deal < deals; ++deal) {
        // A partial shuffle: only the cards this deal uses are drawn.
        const auto n = deck.size();
        for (int i = 0; i < needed; ++i) {
            const auto j = i + static_cast<std::size_t>(splitmix64(state) % (n - i));
            std::swap(deck[static_cast<std::size_t>(i)], deck[j]);
        }
        CardMask rest = 0;
        for (int i = 0; i < to_come; ++i)
            rest |= card_bit(deck[static_cast<std::size_t>(i)]);
        const Strength mine = standard_strength(s.hero | rest);
        const CardMask table = s.board | rest;
        Strength best_other = 0;
        for (int o = 0; o < opponents; ++o) {
            const std::size_t at = static_cast<std::size_t>(to_come + 2 * o);
            best_other = std::max(
                best_other, standard_strength(table | card_bit(deck[at]) | card_bit(deck[at + 1])));
        }
        wins += mine > best_other;
        ties += mine == best_other;
    }
    odds.deals = deals;
    odds.win = static_cast<double>(wins) / deals;
    odds.tie = static_cast<double>(ties) / deals;
    return odds;
}

Odds exact_odds(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    const Seen s = seen_cards(hole, board);
    Odds odds;
    odds.outs = outs_of(s, board.size());
    const auto& u = s.unseen;
    const std::size_t n = u.size();
    const int to_come = 5 - static_cast<int>(board.size());
    long long wins = 0, ties = 0, deals = 0;
    // Every board still to come, then every hand the opponent can hold beside it.
    auto each_board = [&](auto&& visit) {
        if (to_come == 0) return visit(CardMask{0});
        if (to_come == 1) {
            for (std::size_t a = 0; a < n; ++a)
                visit(card_bit(u[a]));
            return;
        }
        for (std::size_t a = 0; a < n; ++a)
            for (std::size_t b = a + 1; b < n; ++b)
                visit(card_bit(u[a]) | card_bit(u[b]));
    };
    each_board([&](CardMask rest) {
        const Strength mine = standard_strength(s.hero | rest);
        const CardMask table = s.board | rest;
        for (std::size_t a = 0; a < n; ++a) {
            if (rest & card_bit(u[a])) continue;
            for (std::size_t b = a + 1; b < n; ++b) {
                if (rest & card_bit(u[b])) continue;
                const Strength theirs = standard_strength(table | card_bit(u[a]) | card_bit(u[b]));
                wins += mine > theirs;
                ties += mine == theirs;
                ++deals;
            }
        }
    });
    odds.deals = static_cast<int>(deals);
    odds.win = static_cast<double>(wins) / static_cast<double>(deals);
    odds.tie = static_cast<double>(ties) / static_cast<double>(deals);
    return odds;
}

double pot_odds(std::int64_t to_call, std::int64_t pot) {
    if (to_call <= 0) return 0;
    return static_cast<double>(to_call) / static_cast<double>(pot + to_call);
}

}  // namespace holdem
