#include "model/cards.h"

namespace holdem {

namespace {

struct CardTexts {
    std::array<std::array<char, 4>, 53> text{};
    std::array<std::uint8_t, 53> size{};
    constexpr CardTexts() {
        for (CardCode code = 1; code <= 52; ++code) {
            const std::string_view rank = rank_texts[rank_index(code)];
            for (std::size_t i = 0; i < rank.size(); ++i)
                text[code][i] = rank[i];
            text[code][rank.size()] = suit_letters[card_suit(code)];
            size[code] = static_cast<std::uint8_t>(rank.size() + 1);
        }
    }
};
constexpr CardTexts card_texts;

}  // namespace

std::string_view card_text(CardCode code) {
    if (!is_card(code)) return {};
    return {card_texts.text[code].data(), card_texts.size[code]};
}

std::string convert2card(CardCode code) {
    return std::string(card_text(code));
}

}  // namespace holdem
