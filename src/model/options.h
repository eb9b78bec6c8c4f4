// The game's options. Every option's first value is the classic game, which is the default;
// the others are choices beside it. Rules options hold for a whole tournament; the pace may
// change at any moment.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace holdem {

// How long the clock waits on each seat and between hands.
enum class Pace : std::uint8_t { classic, quick, fast };
// When the blinds rise: every 31 ticks of the pacing clock, or every ten hands.
enum class Levels : std::uint8_t { classic, by_hands };
// How hands are ranked: the game's own reading, or the best five cards with kickers.
enum class Ranking : std::uint8_t { classic, standard };
// What a computer seat knows: every hand and the whole board, or its own cards and the board
// shown so far.
enum class Opponents : std::uint8_t { all_seeing, fair };
// Which game the table plays: its own classic game, or no-limit hold'em as poker rooms play it
// (every raise answered, side pots, the uncalled bet returned).
enum class Rules : std::uint8_t { classic, standard };
// How well the standard rules' computer players play: as they are meant to, with real mistakes,
// or reading ranges from the actions and balancing their bluffs.
enum class Difficulty : std::uint8_t { normal, easy, hard };

// The standard tournament's structure: the classic game's own field and clock, or the whole
// field played with the blinds and antes of a structure.
enum class StructureKind : std::uint8_t { classic_clock, regular, turbo, hyper_turbo, deep };
inline constexpr int structure_kinds = 5;
// The field sizes a standard tournament may be set up with.
inline constexpr int least_entrants = 10;
inline constexpr int most_entrants = 5000;
inline constexpr int default_entrants = 1000;

struct Options {
    Pace pace = Pace::classic;
    bool hurry_when_out = false;  // the rest of a hand the human is out of runs at the fast pace
    Levels levels = Levels::classic;
    Ranking ranking = Ranking::classic;
    Opponents opponents = Opponents::all_seeing;
    Rules rules = Rules::classic;  // the standard rules always rank hands the standard way
    Difficulty difficulty = Difficulty::normal;              // the standard rules' players
    StructureKind structure = StructureKind::classic_clock;  // the standard rules' tournament
    int entrants = default_entrants;  // the field under a structure of its own
    friend bool operator==(const Options&, const Options&) = default;
};

struct PaceTimes {
    int seat_ms;      // the pacing clock
    int showdown_ms;  // the deal timer after the showdown
};
constexpr PaceTimes pace_times(Pace pace) {
    switch (pace) {
        case Pace::quick:
            return {500, 2500};
        case Pace::fast:
            return {150, 1500};
        case Pace::classic:
            break;
    }
    return {1500, 5000};
}

inline constexpr int hands_per_level = 10;

// All the options in a line: "pace=classic hurry=no levels=classic ranking=classic
// opponents=all-seeing", and " rules=standard difficulty=normal" under the standard rules, with
// " structure=regular entrants=1000" when the whole field plays.
std::string options_words(const Options& options);

// The options' names, as the simulator's command line and the settings file write them.
std::string_view name_of(Pace value);
std::string_view name_of(Levels value);
std::string_view name_of(Ranking value);
std::string_view name_of(Opponents value);
std::string_view name_of(Rules value);
std::string_view name_of(Difficulty value);
std::string_view name_of(StructureKind value);
std::optional<Pace> pace_named(std::string_view name);
std::optional<Levels> levels_named(std::string_view name);
std::optional<Ranking> ranking_named(std::string_view name);
std::optional<Opponents> opponents_named(std::string_view name);
std::optional<Rules> rules_named(std::string_view name);
std::optional<Difficulty> difficulty_named(std::string_view name);
std::optional<StructureKind> structure_named(std::string_view name);
// Whether the standard rules play the whole field under a structure (not the classic clock).
bool field_played(const Options& options);
// The options a tournament plays by: the standard rules bring the standard ranking, and their
// computer players know only their own cards.
Options in_force(Options chosen);

}  // namespace holdem
