#include "results/results_recorder.h"

#include <sqlite3.h>

#include <algorithm>

namespace holdem {

namespace {

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &s_, nullptr) != SQLITE_OK)
            throw ResultsError(std::string("the results database: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(s_); }
    Statement& bind(int i, std::int64_t v) {
        sqlite3_bind_int64(s_, i, v);
        return *this;
    }
    Statement& bind(int i, const std::string& v) {
        sqlite3_bind_text(s_, i, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    int step() { return sqlite3_step(s_); }
    std::int64_t column(int i) { return sqlite3_column_int64(s_, i); }

  private:
    sqlite3_stmt* s_ = nullptr;
};

}  // namespace

ResultsRecorder::ResultsRecorder(const std::string& path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw ResultsError("the results database cannot be opened: " + why);
    }
    try {
        std::int64_t schema = 0;
        {
            Statement version(db_, "PRAGMA user_version");
            if (version.step() != SQLITE_ROW)
                throw ResultsError("the results database is unreadable");
            schema = version.column(0);
        }
        if (schema > results_schema)
            throw ResultsError(
                "the results database was made by a newer version of the game "
                "(schema " +
                std::to_string(schema) + "); it is left as it is");
        // A crash of the program loses nothing written; the disk is synced at checkpoints.
        exec("PRAGMA journal_mode = WAL");
        exec("PRAGMA synchronous = NORMAL");
        if (schema == 0) {
            exec("BEGIN");
            exec(
                "CREATE TABLE tournaments (id INTEGER PRIMARY KEY, name TEXT UNIQUE,"
                " started TEXT, ended TEXT, rules TEXT, options TEXT, hands INTEGER,"
                " final_rank INTEGER, won INTEGER, ending TEXT)");
            exec(
                "CREATE TABLE hands (tournament INTEGER REFERENCES tournaments(id),"
                " number INTEGER, position INTEGER, chance INTEGER, vpip INTEGER, pfr INTEGER,"
                " saw_flop INTEGER, showdown INTEGER, won_showdown INTEGER, chips INTEGER,"
                " stack INTEGER, PRIMARY KEY (tournament, number))");
            exec("PRAGMA user_version = 1");
            exec("COMMIT");
        }
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

ResultsRecorder::~ResultsRecorder() {
    sqlite3_close(db_);
}

void ResultsRecorder::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string why = error ? error : "unknown error";
        sqlite3_free(error);
        throw ResultsError("the results database: " + why);
    }
}

void ResultsRecorder::begin_tournament(const std::string& name, const std::string& started,
                                       const std::string& rules, const std::string& options) {
    // A tournament taken up again goes on in its own row; its replayed hand is written again.
    Statement insert(db_,
                     "INSERT OR IGNORE INTO tournaments (name, started, rules, options, hands)"
                     " VALUES (?, ?, ?, ?, 0)");
    insert.bind(1, name).bind(2, started).bind(3, rules).bind(4, options).step();
    Statement row(db_, "SELECT id FROM tournaments WHERE name = ?");
    row.bind(1, name);
    if (row.step() != SQLITE_ROW) throw ResultsError("the results database lost a tournament");
    tournament_ = row.column(0);
    started_ = started;
}

void ResultsRecorder::hand_started(const Table& t) {
    hand_ = Hand{};
    const Player& me = t.seat(human_seat);
    hand_.dealt = me.Active && !me.sittingout;
    hand_.stack_before = me.prize;
    if (const int dealer = dealer_seat(t)) hand_.position = place_from_dealer(human_seat, dealer);
}

void ResultsRecorder::blind_posted(const Table& t, int seat, Chips amount, bool) {
    if (seat == human_seat) hand_.stack_before = t.seat(human_seat).prize + amount;
}

void ResultsRecorder::action_taken(const Table& t, const ActionEvent& e) {
    if (e.seat != human_seat || e.street != Street::preflop || t.seat(human_seat).sittingout)
        return;
    const Chips before = e.total - std::max<Chips>(0, e.amount);
    if (e.bet_before > before) hand_.chance = true;
    if (e.amount > 0) hand_.vpip = true;
    if (e.action == Action::raise || (e.action == Action::all_in && e.total > e.bet_before))
        hand_.pfr = true;
}

void ResultsRecorder::street_dealt(const Table& t, Street street) {
    if (street == Street::flop && !t.seat(human_seat).fold) hand_.saw_flop = true;
}

void ResultsRecorder::showdown_started(const Table& t) {
    hand_.showdown = !t.seat(human_seat).fold && !t.seat(human_seat).sittingout;
}

void ResultsRecorder::pot_won(const Table&, int seat, Chips) {
    if (seat == human_seat && hand_.showdown) hand_.won_showdown = true;
}

void ResultsRecorder::pot_awarded(const Table& t) {
    if (!tournament_) return;
    if (!hand_.dealt) return;
    exec("BEGIN");
    Statement insert(db_, "INSERT OR REPLACE INTO hands VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, tournament_)
        .bind(2, static_cast<std::int64_t>(t.hands_started))
        .bind(3, hand_.position)
        .bind(4, hand_.chance)
        .bind(5, hand_.vpip)
        .bind(6, hand_.pfr)
        .bind(7, hand_.saw_flop)
        .bind(8, hand_.showdown)
        .bind(9, hand_.won_showdown)
        .bind(10, static_cast<std::int64_t>(t.seat(human_seat).prize) - hand_.stack_before)
        .bind(11, t.seat(human_seat).prize)
        .step();
    Statement count(db_, "UPDATE tournaments SET hands = ? WHERE id = ?");
    count.bind(1, static_cast<std::int64_t>(t.hands_started)).bind(2, tournament_).step();
    exec("COMMIT");
}

void ResultsRecorder::game_ended(const Table& t, GameEnd why) {
    const char* endings[] = {"exit", "broke", "won", "overflow"};
    finish_tournament(t, endings[static_cast<int>(why)]);
}

void ResultsRecorder::finish_tournament(const Table& t, const char* ending) {
    if (!tournament_) return;
    Statement update(db_,
                     "UPDATE tournaments SET ended = ?, hands = ?, final_rank = ?, won = ?,"
                     " ending = ? WHERE id = ?");
    update.bind(1, clock_ ? clock_() : started_)
        .bind(2, static_cast<std::int64_t>(t.hands_started))
        .bind(3, field_size - t.field.eliminated)
        .bind(4, std::string(ending) == "won")
        .bind(5, std::string(ending))
        .bind(6, tournament_)
        .step();
    tournament_ = 0;
}

}  // namespace holdem
