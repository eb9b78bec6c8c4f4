#include "calculator/hand_range.h"

#include <algorithm>
#include <cctype>

namespace holdem::calculator {

namespace {

constexpr std::string_view rank_letters = "AKQJT98765432";  // grid order: the ace first

int rank_of_row(int row) {
    return 14 - row;
}
int row_of_rank(int rank) {
    return 14 - rank;
}

// The hands of a kind: a pair (six), suited (four) or offsuit (twelve).
template <class Visit>
void for_each_hand_of(GridCell cell, Visit&& visit) {
    const int high = rank_of_row(std::min(cell.row, cell.column));
    const int low = rank_of_row(std::max(cell.row, cell.column));
    for (int s1 = 0; s1 < 4; ++s1)
        for (int s2 = 0; s2 < 4; ++s2) {
            if (cell.row == cell.column) {
                if (s2 <= s1) continue;
            } else if ((cell.column > cell.row) != (s1 == s2)) {
                continue;
            }
            visit(hand_index(card_code(high, s1), card_code(low, s2)));
        }
}

// One rank at the front of `text`: its grid row and how many characters it took, or -1.
int read_rank(std::string_view text, int& used) {
    used = 0;
    if (text.size() >= 2 && text[0] == '1' && text[1] == '0') {
        used = 2;
        return row_of_rank(10);
    }
    if (text.empty()) return -1;
    const auto at = rank_letters.find(static_cast<char>(std::toupper(text[0])));
    if (at == std::string_view::npos) return -1;
    used = 1;
    return static_cast<int>(at);
}

int read_suit(char c) {
    switch (std::tolower(c)) {
        case 'c':
            return 0;
        case 'd':
            return 1;
        case 'h':
            return 2;
        case 's':
            return 3;
        default:
            return -1;
    }
}

// A kind written as two ranks and an optional s or o; `both` when neither was written.
struct Kind {
    int high = -1, low = -1;  // grid rows, high <= low
    char suits = 0;           // 's', 'o' or 0 for both (and for a pair)
};
std::optional<Kind> read_kind(std::string_view text) {
    int used = 0;
    Kind k;
    k.high = read_rank(text, used);
    if (k.high < 0) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(used));
    k.low = read_rank(text, used);
    if (k.low < 0) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(used));
    if (k.high > k.low) std::swap(k.high, k.low);
    if (text.size() == 1 && k.high != k.low) {
        const char c = static_cast<char>(std::tolower(text[0]));
        if (c != 's' && c != 'o') return std::nullopt;
        k.suits = c;
        text.remove_prefix(1);
    }
    if (!text.empty()) return std::nullopt;
    return k;
}

void add_kind(HandRange& range, int high, int low, char suits) {
    if (high == low) {
        range.add_cell({high, high});
        return;
    }
    if (suits != 'o') range.add_cell({high, low});
    if (suits != 's') range.add_cell({low, high});
}

// Two cards, as "AhKh" or "10s9s".
std::optional<std::array<CardCode, 2>> read_cards(std::string_view text) {
    std::array<CardCode, 2> cards{};
    for (CardCode& card : cards) {
        int used = 0;
        const int row = read_rank(text, used);
        if (row < 0 || text.size() < static_cast<std::size_t>(used) + 1) return std::nullopt;
        const int suit = read_suit(text[static_cast<std::size_t>(used)]);
        if (suit < 0) return std::nullopt;
        card = card_code(rank_of_row(row), suit);
        text.remove_prefix(static_cast<std::size_t>(used) + 1);
    }
    if (!text.empty() || cards[0] == cards[1]) return std::nullopt;
    return cards;
}

bool read_item(std::string_view item, HandRange& range) {
    std::string lower(item);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "random" || lower == "any" || lower == "*") {
        range = HandRange::all();
        return true;
    }
    if (const auto cards = read_cards(item)) {
        range.add(hand_index((*cards)[0], (*cards)[1]));
        return true;
    }
    if (const auto dash = item.find('-'); dash != std::string_view::npos) {
        const auto from = read_kind(item.substr(0, dash)), to = read_kind(item.substr(dash + 1));
        if (!from || !to || from->suits != to->suits) return false;
        const bool pairs = from->high == from->low;
        if (pairs != (to->high == to->low)) return false;
        if (pairs) {
            for (int r = std::min(from->high, to->high); r <= std::max(from->high, to->high); ++r)
                add_kind(range, r, r, 0);
            return true;
        }
        if (from->high != to->high) return false;
        for (int k = std::min(from->low, to->low); k <= std::max(from->low, to->low); ++k)
            add_kind(range, from->high, k, from->suits);
        return true;
    }
    const bool and_up = !item.empty() && item.back() == '+';
    const auto kind = read_kind(and_up ? item.substr(0, item.size() - 1) : item);
    if (!kind) return false;
    if (!and_up) {
        add_kind(range, kind->high, kind->low, kind->suits);
    } else if (kind->high == kind->low) {
        for (int r = 0; r <= kind->high; ++r)
            add_kind(range, r, r, 0);
    } else {
        // The kicker climbs to the rank just below the top card.
        for (int k = kind->low; k > kind->high; --k)
            add_kind(range, kind->high, k, kind->suits);
    }
    return true;
}

}  // namespace

int hand_index(CardCode a, CardCode b) {
    const int x = std::min(a, b) - 1, y = std::max(a, b) - 1;
    return y * (y - 1) / 2 + x;
}

std::array<CardCode, 2> hand_cards(int index) {
    static const auto cards = [] {
        std::array<std::array<CardCode, 2>, starting_hands> all{};
        for (int y = 1; y < 52; ++y)
            for (int x = 0; x < y; ++x)
                all[static_cast<std::size_t>(y * (y - 1) / 2 + x)] = {static_cast<CardCode>(x + 1),
                                                                      static_cast<CardCode>(y + 1)};
        return all;
    }();
    return cards[static_cast<std::size_t>(index)];
}

std::string cell_name(GridCell cell) {
    const int high = std::min(cell.row, cell.column), low = std::max(cell.row, cell.column);
    std::string name{rank_letters[static_cast<std::size_t>(high)],
                     rank_letters[static_cast<std::size_t>(low)]};
    if (high != low) name += cell.column > cell.row ? 's' : 'o';
    return name;
}

GridCell cell_of(CardCode a, CardCode b) {
    const int ra = row_of_rank(card_rank(a)), rb = row_of_rank(card_rank(b));
    const int high = std::min(ra, rb), low = std::max(ra, rb);
    if (high == low) return {high, high};
    return card_suit(a) == card_suit(b) ? GridCell{high, low} : GridCell{low, high};
}

HandRange HandRange::all() {
    HandRange r;
    r.hands_.set();
    return r;
}

HandRange HandRange::of_hand(CardCode a, CardCode b) {
    HandRange r;
    r.add(hand_index(a, b));
    return r;
}

void HandRange::add_cell(GridCell cell) {
    for_each_hand_of(cell, [&](int i) { hands_.set(static_cast<std::size_t>(i)); });
}

void HandRange::remove_cell(GridCell cell) {
    for_each_hand_of(cell, [&](int i) { hands_.reset(static_cast<std::size_t>(i)); });
}

double HandRange::cell_share(GridCell cell) const {
    int in = 0, of = 0;
    for_each_hand_of(cell, [&](int i) {
        ++of;
        in += contains(i);
    });
    return of ? static_cast<double>(in) / of : 0.0;
}

std::vector<int> HandRange::hands_without(std::uint64_t dead) const {
    std::vector<int> out;
    for (int i = 0; i < starting_hands; ++i) {
        if (!contains(i)) continue;
        const auto cards = hand_cards(i);
        if (dead & ((std::uint64_t{1} << cards[0]) | (std::uint64_t{1} << cards[1]))) continue;
        out.push_back(i);
    }
    return out;
}

RangeReading read_range(std::string_view text) {
    RangeReading out;
    int number = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find_first_of(", \t\n;", at);
        const std::string_view item =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        at = end == std::string_view::npos ? text.size() : end + 1;
        if (item.empty()) continue;
        ++number;
        if (!read_item(item, out.range)) {
            out.problem = "Item " + std::to_string(number) + " \"" + std::string(item) +
                          "\" is not a hand, a kind or a span of kinds";
            out.range = {};
            return out;
        }
    }
    return out;
}

CardsReading read_cards(std::string_view text) {
    CardsReading out;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == ',' || text[at] == '\t') {
            ++at;
            continue;
        }
        int used = 0;
        const int row = read_rank(text.substr(at), used);
        const int suit = row < 0 || at + static_cast<std::size_t>(used) >= text.size()
                             ? -1
                             : read_suit(text[at + static_cast<std::size_t>(used)]);
        if (suit < 0) {
            out.cards.clear();
            out.problem = "\"" + std::string(text.substr(at, 3)) + "\" is not a card";
            return out;
        }
        out.cards.push_back(card_code(rank_of_row(row), suit));
        at += static_cast<std::size_t>(used) + 1;
    }
    return out;
}

std::string range_text(const HandRange& range) {
    if (range.is_all()) return "random";
    std::vector<std::string> items;
    auto full = [&](int row, int column) { return range.cell_share({row, column}) == 1.0; };
    // Runs of whole kinds along one line of the grid, from `first` (the strongest) down.
    auto runs = [&](int count, auto cell, auto name, bool top_is_first) {
        int i = 0;
        while (i < count) {
            if (!full(cell(i).row, cell(i).column)) {
                ++i;
                continue;
            }
            int j = i;
            while (j + 1 < count && full(cell(j + 1).row, cell(j + 1).column))
                ++j;
            if (i == 0 && top_is_first && j > 0)
                items.push_back(name(cell(j)) + "+");
            else if (j > i)
                items.push_back(name(cell(i)) + "-" + name(cell(j)));
            else
                items.push_back(name(cell(i)));
            i = j + 1;
        }
    };
    runs(
        grid_ranks,
        [](int i) {
            return GridCell{i, i};
        },
        cell_name, true);
    for (int high = 0; high < grid_ranks - 1; ++high) {
        const int count = grid_ranks - 1 - high;
        runs(
            count,
            [&](int i) {
                return GridCell{high, high + 1 + i};
            },
            cell_name, true);
        runs(
            count,
            [&](int i) {
                return GridCell{high + 1 + i, high};
            },
            cell_name, true);
    }
    // What is left: single hands of kinds only partly in.
    for (int row = 0; row < grid_ranks; ++row)
        for (int column = 0; column < grid_ranks; ++column) {
            const double share = range.cell_share({row, column});
            if (share == 0.0 || share == 1.0) continue;
            for_each_hand_of({row, column}, [&](int i) {
                if (!range.contains(i)) return;
                const auto cards = hand_cards(i);
                items.push_back(std::string(card_text(cards[1])) +
                                std::string(card_text(cards[0])));
            });
        }
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace holdem::calculator
