#include "results/results_database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <set>
#include <string_view>
#include <vector>

namespace holdem {

namespace {

struct TableShape {
    const char* name;
    const char* create;
    std::vector<std::string_view> columns;
    std::vector<std::string_view> columns_of_2;  // added by schema 2
    int since = 1;                               // the schema that made the table
};

// What schema 2 added, as it is added to a database of schema 1. The tournaments played before
// knew one field, the classic counter of 1,000, and paid no prizes.
constexpr std::array<const char*, 6> schema_2_steps = {
    "ALTER TABLE tournaments ADD COLUMN field_size INTEGER",
    "ALTER TABLE tournaments ADD COLUMN structure TEXT",
    "ALTER TABLE tournaments ADD COLUMN place INTEGER",
    "ALTER TABLE tournaments ADD COLUMN prize INTEGER",
    "ALTER TABLE tournaments ADD COLUMN buy_in INTEGER",
    "UPDATE tournaments SET field_size = 1000, structure = 'classic clock', place = final_rank,"
    " prize = 0, buy_in = 0",
};

// What schema 3 added: the decisions table, empty for the tournaments played before.
constexpr const char* create_decisions =
    "CREATE TABLE decisions (tournament INTEGER REFERENCES tournaments(id), hand INTEGER,"
    " ordinal INTEGER, street TEXT, position INTEGER, taken TEXT, advised TEXT, equity REAL,"
    " needed REAL, cost REAL, PRIMARY KEY (tournament, hand, ordinal))";

const std::array<TableShape, 3>& tables() {
    static const std::array<TableShape, 3> shapes = {{
        {"tournaments",
         "CREATE TABLE tournaments (id INTEGER PRIMARY KEY, name TEXT UNIQUE, started TEXT,"
         " ended TEXT, rules TEXT, options TEXT, hands INTEGER, final_rank INTEGER, won INTEGER,"
         " ending TEXT, field_size INTEGER, structure TEXT, place INTEGER, prize INTEGER,"
         " buy_in INTEGER)",
         {"id", "name", "started", "ended", "rules", "options", "hands", "final_rank", "won",
          "ending"},
         {"field_size", "structure", "place", "prize", "buy_in"}},
        {"hands",
         "CREATE TABLE hands (tournament INTEGER REFERENCES tournaments(id), number INTEGER,"
         " position INTEGER, chance INTEGER, vpip INTEGER, pfr INTEGER, saw_flop INTEGER,"
         " showdown INTEGER, won_showdown INTEGER, chips INTEGER, stack INTEGER,"
         " PRIMARY KEY (tournament, number))",
         {"tournament", "number", "position", "chance", "vpip", "pfr", "saw_flop", "showdown",
          "won_showdown", "chips", "stack"},
         {}},
        {"decisions",
         create_decisions,
         {"tournament", "hand", "ordinal", "street", "position", "taken", "advised", "equity",
          "needed", "cost"},
         {},
         3},
    }};
    return shapes;
}

DatabaseProblem lasting(std::string why) {
    return {std::move(why), true};
}

// Every row's first column of `sql` as text; false with the code of a failure.
int column_texts(sqlite3* db, const char* sql, std::set<std::string>& out) {
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    if (rc != SQLITE_OK) return rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        if (const unsigned char* text = sqlite3_column_text(s, 0))
            out.insert(reinterpret_cast<const char*>(text));
    sqlite3_finalize(s);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int user_version(sqlite3* db, int& version) {
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr);
    if (rc != SQLITE_OK) return rc;
    rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) version = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    return rc == SQLITE_ROW ? SQLITE_OK : rc;
}

// What the game's own tables lack in a database of schema `version`, if anything.
std::optional<DatabaseProblem> missing_parts(sqlite3* db, const std::set<std::string>& names,
                                             int version) {
    for (const TableShape& shape : tables()) {
        if (shape.since > version) continue;
        if (!names.count(shape.name))
            return lasting(std::string("the results database lacks its table of ") + shape.name +
                           "; it is left as it is");
        std::set<std::string> columns;
        const std::string info =
            std::string("SELECT name FROM pragma_table_info('") + shape.name + "')";
        if (const int rc = column_texts(db, info.c_str(), columns); rc != SQLITE_OK)
            return problem_of(db, rc);
        std::vector<std::string_view> wanted = shape.columns;
        if (version >= 2)
            wanted.insert(wanted.end(), shape.columns_of_2.begin(), shape.columns_of_2.end());
        for (std::string_view column : wanted)
            if (!columns.count(std::string(column)))
                return lasting("the results database's table of " + std::string(shape.name) +
                               " lacks its column " + std::string(column) +
                               "; it is left as it is");
    }
    return std::nullopt;
}

}  // namespace

DatabaseProblem problem_of(sqlite3* db, int code) {
    switch (code & 0xff) {
        case SQLITE_FULL:
            return {"the disk is full", false};
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return {"another program holds the database", false};
        case SQLITE_READONLY:
            return {"the database may not be written", false};
        case SQLITE_CANTOPEN:
            return {"the database cannot be opened", false};
        case SQLITE_IOERR:
            return {"the disk reported an error", false};
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return {"the database may not be read", false};
        case SQLITE_NOMEM:
            return {"the memory ran out", false};
        case SQLITE_NOTADB:
            return lasting("the results file is not a database; it is left as it is");
        case SQLITE_CORRUPT:
            return lasting("the results database is damaged; it is left as it is");
        default:
            break;
    }
    return {db ? sqlite3_errmsg(db) : sqlite3_errstr(code), false};
}

OpenedDatabase open_results_database(const std::string& path, bool for_writing) {
    OpenedDatabase opened;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            opened.problem = lasting("a folder stands where the results database should be");
            return opened;
        }
        if (!S_ISREG(info.st_mode)) {
            opened.problem = lasting("the results file is not an ordinary file");
            return opened;
        }
    } else if (!for_writing) {
        opened.problem = DatabaseProblem{"there are no results yet", false};
        return opened;
    }
    const int flags =
        for_writing ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    sqlite3* db = nullptr;
    if (const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr); rc != SQLITE_OK) {
        opened.problem = problem_of(db, rc);
        sqlite3_close(db);
        return opened;
    }
    // The window's thread writes: it waits a moment for another program's lock, never long.
    sqlite3_busy_timeout(db, for_writing ? 100 : 2000);
    auto refuse = [&](DatabaseProblem problem) {
        sqlite3_close(db);
        opened.problem = std::move(problem);
        return std::move(opened);
    };
    if (for_writing && sqlite3_db_readonly(db, "main") == 1)
        return refuse({"the database may not be written", false});
    std::set<std::string> names;
    if (const int rc = column_texts(db, "SELECT name FROM sqlite_master", names); rc != SQLITE_OK)
        return refuse(problem_of(db, rc));
    int version = 0;
    if (const int rc = user_version(db, version); rc != SQLITE_OK)
        return refuse(problem_of(db, rc));
    if (version == 0 && !names.empty())
        return refuse(
            lasting("the results file is another program's database; it is left as it is"));
    if (version > results_schema)
        return refuse(
            lasting("the results database was made by a newer version of the game "
                    "(schema " +
                    std::to_string(version) + "); it is left as it is"));
    if (version < 0) return refuse(lasting("the results database's version is unknown"));
    if (version > 0)
        if (auto problem = missing_parts(db, names, version)) return refuse(std::move(*problem));
    opened.db = db;
    opened.schema = version;
    return opened;
}

namespace {

// The statements run in one transaction, with the schema set at its end. When one fails,
// everything is rolled back and its code and problem (read before the rollback) come back.
struct Failed {
    int code;
    DatabaseProblem problem;
};
std::optional<Failed> run_in_transaction(sqlite3* db, const std::vector<const char*>& statements) {
    auto exec = [&](const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); };
    int rc = exec("BEGIN IMMEDIATE");
    for (const char* statement : statements)
        if (rc == SQLITE_OK) rc = exec(statement);
    if (rc == SQLITE_OK)
        rc = exec(("PRAGMA user_version = " + std::to_string(results_schema)).c_str());
    if (rc == SQLITE_OK) rc = exec("COMMIT");
    if (rc == SQLITE_OK) return std::nullopt;
    Failed failed{rc, problem_of(db, rc)};
    exec("ROLLBACK");
    return failed;
}

}  // namespace

std::optional<DatabaseProblem> create_results_tables(sqlite3* db) {
    std::vector<const char*> creates;
    for (const TableShape& shape : tables())
        creates.push_back(shape.create);
    if (auto failed = run_in_transaction(db, creates)) return failed->problem;
    return std::nullopt;
}

std::optional<DatabaseProblem> migrate_results_tables(sqlite3* db, int from_schema) {
    if (from_schema >= results_schema) return std::nullopt;
    std::vector<const char*> steps;
    if (from_schema < 2) steps.assign(schema_2_steps.begin(), schema_2_steps.end());
    if (from_schema < 3) steps.push_back(create_decisions);
    const std::optional<Failed> failed = run_in_transaction(db, steps);
    if (!failed) return std::nullopt;
    // A step the database itself refuses (a column of the same name already there) will be
    // refused again: the database is kept as it is for good.
    if ((failed->code & 0xff) == SQLITE_ERROR)
        return lasting("the results database cannot be brought up to this version of the game (" +
                       failed->problem.why + "); it is left as it is");
    return failed->problem;
}

}  // namespace holdem
