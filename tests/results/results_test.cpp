// The results database when the disk or the database misbehaves: a full disk, another program
// holding the database, a database of this version with a part missing, another program's
// database, garbage, a folder or a pipe in its place. The game never stops for any of them, says
// why results are not kept, keeps what waits once it can, and changes nothing it may not.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "results/results_reader.h"
#include "results/results_recorder.h"
#include "support/full_disk.h"
#include "support/table_fixture.h"

namespace holdem {
namespace {

namespace fs = std::filesystem;
using testing::FullDisk;

fs::path empty_folder(const std::string& name) {
    const auto folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void sql(const fs::path& db, const char* statement) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &handle), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(handle, statement, nullptr, nullptr, nullptr), SQLITE_OK) << statement;
    sqlite3_close(handle);
}

std::int64_t count(const fs::path& db, const char* query) {
    sqlite3* handle = nullptr;
    sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    std::int64_t n = -1;
    if (sqlite3_prepare_v2(handle, query, -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW)
        n = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    sqlite3_close(handle);
    return n;
}

// The tables of the first schema, before the field, the structure and the prizes were kept.
constexpr const char* schema_1_tables =
    "CREATE TABLE tournaments (id INTEGER PRIMARY KEY, name TEXT UNIQUE, started TEXT,"
    " ended TEXT, rules TEXT, options TEXT, hands INTEGER, final_rank INTEGER, won INTEGER,"
    " ending TEXT);"
    " CREATE TABLE hands (tournament INTEGER REFERENCES tournaments(id), number INTEGER,"
    " position INTEGER, chance INTEGER, vpip INTEGER, pfr INTEGER, saw_flop INTEGER,"
    " showdown INTEGER, won_showdown INTEGER, chips INTEGER, stack INTEGER,"
    " PRIMARY KEY (tournament, number));";

// A classic table whose human folds, watched by the recorder, played hand by hand.
struct RecordedGame {
    std::unique_ptr<Table> t = std::make_unique<Table>(std::make_unique<SeededRandom>(4));
    ResultsRecorder recorder;
    explicit RecordedGame(const fs::path& db, const char* name = "t1",
                          TournamentEntry entry = TournamentEntry())
        : recorder(db.string()) {
        recorder.begin_tournament(name, "2026-12-07 10:00:00", "classic", "", std::move(entry));
        t->observers.push_back(&recorder);
        start_game(*t);
    }
    // Plays until `hands` hands have been paid out.
    void play_to(std::uint64_t hands) {
        while (!t->ended && !(t->loop.next_is(TimerId::Timer1) && t->hands_started >= hands)) {
            if (human_turn_open(*t))
                click(*t, ctl::Fold);
            else
                run_until(*t, *t->loop.next_deadline());
        }
    }
};

TEST(ResultsDatabase, AFullDiskNeverStopsTheGameAndWhatWaitedGoesInOnceThereIsRoom) {
    const auto folder = empty_folder("holdem-results-full");
    const fs::path db = folder / "results.db";
    RecordedGame game(db);
    game.play_to(2);
    EXPECT_FALSE(game.recorder.problem());
    {
        const FullDisk full;
        game.play_to(6);
        ASSERT_TRUE(game.recorder.problem());
        EXPECT_EQ(game.recorder.problem()->why, "the disk is full");
        EXPECT_FALSE(game.recorder.problem()->lasting);
        EXPECT_GE(game.recorder.waiting(), 3u);
    }
    game.play_to(8);
    EXPECT_FALSE(game.recorder.problem());
    EXPECT_EQ(game.recorder.waiting(), 0u);
    EXPECT_EQ(count(db, "SELECT count(*) FROM hands"), 8);
    EXPECT_EQ(count(db, "SELECT hands FROM tournaments"), 8);
    game.t->observers.clear();
    fs::remove_all(folder);
}

TEST(ResultsDatabase, AFullDiskFromTheStartKeepsEverythingOnceThereIsRoom) {
    const auto folder = empty_folder("holdem-results-full-start");
    const fs::path db = folder / "results.db";
    std::optional<RecordedGame> game;
    {
        const FullDisk full;
        game.emplace(db);
        game->play_to(3);
        ASSERT_TRUE(game->recorder.problem());
    }
    game->play_to(5);
    EXPECT_FALSE(game->recorder.problem());
    EXPECT_EQ(count(db, "SELECT count(*) FROM hands"), 5);
    game->t->observers.clear();
    fs::remove_all(folder);
}

// Another program holds the database (BEGIN EXCLUSIVE in a process of its own) for some hands.
TEST(ResultsDatabase, ADatabaseLockedByAnotherProgramWaitsForItsRelease) {
    const auto folder = empty_folder("holdem-results-locked");
    const fs::path db = folder / "results.db";
    RecordedGame game(db);
    game.play_to(2);
    int locked[2], release[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* other = nullptr;
        sqlite3_open(db.c_str(), &other);
        const int rc = sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        char byte = rc == SQLITE_OK ? 'y' : 'n';
        if (::write(locked[1], &byte, 1) != 1) ::_exit(2);
        if (::read(release[0], &byte, 1) != 1) ::_exit(2);
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(locked[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    game.play_to(5);
    ASSERT_TRUE(game.recorder.problem());
    EXPECT_EQ(game.recorder.problem()->why, "another program holds the database");
    ASSERT_EQ(::write(release[1], "x", 1), 1);
    ::waitpid(child, nullptr, 0);
    game.play_to(6);
    EXPECT_FALSE(game.recorder.problem());
    EXPECT_EQ(count(db, "SELECT count(*) FROM hands"), 6);
    game.t->observers.clear();
    fs::remove_all(folder);
}

// Databases the game did not write, or cannot trust, are refused for good and left byte for
// byte as they were: no log switched on, no table added.
TEST(ResultsDatabase, DatabasesThatAreNotTheGamesAreLeftUntouched) {
    const auto folder = empty_folder("holdem-results-foreign");
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        std::string_view why;
    };
    const Case cases[] = {
        {"another program's database",
         [](const fs::path& p) { sql(p, "CREATE TABLE recipes (name TEXT)"); },
         "the results file is another program's database; it is left as it is"},
        {"a newer schema", [](const fs::path& p) { sql(p, "PRAGMA user_version = 99"); },
         "the results database was made by a newer version of the game (schema 99); it is "
         "left as it is"},
        {"a table missing",
         [](const fs::path& p) {
             sql(p,
                 "CREATE TABLE tournaments (id INTEGER PRIMARY KEY, name TEXT UNIQUE,"
                 " started TEXT, ended TEXT, rules TEXT, options TEXT, hands INTEGER,"
                 " final_rank INTEGER, won INTEGER, ending TEXT); PRAGMA user_version = 1");
         },
         "the results database lacks its table of hands; it is left as it is"},
        {"a column missing",
         [](const fs::path& p) {
             sql(p,
                 "CREATE TABLE tournaments (id INTEGER PRIMARY KEY, name TEXT);"
                 " CREATE TABLE hands (tournament INTEGER); PRAGMA user_version = 1");
         },
         "the results database's table of tournaments lacks its column started; it is left as "
         "it is"},
        {"an older database that cannot be brought up to date",
         [](const fs::path& p) {
             sql(p, (std::string(schema_1_tables) +
                     " ALTER TABLE tournaments ADD COLUMN prize TEXT; PRAGMA user_version = 1")
                        .c_str());
         },
         "the results database cannot be brought up to this version of the game (duplicate "
         "column name: prize); it is left as it is"},
        {"garbage", [](const fs::path& p) { std::ofstream(p) << std::string(8192, 'x'); },
         "the results file is not a database; it is left as it is"},
    };
    for (const Case& c : cases) {
        const fs::path db = folder / "results.db";
        fs::remove_all(db);
        c.make(db);
        const std::string before = bytes_of(db);
        {
            RecordedGame game(db);
            game.play_to(3);
            ASSERT_TRUE(game.recorder.problem()) << c.what;
            EXPECT_EQ(game.recorder.problem()->why, c.why) << c.what;
            EXPECT_TRUE(game.recorder.problem()->lasting) << c.what;
            game.t->observers.clear();
        }
        EXPECT_EQ(bytes_of(db), before) << c.what;
        EXPECT_FALSE(fs::exists(folder / "results.db-wal")) << c.what;
        // The statistics say what is wrong instead of "no results yet"; an older database
        // they can still read as it is.
        if (c.why.find("brought up") != std::string_view::npos) continue;
        const ResultsRead read = read_results(db.string(), "");
        EXPECT_EQ(read.problem, c.why) << c.what;
        EXPECT_FALSE(read.no_results) << c.what;
    }
    fs::remove_all(folder);
}

// A database of the first schema keeps every tournament it holds: they are read as played in
// the classic field of 1,000 for no prize, and the new ones are written beside them.
TEST(ResultsDatabase, AnOlderDatabaseIsBroughtUpToDateKeepingItsTournaments) {
    const auto folder = empty_folder("holdem-results-older");
    const fs::path db = folder / "results.db";
    sql(db,
        (std::string(schema_1_tables) +
         " INSERT INTO tournaments VALUES (1, 'old', '2026-01-02 03:04:05', '2026-01-02 04:00:00',"
         " 'classic', '', 120, 412, 0, 'broke');"
         " INSERT INTO hands VALUES (1, 1, 0, 1, 0, 0, 0, 0, 0, -20, 980);"
         " PRAGMA user_version = 1")
            .c_str());
    const ResultsRead before = read_results(db.string(), "");
    ASSERT_TRUE(before.problem.empty()) << before.problem;
    ASSERT_EQ(before.tournaments.size(), 1u);
    EXPECT_EQ(before.tournaments[0].field_size, 1000);
    EXPECT_EQ(count(db, "PRAGMA user_version"), 1);  // reading changes nothing
    {
        RecordedGame game(db);
        game.play_to(2);
        EXPECT_FALSE(game.recorder.problem());
        game.t->observers.clear();
    }
    EXPECT_EQ(count(db, "PRAGMA user_version"), results_schema);
    EXPECT_EQ(count(db, "SELECT count(*) FROM decisions"), 0);
    EXPECT_EQ(count(db,
                    "SELECT count(*) FROM tournaments WHERE id = 1 AND field_size = 1000"
                    " AND structure = 'classic clock' AND place = 412 AND prize = 0"
                    " AND buy_in = 0 AND hands = 120"),
              1);
    EXPECT_EQ(count(db, "SELECT count(*) FROM hands"), 3);
    const ResultsRead after = read_results(db.string(), "");
    ASSERT_EQ(after.tournaments.size(), 2u);
    EXPECT_EQ(after.tournaments[0].final_rank, 412);
    ASSERT_TRUE(after.summary);
    EXPECT_EQ(after.summary->prize_tournaments, 0);
    fs::remove_all(folder);
}

// A tournament played for prizes keeps its field, structure, buy-in, place and prize, and the
// statistics count the cashes and what they returned.
TEST(ResultsDatabase, APrizeTournamentKeepsItsPlaceAndPrize) {
    const auto folder = empty_folder("holdem-results-prize");
    const fs::path db = folder / "results.db";
    for (const auto& [name, place, prize] :
         {std::tuple{"paid", 137, std::int64_t{180}}, std::tuple{"unpaid", 400, std::int64_t{0}}}) {
        RecordedGame game(db, name, {1000, "Regular", 100});
        game.recorder.set_finish([place, prize] {
            return std::optional<TournamentFinish>({place, prize});
        });
        game.play_to(2);
        end_game(*game.t, GameEnd::HumanBroke);
        game.t->observers.clear();
    }
    const ResultsRead read = read_results(db.string(), "");
    ASSERT_TRUE(read.problem.empty()) << read.problem;
    ASSERT_EQ(read.tournaments.size(), 2u);
    const TournamentRow& paid = read.tournaments[0];
    EXPECT_EQ(paid.final_rank, 137);
    EXPECT_EQ(paid.prize, 180);
    EXPECT_EQ(paid.buy_in, 100);
    EXPECT_EQ(paid.field_size, 1000);
    EXPECT_EQ(paid.structure, "Regular");
    ASSERT_TRUE(read.summary);
    EXPECT_EQ(read.summary->prize_tournaments, 2);
    EXPECT_EQ(read.summary->cashes, 1);
    EXPECT_EQ(read.summary->prizes, 180);
    EXPECT_EQ(read.summary->buy_ins, 200);
    fs::remove_all(folder);
}

// Graded decisions go in with their hand and come back the costliest first; the leaks count
// the raises given up to a re-raise, the calls the price did not pay for and the cost on each
// street, and VPIP and PFR by position.
TEST(ResultsDatabase, GradedDecisionsAndTheLeaksTheyShowAreKept) {
    const auto folder = empty_folder("holdem-results-decisions");
    const fs::path db = folder / "results.db";
    {
        RecordedGame game(db);
        auto row = [](std::uint64_t hand, int ordinal, const char* street, const char* taken,
                      double equity, double needed, double cost) {
            DecisionRow d;
            d.hand = hand;
            d.ordinal = ordinal;
            d.street = street;
            d.position = 4;
            d.taken = taken;
            d.advised = "Fold";
            d.equity = equity;
            d.needed = needed;
            d.cost = cost;
            return d;
        };
        game.recorder.record_decision(row(1, 1, "preflop", "Raise to 60", 0.3, 0, 5));
        game.recorder.record_decision(row(1, 2, "preflop", "Fold", 0.3, 0.35, 0));
        game.recorder.record_decision(row(2, 1, "preflop", "Raise to 60", 0.5, 0, 0));
        game.recorder.record_decision(row(2, 2, "preflop", "Call 140", 0.4, 0.3, 0));
        game.recorder.record_decision(row(2, 3, "flop", "Call 600", 0.18, 0.33, 150));
        game.recorder.record_decision(row(2, 4, "river", "Call 900", 0.1, 0.3, 420));
        game.play_to(3);
        EXPECT_FALSE(game.recorder.problem());
        game.t->observers.clear();
    }
    const ResultsRead read = read_results(db.string(), "");
    ASSERT_TRUE(read.problem.empty()) << read.problem;
    const std::vector<DecisionRow> worst = read_decisions(db.string(), read.tournaments[0].id, 2);
    ASSERT_EQ(worst.size(), 2u);
    EXPECT_EQ(worst[0].taken, "Call 900");
    EXPECT_EQ(worst[0].street, "river");
    EXPECT_DOUBLE_EQ(worst[0].cost, 420);
    EXPECT_EQ(worst[1].hand, 2u);
    EXPECT_EQ(worst[1].ordinal, 3);
    EXPECT_EQ(read_decisions(db.string(), read.tournaments[0].id, 10).size(), 3u);  // cost > 0

    const Leaks& leaks = read.leaks;
    EXPECT_EQ(leaks.re_raised, 2);
    EXPECT_EQ(leaks.folds_to_re_raise, 1);
    EXPECT_EQ(leaks.calls, 3);
    EXPECT_EQ(leaks.unpaid_calls, 2);
    EXPECT_DOUBLE_EQ(leaks.unpaid_cost, 570);
    ASSERT_EQ(leaks.by_street.size(), 3u);
    EXPECT_EQ(leaks.by_street[0].street, "preflop");
    EXPECT_EQ(leaks.by_street[0].decisions, 4);
    EXPECT_EQ(leaks.by_street[2].street, "river");
    // The classic human folds every hand: no VPIP from any position it was dealt in.
    ASSERT_FALSE(leaks.by_position.empty());
    std::int64_t hands = 0;
    for (const PositionFigures& p : leaks.by_position) {
        EXPECT_EQ(p.vpip, 0);
        hands += p.hands;
    }
    EXPECT_EQ(hands, read.summary->hands);
    fs::remove_all(folder);
}

TEST(ResultsDatabase, AFolderOrAPipeInTheDatabasesPlaceIsRefusedAtOnce) {
    const auto folder = empty_folder("holdem-results-kinds");
    const fs::path in_the_way = folder / "results.db";
    fs::create_directory(in_the_way);
    {
        ResultsRecorder recorder(in_the_way.string());
        ASSERT_TRUE(recorder.problem());
        EXPECT_EQ(recorder.problem()->why, "a folder stands where the results database should be");
        EXPECT_EQ(read_results(in_the_way.string(), "").problem,
                  "a folder stands where the results database should be");
    }
    fs::remove_all(in_the_way);
    ASSERT_EQ(::mkfifo(in_the_way.c_str(), 0600), 0);
    ResultsRecorder recorder(in_the_way.string());
    ASSERT_TRUE(recorder.problem());
    EXPECT_EQ(recorder.problem()->why, "the results file is not an ordinary file");
    EXPECT_TRUE(read_results((folder / "missing.db").string(), "").no_results);
    fs::remove_all(folder);
}

// A database another program edited may hold NULL anywhere: it reads as empty, never crashes.
TEST(ResultsReader, NullColumnsReadAsNothing) {
    const auto folder = empty_folder("holdem-results-null");
    const fs::path db = folder / "results.db";
    {
        RecordedGame game(db);
        game.play_to(2);
        game.t->observers.clear();
    }
    sql(db,
        "INSERT INTO tournaments (id) VALUES (77);"
        " UPDATE tournaments SET name = NULL, started = NULL, rules = NULL, hands = NULL;"
        " INSERT INTO hands (tournament, number) VALUES (77, 1)");
    const ResultsRead read = read_results(db.string(), "");
    EXPECT_TRUE(read.problem.empty()) << read.problem;
    ASSERT_EQ(read.tournaments.size(), 2u);
    EXPECT_EQ(read.tournaments[1].id, 77);
    EXPECT_EQ(read.tournaments[1].started, "");
    EXPECT_EQ(read_stacks(db.string(), 77).size(), 1u);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace holdem
