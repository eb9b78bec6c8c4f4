#include "model/options.h"

namespace holdem {

namespace {

template <typename Value, std::size_t N>
std::optional<Value> named(std::string_view name, const std::array<Value, N>& values) {
    for (Value v : values)
        if (name_of(v) == name) return v;
    return std::nullopt;
}

}  // namespace

std::string_view name_of(Pace value) {
    constexpr std::string_view names[] = {"classic", "quick", "fast"};
    return names[static_cast<int>(value)];
}
std::string_view name_of(Levels value) {
    return value == Levels::classic ? "classic" : "hands";
}
std::string_view name_of(Ranking value) {
    return value == Ranking::classic ? "classic" : "standard";
}
std::string_view name_of(Opponents value) {
    return value == Opponents::all_seeing ? "all-seeing" : "fair";
}
std::string_view name_of(Rules value) {
    return value == Rules::classic ? "classic" : "standard";
}

std::string_view name_of(Difficulty value) {
    constexpr std::string_view names[] = {"normal", "easy", "hard"};
    return names[static_cast<int>(value)];
}

std::string_view name_of(StructureKind value) {
    constexpr std::string_view names[] = {"classic-clock", "regular", "turbo", "hyper-turbo",
                                          "deep"};
    return names[static_cast<int>(value)];
}

std::optional<Pace> pace_named(std::string_view name) {
    return named(name, std::array{Pace::classic, Pace::quick, Pace::fast});
}
std::optional<Levels> levels_named(std::string_view name) {
    return named(name, std::array{Levels::classic, Levels::by_hands});
}
std::optional<Ranking> ranking_named(std::string_view name) {
    return named(name, std::array{Ranking::classic, Ranking::standard});
}
std::optional<Opponents> opponents_named(std::string_view name) {
    return named(name, std::array{Opponents::all_seeing, Opponents::fair});
}
std::optional<Rules> rules_named(std::string_view name) {
    return named(name, std::array{Rules::classic, Rules::standard});
}

std::optional<Difficulty> difficulty_named(std::string_view name) {
    return named(name, std::array{Difficulty::normal, Difficulty::easy, Difficulty::hard});
}

std::optional<StructureKind> structure_named(std::string_view name) {
    return named(
        name, std::array{StructureKind::classic_clock, StructureKind::regular, StructureKind::turbo,
                         StructureKind::hyper_turbo, StructureKind::deep});
}

bool field_played(const Options& o) {
    return o.rules == Rules::standard && o.structure != StructureKind::classic_clock;
}

Options in_force(Options chosen) {
    if (chosen.rules == Rules::standard) {
        chosen.ranking = Ranking::standard;
        chosen.opponents = Opponents::fair;
    }
    return chosen;
}

std::string options_words(const Options& o) {
    std::string words = "pace=";
    words += name_of(o.pace);
    words += o.hurry_when_out ? " hurry=yes levels=" : " hurry=no levels=";
    words += name_of(o.levels);
    words += " ranking=";
    words += name_of(o.ranking);
    words += " opponents=";
    words += name_of(o.opponents);
    if (o.rules != Rules::classic) {
        words += " rules=";
        words += name_of(o.rules);
        words += " difficulty=";
        words += name_of(o.difficulty);
        if (field_played(o)) {
            words += " structure=";
            words += name_of(o.structure);
            words += " entrants=" + std::to_string(o.entrants);
        }
    }
    return words;
}

}  // namespace holdem
