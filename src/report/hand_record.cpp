#include "report/hand_record.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "report/hand_log.h"

namespace holdem {

namespace {

using json = nlohmann::json;

constexpr std::string_view kind_names[] = {"blind",    "action", "street",  "show", "muck",
                                           "uncalled", "won",    "face_up", "ante"};
constexpr std::string_view action_names[] = {"fold", "check", "call", "bet", "raise", "all-in"};

template <std::size_t N>
int index_of(const std::string_view (&names)[N], const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

}  // namespace

namespace {

// The record's JSON written directly, keys in the order a JSON library sorts them, so a hand's
// line costs a few appends instead of a document tree (it is written at every hand's end).
class Line {
  public:
    explicit Line(std::string& out) : out_(out) {}
    Line& open(char bracket) {
        comma();
        out_ += bracket;
        first_ = true;
        return *this;
    }
    Line& close(char bracket) {
        out_ += bracket;
        first_ = false;
        return *this;
    }
    Line& key(std::string_view k) {
        comma();
        text(k);
        out_ += ':';
        first_ = true;  // the value follows without a comma
        return *this;
    }
    Line& number(std::int64_t v) {
        comma();
        append_integer(v);
        return *this;
    }
    Line& truth(bool v) {
        comma();
        out_ += v ? "true" : "false";
        return *this;
    }
    Line& string(std::string_view v) {
        comma();
        text(v);
        return *this;
    }
    template <typename Cards>
    Line& cards(const Cards& codes) {
        open('[');
        for (CardCode c : codes)
            number(c);
        return close(']');
    }

  private:
    void comma() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    void append_integer(std::int64_t v) {
        char digits[24];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, v);
        static_cast<void>(ec);
        out_.append(digits, end);
    }
    void text(std::string_view v) {
        out_ += '"';
        for (char c : v) {
            const auto u = static_cast<unsigned char>(c);
            switch (c) {
                case '"':
                    out_ += "\\\"";
                    break;
                case '\\':
                    out_ += "\\\\";
                    break;
                case '\b':
                    out_ += "\\b";
                    break;
                case '\f':
                    out_ += "\\f";
                    break;
                case '\n':
                    out_ += "\\n";
                    break;
                case '\r':
                    out_ += "\\r";
                    break;
                case '\t':
                    out_ += "\\t";
                    break;
                default:
                    if (u < 0x20) {
                        static constexpr char hex[] = "0123456789abcdef";
                        out_ += "\\u00";
                        out_ += hex[u >> 4];
                        out_ += hex[u & 15];
                    } else {
                        out_ += c;
                    }
            }
        }
        out_ += '"';
    }

    std::string& out_;
    bool first_ = true;
};

void write_event(Line& j, const RecordedEvent& e) {
    using Kind = RecordedEvent::Kind;
    j.open('{');
    if (e.kind == Kind::action) j.key("action").string(action_names[static_cast<int>(e.action)]);
    j.key("amount").number(e.amount);
    if (e.kind == Kind::action) j.key("bet_before").number(e.bet_before);
    if (e.kind == Kind::blind) j.key("big").truth(e.big);
    if (e.kind == Kind::street || e.kind == Kind::show || e.kind == Kind::face_up)
        j.key("cards").cards(e.cards);
    j.key("kind").string(kind_names[static_cast<int>(e.kind)]);
    j.key("log").number(static_cast<std::int64_t>(e.log_lines));
    if (e.kind == Kind::won) j.key("pot").number(e.pot).key("pots").number(e.pots);
    j.key("seat").number(e.seat);
    if (e.kind == Kind::street) j.key("street").number(static_cast<int>(e.street));
    if (e.kind == Kind::action) j.key("total").number(e.total);
    if (e.kind == Kind::show || e.kind == Kind::won) j.key("words").string(e.words);
    j.close('}');
}

}  // namespace

std::string record_line(const HandRecord& r) {
    std::string out;
    out.reserve(1024 + 96 * r.events.size() + 64 * r.log.size());
    Line j(out);
    j.open('{').key("button").number(r.button).key("events").open('[');
    for (const RecordedEvent& e : r.events)
        write_event(j, e);
    j.close(']');
    j.key("hand").number(static_cast<std::int64_t>(r.hand)).key("level").number(r.level);
    j.key("log").open('[');
    for (const std::string& line : r.log)
        j.string(line);
    j.close(']');
    j.key("result").number(r.result).key("rules").string(r.standard_rules ? "standard" : "classic");
    j.key("seats").open('[');
    for (const RecordedSeat& s : r.seats)
        j.open('{')
            .key("cards")
            .cards(s.cards)
            .key("dealt")
            .truth(s.dealt)
            .key("name")
            .string(s.name)
            .key("seat")
            .number(s.seat)
            .key("stack")
            .number(s.stack)
            .close('}');
    j.close(']').key("small_blind").number(r.small_blind).close('}');
    out += '\n';
    return out;
}

namespace {

// A value a record cannot hold: the line is no record.
struct NotARecord {};

std::int64_t whole(const json& j, const char* key, std::int64_t least, std::int64_t most) {
    const json& v = j.at(key);
    if (!v.is_number_integer()) throw NotARecord{};
    if (v.is_number_unsigned()) {
        const auto u = v.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(most) || static_cast<std::int64_t>(u) < least)
            throw NotARecord{};
        return static_cast<std::int64_t>(u);
    }
    const auto w = v.get<std::int64_t>();
    if (w < least || w > most) throw NotARecord{};
    return w;
}

Chips chips(const json& j, const char* key) {
    return static_cast<Chips>(whole(j, key, 0, max_record_chips));
}

std::string text(const json& v, std::size_t most) {
    if (!v.is_string() || v.get_ref<const std::string&>().size() > most) throw NotARecord{};
    return v.get<std::string>();
}

bool truth(const json& j, const char* key) {
    const json& v = j.at(key);
    if (!v.is_boolean()) throw NotARecord{};
    return v.get<bool>();
}

const json& array(const json& j, const char* key, std::size_t most) {
    const json& v = j.at(key);
    if (!v.is_array() || v.size() > most) throw NotARecord{};
    return v;
}

CardCode card(const json& v, bool none_allowed) {
    if (!v.is_number_integer()) throw NotARecord{};
    const auto code = v.get<std::int64_t>();
    if (code < (none_allowed ? 0 : 1) || code > 52) throw NotARecord{};
    return static_cast<CardCode>(code);
}

HandRecord record_of(const json& j) {
    if (!j.is_object()) throw NotARecord{};
    HandRecord r;
    r.hand = static_cast<std::uint64_t>(whole(j, "hand", 1, max_record_chips));
    r.level = static_cast<int>(whole(j, "level", 1, 1000));
    r.small_blind = chips(j, "small_blind");
    const std::string rules = text(j.at("rules"), 16);
    if (rules != "standard" && rules != "classic") throw NotARecord{};
    r.standard_rules = rules == "standard";
    r.button = static_cast<int>(whole(j, "button", 0, seat_count));
    std::array<bool, seat_count + 1> seated{};
    for (const json& s : array(j, "seats", seat_count)) {
        RecordedSeat seat;
        seat.seat = static_cast<int>(whole(s, "seat", 1, seat_count));
        if (seated[static_cast<std::size_t>(seat.seat)]) throw NotARecord{};
        seated[static_cast<std::size_t>(seat.seat)] = true;
        seat.name = text(s.at("name"), max_record_text);
        seat.stack = chips(s, "stack");
        const json& cards = array(s, "cards", 2);
        if (cards.size() != 2) throw NotARecord{};
        seat.cards = {card(cards[0], true), card(cards[1], true)};
        seat.dealt = truth(s, "dealt");
        r.seats.push_back(std::move(seat));
    }
    for (const json& e : array(j, "events", max_record_events)) {
        if (!e.is_object()) throw NotARecord{};
        RecordedEvent event;
        const int kind = index_of(kind_names, text(e.at("kind"), 16));
        if (kind < 0) throw NotARecord{};
        event.kind = static_cast<RecordedEvent::Kind>(kind);
        const bool street = event.kind == RecordedEvent::Kind::street;
        event.seat = static_cast<int>(whole(e, "seat", 0, seat_count));
        // Every event but a street's belongs to a seat at the table.
        if (street ? event.seat != 0 : !seated[static_cast<std::size_t>(event.seat)])
            throw NotARecord{};
        event.amount = chips(e, "amount");
        event.log_lines = static_cast<std::size_t>(whole(e, "log", 0, max_record_log_lines));
        if (e.contains("big")) event.big = truth(e, "big");
        if (event.kind == RecordedEvent::Kind::action) {
            const int action = index_of(action_names, text(e.at("action"), 16));
            if (action < 0) throw NotARecord{};
            event.action = static_cast<Action>(action);
            event.total = chips(e, "total");
            event.bet_before = chips(e, "bet_before");
        }
        if (street) {
            event.street = static_cast<Street>(whole(e, "street", 1, 3));
            const std::size_t dealt = event.street == Street::flop ? 3 : 1;
            const json& cards = array(e, "cards", 3);
            if (cards.size() != dealt) throw NotARecord{};
            for (const json& c : cards)
                event.cards.push_back(card(c, false));
        }
        if (event.kind == RecordedEvent::Kind::show || event.kind == RecordedEvent::Kind::face_up) {
            const json& cards = array(e, "cards", 2);
            if (cards.size() != 2) throw NotARecord{};
            for (const json& c : cards)
                event.cards.push_back(card(c, false));
        }
        if (e.contains("words")) event.words = text(e.at("words"), max_record_text);
        if (event.kind == RecordedEvent::Kind::won && e.contains("pot")) {
            event.pots = static_cast<int>(whole(e, "pots", 1, seat_count));
            event.pot = static_cast<int>(whole(e, "pot", 0, event.pots - 1));
        }
        r.events.push_back(std::move(event));
    }
    for (const json& line : array(j, "log", max_record_log_lines))
        r.log.push_back(text(line, max_record_text * 4));
    for (const RecordedEvent& e : r.events)
        if (e.log_lines > r.log.size()) throw NotARecord{};
    r.result = static_cast<Chips>(whole(j, "result", -max_record_chips, max_record_chips));
    return r;
}

}  // namespace

std::optional<HandRecord> read_record(std::string_view text) {
    // A line longer than any hand can be is no record.
    if (text.size() > max_record_line) return std::nullopt;
    const json j = json::parse(text, nullptr, false);
    if (j.is_discarded()) return std::nullopt;
    try {
        return record_of(j);
    } catch (const NotARecord&) {
        return std::nullopt;
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

HandRecorder::HandRecorder(Sink sink) : sink_(std::move(sink)) {
    log_ = std::make_unique<HandLog>([this](const std::string& line) {
        if (in_hand_) record_.log.push_back(line);
    });
}

HandRecorder::~HandRecorder() = default;

void HandRecorder::add(RecordedEvent e) {
    if (!in_hand_) return;
    e.log_lines = record_.log.size();
    record_.events.push_back(std::move(e));
}

void HandRecorder::hand_started(const Table& t) {
    record_ = HandRecord{};
    in_hand_ = true;
    record_.hand = t.hands_started;
    record_.level = t.level;
    record_.small_blind = t.limits;
    record_.standard_rules = t.options.rules == Rules::standard;
    record_.button = t.dealer_button_seat;
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        if (!p.Active) continue;
        RecordedSeat s;
        s.seat = k;
        s.name = p.caption;
        s.stack = p.prize;
        s.dealt = !p.sittingout && p.prize > 0;
        if (k == human_seat && s.dealt) s.cards = {p.cardone, p.cardtwo};
        record_.seats.push_back(std::move(s));
    }
    human_before_ = t.seat(human_seat).prize;
    log_->hand_started(t);
}

void HandRecorder::ante_posted(const Table& t, int seat, Chips amount) {
    log_->ante_posted(t, seat, amount);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::ante;
    e.seat = seat;
    e.amount = amount;
    add(std::move(e));
}

void HandRecorder::blind_posted(const Table& t, int seat, Chips amount, bool big) {
    log_->blind_posted(t, seat, amount, big);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::blind;
    e.seat = seat;
    e.amount = amount;
    e.big = big;
    add(std::move(e));
}

void HandRecorder::action_taken(const Table& t, const ActionEvent& a) {
    log_->action_taken(t, a);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::action;
    e.seat = a.seat;
    e.amount = a.amount;
    e.total = a.total;
    e.bet_before = a.bet_before;
    e.action = a.action;
    e.street = a.street;
    add(std::move(e));
}

void HandRecorder::street_dealt(const Table& t, Street street) {
    log_->street_dealt(t, street);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::street;
    e.street = street;
    const int to = board_cards_shown(street);
    for (int i = street == Street::flop ? 1 : to; i <= to; ++i)
        e.cards.push_back(t.deck[deck_pos::board(i)]);
    add(std::move(e));
}

void HandRecorder::showdown_started(const Table& t) {
    log_->showdown_started(t);
}

void HandRecorder::hands_faced_up(const Table& t, const std::vector<int>& seats) {
    log_->hands_faced_up(t, seats);
    for (int seat : seats) {
        const Player& p = t.seat(seat);
        RecordedEvent e;
        e.kind = RecordedEvent::Kind::face_up;
        e.seat = seat;
        e.cards = {p.cardone, p.cardtwo};
        add(std::move(e));
    }
}

void HandRecorder::hand_shown(const Table& t, int seat) {
    log_->hand_shown(t, seat);
    const Player& p = t.seat(seat);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::show;
    e.seat = seat;
    e.cards = {p.cardone, p.cardtwo};
    e.words = p.handvalue;
    add(std::move(e));
}

void HandRecorder::hand_mucked(const Table& t, int seat) {
    log_->hand_mucked(t, seat);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::muck;
    e.seat = seat;
    add(std::move(e));
}

void HandRecorder::uncalled_bet_returned(const Table& t, int seat, Chips amount) {
    log_->uncalled_bet_returned(t, seat, amount);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::uncalled;
    e.seat = seat;
    e.amount = amount;
    add(std::move(e));
}

void HandRecorder::pots_counted(const Table& t, const std::vector<Chips>& pots) {
    log_->pots_counted(t, pots);
}

// The classic game tells each winner once; the standard rules tell each share of each pot.
void HandRecorder::pot_won(const Table& t, int seat, Chips amount) {
    log_->pot_won(t, seat, amount);
    if (t.options.rules == Rules::standard) return;
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::won;
    e.seat = seat;
    e.amount = amount;
    e.words = t.seat(seat).handvalue;
    add(std::move(e));
}

void HandRecorder::pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) {
    log_->pot_share_won(t, seat, amount, pot, pots);
    RecordedEvent e;
    e.kind = RecordedEvent::Kind::won;
    e.seat = seat;
    e.amount = amount;
    e.pot = pot;
    e.pots = pots;
    e.words = t.seat(seat).handvalue;
    add(std::move(e));
}

void HandRecorder::pot_awarded(const Table& t) {
    if (!in_hand_) return;
    record_.result = t.seat(human_seat).prize - human_before_;
    in_hand_ = false;
    sink_(record_line(record_));
}

}  // namespace holdem
