#include "model/numbers.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace holdem {

std::string grouped(std::int64_t value) {
    const auto magnitude = static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(value < 0 ? 0 - magnitude : magnitude), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

std::string ordinal_text(int place) {
    const int tens = place % 100, units = place % 10;
    const char* end = tens >= 11 && tens <= 13 ? "th"
                      : units == 1             ? "st"
                      : units == 2             ? "nd"
                      : units == 3             ? "rd"
                                               : "th";
    return grouped(place) + end;
}

std::string finish_words(int place, int entrants, std::int64_t prize) {
    std::string words = "You finished " + ordinal_text(place) + " of " + grouped(entrants);
    if (prize > 0) words += " and won " + grouped(prize);
    return words;
}

std::string number_text(std::int64_t value) {
    std::string text;
    assign_number_text(text, value);
    return text;
}

void append_number_text(std::string& out, std::int64_t value) {
    out += number_text(value);
}

void assign_number_text(std::string& out, std::int64_t value) {
    // Two digits at a time into the text itself: copying a freshly formatted buffer costs
    // more than the formatting, as the copy's wide reads wait for the narrow writes.
    static constexpr char digit_pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    // Digits from the bit length (1233 / 4096 is about log10(2)), and one comparison with
    // the power of ten settles the rest (the first entry is 0, so that 0 has one digit).
    static constexpr auto tens = [] {
        std::array<std::uint64_t, 20> powers{};  // 0, 10, 100, … 10^19
        std::uint64_t power = 1;
        for (std::size_t i = 1; i < powers.size(); ++i)
            powers[i] = power *= 10;
        return powers;
    }();
    const auto estimate = static_cast<std::size_t>(std::bit_width(magnitude) * 1233 >> 12);
    const std::size_t digits = estimate + 1 - (magnitude < tens[estimate]);
    if (out.size() != digits + 1) out.resize(digits + 1);
    char* at = out.data() + digits + 1;
    for (; magnitude >= 100; magnitude /= 100) {
        const std::size_t pair = static_cast<std::size_t>(magnitude % 100) * 2;
        *--at = digit_pairs[pair + 1];
        *--at = digit_pairs[pair];
    }
    if (magnitude >= 10) {
        *--at = digit_pairs[magnitude * 2 + 1];
        *--at = digit_pairs[magnitude * 2];
    } else {
        *--at = static_cast<char>('0' + magnitude);
    }
    *--at = value < 0 ? '-' : ' ';
}

bool shows_number(std::string_view text, std::int64_t value) {
    // Read back rather than written out: checkers call this after every step.
    if (text.size() < 2 || text.size() > 20 || text[0] != (value < 0 ? '-' : ' ')) return false;
    if (text[1] == '0' && text.size() > 2) return false;
    std::uint64_t read = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        read = read * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return read == magnitude;
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Scans a decimal number starting at `pos`, skipping blanks between its characters the way
// typed amounts are read. Returns the canonical text of what was read (no blanks) and the
// position just past the last character that belonged to it.
struct Scan {
    std::string canonical;
    std::size_t end = 0;
    bool has_digits = false;
};

Scan scan_number(std::string_view text, std::size_t pos) {
    Scan scan;
    auto skip_blanks = [&] {
        while (pos < text.size() && is_blank(text[pos]))
            ++pos;
    };
    skip_blanks();
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        scan.canonical += text[pos++];
        skip_blanks();
    }
    bool seen_point = false;
    std::size_t consumed = pos;
    while (pos < text.size()) {
        char c = text[pos];
        if (is_digit(c)) {
            scan.canonical += c;
            scan.has_digits = true;
            consumed = ++pos;
        } else if (c == '.' && !seen_point) {
            seen_point = true;
            scan.canonical += c;
            consumed = ++pos;
        } else if (is_blank(c)) {
            ++pos;
        } else {
            break;
        }
    }
    scan.end = consumed;
    if (!scan.has_digits) return scan;
    // An exponent counts only when at least one digit follows it.
    std::size_t exp_pos = consumed;
    while (exp_pos < text.size() && is_blank(text[exp_pos]))
        ++exp_pos;
    if (exp_pos < text.size() && (text[exp_pos] == 'e' || text[exp_pos] == 'E')) {
        std::string exponent = "e";
        std::size_t p = exp_pos + 1;
        while (p < text.size() && is_blank(text[p]))
            ++p;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) exponent += text[p++];
        bool exp_digits = false;
        std::size_t exp_end = p;
        while (p < text.size() && (is_digit(text[p]) || is_blank(text[p]))) {
            if (is_digit(text[p])) {
                exponent += text[p];
                exp_digits = true;
                exp_end = p + 1;
            }
            ++p;
        }
        if (exp_digits) {
            scan.canonical += exponent;
            scan.end = exp_end;
        }
    }
    return scan;
}

double parse_canonical(const std::string& canonical) {
    // strtod saturates to infinity for huge exponents and handles "5." and ".5".
    return std::strtod(canonical.c_str(), nullptr);
}

}  // namespace

double numeric_value(std::string_view text) {
    Scan scan = scan_number(text, 0);
    if (!scan.has_digits) return 0.0;
    return parse_canonical(scan.canonical);
}

bool is_number(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && is_blank(text[first]))
        ++first;
    while (last > first && is_blank(text[last - 1]))
        --last;
    std::string_view trimmed = text.substr(first, last - first);
    if (trimmed.empty()) return false;
    // Inside the number no blank may stand: "1 2" is no number.
    for (char c : trimmed)
        if (is_blank(c)) return false;
    Scan scan = scan_number(trimmed, 0);
    return scan.has_digits && scan.end == trimmed.size();
}

double round_half_even(double value) {
    if (!std::isfinite(value)) return value;
    double floor = std::floor(value);
    double fraction = value - floor;
    if (fraction > 0.5) return floor + 1.0;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

Chips to_chips(double value) {
    double rounded = round_half_even(value);
    if (!(rounded >= std::numeric_limits<Chips>::min() &&
          rounded <= std::numeric_limits<Chips>::max()))
        throw ChipOverflow();
    return static_cast<Chips>(rounded);
}

Chips checked_add(Chips a, Chips b) {
    Chips out;
    if (__builtin_add_overflow(a, b, &out)) throw ChipOverflow();
    return out;
}

Chips checked_sub(Chips a, Chips b) {
    Chips out;
    if (__builtin_sub_overflow(a, b, &out)) throw ChipOverflow();
    return out;
}

Chips checked_mul(Chips a, Chips b) {
    Chips out;
    if (__builtin_mul_overflow(a, b, &out)) throw ChipOverflow();
    return out;
}

}  // namespace holdem
