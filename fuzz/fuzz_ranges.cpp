// Reading ranges and cards typed into the equity calculator: never crashes, a range read is
// written back as text that reads as the same hands, and every card read is a card.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calculator/hand_range.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace holdem::calculator;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RangeReading r = read_range(text);
    if (r.problem.empty()) {
        const RangeReading back = read_range(range_text(r.range));
        if (!back.problem.empty() || !(back.range == r.range)) std::abort();
    } else if (!r.range.empty()) {
        std::abort();
    }
    const CardsReading cards = read_cards(text);
    for (holdem::CardCode c : cards.cards)
        if (!holdem::is_card(c)) std::abort();
    return 0;
}
