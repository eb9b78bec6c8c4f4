#include "model/cards.h"

namespace holdem {

std::string convert2card(CardCode code) {
    static constexpr std::string_view ranks[] = {"2", "3",  "4", "5", "6", "7", "8",
                                                 "9", "10", "J", "Q", "K", "A"};
    static constexpr char suits[] = {'c', 'd', 'h', 's'};
    if (!is_card(code)) return {};
    std::string text(ranks[card_rank(code) - 2]);
    text += suits[card_suit(code)];
    return text;
}

}  // namespace holdem
