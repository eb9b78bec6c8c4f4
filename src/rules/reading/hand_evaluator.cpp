#include "rules/reading/hand_evaluator.h"

#include <array>
#include <string>

#include "rules/reading/classic_hand.h"

namespace holdem {

namespace {

struct Category {
    std::string_view word;
    std::string Player::*field;
    ClassicCategory category;
    bool suit_detail;
};

// From "Top" to "royal"; a higher category replaces everything a lower one wrote.
constexpr std::array<Category, classic_category_count> categories = {{
    {"Top", &Player::handvaluetops, ClassicCategory::top, false},
    {"Pair", &Player::handvaluepair, ClassicCategory::pair, false},
    {"Two Kind", &Player::handvaluetwok, ClassicCategory::two_kind, false},
    {"Three Kind", &Player::handvaluethreek, ClassicCategory::three_kind, false},
    {"straight", &Player::handvaluestraight, ClassicCategory::straight, false},
    {"flush", &Player::handvalueflush, ClassicCategory::flush, true},
    {"FullHouse", &Player::handvaluefullhouse, ClassicCategory::full_house, false},
    {"Four Kind", &Player::handvaluefourk, ClassicCategory::four_kind, false},
    {"straight flush", &Player::handvaluesflush, ClassicCategory::straight_flush, false},
    {"royal", &Player::handvaluerflush, ClassicCategory::royal, true},
}};

}  // namespace

int rank_detail(std::string_view text) {
    int best = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        int index = 0;
        if (c >= '2' && c <= '9')
            index = c - '1';
        else if (c == '1' && i + 1 < text.size() && text[i + 1] == '0')
            index = 9;
        else if (c == 'J')
            index = 10;
        else if (c == 'Q')
            index = 11;
        else if (c == 'K')
            index = 12;
        else if (c == 'A')
            index = 13;
        if (index > best) best = index;
    }
    return best;
}

int suit_detail(std::string_view text) {
    int best = 0;
    for (int i = 0; i < 4; ++i)
        if (text.find(suit_words[i]) != std::string_view::npos) best = i + 1;
    return best;
}

void evaluate_seat(Player& p) {
    for (auto c = categories.rbegin(); c != categories.rend(); ++c) {
        const std::string& text = p.*(c->field);
        if (text.size() < c->word.size()) continue;  // most fields are empty or a blank
        std::size_t at = text.find(c->word);
        if (at == std::string::npos) continue;
        // The detail is read after the category word, so the K of "Kind" is no king.
        std::string_view after = std::string_view(text).substr(at + c->word.size());
        p.handvalue = text;
        p.handnumber =
            classic_number(c->category, c->suit_detail ? suit_detail(after) : rank_detail(after));
        return;
    }
}

void evaluate_hand_value1(Table& t) {
    for (int k = 1; k <= 5; ++k)
        evaluate_seat(t.seat(k));
}

void evaluate_hand_value(Table& t) {
    for (int k = 6; k <= seat_count; ++k)
        evaluate_seat(t.seat(k));
}

void evaluate_royal(Player& p, const SevenCards& cards) {
    const std::size_t suit_at = p.handvalueflush.find("flush ");
    if (suit_at == std::string::npos) return;
    const int suit = suit_detail(std::string_view(p.handvalueflush).substr(suit_at + 6));
    const int run_top = suit > 0 ? suited_run_top(cards, suit - 1) : -1;
    if (run_top < 0) return;

    // A straight flush is named by its suited run, and needs a straight verdict of its own.
    if (p.handvaluestraight.find("straight") != std::string::npos) {
        p.handvaluesflush = "straight flush ";
        p.handvaluesflush += rank_texts[run_top];
    }
    // Ten to ace in one suit is a royal flush whatever the straight verdict says: a royal on the
    // board is every seat's, not only that of the seats holding an ace.
    if (run_top == 12) {
        p.handvaluerflush = "royal flush ";
        p.handvaluerflush += std::string_view(p.handvalueflush).substr(suit_at + 6);
    }
}

}  // namespace holdem
