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

#include "model/cards.h"
#include "model/controls.h"
#include "model/event_loop.h"
#include "model/numbers.h"
#include "model/observer.h"
#include "model/options.h"
#include "model/player.h"
#include "model/random.h"
#include "model/seats.h"
#include "model/street.h"

namespace holdem {

// The tournament's field outside this table: entrants knocked out elsewhere and their chips.
struct FieldCounts {
    std::int16_t eliminated = 0;
    Chips eliminated_chips = 0;
};

// A fair computer seat's last estimate of its standing, kept for the rest of the street.
struct FairEstimate {
    std::uint64_t hand = 0;
    Street street = Street::preflop;
    int in_hand = 0;  // seats still in the hand when it was made
    int standing = 0;
};

struct Table {
    // `estimates` feeds the fair opponents' estimates, apart from the deck's draws; by default
    // a fixed seed.
    explicit Table(std::unique_ptr<Random> random_source,
                   std::unique_ptr<Random> estimates = nullptr);

    Player& seat(int k) { return players[k]; }
    const Player& seat(int k) const { return players[k]; }

    // Seats 1 … 10; index 0 is unused so that a seat number addresses its record.
    std::array<Player, seat_count + 1> players;

    Chips currentbet = 0;  // what every seat must have put in this round to stay in
    Chips pot = 0;         // every chip put in this hand; paid out at the showdown
    std::int16_t backside = card_grid::back_peach;  // the grid cell drawn for a face-down card
    std::int16_t level = 1;                         // the blind level, 1 … 13
    std::int16_t tossdone = 0;                      // 1 once the opening toss has been made
    Chips limits = 10;                              // the small blind; the big blind is twice it
    Chips ante = 0;                // the big blind's ante under a standard structure that has one
    bool postblinds = false;       // the pre-flop round is under way (the blinds are in)
    bool postflop1 = false;        // the flop has been dealt
    bool postflop2 = false;        // the turn has been dealt
    bool postflop3 = false;        // the river has been dealt
    bool gameover = false;         // the showdown has begun; nobody acts until the next hand
    std::int16_t raiservalue = 0;  // raises in this round; from 3 on every seat passes
    std::int16_t focuser = 0;      // the seat that has just acted and waits for the clock
    std::int16_t flopshower = 0;   // the seat that closes the pre-flop round (0: none yet)
    std::int16_t flopshower1 = 0;  // … the flop round
    std::int16_t flopshower2 = 0;  // … the turn round
    std::int16_t flopshower3 = 0;  // … the river round
    std::int16_t sitter = 0;       // 1 while the human has asked to sit out from the next hand
    std::string flopvalue;         // the board's pairing verdict of the last seat read
    std::string fl;                // the last flush verdict of the card reading
    std::string st;                // the last straight verdict of the card reading
    std::int16_t numberofwinners = 0;       // seats sharing the best hand; the pot's divisor
    std::int16_t limittimersetting = 1000;  // the blinds countdown, 999 … 969 within a level
    Deck deck{};                            // this hand's 25 cards: hole cards, then the board
    // The deck the seats' readings were assessed from, while nothing else has written them.
    std::optional<Deck> assessed_deck;
    std::int16_t dealer_button_seat = 0;  // the seat the dealer button stands beside

    // The seat after the dealer has had its blind turn in this hand; when the turn comes round
    // to it again before the pre-flop round has begun, the round begins there.
    bool small_blind_turn_taken = false;
    // The focus left the human's buttons for "Sit Out" or "Bet It" while the panel stayed open:
    // the turn is still the human's until an action hands it on.
    bool human_turn_waiting = false;

    Options options;  // the options in force
    // Every chip the table was given, less what left it; a split pot's rounding can make or lose
    // a chip, which the award books here too.
    std::int64_t chips_brought = 0;
    FieldCounts field;  // the tournament outside this table
    // Under a structure of its own, the players left in the whole field (0: the classic field).
    int field_left = 0;
    Controls controls;                        // everything the window shows
    EventLoop loop;                           // virtual time, the two timers and the focus
    std::unique_ptr<Random> random;           // the deck's and the field's draws
    std::unique_ptr<Random> estimate_random;  // the fair opponents' deals
    std::array<FairEstimate, seat_count + 1> fair_estimates;  // by seat

    // Hands dealt, showdowns held and inputs handled so far, for tools that watch the game.
    std::uint64_t hands_started = 0;
    std::uint64_t showdowns = 0;
    std::uint64_t inputs_handled = 0;
    std::vector<TableObserver*> observers;

    // The end of the game: set once, then nothing further runs.
    std::optional<GameEnd> ended;
    std::function<void(GameEnd)> on_game_end;
};

// The seat that deals this hand (place 1 from the dealer), or 0 before the toss.
int dealer_seat(const Table& t);
// The seats that are open (not closed once the field has run out).
int active_seats(const Table& t);

// The closing seat of a street's betting round, and whether the street has been dealt.
std::int16_t& closing_seat(Table& t, Street street);
bool street_flag(const Table& t, Street street);
// The betting round under way: the last street dealt, or none during the blinds.
std::optional<Street> current_street(const Table& t);

// Sets the two timers to the pace in force: the chosen pace, or the fast pace for the rest of a
// hand the human is out of when he asked to hurry.
void update_pace(Table& t);

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
