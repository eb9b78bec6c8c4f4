// The results database's schema and the checks made before the game reads or changes one: the
// file is a regular file, an SQLite database, and the game's own (its tables and columns, its
// version), or it is left as it is with the reason in the player's words.
#pragma once

#include <optional>
#include <string>

struct sqlite3;

namespace holdem {

// The schema this program writes and reads (the database's user_version). Version 2 added each
// tournament's field size, structure, finishing place, prize and buy-in; version 3 the human's
// decisions, each graded against the advisor's move.
inline constexpr int results_schema = 3;

// Why a database cannot be used, and whether trying again later may help (a full disk, a lock
// held by another program) or not (another program's database, a newer schema, garbage).
struct DatabaseProblem {
    std::string why;
    bool lasting = false;
};

// Opens the database at `path` for writing (made when missing) or for reading only; checks it
// before anything is changed. A database with no tables at all is the game's to fill.
struct OpenedDatabase {
    sqlite3* db = nullptr;  // the caller closes it
    int schema = 0;         // 0: empty, the game's tables still to be made
    std::optional<DatabaseProblem> problem;
};
OpenedDatabase open_results_database(const std::string& path, bool for_writing);

// The game's tables made in an empty database, in one transaction.
std::optional<DatabaseProblem> create_results_tables(sqlite3* db);

// A database of an older schema brought up to this one in one transaction: nothing changes
// when it fails.
std::optional<DatabaseProblem> migrate_results_tables(sqlite3* db, int from_schema);

// SQLite's result code in the player's words: "the disk is full".
DatabaseProblem problem_of(sqlite3* db, int code);

}  // namespace holdem
