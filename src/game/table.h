// struct Table: the ten player records, the table's variables, its controls, the deck, the
// event loop and the ports through which randomness comes in and the end of the game goes out.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/controls.h"
#include "game/event_loop.h"
#include "game/numbers.h"
#include "game/observer.h"
#include "game/player.h"
#include "game/random.h"

namespace holdem {

inline constexpr int seat_count = 10;
inline constexpr int human_seat = 1;
inline constexpr int field_size = 1000;

// Seat arithmetic wraps: after seat 10 comes seat 1.
constexpr int seat_after(int seat, int steps = 1) {
    return ((seat - 1 + steps) % 10 + 10) % 10 + 1;
}
constexpr int seat_before(int seat, int steps = 1) {
    return seat_after(seat, -steps);
}

// The tournament's field outside this table: entrants knocked out elsewhere and their chips.
struct FieldCounts {
    std::int16_t eliminated = 0;
    Chips eliminated_chips = 0;
};

struct Table {
    explicit Table(std::unique_ptr<Random> random_source);

    Player& seat(int k) { return players[k]; }
    const Player& seat(int k) const { return players[k]; }

    // Seats 1 … 10; index 0 is unused so that a seat number addresses its record.
    std::array<Player, seat_count + 1> players;

    Chips currentbet = 0;  // what each seat must have paid this betting round to stay in
    Chips pot = 0;
    std::int16_t backside = card_grid::back_peach;
    std::int16_t level = 1;
    std::int16_t tossdone = 0;
    Chips limits = 10;  // the small blind; the big blind is twice this
    bool postblinds = false;
    bool postflop1 = false;
    bool postflop2 = false;
    bool postflop3 = false;
    bool gameover = false;
    bool raiser = false;
    std::int16_t raiservalue = 0;  // raises in the current betting round
    std::int16_t focuser = 0;      // the seat that has just acted and waits for the clock
    std::int16_t flopshower = 0;   // closing seats of the pre-flop, flop, turn and river rounds
    std::int16_t flopshower1 = 0;
    std::int16_t flopshower2 = 0;
    std::int16_t flopshower3 = 0;
    std::int16_t sitter = 0;           // 1 while the human has asked to sit out
    std::array<std::string, 7> cards;  // cards1 … cards7: the seat being read
    std::string flopvalue;             // the board's pairing verdict
    std::string fl;                    // the last flush verdict
    std::string st;                    // the last straight verdict
    std::int16_t numberofwinners = 0;
    std::int16_t limittimersetting = 1000;  // the blinds countdown
    Deck deck{};
    std::array<float, 10> chiptops{};
    std::array<std::int16_t, 10> chiplefts{};

    // The seat after the dealer has had its blind turn in this hand; when the turn comes round
    // to it again before the pre-flop round has begun, the round begins there.
    bool small_blind_turn_taken = false;
    // The focus left the human's buttons for "Sit Out" or "Bet It" while the panel stayed open:
    // the turn is still the human's until an action hands it on.
    bool human_turn_waiting = false;

    FieldCounts field;
    Controls controls;
    EventLoop loop;
    std::unique_ptr<Random> random;

    // Hands dealt and showdowns held so far, for tools that watch the game.
    std::uint64_t hands_started = 0;
    std::uint64_t showdowns = 0;
    std::vector<TableObserver*> observers;

    // The end of the game: set once, then nothing further runs.
    std::optional<GameEnd> ended;
    std::function<void(GameEnd)> on_game_end;
};

// The closing seat of street 0 (pre-flop) … 3 (river), and that street's flag.
std::int16_t& closing_seat(Table& t, int street);
bool street_flag(const Table& t, int street);
// The betting round under way: the last street whose flag is set, or -1 during the blinds.
int current_street(const Table& t);

// Tells every watcher what happened.
template <typename Report>
void notify(const Table& t, Report&& report) {
    for (TableObserver* o : t.observers)
        report(*o);
}

// Ends the game for good and tells the host.
void end_game(Table& t, GameEnd why);

// Every seat's hand description emptied; cards, chips and flags untouched.
void class_set_to_zero(Table& t);
// Every seat's bet and totalbet, then the table's currentbet, back to 0.
void zero_total_bets(Table& t);

}  // namespace holdem
