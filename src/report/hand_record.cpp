#include "report/hand_record.h"

#include <nlohmann/json.hpp>

#include "report/hand_log.h"

namespace holdem {

namespace {

using json = nlohmann::json;

constexpr std::string_view kind_names[] = {"blind", "action",   "street", "show",
                                           "muck",  "uncalled", "won"};
constexpr std::string_view action_names[] = {"fold", "check", "call", "bet", "raise", "all-in"};

template <std::size_t N>
int index_of(const std::string_view (&names)[N], const std::string& name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

bool card_ok(const json& j) {
    return j.is_number_integer() && j.get<int>() >= 0 && j.get<int>() <= 52;
}

}  // namespace

std::string record_line(const HandRecord& r) {
    json seats = json::array();
    for (const RecordedSeat& s : r.seats)
        seats.push_back({{"seat", s.seat},
                         {"name", s.name},
                         {"stack", s.stack},
                         {"cards", {s.cards[0], s.cards[1]}},
                         {"dealt", s.dealt}});
    json events = json::array();
    for (const RecordedEvent& e : r.events) {
        json j = {{"kind", kind_names[static_cast<int>(e.kind)]},
                  {"seat", e.seat},
                  {"amount", e.amount},
                  {"log", e.log_lines}};
        switch (e.kind) {
            case RecordedEvent::Kind::blind:
                j["big"] = e.big;
                break;
            case RecordedEvent::Kind::action:
                j["action"] = action_names[static_cast<int>(e.action)];
                j["total"] = e.total;
                j["bet_before"] = e.bet_before;
                break;
            case RecordedEvent::Kind::street:
                j["street"] = static_cast<int>(e.street);
                j["cards"] = e.cards;
                break;
            case RecordedEvent::Kind::show:
                j["cards"] = e.cards;
                j["words"] = e.words;
                break;
            case RecordedEvent::Kind::won:
                j["pot"] = e.pot;
                j["pots"] = e.pots;
                j["words"] = e.words;
                break;
            case RecordedEvent::Kind::muck:
            case RecordedEvent::Kind::uncalled:
                break;
        }
        events.push_back(std::move(j));
    }
    const json line = {{"hand", r.hand},
                       {"level", r.level},
                       {"small_blind", r.small_blind},
                       {"rules", r.standard_rules ? "standard" : "classic"},
                       {"button", r.button},
                       {"seats", seats},
                       {"events", events},
                       {"log", r.log},
                       {"result", r.result}};
    return line.dump() + "\n";
}

std::optional<HandRecord> read_record(std::string_view text) {
    // A line longer than any hand can be is no record.
    if (text.size() > (1u << 20)) return std::nullopt;
    try {
        const json j = json::parse(text);
        HandRecord r;
        r.hand = j.at("hand").get<std::uint64_t>();
        r.level = j.at("level").get<int>();
        r.small_blind = j.at("small_blind").get<Chips>();
        r.standard_rules = j.at("rules").get<std::string>() == "standard";
        r.button = j.at("button").get<int>();
        for (const json& s : j.at("seats")) {
            RecordedSeat seat;
            seat.seat = s.at("seat").get<int>();
            if (seat.seat < 1 || seat.seat > seat_count) return std::nullopt;
            seat.name = s.at("name").get<std::string>();
            seat.stack = s.at("stack").get<Chips>();
            const json& cards = s.at("cards");
            if (!cards.is_array() || cards.size() != 2 || !card_ok(cards[0]) || !card_ok(cards[1]))
                return std::nullopt;
            seat.cards = {cards[0].get<CardCode>(), cards[1].get<CardCode>()};
            seat.dealt = s.at("dealt").get<bool>();
            r.seats.push_back(std::move(seat));
        }
        for (const json& e : j.at("events")) {
            RecordedEvent event;
            const int kind = index_of(kind_names, e.at("kind").get<std::string>());
            if (kind < 0) return std::nullopt;
            event.kind = static_cast<RecordedEvent::Kind>(kind);
            event.seat = e.at("seat").get<int>();
            if (event.seat < 0 || event.seat > seat_count) return std::nullopt;
            event.amount = e.at("amount").get<Chips>();
            event.log_lines = e.at("log").get<std::size_t>();
            if (e.contains("big")) event.big = e.at("big").get<bool>();
            if (e.contains("action")) {
                const int action = index_of(action_names, e.at("action").get<std::string>());
                if (action < 0) return std::nullopt;
                event.action = static_cast<Action>(action);
                event.total = e.at("total").get<Chips>();
                event.bet_before = e.at("bet_before").get<Chips>();
            }
            if (e.contains("street")) {
                const int street = e.at("street").get<int>();
                if (street < 1 || street > 3) return std::nullopt;
                event.street = static_cast<Street>(street);
            }
            if (e.contains("cards")) {
                for (const json& c : e.at("cards")) {
                    if (!card_ok(c) || event.cards.size() >= 3) return std::nullopt;
                    event.cards.push_back(c.get<CardCode>());
                }
            }
            if (e.contains("words")) event.words = e.at("words").get<std::string>();
            if (e.contains("pot")) {
                event.pot = e.at("pot").get<int>();
                event.pots = e.at("pots").get<int>();
            }
            r.events.push_back(std::move(event));
        }
        r.log = j.at("log").get<std::vector<std::string>>();
        r.result = j.at("result").get<Chips>();
        return r;
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
