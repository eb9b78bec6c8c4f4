#include "standard/opponents/equity.h"

#include <algorithm>
#include <array>

#include "rules/reading/fast_hand.h"
#include "standard/opponents/hand_classes.h"
#include "standard/opponents/preflop_equity.h"

namespace holdem::standard {

namespace {

CardCode code_of(int rank, int suit) {
    return card_code(rank + 2, suit);
}

// The cards not in `dead`, in code order.
int live_cards(std::uint64_t dead, std::array<CardCode, 52>& out) {
    int n = 0;
    for (int c = 1; c <= 52; ++c)
        if (!(dead & code_bit(static_cast<CardCode>(c))))
            out[static_cast<std::size_t>(n++)] = static_cast<CardCode>(c);
    return n;
}

}  // namespace

std::array<CardCode, 2> cards_of_class(int c, std::uint64_t dead, Draws& draws) {
    const int row = c / 13, column = c % 13;
    const int high = std::max(row, column), low = std::min(row, column);
    for (int tries = 0; tries < 64; ++tries) {
        const int s1 = draws.below(4);
        int s2 = draws.below(4);
        if (row == column && s2 == s1) continue;
        if (row > column) s2 = s1;               // suited
        if (row < column && s2 == s1) continue;  // offsuit
        const CardCode a = code_of(high, s1), b = code_of(low, s2);
        if (!(dead & (code_bit(a) | code_bit(b)))) return {a, b};
    }
    return {0, 0};
}

int board_standing(std::array<CardCode, 2> hole, std::span<const CardCode> board) {
    std::array<int, 15> ranks{};
    std::array<int, 4> suits{}, hole_suits{};
    int top = 0;
    std::uint32_t seen = 0;
    for (CardCode c : board) {
        ++ranks[static_cast<std::size_t>(card_rank(c))];
        ++suits[static_cast<std::size_t>(card_suit(c))];
        top = std::max(top, card_rank(c));
        seen |= 1u << card_rank(c);
    }
    for (CardCode c : hole) {
        ++hole_suits[static_cast<std::size_t>(card_suit(c))];
        seen |= 1u << card_rank(c);
    }
    const int a = card_rank(hole[0]), b = card_rank(hole[1]);
    const int high = std::max(a, b);
    // Kinds in steps of 100, the height within.
    int made = 0;
    if (a == b) {
        made = ranks[static_cast<std::size_t>(a)] > 0 ? 700 + a : a > top ? 400 + a : 200 + a;
    } else {
        const int hits =
            (ranks[static_cast<std::size_t>(a)] > 0) + (ranks[static_cast<std::size_t>(b)] > 0);
        const int hit = ranks[static_cast<std::size_t>(a)] > 0 ? a : b;
        if (hits == 2)
            made = 600 + high;
        else if (hits == 1 && ranks[static_cast<std::size_t>(hit)] >= 2)
            made = 700 + hit;
        else if (hits == 1)
            made = (hit == top ? 300 : 200) + (hit == top ? a + b - hit : hit);
    }
    bool flush = false, flush_draw = false;
    for (int s = 0; s < 4; ++s) {
        const int n = suits[static_cast<std::size_t>(s)] + hole_suits[static_cast<std::size_t>(s)];
        if (hole_suits[static_cast<std::size_t>(s)] > 0 && n >= 5) flush = true;
        if (hole_suits[static_cast<std::size_t>(s)] > 0 && n == 4) flush_draw = true;
    }
    if (seen & (1u << 14)) seen |= 1u << 1;  // the ace also below the two
    bool straight = false, straight_draw = false;
    for (int low = 1; low <= 10; ++low) {
        const std::uint32_t five = 0x1Fu << low;
        const std::uint32_t missing = five & ~seen;  // one bit short: a draw
        // Only a run that uses a hole card counts.
        const bool uses = ((five >> a) & 1u) || ((five >> b) & 1u) || (a == 14 && low == 1) ||
                          (b == 14 && low == 1);
        if (missing == 0 && uses) straight = true;
        if (missing != 0 && (missing & (missing - 1)) == 0 && uses) straight_draw = true;
    }
    if (flush) made = std::max(made, 850);
    if (straight) made = std::max(made, 800);
    if (made == 0 && (flush_draw || straight_draw)) made = 100 + high;
    return made == 0 ? high : made;
}

double equity_against_ranges(std::array<CardCode, 2> hole, std::span<const CardCode> board,
                             std::span<const LikelyRange> ranges, int deals, Draws& draws) {
    const fast_hand::Tables& tables = fast_hand::tables();
    std::uint64_t dead = code_bit(hole[0]) | code_bit(hole[1]);
    for (CardCode c : board)
        dead |= code_bit(c);
    HandKey known;
    for (CardCode c : board)
        known = with_card(known, c);
    std::array<CardCode, 52> live;
    const int live_count = live_cards(dead, live);
    // Where each live card stands among the live cards, kept with every swap, so that a card
    // drawn by its class leaves them without a search.
    std::array<int, 53> where{};
    for (int i = 0; i < live_count; ++i)
        where[static_cast<std::size_t>(live[static_cast<std::size_t>(i)])] = i;
    auto swap_live = [&](int a, int b) {
        std::swap(live[static_cast<std::size_t>(a)], live[static_cast<std::size_t>(b)]);
        where[static_cast<std::size_t>(live[static_cast<std::size_t>(a)])] = a;
        where[static_cast<std::size_t>(live[static_cast<std::size_t>(b)])] = b;
    };
    const int to_come = 5 - static_cast<int>(board.size());
    // How each hand stands on the board, worked out the first time it is drawn: the same
    // hands of a narrow range come up again and again.
    std::array<std::int16_t, 53 * 53> standings;
    if (std::any_of(ranges.begin(), ranges.end(),
                    [](const LikelyRange& r) { return r.strongest_of > 1; }))
        standings.fill(-1);
    auto standing_of = [&](std::array<CardCode, 2> cards) {
        const auto at = static_cast<std::size_t>(std::min(cards[0], cards[1]) * 53 +
                                                 std::max(cards[0], cards[1]));
        if (standings[at] < 0)
            standings[at] = static_cast<std::int16_t>(board_standing(cards, board));
        return standings[at];
    };
    double won = 0;
    for (int deal = 0; deal < deals; ++deal) {
        // Draws without putting back: the cards taken go to the end of the live cards.
        int left = live_count;
        auto take = [&] {
            const int i = draws.below(left);
            --left;
            swap_live(i, left);
            return live[static_cast<std::size_t>(left)];
        };
        std::array<std::array<CardCode, 2>, 9> theirs{};
        std::uint64_t in_use = dead;
        for (std::size_t o = 0; o < ranges.size() && o < theirs.size(); ++o) {
            const LikelyRange& range = ranges[o];
            if (range.share >= 1 && range.strongest_of <= 1 && range.from <= 0) {
                theirs[o] = {take(), take()};
            } else {
                // A class drawn by its share of the range's hands, then its suits; a class whose
                // cards are all taken is drawn again.
                const int first = static_cast<int>(std::clamp(range.from, 0.0, 1.0) * 1326);
                const int places =
                    std::max(1, static_cast<int>(std::min(range.share, 1.0) * 1326) - first);
                auto one_of_range = [&] {
                    std::array<CardCode, 2> cards{};
                    for (int tries = 0; tries < 16 && !cards[0]; ++tries)
                        cards = cards_of_class(hand_class_at(first + draws.below(places)), in_use,
                                               draws);
                    return cards;
                };
                theirs[o] = one_of_range();
                int standing = theirs[o][0] && range.strongest_of > 1 ? standing_of(theirs[o]) : 0;
                for (int more = 1; more < range.strongest_of && theirs[o][0]; ++more) {
                    const auto other = one_of_range();
                    if (!other[0]) continue;
                    if (const int s = standing_of(other); s > standing) {
                        theirs[o] = other;
                        standing = s;
                    }
                }
                if (!theirs[o][0]) theirs[o] = {take(), take()};
                // The cards leave the live cards.
                for (CardCode c : theirs[o]) {
                    const int i = where[static_cast<std::size_t>(c)];
                    if (i < left && live[static_cast<std::size_t>(i)] == c) swap_live(i, --left);
                }
            }
            in_use |= code_bit(theirs[o][0]) | code_bit(theirs[o][1]);
        }
        HandKey full = known;
        for (int i = 0; i < to_come; ++i)
            full = with_card(full, take());
        const Strength mine = fast_strength(with_card(with_card(full, hole[0]), hole[1]), tables);
        Strength best = 0;
        int tied = 0;
        for (std::size_t o = 0; o < ranges.size() && o < theirs.size(); ++o) {
            const Strength s =
                fast_strength(with_card(with_card(full, theirs[o][0]), theirs[o][1]), tables);
            if (s > best) {
                best = s;
                tied = 0;
            }
            if (s == best) ++tied;
        }
        if (mine > best)
            won += 1;
        else if (mine == best)
            won += 1.0 / (tied + 1);
    }
    return deals > 0 ? won / deals : 0;
}

std::uint16_t work_out_preflop_equity(int c, int opponents, int deals, std::uint64_t seed) {
    Draws draws{seed};
    const std::vector<LikelyRange> anyone(static_cast<std::size_t>(opponents));
    double total = 0;
    // A new choice of suits every hundred deals keeps the sample's suits even.
    for (int done = 0; done < deals; done += 100) {
        const auto hole = cards_of_class(c, 0, draws);
        total += equity_against_ranges(hole, {}, anyone, std::min(100, deals - done), draws) *
                 std::min(100, deals - done);
    }
    return static_cast<std::uint16_t>(total / deals * 10000 + 0.5);
}

double work_out_heads_up(int first, int second, int deals, std::uint64_t seed) {
    Draws draws{seed};
    const fast_hand::Tables& tables = fast_hand::tables();
    double won = 0;
    int dealt = 0;
    for (int deal = 0; deal < deals; ++deal) {
        const auto mine = cards_of_class(first, 0, draws);
        const auto theirs = cards_of_class(second, code_bit(mine[0]) | code_bit(mine[1]), draws);
        if (!theirs[0]) continue;
        std::uint64_t dead =
            code_bit(mine[0]) | code_bit(mine[1]) | code_bit(theirs[0]) | code_bit(theirs[1]);
        std::array<CardCode, 52> live;
        int left = live_cards(dead, live);
        HandKey board;
        for (int i = 0; i < 5; ++i) {
            const int k = draws.below(left--);
            std::swap(live[static_cast<std::size_t>(k)], live[static_cast<std::size_t>(left)]);
            board = with_card(board, live[static_cast<std::size_t>(left)]);
        }
        const Strength a = fast_strength(with_card(with_card(board, mine[0]), mine[1]), tables);
        const Strength b = fast_strength(with_card(with_card(board, theirs[0]), theirs[1]), tables);
        won += a > b ? 1.0 : a == b ? 0.5 : 0.0;
        ++dealt;
    }
    return dealt ? won / dealt : 0.5;
}

}  // namespace holdem::standard
