#include "rules/betting/fair_estimate.h"

#include <algorithm>
#include <bit>

#include "rules/reading/standard_hand.h"

namespace holdem {

std::int32_t classic_number(const SevenCards& cards) {
    // The evaluator keeps the highest category the reading filed; each category's number is
    // its base plus the detail its verdict names.
    std::int32_t number = 0;
    if (const int top = top_card_rank(cards); top >= 0) number = 100 + top + 1;
    const PairsVerdict pairs = pairs_of(cards);
    constexpr int pairing_base[] = {0, 200, 300, 400, 700, 800};
    if (pairs.pairing != Pairing::None)
        number = std::max(number, pairing_base[static_cast<int>(pairs.pairing)] + pairs.rank + 1);
    const int straight = straight_top(cards);
    if (straight >= 0) number = std::max(number, 500 + straight + 1);
    const int suit = flush_suit(cards);
    if (suit >= 0) {
        number = std::max(number, 600 + suit + 1);
        const int run = suited_run_top(cards, suit);
        if (run >= 0 && straight >= 0) number = std::max(number, 900 + run + 1);
        if (run == 12) number = std::max(number, 1000 + suit + 1);
    }
    return number;
}

std::int32_t classic_number(CardMask hole, CardMask board, int first_rank, int second_rank) {
    const CardMask all = hole | board;
    unsigned lane[4];
    for (int s = 0; s < 4; ++s)
        lane[s] = static_cast<unsigned>(all >> (16 * s)) & 0x1FFFu;
    const unsigned present = lane[0] | lane[1] | lane[2] | lane[3];
    auto count = [&](int rank) {
        return ((lane[0] >> rank) & 1) + ((lane[1] >> rank) & 1) + ((lane[2] >> rank) & 1) +
               ((lane[3] >> rank) & 1);
    };
    // The reading's rules on a hand's two cards and seven, worked out from the masks.
    std::int32_t number = 100 + std::max(first_rank, second_rank) + 1;
    const int nA = static_cast<int>(count(first_rank)), nB = static_cast<int>(count(second_rank));
    int pairing = 0, pair_rank = -1;  // the pairs rules in order, as pairs_of applies them
    auto set = [&](int p, int r) { pairing = p, pair_rank = r; };
    if (nA == 2) set(200, first_rank);
    if (nB == 2) set(200, second_rank);
    if (first_rank != second_rank && nA == 2 && nB == 2)
        set(300, std::max(first_rank, second_rank));
    if (nA == 3) set(400, first_rank);
    if (nB == 3) set(400, second_rank);
    if (nA == 3 && nB == 2) set(700, first_rank);
    if (nA == 2 && nB == 3) set(700, second_rank);
    if (nA == 4) set(800, first_rank);
    if (nB == 4) set(800, second_rank);
    if (pairing) number = std::max(number, pairing + pair_rank + 1);
    auto window = [](int top) { return top == 3 ? (1u << 12) | 0b1111u : 0b11111u << (top - 4); };
    auto highest_window = [&](int key) {
        if (key == 12) return (present & window(12)) == window(12) ? 12 : -1;
        for (int top = std::min(key + 4, 12); top >= std::max(key, 4); --top)
            if ((present & window(top)) == window(top)) return top;
        if (key <= 3 && (present & window(3)) == window(3)) return 3;
        return -1;
    };
    int straight = highest_window(std::max(first_rank, second_rank));
    if (straight < 0) straight = highest_window(std::min(first_rank, second_rank));
    if (straight >= 0) number = std::max(number, 500 + straight + 1);
    int suit = -1;
    for (int s = 0; s < 4; ++s)
        if (std::popcount(lane[s]) >= 5) suit = s;
    if (suit >= 0) {
        number = std::max(number, 600 + suit + 1);
        int run = -1;
        for (int top = 12; top >= 3 && run < 0; --top)
            if ((lane[suit] & window(top)) == window(top)) run = top;
        if (run >= 0 && straight >= 0) number = std::max(number, 900 + run + 1);
        if (run == 12) number = std::max(number, 1000 + suit + 1);
    }
    return number;
}

namespace {

// The estimate's own quick generator, seeded from the table's stream for estimates: each
// 64-bit step gives two 32-bit draws.
struct Draws {
    std::uint64_t state;
    std::uint64_t spare = 0;
    bool has_spare = false;
    int below(int n) {
        std::uint64_t bits;
        if (has_spare) {
            bits = spare;
        } else {
            spare = splitmix64(state);
            bits = spare >> 32;
            spare &= 0xFFFFFFFFu;
        }
        has_spare = !has_spare;
        return static_cast<int>(bits * static_cast<std::uint64_t>(n) >> 32);
    }
};

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
    for (int sample = 0; sample < samples; ++sample) {
        // The first `needed` unseen cards of a partial shuffle: the rest of the board, then two
        // cards for each opponent.
        for (int i = 0; i < needed; ++i)
            std::swap(unseen[i], unseen[i + draws.below(unseen_count - i)]);
        std::array<CardCode, 5> full = board;
        for (int i = shown; i < 5; ++i)
            full[i] = unseen[i - shown];
        const CardCode* dealt = unseen.data() + (5 - shown);
        // Under the standard ranking the shared board is one mask, and each hand a few bits more.
        CardMask board_mask = 0;
        for (CardCode c : full)
            board_mask |= card_bit(c);
        auto value = [&](CardCode a, CardCode b) -> std::int32_t {
            const CardMask hole = card_bit(a) | card_bit(b);
            if (ranking == Ranking::standard)
                return static_cast<std::int32_t>(standard_strength(board_mask | hole));
            return classic_number(hole, board_mask, rank_index(a), rank_index(b));
        };
        const std::int32_t mine = value(first, second);
        std::array<std::int32_t, seat_count> better{};
        int distinct_better = 0;
        for (int o = 0; o < opponents; ++o) {
            const std::int32_t theirs = value(dealt[2 * o], dealt[2 * o + 1]);
            if (theirs <= mine) continue;
            bool seen = false;
            for (int b = 0; b < distinct_better; ++b)
                seen = seen || better[b] == theirs;
            if (!seen) better[distinct_better++] = theirs;
        }
        ++standings[std::min(5, 1 + distinct_better)];
    }
    int counted = 0;
    for (int standing = 1; standing <= 5; ++standing) {
        counted += standings[standing];
        if (2 * counted > samples) return standing;
    }
    return 5;
}

// Before the flop a seat knows only its two cards, so its standing depends on their ranks,
// whether they share a suit, and how many seats are in: worked out once, closely, and kept.
int preflop_standing(CardCode first, CardCode second, int opponents, Ranking ranking) {
    constexpr int preflop_samples = 1024;
    static std::array<std::int8_t, 2 * 13 * 13 * 2 * seat_count> known{};
    int high = rank_index(first), low = rank_index(second);
    if (high < low) std::swap(high, low);
    const bool suited = card_suit(first) == card_suit(second);
    const int index =
        (((static_cast<int>(ranking) * 13 + high) * 13 + low) * 2 + suited) * seat_count +
        opponents;
    std::int8_t& standing = known[static_cast<std::size_t>(index)];
    if (standing == 0) {
        // Any two cards of the kind will do: clubs, and diamonds for the second unless suited.
        const CardCode a = card_code(high + 2, 0), b = card_code(low + 2, suited ? 0 : 1);
        Draws draws{static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull + 1, 0, false};
        standing = static_cast<std::int8_t>(
            median_standing(a, b, {}, 0, opponents, ranking, draws, preflop_samples));
    }
    return standing;
}

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
