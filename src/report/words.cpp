#include "report/words.h"

namespace holdem {

std::string history_card(CardCode code) {
    if (!is_card(code)) return "??";
    std::string text(1, rank_index(code) == 8 ? 'T' : rank_texts[rank_index(code)][0]);
    text += suit_letters[card_suit(code)];
    return text;
}

std::string card_list(std::initializer_list<CardCode> cards, bool history_style) {
    std::string text;
    for (CardCode c : cards) {
        if (!text.empty()) text += ' ';
        text += history_style ? history_card(c) : std::string(card_text(c));
    }
    return text;
}

std::string board_list(const Table& t, int n, bool history_style) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) text += ' ';
        const CardCode c = t.deck[deck_pos::board(i)];
        text += history_style ? history_card(c) : std::string(card_text(c));
    }
    return text;
}

std::string hand_text(const Table& t, int seat) {
    return t.seat(seat).handvalue;
}

std::string pot_name(int pot, int pots) {
    if (pots <= 1) return "pot";
    return pot == 0 ? "main pot" : "side pot-" + std::to_string(pot);
}

std::string pots_summary(const std::vector<Chips>& pots) {
    Chips total = 0;
    for (Chips p : pots)
        total += p;
    std::string text = "Total pot " + std::to_string(total);
    if (pots.size() > 1) {
        text += " Main pot " + std::to_string(pots[0]) + ".";
        for (std::size_t i = 1; i < pots.size(); ++i)
            text += " Side pot-" + std::to_string(i) + " " + std::to_string(pots[i]) + ".";
    }
    return text;
}

}  // namespace holdem
