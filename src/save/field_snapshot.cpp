#include "save/field_snapshot.h"

#include <limits>

#include "rules/tournament/field.h"

namespace holdem {

using nlohmann::json;

namespace {

struct Bad {
    std::string why;
};

std::int64_t whole(const json& v, std::int64_t low, std::int64_t high, const char* what) {
    if (!v.is_number_integer()) throw Bad{std::string(what) + " is not a whole number"};
    const auto n = v.get<std::int64_t>();
    if (n < low || n > high) throw Bad{std::string(what) + " is out of range"};
    return n;
}

std::uint64_t whole_unsigned(const json& v, const char* what) {
    if (!v.is_number_unsigned()) throw Bad{std::string(what) + " is not a whole number"};
    return v.get<std::uint64_t>();
}

const json& array_of(const json& v, std::size_t least, std::size_t most, const char* what) {
    if (!v.is_array() || v.size() < least || v.size() > most)
        throw Bad{std::string(what) + " are not what a field holds"};
    return v;
}

}  // namespace

json field_json(const SavedField& saved) {
    const tournament::Field& f = saved.field;
    json entrants = json::array();
    for (const tournament::Entrant& e : f.all())
        entrants.push_back({e.name, e.stack, e.style, e.human, e.table, e.seat, e.place, e.prize});
    json tables = json::array();
    for (const tournament::FieldTable& t : f.tables()) {
        json seats = json::array();
        for (int s = 1; s <= tournament::table_seats; ++s)
            seats.push_back(t.seats[static_cast<std::size_t>(s)]);
        tables.push_back({t.button, t.broken, t.hands, seats});
    }
    const Random::State r = f.random_state();
    return {{"structure", name_of(f.structure_kind())},
            {"seed", saved.seed},
            {"random", {r[0], r[1]}},
            {"entrants", entrants},
            {"tables", tables}};
}

std::variant<SavedField, std::string> read_field(const json& j) {
    try {
        if (!j.is_object()) throw Bad{"the field is not a field"};
        const json& kind = j.at("structure");
        const auto structure =
            kind.is_string() ? structure_named(kind.get<std::string>()) : std::nullopt;
        if (!structure || *structure == StructureKind::classic_clock)
            throw Bad{"the field's structure is unknown"};
        const std::uint64_t seed = whole_unsigned(j.at("seed"), "the field's seed");
        const json& random = array_of(j.at("random"), 2, 2, "the field's draws");
        const Random::State state = {whole_unsigned(random[0], "a draw"),
                                     whole_unsigned(random[1], "a draw")};
        const json& list =
            array_of(j.at("entrants"), least_entrants, most_entrants, "the entrants");
        const auto n = static_cast<std::int64_t>(list.size());
        const std::int64_t table_count =
            (n + tournament::table_seats - 1) / tournament::table_seats;
        std::vector<tournament::Entrant> entrants;
        entrants.reserve(list.size());
        for (const json& e : list) {
            array_of(e, 8, 8, "the entrant's facts");
            tournament::Entrant out;
            if (!e[0].is_string()) throw Bad{"an entrant's name is not a text"};
            out.name = e[0].get<std::string>();
            if (!is_player_name(out.name, human_name))
                throw Bad{"an entrant's name is not one the game gives"};
            out.stack =
                static_cast<Chips>(whole(e[1], 0, std::numeric_limits<Chips>::max(), "a stack"));
            out.style = static_cast<std::int16_t>(whole(e[2], 0, 3, "a style"));
            if (!e[3].is_boolean()) throw Bad{"an entrant is neither the human nor not"};
            out.human = e[3].get<bool>();
            if (out.human != (out.name == human_name))
                throw Bad{"the human's name is not the human's"};
            out.table = static_cast<int>(whole(e[4], 0, table_count, "a table"));
            out.seat = static_cast<int>(whole(e[5], 0, tournament::table_seats, "a seat"));
            out.place = static_cast<int>(whole(e[6], 0, n, "a place"));
            out.prize = whole(e[7], 0, n * 1'000'000, "a prize");
            entrants.push_back(std::move(out));
        }
        const json& tables_in = array_of(j.at("tables"), static_cast<std::size_t>(table_count),
                                         static_cast<std::size_t>(table_count), "the tables");
        std::vector<tournament::FieldTable> tables;
        for (const json& t : tables_in) {
            array_of(t, 4, 4, "the table's facts");
            tournament::FieldTable out;
            out.number = static_cast<int>(tables.size()) + 1;
            out.button = static_cast<int>(whole(t[0], 0, tournament::table_seats, "a button"));
            if (!t[1].is_boolean()) throw Bad{"a table is neither broken nor not"};
            out.broken = t[1].get<bool>();
            out.hands = whole_unsigned(t[2], "a table's hands");
            const json& seats = array_of(t[3], tournament::table_seats, tournament::table_seats,
                                         "the table's seats");
            out.seats.fill(-1);
            for (int s = 1; s <= tournament::table_seats; ++s)
                out.seats[static_cast<std::size_t>(s)] = static_cast<int>(
                    whole(seats[static_cast<std::size_t>(s - 1)], -1, n - 1, "a seat's player"));
            tables.push_back(out);
        }
        tournament::Field field(*structure, std::move(entrants), std::move(tables), state);
        if (auto wrong = field.check()) throw Bad{*wrong};
        if (field.entrant(field.human()).table == 0) throw Bad{"the human is out of the field"};
        return SavedField{std::move(field), seed};
    } catch (const Bad& bad) {
        return bad.why;
    } catch (const json::exception&) {
        return std::string("a part of the field is missing or of the wrong kind");
    }
}

std::optional<std::string> field_and_table_disagree(const tournament::Field& f, const Table& t) {
    const tournament::Entrant& me = f.entrant(f.human());
    const tournament::FieldTable& ft = f.table(me.table);
    for (int s = 1; s <= tournament::table_seats; ++s) {
        const int e = ft.seats[static_cast<std::size_t>(s)];
        const Player& p = t.seat(tournament::table_seat_of(s, me.seat));
        if (p.Active != (e >= 0)) return "the table's seats are not the field's";
        if (e < 0) continue;
        const tournament::Entrant& who = f.entrant(e);
        if (p.caption != who.name || p.prize != who.stack || p.style != who.style)
            return "a player at the table is not the field's";
    }
    const tournament::Level l =
        tournament::level_at(f.structure(), std::max(1, static_cast<int>(t.level)));
    if (t.limits != l.small_blind || t.ante != l.ante)
        return "the blinds are not a level of the structure";
    if (t.options.structure != f.structure_kind() || t.options.entrants != f.entrants())
        return "the field is not the one the options name";
    return std::nullopt;
}

}  // namespace holdem
