#include "report/phh_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>

namespace holdem {

namespace {

constexpr std::size_t max_items = 5000;    // in one array
constexpr std::size_t max_depth = 4;       // arrays within arrays
constexpr std::size_t max_text = 4096;     // one string
constexpr std::size_t max_keys = 200;      // in one table
constexpr std::size_t max_players = 10;    // no-limit hold'em at one table
constexpr std::size_t max_actions = 4000;  // in one hand

struct Value {
    enum class Kind : std::uint8_t { text, whole, real, truth, array, other };
    Kind kind = Kind::other;
    std::string text;
    std::int64_t whole = 0;
    double real = 0;
    bool truth = false;
    std::vector<Value> items;
};

// A broken document: where and why.
struct Broken {
    std::string why;
};

class Toml {
  public:
    explicit Toml(std::string_view text) : t_(text) {}

    // Each table's keys in the order met; the keys before any header make a table named "".
    std::vector<std::pair<std::string, std::map<std::string, Value>>> tables;
    bool cut_short = false;

    void parse() {
        tables.emplace_back(std::string(), std::map<std::string, Value>{});
        std::map<std::string, bool> seen{{"", true}};
        for (;;) {
            skip_blank_lines();
            if (end()) return;
            if (peek() == '[') {
                ++i_;
                if (peek() == '[') fail("arrays of tables are not part of a hand history");
                skip_spaces();
                std::string name = key();
                skip_spaces();
                expect(']');
                end_of_line();
                if (seen[name]) fail("the table [" + name + "] appears twice");
                seen[name] = true;
                if (tables.size() > max_phh_hands) {
                    cut_short = true;
                    return;
                }
                tables.emplace_back(std::move(name), std::map<std::string, Value>{});
                continue;
            }
            std::string name = key();
            skip_spaces();
            if (peek() == '.') fail("dotted keys are not part of a hand history");
            expect('=');
            skip_spaces();
            Value v = value(0);
            end_of_line();
            auto& table = tables.back().second;
            if (table.size() >= max_keys) fail("a table has more keys than a hand history has");
            if (!table.emplace(name, std::move(v)).second)
                fail("the key " + name + " appears twice");
        }
    }

    int line() const {
        int n = 1;
        for (std::size_t k = 0; k < i_ && k < t_.size(); ++k)
            n += t_[k] == '\n';
        return n;
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw Broken{"line " + std::to_string(line()) + ": " + why};
    }
    bool end() const { return i_ >= t_.size(); }
    char peek() const { return end() ? '\0' : t_[i_]; }
    void expect(char c) {
        if (peek() != c) fail(std::string("'") + c + "' was expected");
        ++i_;
    }
    void skip_spaces() {
        while (peek() == ' ' || peek() == '\t')
            ++i_;
    }
    void skip_comment() {
        if (peek() == '#')
            while (!end() && peek() != '\n')
                ++i_;
    }
    void skip_blank_lines() {
        for (;;) {
            skip_spaces();
            skip_comment();
            if (peek() == '\r') ++i_;
            if (peek() != '\n') return;
            ++i_;
        }
    }
    void end_of_line() {
        skip_spaces();
        skip_comment();
        if (peek() == '\r') ++i_;
        if (!end() && peek() != '\n') fail("a line goes on after its value");
    }
    std::string key() {
        if (peek() == '"') return basic_string();
        if (peek() == '\'') return literal_string();
        const std::size_t start = i_;
        while (!end() &&
               (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '_' || peek() == '-'))
            ++i_;
        if (i_ == start) fail("a key was expected");
        if (i_ - start > 64) fail("a key is longer than a hand history's");
        return std::string(t_.substr(start, i_ - start));
    }
    std::string basic_string() {
        if (t_.substr(i_, 3) == "\"\"\"") fail("multi-line strings are not part of a hand history");
        ++i_;
        std::string out;
        for (;;) {
            if (end() || peek() == '\n') fail("a string does not end");
            const char c = t_[i_++];
            if (c == '"') return out;
            if (c == '\\') {
                if (end()) fail("a string does not end");
                const char e = t_[i_++];
                switch (e) {
                    case '"':
                    case '\\':
                        out += e;
                        break;
                    case 'n':
                        out += '\n';
                        break;
                    case 't':
                        out += '\t';
                        break;
                    case 'r':
                        out += '\r';
                        break;
                    case 'b':
                        out += '\b';
                        break;
                    case 'f':
                        out += '\f';
                        break;
                    case 'u':
                        unicode(out, 4);
                        break;
                    case 'U':
                        unicode(out, 8);
                        break;
                    default:
                        fail("a string holds an unknown escape");
                }
            } else {
                out += c;
            }
            if (out.size() > max_text) fail("a string is longer than a hand history's");
        }
    }
    void unicode(std::string& out, int digits) {
        if (t_.size() - i_ < static_cast<std::size_t>(digits)) fail("a broken escape");
        std::uint32_t code = 0;
        const auto [end, ec] = std::from_chars(t_.data() + i_, t_.data() + i_ + digits, code, 16);
        if (ec != std::errc() || end != t_.data() + i_ + digits || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            fail("a broken escape");
        i_ += static_cast<std::size_t>(digits);
        // UTF-8.
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    std::string literal_string() {
        if (t_.substr(i_, 3) == "'''") fail("multi-line strings are not part of a hand history");
        ++i_;
        const std::size_t start = i_;
        while (!end() && peek() != '\'' && peek() != '\n')
            ++i_;
        if (peek() != '\'') fail("a string does not end");
        if (i_ - start > max_text) fail("a string is longer than a hand history's");
        std::string out(t_.substr(start, i_ - start));
        ++i_;
        return out;
    }
    // Skips blanks, line ends and comments inside an array.
    void skip_in_array() {
        for (;;) {
            skip_spaces();
            skip_comment();
            if (peek() == '\r' || peek() == '\n') {
                ++i_;
                continue;
            }
            return;
        }
    }
    Value value(std::size_t depth) {
        Value v;
        const char c = peek();
        if (c == '"') {
            v.kind = Value::Kind::text;
            v.text = basic_string();
            return v;
        }
        if (c == '\'') {
            v.kind = Value::Kind::text;
            v.text = literal_string();
            return v;
        }
        if (c == '[') {
            if (depth >= max_depth) fail("arrays nest deeper than a hand history's");
            ++i_;
            v.kind = Value::Kind::array;
            for (;;) {
                skip_in_array();
                if (peek() == ']') {
                    ++i_;
                    return v;
                }
                if (v.items.size() >= max_items) fail("an array is longer than a hand history's");
                v.items.push_back(value(depth + 1));
                skip_in_array();
                if (peek() == ',') {
                    ++i_;
                    continue;
                }
                if (peek() != ']') fail("',' or ']' was expected in an array");
            }
        }
        if (c == '{') fail("inline tables are not part of a hand history");
        // A bare word: a number, a boolean, or a date or time kept as its text.
        const std::size_t start = i_;
        while (!end() && (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '_' ||
                          peek() == '-' || peek() == '+' || peek() == '.' || peek() == ':'))
            ++i_;
        std::string word(t_.substr(start, i_ - start));
        if (word.empty()) fail("a value was expected");
        if (word.size() > 64) fail("a value is longer than a hand history's");
        if (word == "true" || word == "false") {
            v.kind = Value::Kind::truth;
            v.truth = word == "true";
            return v;
        }
        std::string digits;
        for (char d : word)
            if (d != '_') digits += d;
        const char* first = digits.data() + (digits[0] == '+' ? 1 : 0);
        const char* last = digits.data() + digits.size();
        std::int64_t whole = 0;
        if (auto [end, ec] = std::from_chars(first, last, whole);
            ec == std::errc() && end == last) {
            v.kind = Value::Kind::whole;
            v.whole = whole;
            return v;
        }
        if (digits == "inf" || digits == "+inf" || digits == "-inf" || digits == "nan") {
            v.kind = Value::Kind::real;
            v.real = digits == "nan" ? std::nan("") : digits[0] == '-' ? -INFINITY : INFINITY;
            return v;
        }
        double real = 0;
        if (auto [end, ec] = std::from_chars(first, last, real); ec == std::errc() && end == last) {
            v.kind = Value::Kind::real;
            v.real = real;
            return v;
        }
        v.kind = Value::Kind::other;  // a date or a time
        v.text = word;
        return v;
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

// A field of the wrong kind: the hand is left out with this reason.
struct Wrong {
    std::string why;
};

const Value* field(const std::map<std::string, Value>& table, const char* name, bool required) {
    const auto it = table.find(name);
    if (it == table.end()) {
        if (required) throw Wrong{std::string(name) + " is missing"};
        return nullptr;
    }
    return &it->second;
}

// A whole number of chips: floats that are whole are taken, fractions of a chip are not.
Chips chips(const Value& v, const char* name) {
    double amount = 0;
    if (v.kind == Value::Kind::whole)
        amount = static_cast<double>(v.whole);
    else if (v.kind == Value::Kind::real && std::isfinite(v.real) && v.real == std::floor(v.real))
        amount = v.real;
    else
        throw Wrong{std::string(name) + " is not a whole number of chips"};
    if (amount < 0 || amount > max_phh_chips)
        throw Wrong{std::string(name) + " is beyond what a table holds"};
    return static_cast<Chips>(amount);
}

std::vector<Chips> chips_array(const Value& v, const char* name) {
    if (v.kind != Value::Kind::array || v.items.size() > max_players)
        throw Wrong{std::string(name) + " is not an array of up to ten amounts"};
    std::vector<Chips> out;
    for (const Value& item : v.items)
        out.push_back(chips(item, name));
    return out;
}

std::string text(const Value& v, const char* name) {
    if (v.kind != Value::Kind::text) throw Wrong{std::string(name) + " is not a text"};
    return v.text;
}

PhhHand hand_of(const std::string& name, const std::map<std::string, Value>& table) {
    PhhHand h;
    h.name = name;
    h.variant = text(*field(table, "variant", true), "variant");
    if (h.variant != "NT") return h;  // the caller tells it is not replayed
    h.antes = chips_array(*field(table, "antes", true), "antes");
    h.blinds = chips_array(*field(table, "blinds_or_straddles", true), "blinds_or_straddles");
    h.min_bet = chips(*field(table, "min_bet", true), "min_bet");
    const Value& stacks = *field(table, "starting_stacks", true);
    h.starting_stacks = chips_array(stacks, "starting_stacks");
    const std::size_t n = h.starting_stacks.size();
    if (n < 2) throw Wrong{"a hand needs two players or more"};
    if (h.antes.size() != n || h.blinds.size() != n)
        throw Wrong{"antes, blinds_or_straddles and starting_stacks differ in length"};
    for (Chips s : h.starting_stacks)
        if (s <= 0) throw Wrong{"a starting stack is not above nothing"};
    if (h.min_bet <= 0) throw Wrong{"min_bet is not above nothing"};
    const Value& actions = *field(table, "actions", true);
    if (actions.kind != Value::Kind::array || actions.items.size() > max_actions)
        throw Wrong{"actions is not an array of texts"};
    for (const Value& a : actions.items)
        h.actions.push_back(text(a, "an action"));
    if (const Value* players = field(table, "players", false)) {
        if (players->kind != Value::Kind::array || players->items.size() != n)
            throw Wrong{"players is not a name for each player"};
        for (const Value& p : players->items) {
            h.players.push_back(text(p, "a player's name"));
            if (h.players.back().size() > 128) throw Wrong{"a player's name is too long"};
        }
    }
    if (const Value* seats = field(table, "seats", false)) {
        if (seats->kind != Value::Kind::array || seats->items.size() != n)
            throw Wrong{"seats is not a seat for each player"};
        for (const Value& s : seats->items) {
            if (s.kind != Value::Kind::whole || s.whole < 1 || s.whole > 10)
                throw Wrong{"a seat is not one of ten"};
            h.seats.push_back(static_cast<int>(s.whole));
        }
    }
    if (const Value* count = field(table, "seat_count", false)) {
        if (count->kind != Value::Kind::whole || count->whole < 2 || count->whole > 10)
            throw Wrong{"seat_count is not two to ten"};
        h.seat_count = static_cast<int>(count->whole);
    }
    for (auto [key, slot] : {std::pair{"hand", &h.hand}, std::pair{"level", &h.level}})
        if (const Value* v = field(table, key, false); v && v->kind == Value::Kind::whole)
            *slot = v->whole;
    if (const Value* event = field(table, "event", false);
        event && event->kind == Value::Kind::text)
        h.event = event->text;
    if (const Value* finishing = field(table, "finishing_stacks", false)) {
        h.finishing_stacks = chips_array(*finishing, "finishing_stacks");
        if (h.finishing_stacks->size() != n) throw Wrong{"finishing_stacks differs in length"};
    }
    if (const Value* winnings = field(table, "winnings", false)) {
        h.winnings = chips_array(*winnings, "winnings");
        if (h.winnings->size() != n) throw Wrong{"winnings differs in length"};
    }
    return h;
}

}  // namespace

PhhRead read_phh(std::string_view text) {
    PhhRead read;
    if (text.size() > max_phh_bytes) {
        read.problems.push_back("the file is far larger than a hand history");
        return read;
    }
    Toml toml(text);
    try {
        toml.parse();
    } catch (const Broken& broken) {
        read.problems.push_back(broken.why);
    }
    read.cut_short = toml.cut_short;
    for (const auto& [name, table] : toml.tables) {
        if (table.empty()) continue;  // the keys before the first header, when there are none
        const std::string which = name.empty() ? "the hand" : "hand [" + name + "]";
        try {
            PhhHand hand = hand_of(name, table);
            read.hands.push_back(std::move(hand));
        } catch (const Wrong& wrong) {
            read.problems.push_back(which + ": " + wrong.why);
        }
    }
    return read;
}

}  // namespace holdem
