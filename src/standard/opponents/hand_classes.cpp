#include "standard/opponents/hand_classes.h"

#include <algorithm>
#include <numeric>

#include "standard/opponents/preflop_equity.h"

namespace holdem::standard {

int hand_class(CardCode a, CardCode b) {
    const int ra = rank_index(a), rb = rank_index(b);
    const int high = std::max(ra, rb), low = std::min(ra, rb);
    if (high == low) return high * 13 + high;
    return card_suit(a) == card_suit(b) ? high * 13 + low : low * 13 + high;
}

std::string hand_class_name(int c) {
    constexpr char ranks[] = "23456789TJQKA";
    const int row = c / 13, column = c % 13;
    if (row == column) return {ranks[row], ranks[row]};
    const bool suited = row > column;
    return {ranks[std::max(row, column)], ranks[std::min(row, column)], suited ? 's' : 'o'};
}

int hand_class_combos(int c) {
    const int row = c / 13, column = c % 13;
    return row == column ? 6 : row > column ? 4 : 12;
}

namespace {

struct Ranking {
    std::array<double, hand_classes> percentile{};
    std::array<std::int16_t, 1326> at{};  // the class of each place, strongest first
};

const Ranking& ranking() {
    static const Ranking r = [] {
        std::array<int, hand_classes> order;
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            return preflop_equity_table[0][static_cast<std::size_t>(a)] >
                   preflop_equity_table[0][static_cast<std::size_t>(b)];
        });
        Ranking out;
        int combos = 0;
        for (int k : order) {
            for (int i = 0; i < hand_class_combos(k); ++i)
                out.at[static_cast<std::size_t>(combos + i)] = static_cast<std::int16_t>(k);
            combos += hand_class_combos(k);
            out.percentile[static_cast<std::size_t>(k)] = combos / 1326.0;
        }
        return out;
    }();
    return r;
}

}  // namespace

double hand_percentile(int c) {
    return ranking().percentile[static_cast<std::size_t>(c)];
}

int hand_class_at(int combo) {
    return ranking().at[static_cast<std::size_t>(std::clamp(combo, 0, 1325))];
}

}  // namespace holdem::standard
