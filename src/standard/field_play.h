// The whole field played under the standard rules: for each hand at the human's table, one
// hand at every other table of the field with the standard engine and the standard players,
// on a worker thread, from the tournament's seed alone. Between hands the human's table gives
// its stacks to the field, the busts are placed, tables broken and balanced, and the human's
// table takes its players back from the field, the human always at seat 1.
#pragma once

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/table.h"
#include "tournament/field.h"

namespace holdem::standard {

class TableGame;

// The last hand a table of the field played, as its seats stood when it was paid.
struct FieldHand {
    std::uint64_t number = 0;  // the table's own count
    int button = 0;
    Chips small_blind = 0, big_blind = 0, ante = 0;
    struct Seat {
        int entrant = -1;  // -1: an empty seat
        Chips stack_before = 0, stack_after = 0;
        std::array<CardCode, 2> cards{};  // shown at the showdown, else none
    };
    std::array<Seat, seat_count + 1> seats{};
    std::array<CardCode, 5> board{};
    int board_shown = 0;
};

class FieldPlay {
  public:
    FieldPlay(tournament::Field field, std::uint64_t seed, const Options& options);
    ~FieldPlay();
    FieldPlay(const FieldPlay&) = delete;
    FieldPlay& operator=(const FieldPlay&) = delete;

    // The field as it stood at the last hand's end (the hands under way not counted).
    const tournament::Field& field() const { return field_; }
    std::uint64_t seed() const { return seed_; }
    // The human's table: the field's number, and the field's seat at the table's seat 1.
    int human_table() const;

    // The human's table takes its players from the field: names, stacks, styles and the
    // button, the human at seat 1 and the others clockwise from there; empty seats close.
    void seat_human_table(Table& t) const;
    // The blinds and ante of the level the human's table is at once it has dealt `hands`.
    void set_level(Table& t, std::uint64_t hands);
    // As a hand is dealt at the human's table: one hand is started at every other table.
    void begin_round();
    // Between hands: the other tables' hands are waited for, the human's table's stacks taken,
    // busts placed, tables broken and balanced, and the human's table seated again; the game
    // ends when the human is out or has won. False when no round was under way.
    bool end_round(Table& t);

    // Moves made at the last hand's end, and the players placed then, worst first.
    const std::vector<tournament::SeatMove>& last_moves() const { return moves_; }
    const std::vector<int>& last_busts() const { return busts_; }
    // The human has just been moved to another table (its own broken, or to balance).
    bool human_moved() const { return human_moved_; }
    // What the tournament director announced at the last hand's end, or nothing: the final
    // table, the money reached, the money bubble, the human moved to another table.
    const std::string& news() const { return news_; }
    // The last hand each table played (indexed by table number - 1).
    const std::vector<FieldHand>& last_hands() const { return last_hands_; }

    // The other tables play on a thread of their own (the window) or at once (the simulator,
    // the tests): the same hands either way.
    void set_threaded(bool threaded) { threaded_ = threaded; }
    // Told before each hand at another table, on the thread that plays it, to watch the hand;
    // `table` is the field's table number.
    using Watch = std::function<void(Table& scratch, TableGame& game, int table)>;
    void watch_tables(Watch watch) { watch_ = std::move(watch); }
    const Watch& watcher() const { return watch_; }

  private:
    struct Job {
        int table = 0;
        std::uint64_t hands = 0;
        int button = 0;
        std::array<int, seat_count + 1> entrants{};
        std::array<Chips, seat_count + 1> stacks{};
        std::array<std::int16_t, seat_count + 1> styles{};
        std::array<std::string, seat_count + 1> names{};
    };
    struct Done {
        int table = 0;
        int button = 0;
        std::array<Chips, seat_count + 1> stacks{};
        FieldHand hand;
    };
    std::vector<Done> play(std::vector<Job> jobs, Table& scratch, TableGame& game) const;
    // The announcement for what changed at a hand's end, from what held before it.
    std::string field_news(bool was_final, bool was_paid, bool was_bubble) const;

    tournament::Field field_;
    std::uint64_t seed_;
    Options options_;
    Chips small_blind_ = 0, ante_ = 0;
    int players_left_ = 0;  // as the round under way was dealt
    bool threaded_ = false;
    bool pending_ = false;
    std::future<std::vector<Done>> running_;
    std::optional<std::vector<Done>> done_;
    std::unique_ptr<Table> scratch_;
    std::unique_ptr<TableGame> scratch_game_;
    Watch watch_;
    std::vector<tournament::SeatMove> moves_;
    std::vector<int> busts_;
    bool human_moved_ = false;
    std::string news_;
    std::vector<FieldHand> last_hands_;
};

// A new tournament's field for the table's options, drawn from the table's own seed.
std::unique_ptr<FieldPlay> new_field_play(const Table& t);

}  // namespace holdem::standard
