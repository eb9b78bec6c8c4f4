// The player's results, kept in an SQLite database: every tournament (when, under which rules
// and options, how many hands, the final rank, how it ended) and every hand the human was dealt
// (position, voluntarily put in, raised before the flop, saw the flop, went to and won the
// showdown, chips won or lost). It watches the table's stream of what happened; each hand is
// written in a transaction of its own, so a crash loses at most the hand in play.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "model/table.h"

struct sqlite3;

namespace holdem {

// The schema this program writes and reads (the database's user_version).
inline constexpr int results_schema = 1;

struct ResultsError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ResultsRecorder final : public TableObserver {
  public:
    // Opens or makes the database; a database of a newer schema, or one that is no database,
    // is refused (ResultsError) and left as it was.
    explicit ResultsRecorder(const std::string& path);
    ~ResultsRecorder() override;
    ResultsRecorder(const ResultsRecorder&) = delete;
    ResultsRecorder& operator=(const ResultsRecorder&) = delete;

    // A tournament starts, or is taken up again: `name` is its own (the hand histories'),
    // `started` as "2026-12-06 13:48:16", the rules and options in words.
    void begin_tournament(const std::string& name, const std::string& started,
                          const std::string& rules, const std::string& options);
    // What time it is, as "2026-12-06 13:48:16", for the moment a tournament ends; without a
    // clock the end is stamped with the start.
    using Clock = std::function<std::string()>;
    void set_clock(Clock clock) { clock_ = std::move(clock); }

    void hand_started(const Table& t) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void showdown_started(const Table& t) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void pot_awarded(const Table& t) override;
    void game_ended(const Table& t, GameEnd why) override;

  private:
    void exec(const char* sql);
    void finish_tournament(const Table& t, const char* ending);

    sqlite3* db_ = nullptr;
    std::int64_t tournament_ = 0;  // the row of the tournament under way
    std::string started_;
    Clock clock_;
    struct Hand {
        bool dealt = false;
        int position = 0;  // 1 the dealer, 2 the small blind, …
        Chips stack_before = 0;
        bool chance = false;  // had a turn before the flop with something to call
        bool vpip = false, pfr = false, saw_flop = false, showdown = false, won_showdown = false;
    } hand_;
};

}  // namespace holdem
