// Reading numbers from typed text: never crashes, and the two readings agree with each other.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = holdem::numeric_value(text);
    if (std::isnan(value)) std::abort();
    if (holdem::is_number(text)) {
        // A number reads the same with blanks round it.
        const std::string padded = " " + std::string(text) + " ";
        if (holdem::numeric_value(padded) != value) std::abort();
    }
    const double rounded = holdem::round_half_even(value);
    if (std::isfinite(value) && std::fabs(rounded - value) > 0.5) std::abort();
    try {
        const holdem::Chips chips = holdem::to_chips(value);
        if (std::fabs(chips - rounded) > 0.0) std::abort();
    } catch (const holdem::ChipOverflow&) {
    }
    return 0;
}
