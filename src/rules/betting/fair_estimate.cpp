#include "rules/betting/fair_estimate.h"

#include <algorithm>
#include <bit>

#include "rules/reading/classic_hand.h"
#include "rules/reading/fast_hand.h"
#include "rules/reading/standard_hand.h"

namespace holdem {

std::int32_t classic_number(const SevenCards& cards) {
    // The evaluator keeps the highest category the reading filed; each category's number is
    // its base plus the detail its verdict names.
    using C = ClassicCategory;
    std::int32_t number = 0;
    if (const int top = top_card_rank(cards); top >= 0) number = classic_number(C::top, top + 1);
    const PairsVerdict pairs = pairs_of(cards);
    constexpr ClassicCategory pairing_category[] = {C::top,        C::pair,       C::two_kind,
                                                    C::three_kind, C::full_house, C::four_kind};
    if (pairs.pairing != Pairing::None)
        number = std::max(number, classic_number(pairing_category[static_cast<int>(pairs.pairing)],
                                                 pairs.rank + 1));
    const int straight_at = straight_top(cards);
    if (straight_at >= 0) number = std::max(number, classic_number(C::straight, straight_at + 1));
    const int suit = flush_suit(cards);
    if (suit >= 0) {
        number = std::max(number, classic_number(C::flush, suit + 1));
        const int run = suited_run_top(cards, suit);
        if (run >= 0 && straight_at >= 0)
            number = std::max(number, classic_number(C::straight_flush, run + 1));
        if (run == 12) number = std::max(number, classic_number(C::royal, suit + 1));
    }
    return number;
}

namespace {

// Each card code's rank index and suit, looked up rather than divided out for the many hands.
struct RankAndSuit {
    std::uint8_t rank = 0, suit = 0;
};
constexpr std::array<RankAndSuit, 53> rank_and_suit = [] {
    std::array<RankAndSuit, 53> cards{};
    for (CardCode c = 1; c <= 52; ++c)
        cards[static_cast<std::size_t>(c)] = {static_cast<std::uint8_t>(rank_index(c)),
                                              static_cast<std::uint8_t>(card_suit(c))};
    return cards;
}();

// The tops of the five-rank windows a set of ranks fills, one bit per top (3 is A-2-3-4-5).
constexpr std::array<std::uint16_t, 1 << 13> window_tops = [] {
    std::array<std::uint16_t, 1 << 13> tops{};
    for (unsigned ranks = 0; ranks < tops.size(); ++ranks) {
        const unsigned runs = ranks & ranks >> 1 & ranks >> 2 & ranks >> 3 & ranks >> 4;
        const bool wheel = (ranks & 0b1'0000'0000'1111u) == 0b1'0000'0000'1111u;
        tops[ranks] = static_cast<std::uint16_t>(runs << 4 | static_cast<unsigned>(wheel) << 3);
    }
    return tops;
}();

// The windows a hand card's rank tests as a key: the ace tests 10-A only, any other rank the
// windows from its own to four above it, and the ranks up to 5 the wheel too.
constexpr std::array<unsigned, 13> key_windows = [] {
    std::array<unsigned, 13> windows{};
    for (int key = 0; key < 13; ++key) {
        if (key == 12) {
            windows[12] = 1u << 12;
            continue;
        }
        for (int top = std::max(key, 4); top <= std::min(key + 4, 12); ++top)
            windows[static_cast<std::size_t>(key)] |= 1u << top;
        if (key <= 3) windows[static_cast<std::size_t>(key)] |= 1u << 3;
    }
    return windows;
}();

// What the pairs rules file for the counts of the two hand cards' ranks among the seven cards
// (1 … 4 each) and whether the hand is a pair: the category's base (0 for none) and whose rank
// names it (0 the first card's, 1 the second's, 2 the higher one's).
struct PairsRule {
    std::int16_t base = 0;
    std::int8_t rank_of = 0;
};
constexpr std::size_t pairs_rule_index(int nA, int nB, bool same_rank) {
    return static_cast<std::size_t>((nA * 5 + nB) * 2 + same_rank);
}
constexpr std::array<PairsRule, 5 * 5 * 2> pairs_rules = [] {
    std::array<PairsRule, 5 * 5 * 2> rules{};
    for (int nA = 0; nA <= 4; ++nA)
        for (int nB = 0; nB <= 4; ++nB)
            for (bool same : {false, true}) {
                PairsRule r;
                // The rules in the reading's order; a later one that fires overwrites.
                auto set = [&](ClassicCategory category, int rank_of) {
                    r = {static_cast<std::int16_t>(classic_base(category)),
                         static_cast<std::int8_t>(rank_of)};
                };
                using C = ClassicCategory;
                if (nA == 2) set(C::pair, 0);
                if (nB == 2) set(C::pair, 1);
                if (!same && nA == 2 && nB == 2) set(C::two_kind, 2);
                if (nA == 3) set(C::three_kind, 0);
                if (nB == 3) set(C::three_kind, 1);
                if (nA == 3 && nB == 2) set(C::full_house, 0);
                if (nA == 2 && nB == 3) set(C::full_house, 1);
                if (nA == 4) set(C::four_kind, 0);
                if (nB == 4) set(C::four_kind, 1);
                rules[pairs_rule_index(nA, nB, same)] = r;
            }
    return rules;
}();

// Puts one more card on a board.
void add_card(ClassicBoard& b, CardCode c) {
    const RankAndSuit card = rank_and_suit[static_cast<std::size_t>(c)];
    b.cards |= CardMask{1} << (16 * card.suit + card.rank);
    b.ranks |= 1u << card.rank;
    ++b.rank_counts[card.rank];
    if (++b.suit_counts[card.suit] == 5) b.flush_suit = static_cast<std::int8_t>(card.suit);
}

int highest_bit(unsigned bits) {
    return static_cast<int>(std::bit_width(bits)) - 1;  // -1 for none
}

}  // namespace

ClassicBoard classic_board(const std::array<CardCode, 5>& board) {
    ClassicBoard b;
    for (CardCode c : board)
        add_card(b, c);
    return b;
}

namespace {

// Inlined into the estimates' inner loop, which calls it for every hand of every deal.
[[gnu::always_inline]] inline std::int32_t number_of(const ClassicBoard& board, CardCode first,
                                                     CardCode second) {
    const RankAndSuit a = rank_and_suit[static_cast<std::size_t>(first)];
    const RankAndSuit b = rank_and_suit[static_cast<std::size_t>(second)];
    // The reading's rules on a hand's two cards and seven, worked out from the board's counts.
    const bool same_rank = a.rank == b.rank;
    const int nA = board.rank_counts[a.rank] + 1 + same_rank;
    const int nB = board.rank_counts[b.rank] + 1 + same_rank;
    const int high = std::max(a.rank, b.rank), low = std::min(a.rank, b.rank);
    const PairsRule rule = pairs_rules[pairs_rule_index(nA, nB, same_rank)];
    const int named[] = {a.rank, b.rank, high};
    using C = ClassicCategory;
    std::int32_t number = classic_number(C::top, high + 1);
    if (rule.base) number = std::max(number, rule.base + named[rule.rank_of] + 1);
    // The higher hand card's key first; the lower one's only when that finds no straight.
    const unsigned tops = window_tops[board.ranks | 1u << a.rank | 1u << b.rank];
    const int by_high = highest_bit(tops & key_windows[static_cast<std::size_t>(high)]);
    const int straight =
        by_high >= 0 ? by_high : highest_bit(tops & key_windows[static_cast<std::size_t>(low)]);
    if (straight >= 0) number = std::max(number, classic_number(C::straight, straight + 1));
    // Seven cards hold at most one flush: the board's own, or one of a hand card's suit.
    const int same_suit = a.suit == b.suit;
    int suit = board.flush_suit;
    if (board.suit_counts[a.suit] + 1 + same_suit >= 5) suit = a.suit;
    if (board.suit_counts[b.suit] + 1 + same_suit >= 5) suit = b.suit;
    if (suit >= 0) {
        number = std::max(number, classic_number(C::flush, suit + 1));
        const CardMask all = board.cards | CardMask{1} << (16 * a.suit + a.rank) |
                             CardMask{1} << (16 * b.suit + b.rank);
        const int run = highest_bit(window_tops[(all >> (16 * suit)) & 0x1FFFu]);
        if (run >= 0 && straight >= 0)
            number = std::max(number, classic_number(C::straight_flush, run + 1));
        if (run == 12) number = std::max(number, classic_number(C::royal, suit + 1));
    }
    return number;
}

}  // namespace

std::int32_t classic_number(const ClassicBoard& board, CardCode first, CardCode second) {
    return number_of(board, first, second);
}

namespace {

// The estimate's own quick generator, seeded from the table's stream for estimates: each
// 64-bit step gives two 32-bit draws.
struct Draws {
    std::uint64_t state;
    std::uint64_t spare = 0;
    bool has_spare = false;

    // A partial shuffle: positions 0 … needed-1 of the first `count` cards each swap with a
    // card drawn from the rest, two draws to a step of the generator.
    void shuffle_front(std::array<CardCode, 52>& cards, int count, int needed) {
        auto swap_in = [&](int i, std::uint64_t bits) {
            const auto left = static_cast<std::uint64_t>(count - i);
            std::swap(cards[static_cast<std::size_t>(i)],
                      cards[static_cast<std::size_t>(i + static_cast<int>(bits * left >> 32))]);
        };
        int i = 0;
        if (has_spare && needed > 0) {
            swap_in(i++, spare);
            has_spare = false;
        }
        for (; i + 1 < needed; i += 2) {
            const std::uint64_t word = splitmix64(state);
            swap_in(i, word >> 32);
            swap_in(i + 1, word & 0xFFFFFFFFu);
        }
        if (i < needed) {
            const std::uint64_t word = splitmix64(state);
            swap_in(i, word >> 32);
            spare = word & 0xFFFFFFFFu;
            has_spare = true;
        }
    }
};

// The median standing of `samples` deals when `left` of them are still to come, or 0 while
// those could still change it: the median is the first standing counted in more than half the
// deals, however the rest fall.
int settled_median(const std::array<int, 6>& standings, int samples, int left) {
    int counted = 0;
    for (int standing = 1; standing <= 5; ++standing) {
        counted += standings[standing];
        if (2 * counted > samples) return standing;
        if (2 * (counted + left) > samples) return 0;
    }
    return 5;
}

// The standing the seat holds in most of `samples` deals of the unseen cards: the rest of the
// board and two cards for each of `opponents` seats still in the hand.
int median_standing(CardCode first, CardCode second, const std::array<CardCode, 5>& board,
                    int shown, int opponents, Ranking ranking, Draws& draws, int samples) {
    bool known[53] = {};
    known[first] = known[second] = true;
    for (int i = 0; i < shown; ++i)
        known[board[i]] = true;
    std::array<CardCode, 52> unseen{};
    int unseen_count = 0;
    for (CardCode c = 1; c <= 52; ++c)
        if (!known[c]) unseen[unseen_count++] = c;

    std::array<int, 6> standings{};  // how often each standing 1 … 5 came up
    const int needed = 2 * opponents + 5 - shown;
    ClassicBoard shown_cards;  // each deal adds the rest of its board
    HandKey shown_key;         // the same for the standard ranking's table evaluator
    for (int i = 0; i < shown; ++i) {
        add_card(shown_cards, board[i]);
        shown_key = with_card(shown_key, board[i]);
    }
    const fast_hand::Tables& tables = fast_hand::tables();
    for (int sample = 0; sample < samples; ++sample) {
        // The first `needed` unseen cards of a partial shuffle: the rest of the board, then two
        // cards for each opponent.
        draws.shuffle_front(unseen, unseen_count, needed);
        const CardCode* dealt = unseen.data() + (5 - shown);
        // The shared board once per deal; each hand is its two cards more (for the standard
        // ranking two additions to the board's key).
        ClassicBoard full = shown_cards;
        HandKey full_key = shown_key;
        for (int i = 0; i < 5 - shown; ++i) {
            const CardCode c = unseen[static_cast<std::size_t>(i)];
            if (ranking == Ranking::standard)
                full_key = with_card(full_key, c);
            else
                add_card(full, c);
        }
        auto value = [&](CardCode a, CardCode b) -> std::int32_t {
            if (ranking == Ranking::standard)
                return static_cast<std::int32_t>(
                    fast_strength(with_card(with_card(full_key, a), b), tables));
            return number_of(full, a, b);
        };
        const std::int32_t mine = value(first, second);
        std::array<std::int32_t, seat_count> better;  // the first `distinct_better` are set
        int distinct_better = 0;
        // Four better hands make the seat's standing 5, whatever the rest hold.
        for (int o = 0; o < opponents && distinct_better < 4; ++o) {
            const std::int32_t theirs = value(dealt[2 * o], dealt[2 * o + 1]);
            if (theirs <= mine) continue;
            bool seen = false;
            for (int b = 0; b < distinct_better; ++b)
                seen = seen || better[b] == theirs;
            if (!seen) better[distinct_better++] = theirs;
        }
        ++standings[std::min(5, 1 + distinct_better)];
        // Once the deals still to come could no longer move the median, it is the answer.
        if (const int decided = settled_median(standings, samples, samples - sample - 1))
            return decided;
    }
    return settled_median(standings, samples, 0);
}

// Before the flop: the table's standing, or one worked out on the spot and kept.
int preflop_standing(CardCode first, CardCode second, int opponents, Ranking ranking) {
    int high = rank_index(first), low = rank_index(second);
    if (high < low) std::swap(high, low);
    const bool suited = card_suit(first) == card_suit(second);
    const std::size_t index = preflop_index(ranking, high, low, suited, opponents);
    if (const std::int8_t tabled = preflop_standings[index]) return tabled;
    static std::array<std::int8_t, preflop_table_size> known{};
    if (known[index] == 0)
        known[index] = static_cast<std::int8_t>(
            work_out_preflop_standing(ranking, high, low, suited, opponents));
    return known[index];
}

}  // namespace

std::size_t preflop_index(Ranking ranking, int high, int low, bool suited, int opponents) {
    return static_cast<std::size_t>(
        (((static_cast<int>(ranking) * 13 + high) * 13 + low) * 2 + suited) * seat_count +
        opponents);
}

int work_out_preflop_standing(Ranking ranking, int high, int low, bool suited, int opponents) {
    constexpr int preflop_samples = 1024;
    // Any two cards of the kind will do: clubs, and diamonds for the second unless suited.
    const CardCode a = card_code(high + 2, 0), b = card_code(low + 2, suited ? 0 : 1);
    const auto index = preflop_index(ranking, high, low, suited, opponents);
    Draws draws{static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull + 1, 0, false};
    return median_standing(a, b, {}, 0, opponents, ranking, draws, preflop_samples);
}

namespace {

int estimate(Table& t, int seat) {
    const Player& me = t.seat(seat);
    int opponents = 0;
    for (int k = 1; k <= seat_count; ++k)
        opponents += k != seat && t.seat(k).in_hand();
    if (opponents == 0) return 1;  // nobody is left to beat
    const int shown = board_cards_shown(current_street(t).value_or(Street::preflop));
    if (shown == 0) return preflop_standing(me.cardone, me.cardtwo, opponents, t.options.ranking);
    std::array<CardCode, 5> board{};
    for (int i = 0; i < shown; ++i)
        board[i] = t.deck[deck_pos::board(i + 1)];
    Draws draws{static_cast<std::uint64_t>(t.estimate_random->next() * 16777216.0f) << 24 ^
                    static_cast<std::uint64_t>(t.estimate_random->next() * 16777216.0f),
                0, false};
    return median_standing(me.cardone, me.cardtwo, board, shown, opponents, t.options.ranking,
                           draws, fair_samples);
}

}  // namespace

int fair_handrank(Table& t, int seat) {
    FairEstimate& cached = t.fair_estimates[seat];
    const Street street = current_street(t).value_or(Street::preflop);
    int in_hand = 0;
    for (int k = 1; k <= seat_count; ++k)
        in_hand += t.seat(k).in_hand();
    if (cached.hand != t.hands_started || cached.street != street || cached.in_hand != in_hand)
        cached = {t.hands_started, street, in_hand, estimate(t, seat)};
    return cached.standing;
}

}  // namespace holdem
