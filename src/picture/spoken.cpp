#include "picture/spoken.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "model/cards.h"

namespace holdem {

namespace {

std::string lowered_first(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

bool all_digits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A card shown face up, by its text ("Ah"); empty for a back or no card.
std::string face_of(const CardPicture& card) {
    if (!card.shown || !card_grid::is_face(card.cell)) return {};
    return std::string(card_text(static_cast<CardCode>(card.cell)));
}

std::string joined(const std::vector<std::string>& parts, const char* between) {
    std::string out;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!out.empty()) out += between;
        out += part;
    }
    return out;
}

// "a, b or c"
std::string choices(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " or " : ", ";
        out += items[i];
    }
    return out;
}

}  // namespace

std::string seat_spoken(const SeatPicture& seat) {
    if (!seat.seated) return {};
    std::vector<std::string> parts{seat.name};
    if (seat.stack_shown)
        parts.push_back(all_digits(seat.stack) ? seat.stack + " chips" : lowered_first(seat.stack));
    // The plate's tip begins with the player's name: it is said once.
    std::string about = seat.about;
    if (about.rfind(seat.name + " ", 0) == 0) about.erase(0, seat.name.size() + 1);
    parts.push_back(about);
    if (seat.dealer) parts.push_back("dealer");
    if (seat.has_turn) parts.push_back("to act");
    if (seat.badge == Badge::fold)
        parts.push_back("folded");
    else if (seat.badge != Badge::none)
        parts.push_back(lowered_first(seat.badge_text));
    const std::string first = face_of(seat.first_card), second = face_of(seat.second_card);
    if (!first.empty() || !second.empty()) parts.push_back("cards " + joined({first, second}, " "));
    if (seat.won >= 0) parts.push_back("won " + std::to_string(seat.won));
    return joined(parts, ", ");
}

std::string board_spoken(const TablePicture& picture) {
    std::vector<std::string> cards;
    for (const CardPicture& card : picture.board)
        if (const std::string face = face_of(card); !face.empty()) cards.push_back(face);
    std::string words = cards.empty() ? "No cards on the board" : "Board " + joined(cards, " ");
    if (picture.pot > 0) words += ", pot " + std::to_string(picture.pot);
    return words;
}

std::string turn_spoken(const TablePicture& picture) {
    const ActionPanel& panel = picture.human;
    if (!panel.open) return {};
    std::vector<std::string> can;
    if (panel.check_shown) can.push_back("check");
    if (panel.call_shown) can.push_back("call " + panel.call_amount);
    if (panel.raise_shown) {
        const std::string word =
            panel.raise_word.empty() ? "raise" : lowered_first(panel.raise_word);
        can.push_back(panel.raise_amount.empty() ? word : word + " " + panel.raise_amount);
    }
    if (panel.fold_shown) can.push_back("fold");
    std::string words = "Your turn";
    if (!can.empty()) words += ": " + choices(can);
    if (picture.pot > 0) words += "; pot " + std::to_string(picture.pot);
    if (!panel.holding.empty()) words += "; you hold " + lowered_first(panel.holding);
    return words;
}

}  // namespace holdem
