// The player's results, kept in an SQLite database: every tournament (when, under which rules
// and options, how many hands, the final rank, how it ended) and every hand the human was dealt
// (position, voluntarily put in, raised before the flop, saw the flop, went to and won the
// showdown, chips won or lost). It watches the table's stream of what happened; each hand is
// written in a transaction of its own, so a crash loses at most the hand in play. A database
// that cannot be written now (a full disk, another program's lock) never stops the game: what
// was not kept waits in memory and goes in at the next hand that can be written.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "model/table.h"
#include "results/decision_row.h"
#include "results/results_database.h"
#include "tournament/field.h"

namespace holdem {

// What a tournament is played for: the entrants, the structure's name, the buy-in (0: no
// prizes are paid).
struct TournamentEntry {
    int field_size = 1000;
    std::string structure = "classic clock";
    std::int64_t buy_in = 0;
};

// Where the human finished and what it won.
struct TournamentFinish {
    int place = 0;
    std::int64_t prize = 0;
};

// What a tournament under these options is played for, and where the human stands in a field
// played whole: its place once out, else the last of the players left (a player who leaves
// is blinded away), with the prize that place pays.
TournamentEntry entry_for(const Options& options);
TournamentFinish finish_in(const tournament::Field& field);

class ResultsRecorder final : public TableObserver {
  public:
    // Opens or makes the database; one that is not the game's, or of a newer schema, is left as
    // it was and `problem()` says why.
    explicit ResultsRecorder(std::string path);
    ~ResultsRecorder() override;
    ResultsRecorder(const ResultsRecorder&) = delete;
    ResultsRecorder& operator=(const ResultsRecorder&) = delete;

    // A tournament starts, or is taken up again: `name` is its own (the hand histories'),
    // `started` as "2026-12-06 13:48:16", the rules and options in words.
    void begin_tournament(const std::string& name, const std::string& started,
                          const std::string& rules, const std::string& options,
                          TournamentEntry entry = TournamentEntry());
    // Where the human finished and what it won, asked as the tournament ends; without it the
    // place is the classic rank and nothing is won.
    void set_finish(std::function<std::optional<TournamentFinish>()> finish) {
        finish_ = std::move(finish);
    }
    // What time it is, as "2026-12-06 13:48:16", for the moment a tournament ends; without a
    // clock the end is stamped with the start.
    using Clock = std::function<std::string()>;
    void set_clock(Clock clock) { clock_ = std::move(clock); }

    // A decision of the hand under way, written with the hand.
    void record_decision(DecisionRow row);
    // The human's place from the dealer in the hand under way (1 the dealer, 2 the small blind).
    int position() const { return hand_.row.position; }

    // Why results are not kept now, if they are not (`lasting`: the database is refused for
    // good); none once everything has gone in.
    const std::optional<DatabaseProblem>& problem() const { return problem_; }
    // Hands waiting in memory for the database.
    std::size_t waiting() const;

    void hand_started(const Table& t) override;
    void ante_posted(const Table& t, int seat, Chips amount) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void showdown_started(const Table& t) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void pot_awarded(const Table& t) override;
    void game_ended(const Table& t, GameEnd why) override;

  private:
    struct HandRow {
        std::uint64_t number = 0;
        int position = 0;     // 1 the dealer, 2 the small blind, …
        bool chance = false;  // had a turn before the flop with something to call
        bool vpip = false, pfr = false, saw_flop = false, showdown = false, won_showdown = false;
        std::int64_t chips = 0, stack = 0;
    };
    struct Ending {
        std::string ended, ending;
        std::uint64_t hands = 0;
        int final_rank = 0;
        std::int64_t prize = 0;
    };
    // A tournament's rows still to be written.
    struct Work {
        std::string name, started, rules, options;
        TournamentEntry entry;
        std::int64_t id = 0;  // its row, once it has one
        std::uint64_t hands_dealt = 0;
        std::deque<HandRow> hands;
        std::deque<DecisionRow> decisions;
        std::optional<Ending> end;
    };

    bool open();
    void flush();
    int write(Work& work);
    void fail(DatabaseProblem problem);

    std::string path_;
    sqlite3* db_ = nullptr;
    std::optional<DatabaseProblem> problem_;
    std::deque<Work> work_;  // the last is the tournament under way
    Clock clock_;
    std::function<std::optional<TournamentFinish>()> finish_;
    struct Hand {
        bool dealt = false;
        Chips stack_before = 0;
        Chips ante = 0;  // the human's, posted before the big blind
        HandRow row;
    } hand_;
};

}  // namespace holdem
