#include "results/results_reader.h"

#include <sqlite3.h>

#include <memory>

#include "results/results_recorder.h"

namespace holdem {

namespace {

// A read-only connection, or none for a database this program cannot read.
struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, Closer>;

Database open_for_reading(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    Database open(db);
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr) != SQLITE_OK) return nullptr;
    const bool ours = sqlite3_step(s) == SQLITE_ROW && sqlite3_column_int(s, 0) == results_schema;
    sqlite3_finalize(s);
    return ours ? std::move(open) : nullptr;
}

// Runs `sql` with the rules bound to ?1 (when it has one) and hands each row to `row`.
template <typename Row>
void each_row(sqlite3* db, const char* sql, const std::string& text, std::int64_t number, Row row) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) return;
    sqlite3_bind_text(s, 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, 2, number);
    while (sqlite3_step(s) == SQLITE_ROW)
        row(s);
    sqlite3_finalize(s);
}

}  // namespace

std::optional<ResultsSummary> read_summary(const std::string& path, const std::string& rules) {
    Database db = open_for_reading(path);
    if (!db) return std::nullopt;
    ResultsSummary r;
    each_row(db.get(),
             "SELECT count(*), coalesce(sum(won), 0), coalesce(min(nullif(final_rank, 0)), 0),"
             " coalesce(avg(nullif(final_rank, 0)), 0) FROM tournaments"
             " WHERE (?1 = '' OR rules = ?1) AND ?2 = ?2",
             rules, 0, [&](sqlite3_stmt* s) {
                 r.tournaments = sqlite3_column_int(s, 0);
                 r.wins = sqlite3_column_int(s, 1);
                 r.best_finish = sqlite3_column_int(s, 2);
                 r.mean_finish = sqlite3_column_double(s, 3);
             });
    each_row(db.get(),
             "SELECT count(*), coalesce(sum(h.vpip), 0), coalesce(sum(h.pfr), 0),"
             " coalesce(sum(h.chance), 0), coalesce(sum(h.showdown), 0),"
             " coalesce(sum(h.won_showdown), 0), coalesce(sum(h.vpip AND NOT h.pfr), 0)"
             " FROM hands h JOIN tournaments t ON h.tournament = t.id"
             " WHERE (?1 = '' OR t.rules = ?1) AND ?2 = ?2",
             rules, 0, [&](sqlite3_stmt* s) {
                 r.hands = sqlite3_column_int64(s, 0);
                 const double chances = sqlite3_column_double(s, 3);
                 if (chances > 0) {
                     r.vpip = sqlite3_column_double(s, 1) / chances;
                     r.pfr = sqlite3_column_double(s, 2) / chances;
                 }
                 const double calls = sqlite3_column_double(s, 6);
                 r.aggression = calls > 0 ? sqlite3_column_double(s, 2) / calls : 0;
                 const double showdowns = sqlite3_column_double(s, 4);
                 r.showdowns_won = showdowns > 0 ? sqlite3_column_double(s, 5) / showdowns : 0;
             });
    return r;
}

std::vector<TournamentRow> read_tournaments(const std::string& path, const std::string& rules) {
    std::vector<TournamentRow> rows;
    Database db = open_for_reading(path);
    if (!db) return rows;
    each_row(db.get(),
             "SELECT id, name, started, coalesce(final_rank, 0) FROM tournaments"
             " WHERE (?1 = '' OR rules = ?1) AND ?2 = ?2 ORDER BY id",
             rules, 0, [&](sqlite3_stmt* s) {
                 TournamentRow row;
                 row.id = sqlite3_column_int64(s, 0);
                 row.name = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
                 row.started = reinterpret_cast<const char*>(sqlite3_column_text(s, 2));
                 row.final_rank = sqlite3_column_int(s, 3);
                 rows.push_back(std::move(row));
             });
    return rows;
}

std::vector<std::int64_t> read_stacks(const std::string& path, std::int64_t tournament) {
    std::vector<std::int64_t> stacks;
    Database db = open_for_reading(path);
    if (!db) return stacks;
    each_row(db.get(), "SELECT stack FROM hands WHERE ?1 = ?1 AND tournament = ?2 ORDER BY number",
             "", tournament,
             [&](sqlite3_stmt* s) { stacks.push_back(sqlite3_column_int64(s, 0)); });
    return stacks;
}

}  // namespace holdem
