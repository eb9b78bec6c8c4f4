#include "results/results_reader.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "results/results_database.h"

namespace holdem {

namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, Closer>;

// Runs `sql` with the rules bound to ?1 and a number to ?2 and hands each row to `row`; the
// result code.
template <typename Row>
int each_row(sqlite3* db, const char* sql, const std::string& text, std::int64_t number, Row row) {
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    if (rc != SQLITE_OK) return rc;
    sqlite3_bind_text(s, 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, 2, number);
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        row(s);
    sqlite3_finalize(s);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

std::string text_column(sqlite3_stmt* s, int i) {
    const unsigned char* text = sqlite3_column_text(s, i);
    return text ? reinterpret_cast<const char*>(text) : std::string();
}

int read_leaks(sqlite3* db, const std::string& rules, int schema, Leaks& leaks) {
    int rc = each_row(db,
                      "SELECT h.position, count(*), coalesce(sum(h.chance), 0),"
                      " coalesce(sum(h.vpip), 0), coalesce(sum(h.pfr), 0)"
                      " FROM hands h JOIN tournaments t ON h.tournament = t.id"
                      " WHERE (?1 = '' OR t.rules = ?1) AND ?2 = ?2 AND h.position > 0"
                      " GROUP BY h.position ORDER BY h.position",
                      rules, 0, [&](sqlite3_stmt* s) {
                          PositionFigures p;
                          p.position = sqlite3_column_int(s, 0);
                          p.hands = sqlite3_column_int64(s, 1);
                          p.chances = sqlite3_column_int64(s, 2);
                          if (p.chances > 0) {
                              p.vpip = sqlite3_column_double(s, 3) / static_cast<double>(p.chances);
                              p.pfr = sqlite3_column_double(s, 4) / static_cast<double>(p.chances);
                          }
                          leaks.by_position.push_back(p);
                      });
    if (rc != SQLITE_OK || schema < 3) return rc;
    // A raise before the flop answered by a raise: the human's next decision in the hand.
    rc = each_row(db,
                  "SELECT count(*), coalesce(sum(b.taken = 'Fold'), 0) FROM decisions a"
                  " JOIN decisions b ON b.tournament = a.tournament AND b.hand = a.hand"
                  " AND b.ordinal = a.ordinal + 1 AND b.street = a.street"
                  " JOIN tournaments t ON a.tournament = t.id"
                  " WHERE (?1 = '' OR t.rules = ?1) AND ?2 = ?2 AND a.street = 'preflop'"
                  " AND (a.taken LIKE 'Raise%' OR a.taken LIKE 'Bet%')",
                  rules, 0, [&](sqlite3_stmt* s) {
                      leaks.re_raised = sqlite3_column_int64(s, 0);
                      leaks.folds_to_re_raise = sqlite3_column_int64(s, 1);
                  });
    if (rc == SQLITE_OK)
        rc = each_row(db,
                      "SELECT count(*), coalesce(sum(d.equity < d.needed), 0),"
                      " coalesce(sum(CASE WHEN d.equity < d.needed THEN d.cost ELSE 0 END), 0)"
                      " FROM decisions d JOIN tournaments t ON d.tournament = t.id"
                      " WHERE (?1 = '' OR t.rules = ?1) AND ?2 = ?2 AND d.taken LIKE 'Call%'",
                      rules, 0, [&](sqlite3_stmt* s) {
                          leaks.calls = sqlite3_column_int64(s, 0);
                          leaks.unpaid_calls = sqlite3_column_int64(s, 1);
                          leaks.unpaid_cost = sqlite3_column_double(s, 2);
                      });
    if (rc == SQLITE_OK)
        rc = each_row(db,
                      "SELECT d.street, count(*), coalesce(sum(d.cost), 0)"
                      " FROM decisions d JOIN tournaments t ON d.tournament = t.id"
                      " WHERE (?1 = '' OR t.rules = ?1) AND ?2 = ?2 GROUP BY d.street"
                      " ORDER BY min(CASE d.street WHEN 'preflop' THEN 0 WHEN 'flop' THEN 1"
                      " WHEN 'turn' THEN 2 ELSE 3 END)",
                      rules, 0, [&](sqlite3_stmt* s) {
                          leaks.by_street.push_back({text_column(s, 0), sqlite3_column_int64(s, 1),
                                                     sqlite3_column_double(s, 2)});
                      });
    return rc;
}

}  // namespace

ResultsRead read_results(const std::string& path, const std::string& rules) {
    ResultsRead read;
    OpenedDatabase opened = open_results_database(path, false);
    if (opened.problem) {
        read.no_results = !opened.problem->lasting && ::access(path.c_str(), F_OK) != 0;
        if (!read.no_results) read.problem = opened.problem->why;
        return read;
    }
    Database db(opened.db);
    if (opened.schema == 0) {
        read.no_results = true;
        return read;
    }
    ResultsSummary r;
    // A database of schema 1 is read as it is: its tournaments knew the classic field alone.
    const bool field_kept = opened.schema >= 2;
    const std::string prize_sums =
        field_kept ? "SELECT count(*), count(nullif(prize, 0)), coalesce(sum(prize), 0),"
                     " coalesce(sum(buy_in), 0) FROM tournaments WHERE (?1 = '' OR rules = ?1)"
                     " AND ?2 = ?2 AND buy_in > 0 AND coalesce(final_rank, 0) > 0"
                   : "SELECT 0, 0, 0, 0 WHERE ?1 = ?1 AND ?2 = ?2";
    const std::string rows =
        std::string(
            "SELECT id, name, started, rules, ending, coalesce(final_rank, 0),"
            " coalesce(hands, 0), ") +
        (field_kept ? "coalesce(field_size, 1000), coalesce(structure, ''), coalesce(prize, 0),"
                      " coalesce(buy_in, 0)"
                    : "1000, 'classic clock', 0, 0") +
        " FROM tournaments WHERE (?1 = '' OR rules = ?1) AND ?2 = ?2 ORDER BY id";
    int rc = each_row(db.get(),
                      "SELECT count(*), coalesce(sum(won), 0), count(nullif(final_rank, 0)),"
                      " coalesce(min(nullif(final_rank, 0)), 0),"
                      " coalesce(avg(nullif(final_rank, 0)), 0) FROM tournaments"
                      " WHERE (?1 = '' OR rules = ?1) AND ?2 = ?2",
                      rules, 0, [&](sqlite3_stmt* s) {
                          r.tournaments = sqlite3_column_int(s, 0);
                          r.wins = sqlite3_column_int(s, 1);
                          r.finished = sqlite3_column_int(s, 2);
                          r.best_finish = sqlite3_column_int(s, 3);
                          r.mean_finish = sqlite3_column_double(s, 4);
                      });
    if (rc == SQLITE_OK)
        rc = each_row(db.get(),
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
                          r.showdowns_won =
                              showdowns > 0 ? sqlite3_column_double(s, 5) / showdowns : 0;
                      });
    if (rc == SQLITE_OK)
        rc = each_row(db.get(), prize_sums.c_str(), rules, 0, [&](sqlite3_stmt* s) {
            r.prize_tournaments = sqlite3_column_int(s, 0);
            r.cashes = sqlite3_column_int(s, 1);
            r.prizes = sqlite3_column_int64(s, 2);
            r.buy_ins = sqlite3_column_int64(s, 3);
        });
    if (rc == SQLITE_OK)
        rc = each_row(db.get(), rows.c_str(), rules, 0, [&](sqlite3_stmt* s) {
            TournamentRow row;
            row.id = sqlite3_column_int64(s, 0);
            row.name = text_column(s, 1);
            row.started = text_column(s, 2);
            row.rules = text_column(s, 3);
            row.ending = text_column(s, 4);
            row.final_rank = sqlite3_column_int(s, 5);
            row.hands = sqlite3_column_int64(s, 6);
            row.field_size = sqlite3_column_int(s, 7);
            row.structure = text_column(s, 8);
            row.prize = sqlite3_column_int64(s, 9);
            row.buy_in = sqlite3_column_int64(s, 10);
            read.tournaments.push_back(std::move(row));
        });
    if (rc == SQLITE_OK) rc = read_leaks(db.get(), rules, opened.schema, read.leaks);
    if (rc != SQLITE_OK) {
        read.problem = problem_of(db.get(), rc).why;
        read.tournaments.clear();
        return read;
    }
    read.summary = r;
    read.no_results = r.tournaments == 0;
    if (::access(path.c_str(), W_OK) != 0)
        read.problem = "the results database may not be written, so new results are not kept";
    return read;
}

std::vector<std::int64_t> read_stacks(const std::string& path, std::int64_t tournament) {
    std::vector<std::int64_t> stacks;
    OpenedDatabase opened = open_results_database(path, false);
    if (opened.problem || opened.schema == 0) {
        sqlite3_close(opened.db);
        return stacks;
    }
    Database db(opened.db);
    each_row(db.get(), "SELECT stack FROM hands WHERE ?1 = ?1 AND tournament = ?2 ORDER BY number",
             "", tournament,
             [&](sqlite3_stmt* s) { stacks.push_back(sqlite3_column_int64(s, 0)); });
    return stacks;
}

std::vector<DecisionRow> read_decisions(const std::string& path, std::int64_t tournament,
                                        int most) {
    std::vector<DecisionRow> decisions;
    OpenedDatabase opened = open_results_database(path, false);
    if (opened.problem || opened.schema < 3) {
        sqlite3_close(opened.db);
        return decisions;
    }
    Database db(opened.db);
    const std::string sql =
        "SELECT hand, ordinal, street, position, taken, advised, equity, needed, cost"
        " FROM decisions WHERE ?1 = ?1 AND tournament = ?2 AND cost > 0"
        " ORDER BY cost DESC, hand, ordinal LIMIT " +
        std::to_string(std::max(0, most));
    each_row(db.get(), sql.c_str(), "", tournament, [&](sqlite3_stmt* s) {
        DecisionRow d;
        d.hand = static_cast<std::uint64_t>(sqlite3_column_int64(s, 0));
        d.ordinal = sqlite3_column_int(s, 1);
        d.street = text_column(s, 2);
        d.position = sqlite3_column_int(s, 3);
        d.taken = text_column(s, 4);
        d.advised = text_column(s, 5);
        d.equity = sqlite3_column_double(s, 6);
        d.needed = sqlite3_column_double(s, 7);
        d.cost = sqlite3_column_double(s, 8);
        decisions.push_back(std::move(d));
    });
    return decisions;
}

}  // namespace holdem
