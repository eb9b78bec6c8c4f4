// A saved game: everything the table holds at the start of a hand (records, variables, what
// the controls show, field, clocks, options, the random streams), as a versioned JSON document.
// Loading trusts nothing: a document that does not describe a game that can happen is refused.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/table.h"

namespace holdem {

// 3: the whole field, when a structure of its own plays; 2: game facts only (version 1 also
// kept where controls stood and how they looked).
inline constexpr int snapshot_version = 3;
// Far above any real save (a few KB, some 300 KB with a field of 5,000), far below what could
// hurt to read.
inline constexpr std::size_t max_save_bytes = 4 << 20;

struct SavedField;

// What belongs to the tournament beside the table: its name in the hand histories (letters,
// digits and dashes: it names the history file), and how much of its history file and of its
// file of machine-readable hand records the saved game had written.
struct SavedTournament {
    std::string id;
    std::uint64_t history_length = 0;
    // Saves from before a file was written do not know its length: it is then left as it is.
    std::optional<std::uint64_t> records_length;  // the PHH file (standard rules)
    std::optional<std::uint64_t> replays_length;  // the hand records the hands viewer replays
    // The whole field beside the table, when a structure of its own plays.
    std::shared_ptr<const SavedField> field;
};

std::string save_snapshot(const Table& t, const SavedTournament& tournament);

struct LoadedGame {
    std::unique_ptr<Table> table;
    SavedTournament tournament;
};
// The game, or why the document cannot be trusted. The random streams given take up the
// saved streams' places.
std::variant<LoadedGame, std::string> load_snapshot(std::string_view text,
                                                    std::unique_ptr<Random> deck_random,
                                                    std::unique_ptr<Random> estimate_random);

// What makes a table impossible, if anything: stacks below nothing, more entrants knocked
// out than the field and the table allow, cards repeated, seats out of range, chips that do not
// add up to what the table was given.
std::optional<std::string> impossible(const Table& t);

}  // namespace holdem
