#include "results/results_recorder.h"

#include <sqlite3.h>

#include <algorithm>

namespace holdem {

namespace {

// Hands kept in memory while the database cannot be written: far more than a tournament has.
constexpr std::size_t max_waiting_hands = 200'000;

// One statement, stepped to its end; the result code of the first failure.
class Statement {
  public:
    Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& bind(int i, std::int64_t v) {
        if (rc_ == SQLITE_OK) rc_ = sqlite3_bind_int64(s_, i, v);
        return *this;
    }
    Statement& bind_real(int i, double v) {
        if (rc_ == SQLITE_OK) rc_ = sqlite3_bind_double(s_, i, v);
        return *this;
    }
    Statement& bind(int i, const std::string& v) {
        if (rc_ == SQLITE_OK)
            rc_ = sqlite3_bind_text(s_, i, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // Runs the statement to its end (a row read is kept for `column`); the statement is reset,
    // so none stays in progress when the transaction commits.
    int run() {
        if (rc_ != SQLITE_OK) return rc_;
        int rc = sqlite3_step(s_);
        if (rc == SQLITE_ROW) {
            row_ = sqlite3_column_int64(s_, 0);
            rc = sqlite3_step(s_);
        }
        sqlite3_reset(s_);
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    std::optional<std::int64_t> row() const { return row_; }

  private:
    sqlite3_stmt* s_ = nullptr;
    int rc_ = SQLITE_OK;
    std::optional<std::int64_t> row_;
};

int exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

}  // namespace

TournamentEntry entry_for(const Options& options) {
    if (!field_played(options)) return {};
    return {options.entrants, std::string(name_of(options.structure)), tournament::default_buy_in};
}

TournamentFinish finish_in(const tournament::Field& field) {
    const tournament::Entrant& me = field.entrant(field.human());
    if (me.place > 0) return {me.place, me.prize};
    const int last = field.players_left();
    return {last, field.payouts().prize_for(last)};
}

ResultsRecorder::ResultsRecorder(std::string path) : path_(std::move(path)) {
    open();
}

ResultsRecorder::~ResultsRecorder() {
    // A last try for what still waits.
    if (!problem_ || !problem_->lasting) flush();
    sqlite3_close(db_);
}

std::size_t ResultsRecorder::waiting() const {
    std::size_t n = 0;
    for (const Work& w : work_)
        n += w.hands.size();
    return n;
}

void ResultsRecorder::fail(DatabaseProblem problem) {
    problem_ = std::move(problem);
}

bool ResultsRecorder::open() {
    if (db_) return true;
    if (problem_ && problem_->lasting) return false;
    OpenedDatabase opened = open_results_database(path_, true);
    if (opened.problem) {
        fail(std::move(*opened.problem));
        return false;
    }
    db_ = opened.db;
    auto refuse = [&](DatabaseProblem problem) {
        sqlite3_close(db_);
        db_ = nullptr;
        fail(std::move(problem));
        return false;
    };
    // An older database is brought up to date before anything else touches it, so that one
    // that cannot be is left exactly as it was.
    if (opened.schema > 0)
        if (auto problem = migrate_results_tables(db_, opened.schema))
            return refuse(std::move(*problem));
    // A crash of the program loses nothing written; the disk is synced at checkpoints. A disk
    // that cannot take the log's files keeps the database in its own journal.
    exec(db_, "PRAGMA journal_mode = WAL");
    exec(db_, "PRAGMA synchronous = NORMAL");
    if (opened.schema == 0)
        if (auto problem = create_results_tables(db_)) return refuse(std::move(*problem));
    return true;
}

void ResultsRecorder::begin_tournament(const std::string& name, const std::string& started,
                                       const std::string& rules, const std::string& options,
                                       TournamentEntry entry) {
    Work work;
    work.entry = std::move(entry);
    work.name = name;
    work.started = started;
    work.rules = rules;
    work.options = options;
    work_.push_back(std::move(work));
    flush();
}

// Everything waiting goes in, a tournament a transaction; what fails waits for the next try.
void ResultsRecorder::flush() {
    if (work_.empty() || !open()) return;
    while (!work_.empty()) {
        Work& work = work_.front();
        if (exec(db_, "BEGIN IMMEDIATE") != SQLITE_OK) {
            fail(problem_of(db_, sqlite3_errcode(db_)));
            return;
        }
        if (const int rc = write(work); rc != SQLITE_OK || exec(db_, "COMMIT") != SQLITE_OK) {
            const int code = rc != SQLITE_OK ? rc : sqlite3_errcode(db_);
            fail(problem_of(db_, code));
            exec(db_, "ROLLBACK");
            if (!sqlite3_get_autocommit(db_)) {
                // A connection that cannot even roll back is started afresh at the next try.
                sqlite3_close(db_);
                db_ = nullptr;
            }
            work.id = 0;  // the row may have been rolled back with the rest
            return;
        }
        work.hands.clear();
        work.decisions.clear();
        if (work.end || work_.size() > 1)
            work_.pop_front();
        else
            break;
    }
    problem_.reset();
}

int ResultsRecorder::write(Work& work) {
    if (work.id == 0) {
        // A tournament taken up again goes on in its own row; its replayed hand is written again.
        Statement insert(db_,
                         "INSERT OR IGNORE INTO tournaments (name, started, rules, options, hands,"
                         " field_size, structure, buy_in) VALUES (?, ?, ?, ?, 0, ?, ?, ?)");
        if (int rc = insert.bind(1, work.name)
                         .bind(2, work.started)
                         .bind(3, work.rules)
                         .bind(4, work.options)
                         .bind(5, work.entry.field_size)
                         .bind(6, work.entry.structure)
                         .bind(7, work.entry.buy_in)
                         .run();
            rc != SQLITE_OK)
            return rc;
        Statement row(db_, "SELECT id FROM tournaments WHERE name = ?");
        if (int rc = row.bind(1, work.name).run(); rc != SQLITE_OK) return rc;
        if (!row.row()) return SQLITE_CORRUPT;
        work.id = *row.row();
    }
    Statement insert(db_, "INSERT OR REPLACE INTO hands VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const HandRow& h : work.hands) {
        const int rc = insert.bind(1, work.id)
                           .bind(2, static_cast<std::int64_t>(h.number))
                           .bind(3, h.position)
                           .bind(4, h.chance)
                           .bind(5, h.vpip)
                           .bind(6, h.pfr)
                           .bind(7, h.saw_flop)
                           .bind(8, h.showdown)
                           .bind(9, h.won_showdown)
                           .bind(10, h.chips)
                           .bind(11, h.stack)
                           .run();
        if (rc != SQLITE_OK) return rc;
    }
    Statement decision(db_,
                       "INSERT OR REPLACE INTO decisions VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const DecisionRow& d : work.decisions) {
        const int rc = decision.bind(1, work.id)
                           .bind(2, static_cast<std::int64_t>(d.hand))
                           .bind(3, d.ordinal)
                           .bind(4, d.street)
                           .bind(5, d.position)
                           .bind(6, d.taken)
                           .bind(7, d.advised)
                           .bind_real(8, d.equity)
                           .bind_real(9, d.needed)
                           .bind_real(10, d.cost)
                           .run();
        if (rc != SQLITE_OK) return rc;
    }
    if (work.hands_dealt > 0) {
        Statement count(db_, "UPDATE tournaments SET hands = ? WHERE id = ?");
        if (int rc =
                count.bind(1, static_cast<std::int64_t>(work.hands_dealt)).bind(2, work.id).run();
            rc != SQLITE_OK)
            return rc;
    }
    if (work.end) {
        const Ending& e = *work.end;
        Statement update(db_,
                         "UPDATE tournaments SET ended = ?, hands = ?, final_rank = ?, won = ?,"
                         " ending = ?, place = ?, prize = ? WHERE id = ?");
        return update.bind(1, e.ended)
            .bind(2, static_cast<std::int64_t>(e.hands))
            .bind(3, e.final_rank)
            .bind(4, e.ending == "won")
            .bind(5, e.ending)
            .bind(6, e.final_rank)
            .bind(7, e.prize)
            .bind(8, work.id)
            .run();
    }
    return SQLITE_OK;
}

void ResultsRecorder::record_decision(DecisionRow row) {
    if (work_.empty()) return;
    work_.back().decisions.push_back(std::move(row));
}

void ResultsRecorder::hand_started(const Table& t) {
    hand_ = Hand{};
    const Player& me = t.seat(human_seat);
    hand_.dealt = me.Active && !me.sittingout;
    hand_.stack_before = me.prize;
    hand_.row.number = t.hands_started;
    if (const int dealer = dealer_seat(t))
        hand_.row.position = place_from_dealer(human_seat, dealer);
}

void ResultsRecorder::ante_posted(const Table&, int seat, Chips amount) {
    if (seat == human_seat) hand_.ante = amount;
}

void ResultsRecorder::blind_posted(const Table& t, int seat, Chips amount, bool) {
    if (seat == human_seat) hand_.stack_before = t.seat(human_seat).prize + amount + hand_.ante;
}

void ResultsRecorder::action_taken(const Table& t, const ActionEvent& e) {
    if (e.seat != human_seat || e.street != Street::preflop || t.seat(human_seat).sittingout)
        return;
    const Chips before = e.total - std::max<Chips>(0, e.amount);
    if (e.bet_before > before) hand_.row.chance = true;
    if (e.amount > 0) hand_.row.vpip = true;
    if (e.action == Action::raise || (e.action == Action::all_in && e.total > e.bet_before))
        hand_.row.pfr = true;
}

void ResultsRecorder::street_dealt(const Table& t, Street street) {
    if (street == Street::flop && !t.seat(human_seat).fold) hand_.row.saw_flop = true;
}

void ResultsRecorder::showdown_started(const Table& t) {
    hand_.row.showdown = !t.seat(human_seat).fold && !t.seat(human_seat).sittingout;
}

void ResultsRecorder::pot_won(const Table&, int seat, Chips) {
    if (seat == human_seat && hand_.row.showdown) hand_.row.won_showdown = true;
}

void ResultsRecorder::pot_awarded(const Table& t) {
    if (work_.empty() || work_.back().end || !hand_.dealt) return;
    Work& work = work_.back();
    hand_.row.chips = static_cast<std::int64_t>(t.seat(human_seat).prize) - hand_.stack_before;
    hand_.row.stack = t.seat(human_seat).prize;
    if (waiting() < max_waiting_hands) work.hands.push_back(hand_.row);
    work.hands_dealt = t.hands_started;
    hand_.dealt = false;
    flush();
}

void ResultsRecorder::game_ended(const Table& t, GameEnd why) {
    if (work_.empty() || work_.back().end) return;
    const char* endings[] = {"exit", "broke", "won", "overflow"};
    Ending e;
    e.ended = clock_ ? clock_() : work_.back().started;
    e.ending = endings[static_cast<int>(why)];
    e.hands = t.hands_started;
    e.final_rank = field_size - t.field.eliminated;
    if (finish_)
        if (const std::optional<TournamentFinish> f = finish_()) {
            e.final_rank = f->place;
            e.prize = f->prize;
        }
    work_.back().end = std::move(e);
    flush();
}

}  // namespace holdem
