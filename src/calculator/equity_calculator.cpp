#include "calculator/equity_calculator.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/random.h"
#include "rules/reading/fast_hand.h"

namespace holdem::calculator {

namespace {

constexpr int most_players = 10;

std::uint64_t mask_of(const std::vector<CardCode>& cards) {
    std::uint64_t m = 0;
    for (CardCode c : cards)
        m |= code_bit(c);
    return m;
}

std::uint64_t mask_of_hand(int index) {
    const auto cards = hand_cards(index);
    return code_bit(cards[0]) | code_bit(cards[1]);
}

double choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    double r = 1;
    for (int i = 0; i < k; ++i)
        r = r * (n - i) / (i + 1);
    return r;
}

// Running sums of each player's part of the pot over the deals.
struct Tally {
    std::array<std::uint64_t, most_players> wins{}, ties{};
    std::array<double, most_players> share{}, share_squared{};
    std::uint64_t deals = 0;
    int players = 0;

    // One deal: each player's strength; the best take the pot between them.
    void add(const std::array<Strength, most_players>& strength) {
        Strength best = 0;
        int best_count = 0;
        for (int p = 0; p < players; ++p) {
            if (strength[static_cast<std::size_t>(p)] > best) {
                best = strength[static_cast<std::size_t>(p)];
                best_count = 0;
            }
            if (strength[static_cast<std::size_t>(p)] == best) ++best_count;
        }
        const double part = 1.0 / best_count;
        for (int p = 0; p < players; ++p) {
            if (strength[static_cast<std::size_t>(p)] != best) continue;
            const auto i = static_cast<std::size_t>(p);
            if (best_count == 1)
                ++wins[i];
            else
                ++ties[i];
            share[i] += part;
            share_squared[i] += part * part;
        }
        ++deals;
    }

    Equities equities(bool exact) const {
        Equities out;
        out.deals = deals;
        out.exact = exact;
        const double n = static_cast<double>(std::max<std::uint64_t>(deals, 1));
        for (int p = 0; p < players; ++p) {
            const auto i = static_cast<std::size_t>(p);
            PlayerEquity e;
            e.win = static_cast<double>(wins[i]) / n;
            e.tie = static_cast<double>(ties[i]) / n;
            e.equity = share[i] / n;
            if (!exact && deals > 1) {
                const double variance = std::max(0.0, share_squared[i] / n - e.equity * e.equity);
                e.standard_error = std::sqrt(variance / (n - 1));
            }
            out.players.push_back(e);
        }
        return out;
    }
};

// The cards left for the board once `used` are out, in code order.
int cards_left(std::uint64_t used, std::array<CardCode, 52>& out) {
    int n = 0;
    for (int c = 1; c <= 52; ++c)
        if (!(used & code_bit(static_cast<CardCode>(c))))
            out[static_cast<std::size_t>(n++)] = static_cast<CardCode>(c);
    return n;
}

// A hand of a player's range: its two cards and their bits.
struct Hand {
    std::uint64_t mask;
    std::array<CardCode, 2> cards;
};

// What enumerating and sampling both start from: each player's hands that miss the board and
// the dead cards, the board's key so far and the cards left for the rest of it.
struct Prepared {
    int players = 0;
    std::uint64_t known = 0;
    std::vector<std::vector<Hand>> hands;
    HandKey board_key;
    std::array<CardCode, 52> deck{};
    int deck_size = 0;
    int to_come = 0;
};

Prepared prepare(const Spot& spot) {
    Prepared p;
    p.players = static_cast<int>(spot.players.size());
    p.known = mask_of(spot.board) | mask_of(spot.dead);
    for (const HandRange& r : spot.players) {
        std::vector<Hand>& list = p.hands.emplace_back();
        for (int index : r.hands_without(p.known))
            list.push_back({mask_of_hand(index), hand_cards(index)});
    }
    for (CardCode c : spot.board)
        p.board_key = with_card(p.board_key, c);
    p.deck_size = cards_left(p.known, p.deck);
    p.to_come = 5 - static_cast<int>(spot.board.size());
    return p;
}

Equities with_problem(std::string problem) {
    Equities out;
    out.problem = std::move(problem);
    return out;
}

}  // namespace

std::string spot_problem(const Spot& spot) {
    const int players = static_cast<int>(spot.players.size());
    if (players < 2 || players > most_players) return "Two to ten players are needed";
    const std::size_t b = spot.board.size();
    if (b != 0 && b != 3 && b != 4 && b != 5) return "The board has 0, 3, 4 or 5 cards";
    std::uint64_t seen = 0;
    for (const auto* cards : {&spot.board, &spot.dead})
        for (CardCode c : *cards) {
            if (!is_card(c)) return "A card on the board or among the dead cards is not a card";
            if (seen & code_bit(c))
                return "The card " + std::string(card_text(c)) + " is given twice";
            seen |= code_bit(c);
        }
    for (int p = 0; p < players; ++p)
        if (spot.players[static_cast<std::size_t>(p)].hands_without(seen).empty())
            return "Player " + std::to_string(p + 1) +
                   " has no hand left beside the board and the dead cards";
    // Cards left for the board after the players' two each.
    if (52 - std::popcount(seen) - 2 * players < static_cast<int>(5 - b))
        return "Too few cards are left to deal the board";
    return {};
}

double enumeration_size(const Spot& spot) {
    const std::uint64_t known = mask_of(spot.board) | mask_of(spot.dead);
    double size = 1;
    for (const HandRange& r : spot.players)
        size *= static_cast<double>(r.hands_without(known).size());
    const int left = 52 - std::popcount(known) - 2 * static_cast<int>(spot.players.size());
    return size * choose(left, 5 - static_cast<int>(spot.board.size()));
}

Equities enumerate_equities(const Spot& spot, const std::atomic<bool>* cancel) {
    if (std::string problem = spot_problem(spot); !problem.empty())
        return with_problem(std::move(problem));
    const fast_hand::Tables& tables = fast_hand::tables();
    const Prepared prepared = prepare(spot);
    const int players = prepared.players;
    Tally tally;
    tally.players = players;
    bool stopped = false;
    std::uint64_t boards_seen = 0;
    // For each board, every player's hands that miss it, each with its strength worked out once;
    // then every way of giving the players those hands without a card twice.
    struct Held {
        std::uint64_t mask;
        Strength strength;
    };
    std::vector<std::vector<Held>> held(static_cast<std::size_t>(players));
    std::array<Strength, most_players> strength{};
    auto deal = [&](auto&& self, int p, std::uint64_t used) -> void {
        if (p == players) {
            tally.add(strength);
            return;
        }
        for (const Held& h : held[static_cast<std::size_t>(p)]) {
            if (used & h.mask) continue;
            strength[static_cast<std::size_t>(p)] = h.strength;
            self(self, p + 1, used | h.mask);
        }
    };
    auto boards = [&](auto&& self, int from, int still, HandKey key, std::uint64_t on) -> void {
        if (stopped) return;
        if (still == 0) {
            if ((++boards_seen & 4095) == 0 && cancel && cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            for (int p = 0; p < players; ++p) {
                auto& list = held[static_cast<std::size_t>(p)];
                list.clear();
                for (const Hand& h : prepared.hands[static_cast<std::size_t>(p)])
                    if (!(on & h.mask))
                        list.push_back({h.mask, fast_strength(with_card(with_card(key, h.cards[0]),
                                                                        h.cards[1]),
                                                              tables)});
            }
            deal(deal, 0, on);
            return;
        }
        for (int i = from; i <= prepared.deck_size - still; ++i) {
            const CardCode c = prepared.deck[static_cast<std::size_t>(i)];
            self(self, i + 1, still - 1, with_card(key, c), on | code_bit(c));
        }
    };
    boards(boards, 0, prepared.to_come, prepared.board_key, prepared.known);
    Equities out = tally.equities(true);
    out.cancelled = stopped;
    if (!stopped && tally.deals == 0)
        out.problem = "The hands given leave no deal without a card twice";
    return out;
}

Equities sample_equities(const Spot& spot, const Sampling& sampling,
                         const std::atomic<bool>* cancel) {
    if (std::string problem = spot_problem(spot); !problem.empty())
        return with_problem(std::move(problem));
    const fast_hand::Tables& tables = fast_hand::tables();
    const Prepared prepared = prepare(spot);
    const int players = prepared.players;
    std::uint64_t state = sampling.seed;
    auto below = [&](std::size_t n) {
        return static_cast<std::size_t>((splitmix64(state) >> 32) * n >> 32);
    };
    Tally tally;
    tally.players = players;
    std::array<std::array<CardCode, 2>, most_players> chosen{};
    std::uint64_t misses = 0;
    Equities out;
    while (tally.deals < sampling.most_deals) {
        if ((tally.deals & 4095) == 0 && cancel && cancel->load(std::memory_order_relaxed)) {
            out = tally.equities(false);
            out.cancelled = true;
            return out;
        }
        // Hands drawn at once for every player, the draw thrown back when two share a card:
        // each way of dealing them is as likely as in the enumeration.
        std::uint64_t used = prepared.known;
        bool clash = false;
        for (int p = 0; p < players && !clash; ++p) {
            const auto& list = prepared.hands[static_cast<std::size_t>(p)];
            const Hand& h = list[below(list.size())];
            clash = (used & h.mask) != 0;
            used |= h.mask;
            chosen[static_cast<std::size_t>(p)] = h.cards;
        }
        if (clash) {
            // Ranges that nearly always clash leave (almost) no deal to work out.
            if (++misses > 1'000'000 && misses > 1000 * (tally.deals + 1)) {
                out = tally.equities(false);
                out.problem = "The hands given leave no deal without a card twice";
                return out;
            }
            continue;
        }
        HandKey key = prepared.board_key;
        for (int i = 0; i < prepared.to_come;) {
            const CardCode c = prepared.deck[below(static_cast<std::size_t>(prepared.deck_size))];
            if (used & code_bit(c)) continue;
            used |= code_bit(c);
            key = with_card(key, c);
            ++i;
        }
        std::array<Strength, most_players> strength{};
        for (int p = 0; p < players; ++p) {
            const auto& h = chosen[static_cast<std::size_t>(p)];
            strength[static_cast<std::size_t>(p)] =
                fast_strength(with_card(with_card(key, h[0]), h[1]), tables);
        }
        tally.add(strength);
        if (tally.deals % 10'000 == 0) {
            out = tally.equities(false);
            if (sampling.progress && tally.deals % sampling.report_every == 0)
                sampling.progress(out);
            double worst = 0;
            for (const PlayerEquity& e : out.players)
                worst = std::max(worst, e.standard_error);
            if (worst < sampling.target_error) return out;
        }
    }
    return tally.equities(false);
}

Equities calculate_equities(const Spot& spot, const Sampling& sampling,
                            const std::atomic<bool>* cancel) {
    if (spot_problem(spot).empty() && enumeration_size(spot) <= most_enumerated)
        return enumerate_equities(spot, cancel);
    return sample_equities(spot, sampling, cancel);
}

}  // namespace holdem::calculator
