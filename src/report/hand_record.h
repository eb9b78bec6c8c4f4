// Each hand as a machine-readable record, one JSON line a hand: the seats as they sat down, the
// human's cards, every blind, action, street, shown hand, muck, returned bet and share of a pot
// in order, and the log's lines. The hands viewer replays a hand from it without reading the
// text history; what the table never showed (another seat's unshown cards) is not in it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/table.h"

namespace holdem {

struct RecordedSeat {
    int seat = 0;
    std::string name;
    Chips stack = 0;                  // before the blinds
    std::array<CardCode, 2> cards{};  // the human's; the others' only once shown
    bool dealt = true;                // in the hand (not sitting out)
};

struct RecordedEvent {
    // `face_up`: an all-in hand turned up before the rest of the board; `ante`: dead money
    // posted before the blinds.
    enum class Kind : std::uint8_t {
        blind,
        action,
        street,
        show,
        muck,
        uncalled,
        won,
        face_up,
        ante
    };
    Kind kind = Kind::action;
    int seat = 0;
    Chips amount = 0;      // put in, returned or won
    Chips total = 0;       // an action: the seat's round total afterwards
    Chips bet_before = 0;  // an action: the table's bet before it
    Action action = Action::check;
    bool big = false;  // a blind
    Street street = Street::preflop;
    std::vector<CardCode> cards;  // a street's new cards, or a shown hand
    std::string words;            // a shown hand's name
    int pot = 0, pots = 1;        // a share of a pot
    std::size_t log_lines = 0;    // the hand's log lines told up to this event
};

struct HandRecord {
    std::uint64_t hand = 0;
    int level = 1;
    Chips small_blind = 0;
    bool standard_rules = false;
    int button = 0;
    std::vector<RecordedSeat> seats;
    std::vector<RecordedEvent> events;
    std::vector<std::string> log;
    Chips result = 0;  // what the human won or lost in the hand
};

// What a record may hold: far more than any hand of the game, little enough that a hostile
// line costs nothing to refuse or to replay (no sum of its amounts overflows).
inline constexpr Chips max_record_chips = 1'000'000'000;
inline constexpr std::size_t max_record_line = std::size_t{256} << 10;
inline constexpr std::size_t max_record_events = 2000;
inline constexpr std::size_t max_record_log_lines = 2000;
inline constexpr std::size_t max_record_text = 128;

std::string record_line(const HandRecord& record);
// A record read back as untrusted input: none for a line that does not describe a hand, every
// number within what a table can hold and every seat one at the table.
std::optional<HandRecord> read_record(std::string_view line);

class HandRecorder final : public TableObserver {
  public:
    using Sink = std::function<void(const std::string& line)>;
    explicit HandRecorder(Sink sink);
    ~HandRecorder() override;

    void hand_started(const Table& t) override;
    void ante_posted(const Table& t, int seat, Chips amount) override;
    void blind_posted(const Table& t, int seat, Chips amount, bool big) override;
    void action_taken(const Table& t, const ActionEvent& e) override;
    void street_dealt(const Table& t, Street street) override;
    void showdown_started(const Table& t) override;
    void hands_faced_up(const Table& t, const std::vector<int>& seats) override;
    void hand_shown(const Table& t, int seat) override;
    void hand_mucked(const Table& t, int seat) override;
    void uncalled_bet_returned(const Table& t, int seat, Chips amount) override;
    void pot_won(const Table& t, int seat, Chips amount) override;
    void pot_share_won(const Table& t, int seat, Chips amount, int pot, int pots) override;
    void pots_counted(const Table& t, const std::vector<Chips>& pots) override;
    void pot_awarded(const Table& t) override;

  private:
    void add(RecordedEvent e);

    Sink sink_;
    std::unique_ptr<TableObserver> log_;  // the hand's log lines, as the window tells them
    HandRecord record_;
    bool in_hand_ = false;
    Chips human_before_ = 0;
};

}  // namespace holdem
