#include "save/snapshot.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

#include "rules/tournament/field.h"
#include "rules/tournament/limits_clock.h"
#include "save/field_snapshot.h"

namespace holdem {

namespace {

using nlohmann::json;

// A value that fails to read as what it should be: the document is refused with this reason.
struct Refused {
    std::string why;
};

template <typename Int>
Int integer(const json& j, const char* key) {
    const json& v = j.at(key);
    if (!v.is_number_integer()) throw Refused{std::string(key) + " is not a whole number"};
    const auto wide = v.get<std::int64_t>();
    if (wide < std::numeric_limits<Int>::min() || wide > std::numeric_limits<Int>::max())
        throw Refused{std::string(key) + " is out of range"};
    return static_cast<Int>(wide);
}

std::uint64_t unsigned_integer(const json& v, const char* what) {
    if (!v.is_number_unsigned()) throw Refused{std::string(what) + " is not a whole number"};
    return v.get<std::uint64_t>();
}

bool flag(const json& j, const char* key) {
    const json& v = j.at(key);
    if (!v.is_boolean()) throw Refused{std::string(key) + " is not true or false"};
    return v.get<bool>();
}

// Longer than any text the game writes (a name and a hand's words), short enough that a hostile
// file cannot make every later save and history huge.
constexpr std::size_t max_text_bytes = 96;

std::string text(const json& j, const char* key) {
    const json& v = j.at(key);
    if (!v.is_string()) throw Refused{std::string(key) + " is not a text"};
    const auto& value = v.get_ref<const std::string&>();
    if (value.size() > max_text_bytes)
        throw Refused{std::string(key) + " is longer than the game writes"};
    return value;
}

// The document's deepest nesting of arrays and objects, read before it is parsed, so that a
// file of brackets alone costs no more than its reading.
int nesting_depth(std::string_view text, int limit) {
    int depth = 0;
    bool in_string = false, escaped = false;
    for (char c : text) {
        if (in_string) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return depth;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return depth;
}

template <typename Value>
Value named(const json& j, const char* key, std::optional<Value> (*by_name)(std::string_view)) {
    const auto value = by_name(text(j, key));
    if (!value) throw Refused{"unknown " + std::string(key)};
    return *value;
}

// A seat's texts and flags, by the names the document gives them: one list for both ways.
constexpr std::pair<const char*, std::string Player::*> player_texts[] = {
    {"caption", &Player::caption},
    {"cardtext1", &Player::cardtext1},
    {"cardtext2", &Player::cardtext2},
    {"handvalue", &Player::handvalue},
    {"handvaluepair", &Player::handvaluepair},
    {"handvaluetwok", &Player::handvaluetwok},
    {"handvaluethreek", &Player::handvaluethreek},
    {"handvaluestraight", &Player::handvaluestraight},
    {"handvalueflush", &Player::handvalueflush},
    {"handvaluefullhouse", &Player::handvaluefullhouse},
    {"handvaluefourk", &Player::handvaluefourk},
    {"handvaluesflush", &Player::handvaluesflush},
    {"handvaluerflush", &Player::handvaluerflush},
    {"handvaluetops", &Player::handvaluetops}};
constexpr std::pair<const char*, bool Player::*> player_flags[] = {
    {"sittingout", &Player::sittingout},
    {"Active", &Player::Active},
    {"allin", &Player::allin},
    {"fold", &Player::fold}};

json player_json(const Player& p) {
    json j = {{"handrank", p.handrank},
              {"prize", p.prize},
              {"cardone", p.cardone},
              {"cardtwo", p.cardtwo},
              {"flop", {p.flop1, p.flop2, p.flop3, p.flop4, p.flop5}},
              {"dealer", p.dealer},
              {"bet", p.bet},
              {"totalbet", p.totalbet},
              {"handnumber", p.handnumber},
              {"style", p.style}};
    for (const auto& [name, field] : player_texts)
        j[name] = p.*field;
    for (const auto& [name, field] : player_flags)
        j[name] = p.*field;
    return j;
}

void read_player(const json& j, Player& p) {
    p.handrank = integer<std::int16_t>(j, "handrank");
    p.prize = integer<Chips>(j, "prize");
    p.cardone = integer<CardCode>(j, "cardone");
    p.cardtwo = integer<CardCode>(j, "cardtwo");
    const json& flop = j.at("flop");
    if (!flop.is_array() || flop.size() != 5) throw Refused{"a board is not five cards"};
    std::string* board[] = {&p.flop1, &p.flop2, &p.flop3, &p.flop4, &p.flop5};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!flop[i].is_string() || flop[i].get_ref<const std::string&>().size() > 3)
            throw Refused{"a board card is not a card's text"};
        *board[i] = flop[i].get<std::string>();
    }
    p.dealer = integer<std::int16_t>(j, "dealer");
    p.bet = integer<Chips>(j, "bet");
    p.totalbet = integer<Chips>(j, "totalbet");
    p.handnumber = integer<std::int32_t>(j, "handnumber");
    // Saves from before the standard players had styles give every seat the first.
    if (j.contains("style")) {
        p.style = integer<std::int16_t>(j, "style");
        if (p.style < 0 || p.style > 3) throw Refused{"a seat's style is unknown"};
    }
    for (const auto& [name, field] : player_texts)
        p.*field = text(j, name);
    for (const auto& [name, field] : player_flags)
        p.*field = flag(j, name);
}

json control_json(std::uint16_t id, const Control& c) {
    return {{"id", id},
            {"visible", c.visible},
            {"caption", c.caption},
            {"back", c.back_colour ? json(*c.back_colour) : json(nullptr)},
            {"cell", c.cell}};
}

// Version 1 saves also held where each control stood and how it looked; those parts are the
// window's now and are passed over, and only the colours the rules set are taken.
void read_control(const json& j, Controls& controls) {
    const auto id = integer<std::uint16_t>(j, "id");
    if (id >= Controls::size()) throw Refused{"a control that does not exist"};
    Control& c = controls[ControlId{id}];
    c.visible = flag(j, "visible");
    c.caption = text(j, "caption");
    if (c.back_colour)
        c.back_colour = j.at("back").is_null() ? std::nullopt
                                               : std::optional<Colour>(integer<Colour>(j, "back"));
    c.cell = integer<int>(j, "cell");
    if (c.cell < -1 || c.cell >= card_grid::cells) throw Refused{"a picture with no such card"};
}

// In version 1 saves the dealer button's place says which seat it stands beside: 500 twips
// right of and below that seat's first card.
int dealer_button_seat_of_version_1(const json& controls) {
    constexpr int first_card_at[seat_count][2] = {
        {5916, 5256}, {4176, 4860}, {2808, 3780}, {2784, 2460}, {4044, 1416},
        {6000, 948},  {7836, 1536}, {9024, 2808}, {8652, 3960}, {7488, 4848}};
    for (const json& c : controls) {
        if (integer<std::uint16_t>(c, "id") != ctl::dealer_button.index) continue;
        const int left = integer<int>(c, "left"), top = integer<int>(c, "top");
        for (int k = 1; k <= seat_count; ++k)
            if (left == first_card_at[k - 1][0] + 500 && top == first_card_at[k - 1][1] + 500)
                return k;
    }
    return 0;
}

json random_json(const Random& r) {
    const Random::State s = r.state();
    return {s[0], s[1]};
}

Random::State read_random(const json& j) {
    if (!j.is_array() || j.size() != 2) throw Refused{"a random stream is not two numbers"};
    return {unsigned_integer(j[0], "a random stream"), unsigned_integer(j[1], "a random stream")};
}

json loop_json(const EventLoop& loop) {
    const EventLoop::State s = loop.state();
    json timers = json::array();
    for (const auto& timer : s.timers)
        timers.push_back({{"interval", timer.interval},
                          {"enabled", timer.enabled},
                          {"deadline", timer.deadline}});
    json pending = json::array();
    for (ControlId id : s.pending)
        pending.push_back(id.index);
    return {{"now", s.now},
            {"timers", timers},
            {"focus", s.focus ? json(s.focus->index) : json(nullptr)},
            {"pending", pending},
            {"events_run", s.events_run}};
}

EventLoop::State read_loop(const json& j) {
    EventLoop::State s;
    s.now = integer<std::int64_t>(j, "now");
    const json& timers = j.at("timers");
    if (!timers.is_array() || timers.size() != 2) throw Refused{"the clocks are not two"};
    for (std::size_t i = 0; i < 2; ++i)
        s.timers[i] = {integer<int>(timers[i], "interval"), flag(timers[i], "enabled"),
                       integer<std::int64_t>(timers[i], "deadline")};
    auto control = [](const json& v) {
        if (!v.is_number_unsigned() || v.get<std::uint64_t>() >= Controls::size())
            throw Refused{"the focus is on a control that does not exist"};
        return ControlId{static_cast<std::uint16_t>(v.get<std::uint64_t>())};
    };
    if (!j.at("focus").is_null()) s.focus = control(j.at("focus"));
    const json& pending = j.at("pending");
    if (!pending.is_array() || pending.size() > 64) throw Refused{"the focus queue is broken"};
    for (const json& v : pending)
        s.pending.push_back(control(v));
    s.events_run = unsigned_integer(j.at("events_run"), "events_run");
    return s;
}

void read_options(const json& o, Options& options) {
    options.pace = named(o, "pace", pace_named);
    options.hurry_when_out = flag(o, "hurry_when_out");
    options.levels = named(o, "levels", levels_named);
    options.ranking = named(o, "ranking", ranking_named);
    options.opponents = named(o, "opponents", opponents_named);
    // Saves made before the standard rules existed play the classic game.
    if (o.contains("rules")) options.rules = named(o, "rules", rules_named);
    if (o.contains("difficulty")) options.difficulty = named(o, "difficulty", difficulty_named);
    // Saves made before the whole field played have the classic clock.
    if (o.contains("structure")) options.structure = named(o, "structure", structure_named);
    if (o.contains("entrants"))
        options.entrants = std::clamp(integer<int>(o, "entrants"), least_entrants, most_entrants);
}

// The table's own variables, by the names the document gives them: one list for both ways.
constexpr std::pair<const char*, Chips Table::*> table_chips[] = {
    {"currentbet", &Table::currentbet},
    {"pot", &Table::pot},
    {"limits", &Table::limits},
    {"ante", &Table::ante}};
constexpr std::pair<const char*, std::int16_t Table::*> table_numbers[] = {
    {"backside", &Table::backside},
    {"level", &Table::level},
    {"tossdone", &Table::tossdone},
    {"raiservalue", &Table::raiservalue},
    {"focuser", &Table::focuser},
    {"sitter", &Table::sitter},
    {"numberofwinners", &Table::numberofwinners},
    {"limittimersetting", &Table::limittimersetting}};
constexpr std::pair<const char*, bool Table::*> table_flags[] = {
    {"postblinds", &Table::postblinds},
    {"postflop1", &Table::postflop1},
    {"postflop2", &Table::postflop2},
    {"postflop3", &Table::postflop3},
    {"gameover", &Table::gameover},
    {"small_blind_turn_taken", &Table::small_blind_turn_taken},
    {"human_turn_waiting", &Table::human_turn_waiting}};
constexpr std::pair<const char*, std::string Table::*> table_texts[] = {
    {"flopvalue", &Table::flopvalue}, {"fl", &Table::fl}, {"st", &Table::st}};
constexpr std::pair<const char*, std::uint64_t Table::*> table_counts[] = {
    {"hands_started", &Table::hands_started},
    {"showdowns", &Table::showdowns},
    {"inputs_handled", &Table::inputs_handled}};

json table_json(const Table& t) {
    json v = {{"flopshower", {t.flopshower, t.flopshower1, t.flopshower2, t.flopshower3}},
              {"deck", t.deck},
              {"chips_brought", t.chips_brought},
              {"dealer_button_seat", t.dealer_button_seat}};
    for (const auto& [name, field] : table_chips)
        v[name] = t.*field;
    for (const auto& [name, field] : table_numbers)
        v[name] = t.*field;
    for (const auto& [name, field] : table_flags)
        v[name] = t.*field;
    for (const auto& [name, field] : table_texts)
        v[name] = t.*field;
    for (const auto& [name, field] : table_counts)
        v[name] = t.*field;
    return v;
}

void read_table_variables(const json& v, Table& t) {
    for (const auto& [name, field] : table_chips)
        // Saves made before the antes have none.
        if (field != &Table::ante || v.contains(name)) t.*field = integer<Chips>(v, name);
    for (const auto& [name, field] : table_numbers)
        t.*field = integer<std::int16_t>(v, name);
    for (const auto& [name, field] : table_flags)
        t.*field = flag(v, name);
    for (const auto& [name, field] : table_texts)
        t.*field = text(v, name);
    for (const auto& [name, field] : table_counts)
        t.*field = unsigned_integer(v.at(name), name);
    const json& closers = v.at("flopshower");
    if (!closers.is_array() || closers.size() != 4) throw Refused{"the closing seats are not four"};
    std::int16_t* closing[] = {&t.flopshower, &t.flopshower1, &t.flopshower2, &t.flopshower3};
    for (std::size_t i = 0; i < 4; ++i) {
        if (!closers[i].is_number_integer()) throw Refused{"a closing seat is no seat"};
        const auto seat = closers[i].get<std::int64_t>();
        if (seat < 0 || seat > seat_count) throw Refused{"a closing seat is no seat"};
        *closing[i] = static_cast<std::int16_t>(seat);
    }
    const json& deck = v.at("deck");
    if (!deck.is_array() || deck.size() != deck_size) throw Refused{"the deck is not 25 cards"};
    for (std::size_t i = 0; i < deck_size; ++i) {
        if (!deck[i].is_number_integer()) throw Refused{"a card is not a card"};
        const auto code = deck[i].get<std::int64_t>();
        // A table saved before its first deal holds no cards yet.
        if (code < 0 || code > 52) throw Refused{"a card is not a card"};
        t.deck[i] = static_cast<CardCode>(code);
    }
    t.chips_brought = integer<std::int64_t>(v, "chips_brought");
    // Version 1 saves have no button seat: it is read from their controls.
    if (v.contains("dealer_button_seat"))
        t.dealer_button_seat = integer<std::int16_t>(v, "dealer_button_seat");
}

void read_fair_estimates(const json& fair, Table& t) {
    if (!fair.is_array() || fair.size() != seat_count)
        throw Refused{"the fair estimates are broken"};
    for (int k = 1; k <= seat_count; ++k) {
        const json& e = fair[static_cast<std::size_t>(k - 1)];
        if (!e.is_array() || e.size() != 4) throw Refused{"the fair estimates are broken"};
        const int street = e[1].get<int>();
        if (street < 0 || street > 3) throw Refused{"an estimate on no street"};
        t.fair_estimates[k] = {unsigned_integer(e[0], "an estimate"), static_cast<Street>(street),
                               e[2].get<int>(), e[3].get<int>()};
    }
}

SavedTournament read_tournament(const json& saved) {
    SavedTournament tournament;
    tournament.id = text(saved, "id");
    // The id names the tournament's history file: nothing in it may lead elsewhere.
    if (tournament.id.empty() || tournament.id.size() > 32 ||
        !std::all_of(tournament.id.begin(), tournament.id.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
        }))
        throw Refused{"the tournament's name is not one the game gives"};
    tournament.history_length = unsigned_integer(saved.at("history_length"), "history_length");
    if (saved.contains("records_length"))
        tournament.records_length = unsigned_integer(saved.at("records_length"), "records_length");
    if (saved.contains("replays_length"))
        tournament.replays_length = unsigned_integer(saved.at("replays_length"), "replays_length");
    return tournament;
}

}  // namespace

std::string save_snapshot(const Table& t, const SavedTournament& tournament) {
    json players = json::array();
    for (int k = 1; k <= seat_count; ++k)
        players.push_back(player_json(t.seat(k)));
    // Only the controls that differ from the table's start state.
    const Controls start;
    json controls = json::array();
    for (std::uint16_t i = 0; i < Controls::size(); ++i)
        if (!(t.controls[ControlId{i}] == start[ControlId{i}]))
            controls.push_back(control_json(i, t.controls[ControlId{i}]));
    json fair = json::array();
    for (int k = 1; k <= seat_count; ++k) {
        const FairEstimate& e = t.fair_estimates[k];
        fair.push_back({e.hand, static_cast<int>(e.street), e.in_hand, e.standing});
    }
    const Options& o = t.options;
    const json document = {
        {"format", "final-table-holdem saved game"},
        {"version", snapshot_version},
        {"tournament",
         {{"id", tournament.id},
          {"history_length", tournament.history_length},
          {"records_length", tournament.records_length.value_or(0)},
          {"replays_length", tournament.replays_length.value_or(0)}}},
        {"options",
         {{"pace", name_of(o.pace)},
          {"hurry_when_out", o.hurry_when_out},
          {"levels", name_of(o.levels)},
          {"ranking", name_of(o.ranking)},
          {"opponents", name_of(o.opponents)},
          {"rules", name_of(o.rules)},
          {"difficulty", name_of(o.difficulty)},
          {"structure", name_of(o.structure)},
          {"entrants", o.entrants}}},
        {"table", table_json(t)},
        {"field",
         {{"eliminated", t.field.eliminated}, {"eliminated_chips", t.field.eliminated_chips}}},
        {"players", players},
        {"controls", controls},
        {"loop", loop_json(t.loop)},
        {"random",
         {{"deck", random_json(*t.random)}, {"estimates", random_json(*t.estimate_random)}}},
        {"fair_estimates", fair}};
    if (tournament.field) {
        json with_field = document;
        with_field["whole_field"] = field_json(*tournament.field);
        return with_field.dump();
    }
    return document.dump();
}

std::variant<LoadedGame, std::string> load_snapshot(std::string_view text_in,
                                                    std::unique_ptr<Random> deck_random,
                                                    std::unique_ptr<Random> estimate_random) {
    if (text_in.size() > max_save_bytes) return std::string("it is far larger than any saved game");
    // The game nests four deep; a few more levels leave room for what a later version adds.
    if (nesting_depth(text_in, 8) > 8) return std::string("it is nested deeper than a saved game");
    const json document = json::parse(text_in.begin(), text_in.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) return "it is not a whole saved game";
    try {
        if (text(document, "format") != "final-table-holdem saved game")
            return std::string("it is not a saved game of this program");
        const int version = integer<int>(document, "version");
        if (version > snapshot_version) return std::string("it comes from a newer version");
        if (version < 1) return std::string("its version is unknown");

        deck_random->restore(read_random(document.at("random").at("deck")));
        estimate_random->restore(read_random(document.at("random").at("estimates")));
        auto table = std::make_unique<Table>(std::move(deck_random), std::move(estimate_random));
        Table& t = *table;

        read_options(document.at("options"), t.options);
        read_table_variables(document.at("table"), t);
        t.field.eliminated = integer<std::int16_t>(document.at("field"), "eliminated");
        t.field.eliminated_chips = integer<Chips>(document.at("field"), "eliminated_chips");

        const json& players = document.at("players");
        if (!players.is_array() || players.size() != seat_count)
            throw Refused{"the table does not have ten seats"};
        for (int k = 1; k <= seat_count; ++k)
            read_player(players[static_cast<std::size_t>(k - 1)], t.seat(k));

        const json& controls = document.at("controls");
        if (!controls.is_array() || controls.size() > Controls::size())
            throw Refused{"the controls are broken"};
        for (const json& c : controls)
            read_control(c, t.controls);
        if (version == 1)
            t.dealer_button_seat =
                static_cast<std::int16_t>(dealer_button_seat_of_version_1(controls));

        t.loop.restore(read_loop(document.at("loop")));

        read_fair_estimates(document.at("fair_estimates"), t);
        SavedTournament tournament = read_tournament(document.at("tournament"));

        if (auto why = impossible(t)) return *why;
        if (field_played(t.options)) {
            if (!document.contains("whole_field")) return std::string("its field is missing");
            auto field = read_field(document.at("whole_field"));
            if (auto* why = std::get_if<std::string>(&field)) return *why;
            auto saved = std::make_shared<SavedField>(std::move(std::get<SavedField>(field)));
            if (auto why = field_and_table_disagree(saved->field, t)) return *why;
            tournament.field = std::move(saved);
        } else if (document.contains("whole_field")) {
            return std::string("it has a field its options do not play");
        }
        return LoadedGame{std::move(table), std::move(tournament)};
    } catch (const Refused& refused) {
        return refused.why;
    } catch (const json::exception&) {
        return std::string("a part of it is missing or of the wrong kind");
    }
}

namespace {

// The standard game saves as its first hand is due, before anything is dealt: the button is
// drawn, and no card, place from the button or clock is set yet.
std::optional<std::string> impossible_before_first_deal(const Table& t) {
    for (CardCode c : t.deck)
        if (c != 0) return "a card was dealt before the first hand";
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        if (p.cardone || p.cardtwo || p.dealer != 0 || p.bet || p.totalbet)
            return "a seat played before the first hand";
    }
    if (t.dealer_button_seat < 1 || t.dealer_button_seat > seat_count)
        return "the dealer button stands beside no seat";
    if (t.pot != 0 || t.currentbet != 0) return "chips were bet before the first hand";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> impossible(const Table& t) {
    int active = 0;
    std::int64_t stacks = 0;
    bool card_seen[53] = {};
    bool deck_seen[53] = {};
    const bool before_first_deal = t.options.rules == Rules::standard && t.hands_started == 0;
    if (before_first_deal) {
        if (auto why = impossible_before_first_deal(t)) return why;
    } else {
        for (CardCode c : t.deck) {
            if (!is_card(c)) return "the deck holds a card that does not exist";
            if (deck_seen[c]) return "the deck holds a card twice";
            deck_seen[c] = true;
        }
    }
    for (int k = 1; k <= seat_count; ++k) {
        const Player& p = t.seat(k);
        active += p.Active;
        if (p.prize < 0) return "a seat has a stack below nothing";
        stacks += p.prize;
        for (CardCode c : {p.cardone, p.cardtwo}) {
            if (c == 0) continue;
            if (!is_card(c)) return "a seat holds a card that does not exist";
            if (card_seen[c]) return "a card is held twice";
            card_seen[c] = true;
        }
        if (p.cardtext1 != card_text(p.cardone) || p.cardtext2 != card_text(p.cardtwo))
            return "a seat's cards and their texts disagree";
        const std::string* board[] = {&p.flop1, &p.flop2, &p.flop3, &p.flop4, &p.flop5};
        for (int i = 0; i < 5; ++i)
            if (!board[i]->empty() && *board[i] != card_text(t.deck[deck_pos::board(i + 1)]))
                return "a seat's board is not the deck's";
        // An empty seat of the whole field's table has nobody's name.
        if (field_played(t.options) && !p.Active && p.caption.empty() && p.prize == 0) continue;
        if (!is_player_name(p.caption, human_name) ||
            (k == human_seat) != (p.caption == human_name))
            return "a seat's name is not one the game gives";
        if (p.caption != t.controls.caption(ctl::name_label(k)))
            return "a seat's name and its label disagree";
        if (p.handrank < 0 || p.handrank > 5) return "a standing out of range";
    }
    if (!before_first_deal) {
        const int dealer = dealer_seat(t);
        if (dealer == 0) return "nobody holds the dealer button";
        for (int k = 1; k <= seat_count; ++k)
            if (t.seat(k).dealer != place_from_dealer(k, dealer))
                return "the seats' places from the button are out of order";
    }
    if (t.field.eliminated < 0 || t.field.eliminated > field_size - active)
        return "more entrants are knocked out than the field allows";
    if (t.field.eliminated_chips < 0) return "the field's chips are below nothing";
    if (t.pot < 0 || t.currentbet < 0) return "the pot is below nothing";
    if (stacks + (t.gameover ? 0 : t.pot) != t.chips_brought)
        return "the chips do not add up to what the table was given";
    for (std::int16_t seat : {t.focuser, t.flopshower, t.flopshower1, t.flopshower2, t.flopshower3})
        if (seat < 0 || seat > seat_count) return "a seat number is out of range";
    if (t.sitter != 0 && t.sitter != 1) return "the sit-out request is neither on nor off";
    if (t.dealer_button_seat < 0 || t.dealer_button_seat > seat_count)
        return "the dealer button stands beside no seat";
    if (t.tossdone != 1) return "the opening toss was never made";
    // The whole field's levels are the structure's, checked against the field.
    if (!field_played(t.options) &&
        (t.level < 1 || t.level > static_cast<int>(limits_schedule.size()) ||
         limits_schedule[static_cast<std::size_t>(t.level - 1)] != t.limits || t.ante != 0))
        return "the blinds are not a level of the schedule";
    if (t.limittimersetting < 969 || t.limittimersetting > 1000)
        return "the blinds countdown is out of range";
    if (t.numberofwinners < 0 || t.numberofwinners > seat_count || t.raiservalue < 0)
        return "a count is out of range";
    if (t.backside != card_grid::back_peach) return "the card back is not the table's";
    if (t.hands_started < 1 && !before_first_deal) return "no hand has been dealt";
    const EventLoop::State loop = t.loop.state();
    if (loop.now < 0) return "the clock is before the start";
    for (const auto& timer : loop.timers)
        if (timer.interval <= 0 || (timer.enabled && timer.deadline < loop.now))
            return "a clock is broken";
    // Games are saved as a hand is about to be dealt: by the deal timer, or for the first hand
    // by the events the table's opening left waiting. A game with neither is over.
    if (!loop.timers[static_cast<std::size_t>(TimerId::Timer1)].enabled && loop.pending.empty() &&
        !before_first_deal)
        return "no hand is about to be dealt";
    return std::nullopt;
}

}  // namespace holdem
