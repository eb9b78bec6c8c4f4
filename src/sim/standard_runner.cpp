#include "sim/standard_runner.h"

#include <functional>
#include <ostream>

#include "report/hand_history.h"
#include "report/phh_writer.h"
#include "rules/reading/standard_hand.h"
#include "rules/tournament/field.h"
#include "save/field_snapshot.h"
#include "sim/invariants.h"
#include "sim/reference_player.h"
#include "sim/signature_watch.h"
#include "sim/standard_referee.h"
#include "standard/table_game.h"
#include "tournament/field.h"

namespace holdem::sim {

namespace {

using namespace holdem::standard;

// Seat 1's move under the policy, always one the rules allow.
Decision human_decision(PolicyKind policy, Table& t, const TableGame& game, PolicyRandom& random) {
    const HandState& hand = *game.hand();
    const Legal l = hand.legal();
    const Move bet_or_raise = hand.current_bet() ? Move::raise : Move::bet;
    const Decision call_or_check{l.can_check ? Move::check : Move::call};
    switch (policy) {
        case PolicyKind::folder:
        case PolicyKind::sitout:
            return {l.can_check ? Move::check : Move::fold};
        case PolicyKind::raiser:
            return l.can_raise ? Decision{bet_or_raise, l.max_to} : call_or_check;
        case PolicyKind::random: {
            const auto pick = random.below(4);
            if (pick == 0 && l.can_raise)
                return {bet_or_raise, l.min_to + static_cast<Chips>(random.next() %
                                                                    static_cast<std::uint64_t>(
                                                                        l.max_to - l.min_to + 1))};
            if (pick == 1 && l.can_call) return {Move::fold};
            return call_or_check;
        }
        case PolicyKind::tag:
            return reference_decision(t, hand, game.reads(), random.next());
        case PolicyKind::caller:
        case PolicyKind::shark:
            return call_or_check;
    }
    return call_or_check;
}

// Watches the money between moves: no stack below nothing, the hand's chips (stacks and pot)
// what its seats brought, the turn only with a seat that can act, and between hands every chip
// the table was given on its seats.
class MoneyWatch final : public TableObserver {
  public:
    void hand_started(const Table& t) override {
        brought_ = 0;
        for (int k = 1; k <= seat_count; ++k)
            if (t.seat(k).Active) brought_ += t.seat(k).prize;
    }
    void pot_awarded(const Table& t) override {
        if (auto wrong = chips_after_pay_out(t)) fault = wrong;
    }
    std::optional<std::string> check(const HandState& hand) const {
        std::int64_t now = hand.pot();
        for (int k = 1; k <= seat_count; ++k) {
            if (hand.stack(k) < 0)
                return "seat " + std::to_string(k) + " has a stack below nothing";
            now += hand.stack(k);
        }
        if (now != brought_) return "the hand's chips changed from " + std::to_string(brought_);
        if (hand.to_act() && (hand.folded(hand.to_act()) || hand.stack(hand.to_act()) == 0))
            return "the turn is with a seat that cannot act";
        return std::nullopt;
    }
    std::optional<std::string> fault;

  private:
    std::int64_t brought_ = 0;
};

// Tells of every hand dealt.
class DealWatch final : public TableObserver {
  public:
    explicit DealWatch(std::function<void()> dealt) : dealt_(std::move(dealt)) {}
    void hand_started(const Table&) override { dealt_(); }

  private:
    std::function<void()> dealt_;
};

std::uint64_t strength_at(const Table& t, int seat) {
    CardMask cards = card_bit(t.deck[deck_pos::first_card(seat)]) |
                     card_bit(t.deck[deck_pos::second_card(seat)]);
    for (int i = 1; i <= 5; ++i)
        cards |= card_bit(t.deck[deck_pos::board(i)]);
    return std::uint64_t{standard_strength(cards)};
}

// Judges every hand at the field's other tables as the human's table is judged: each move
// before and after it is made, the money between moves, the pots once paid.
class FieldTableWatch final : public TableObserver {
  public:
    explicit FieldTableWatch(std::optional<std::string>& violation) : violation_(violation) {}

    void watch(Table& t, TableGame& game, int table) {
        game_ = &game;
        table_ = table;
        t.observers.clear();
        t.observers.push_back(this);
        game.watch_moves(
            [this](const HandState& hand, int, Move move, Chips to) {
                if (auto wrong = referee_.offered(hand))
                    fail(*wrong);
                else if (auto bad = referee_.judge(hand, move, to))
                    fail(*bad);
            },
            [this](const HandState& hand, int seat, Move move, Chips to) {
                if (auto wrong = referee_.follow(hand, seat, move, to)) fail(*wrong);
                if (auto bad = money_check(hand)) fail(*bad);
            });
    }
    void hand_started(const Table& t) override {
        brought_ = 0;
        for (int k = 1; k <= seat_count; ++k)
            if (t.seat(k).Active) brought_ += t.seat(k).prize;
        if (auto wrong = referee_.start(*game_->hand(), 2 * t.limits, t.ante)) fail(*wrong);
    }
    void pot_awarded(const Table& t) override {
        if (auto wrong =
                referee_.paid(*game_->settled(), [&](int seat) { return strength_at(t, seat); }))
            fail(*wrong);
        if (auto wrong = chips_after_pay_out(t)) fail(*wrong);
        ++hands;
    }
    std::uint64_t hands = 0;

  private:
    std::optional<std::string> money_check(const HandState& hand) const {
        std::int64_t now = hand.pot();
        for (int k = 1; k <= seat_count; ++k)
            now += hand.stack(k);
        if (now != brought_) return "the hand's chips changed from " + std::to_string(brought_);
        return std::nullopt;
    }
    void fail(const std::string& why) {
        if (!violation_) violation_ = "table " + std::to_string(table_) + ": " + why;
    }
    std::optional<std::string>& violation_;
    StandardReferee referee_;
    TableGame* game_ = nullptr;
    int table_ = 0;
    std::int64_t brought_ = 0;
};

// After every hand of the field: its chips what its entrants brought, nobody seated twice, every
// bust placed once, the tables within one player of each other, and once ten or fewer are left
// a single table that holds them all.
std::optional<std::string> field_fault(const tournament::Field& f) {
    if (auto wrong = f.check()) return wrong;
    const std::vector<int> open = f.open_tables();
    if (open.empty()) return "no table is open";
    int most = 0, least = tournament::table_seats;
    for (int n : open) {
        most = std::max(most, f.table(n).players());
        least = std::min(least, f.table(n).players());
    }
    if (most - least > 1) return "the tables differ by more than one player";
    const int needed = (f.players_left() + tournament::table_seats - 1) / tournament::table_seats;
    if (static_cast<int>(open.size()) != needed) return "a table that should be broken plays on";
    if (f.final_table() && (open.size() != 1 || open.front() != 1))
        return "the last ten are not at the final table";
    return std::nullopt;
}

}  // namespace

TournamentResult play_standard_tournament(std::uint64_t seed, const TournamentSetup& setup) {
    TournamentResult result;
    auto table = std::make_unique<Table>(std::make_unique<SeededRandom>(seed),
                                         std::make_unique<SeededRandom>(seed ^ 0xFA1B5EEDull));
    table->options = setup.options;
    table->options.rules = Rules::standard;
    table->options = in_force(table->options);
    PolicyRandom choices(seed ^ 0x5DEECE66Dull);
    SignatureWatch watch(result);
    MoneyWatch money;
    table->observers = {&watch, &money};
    std::optional<HandHistory> history;
    write_history(history, table, setup);
    std::optional<PhhWriter> phh;
    if (setup.phh) {
        // One file holds every tournament of the run: its tables are numbered through it.
        phh.emplace(
            "Final Table Hold'em, simulated tournament " + std::to_string(seed),
            [out = setup.phh](const std::string& hand) { *out << hand; },
            [count = setup.phh_tables](const Table& t) {
                return count ? ++*count : t.hands_started;
            });
        table->observers.push_back(&*phh);
    }
    if (setup.results) {
        setup.results->begin_tournament("standard-" + std::to_string(seed),
                                        timestamp_text(setup.history_epoch, false), "standard",
                                        options_words(table->options), entry_for(table->options));
        const std::time_t epoch = setup.history_epoch;
        setup.results->set_clock(
            [&table, epoch] { return timestamp_text(epoch + table->loop.now() / 1000, false); });
        table->observers.push_back(setup.results);
    }
    if (setup.policy == PolicyKind::sitout) table->sitter = 1;
    table->field.eliminated = static_cast<std::int16_t>(setup.late);
    table->field.eliminated_chips = setup.late * 1000;

    // Every move is judged by the referee before it is made and followed after.
    StandardReferee referee;
    std::uint64_t referee_hand = 0;
    // Each computer seat dealt in, by style; what it did before the flop this hand.
    std::array<int, seat_count + 1> style_of{};
    std::array<bool, seat_count + 1> voluntary{}, raised{};
    OpponentCounts& counts = result.opponents;
    auto follow_deal = [&](const HandState& hand) {
        if (referee_hand == table->hands_started) return;
        referee_hand = table->hands_started;
        if (auto wrong = referee.start(hand, 2 * table->limits, table->ante))
            result.violation = *wrong;
        style_of.fill(-1);
        voluntary.fill(false);
        raised.fill(false);
        for (int k = 2; k <= seat_count; ++k)
            if (table->seat(k).Active && hand.put_in(k) + hand.stack(k) > 0) {
                style_of[static_cast<std::size_t>(k)] = table->seat(k).style;
                ++counts.dealt[static_cast<std::size_t>(table->seat(k).style)];
            }
    };
    auto watch_game = [&](TableGame& game) {
        game.watch_moves(
            [&](const HandState& hand, int seat, Move move, Chips to) {
                follow_deal(hand);
                if (result.violation) return;
                if (seat != human_seat) {
                    const Legal l = hand.legal();
                    ++counts.decisions;
                    if (move == Move::fold && l.can_check) ++counts.folds_when_free;
                    if ((move == Move::bet || move == Move::raise) && to < l.min_to &&
                        to != l.max_to)
                        ++counts.below_minimum;
                    if (referee.judge(hand, move, to)) ++counts.illegal;
                    const int style = style_of[static_cast<std::size_t>(seat)];
                    if (hand.round() == Round::preflop && style >= 0) {
                        const bool in =
                            move == Move::call || move == Move::bet || move == Move::raise;
                        const bool up = move == Move::bet || move == Move::raise;
                        auto& v = voluntary[static_cast<std::size_t>(seat)];
                        auto& r = raised[static_cast<std::size_t>(seat)];
                        if (in && !v) ++counts.voluntary[static_cast<std::size_t>(style)];
                        if (up && !r) ++counts.raised[static_cast<std::size_t>(style)];
                        v = v || in;
                        r = r || up;
                    }
                }
                if (auto wrong = referee.offered(hand))
                    result.violation = *wrong;
                else if (seat != human_seat && hand.legal().can_check && move == Move::fold)
                    result.violation = "a computer seat folded when it could check";
                else if (auto bad = referee.judge(hand, move, to))
                    result.violation = "seat " + std::to_string(seat) + ": " + *bad;
            },
            [&](const HandState& hand, int seat, Move move, Chips to) {
                if (result.violation) return;
                if (auto wrong = referee.follow(hand, seat, move, to)) result.violation = *wrong;
                mix(result.signature, static_cast<std::uint64_t>(seat) << 32 |
                                          static_cast<std::uint64_t>(hand.put_in(seat)));
            });
    };
    // The whole field, when a structure of its own plays: every other table judged too.
    std::optional<std::string> field_violation;
    FieldTableWatch field_watch(field_violation);
    std::optional<PhhWriter> field_phh;
    if (setup.phh && setup.phh_every_table)
        field_phh.emplace(
            "Final Table Hold'em, simulated tournament " + std::to_string(seed),
            [out = setup.phh](const std::string& hand) { *out << hand; },
            [count = setup.phh_tables](const Table&) { return ++*count; });
    std::unique_ptr<FieldPlay> field;
    if (field_played(table->options)) {
        field = new_field_play(*table);
        field->watch_tables([&](Table& t, TableGame& g, int number) {
            field_watch.watch(t, g, number);
            if (field_phh) t.observers.push_back(&*field_phh);
        });
    }
    auto game = std::make_unique<TableGame>(*table);
    if (setup.results)
        setup.results->set_finish([&game]() -> std::optional<TournamentFinish> {
            if (const FieldPlay* f = game ? game->field() : nullptr) return finish_in(f->field());
            return std::nullopt;
        });
    if (field) game->play_field(std::move(field));
    watch_game(*game);
    // The referee takes each hand up as it is dealt, before anything in it goes back.
    DealWatch deals([&] {
        if (game->hand()) follow_deal(*game->hand());
    });
    table->observers.push_back(&deals);
    std::uint64_t settled_hand = 0;
    int field_left = 0;
    // Saves the whole game and takes it up again on a new table, as a restart would.
    auto reload = [&]() -> bool {
        std::shared_ptr<const SavedField> saved_field;
        if (const FieldPlay* f = game->field())
            saved_field = std::make_shared<SavedField>(SavedField{f->field(), f->seed()});
        auto again = saved_and_taken_up(*table, &saved_field);
        if (auto* why = std::get_if<std::string>(&again)) {
            result.violation = "a saved game was refused: " + *why;
            return false;
        }
        table = std::move(std::get<std::unique_ptr<Table>>(again));
        std::unique_ptr<FieldPlay> moving = game->take_field();
        game = std::make_unique<TableGame>(*table);
        if (moving) {
            // The field read back plays on; what the other tables last did is not saved.
            auto again_field =
                std::make_unique<FieldPlay>(saved_field->field, saved_field->seed, table->options);
            again_field->watch_tables(moving->watcher());
            game->play_field(std::move(again_field));
        }
        watch_game(*game);
        game->resume();
        return true;
    };

    game->start();
    while (!table->ended && !result.violation) {
        Table& t = *table;
        if (t.hands_started > setup.max_hands) break;
        if (game->human_to_act()) {
            const Decision d = human_decision(setup.policy, t, *game, choices);
            if (!game->human_act(d.move, d.to) && !result.violation)
                result.violation = "the engine refused a legal move";
        } else if (auto due = t.loop.next_deadline()) {
            if (setup.reload_each_hand && t.loop.next_is(TimerId::Timer1)) {
                game->finish_field_round();
                if (t.ended) continue;
                if (!reload()) break;
            }
            game->run_until(*due);
        } else {
            result.violation = "the game stalled with nothing due and no turn for the human";
        }
        if (result.violation) break;
        if (field_violation) {
            result.violation = field_violation;
            break;
        }
        if (const FieldPlay* f = game->field(); f && f->field().players_left() != field_left) {
            field_left = f->field().players_left();
            if (auto wrong = field_fault(f->field())) {
                result.violation = "the field: " + *wrong;
                break;
            }
        }
        if (money.fault) {
            result.violation = money.fault;
            break;
        }
        const HandState* hand = game->hand();
        if (!hand) continue;
        follow_deal(*hand);
        if (auto bad = money.check(*hand); bad && !game->settled()) {
            result.violation = bad;
            break;
        }
        if (game->settled() && settled_hand != table->hands_started) {
            settled_hand = table->hands_started;
            const Table& now = *table;
            auto strength = [&](int seat) { return strength_at(now, seat); };
            if (auto wrong = referee.paid(*game->settled(), strength)) result.violation = *wrong;
        }
    }
    const Table& t = *table;
    result.hands = std::min<std::uint64_t>(t.hands_started, setup.max_hands);
    result.end = t.ended;
    result.virtual_ms = t.loop.now();
    result.final_rank = entrants_left(t);
    if (const FieldPlay* f = game->field()) {
        const tournament::Entrant& me = f->field().entrant(f->field().human());
        result.place =
            me.place > 0 ? me.place : f->field().standing_of(f->field().human()).chip_rank;
        result.final_rank = result.place;
        result.prize = me.prize;
        result.buy_in = f->field().payouts().buy_in;
        result.field_hands = field_watch.hands + t.hands_started;
        mix(result.signature, static_cast<std::uint64_t>(result.place) << 32 ^
                                  static_cast<std::uint64_t>(result.prize));
    }
    if (setup.results) {
        setup.results->set_clock({});
        setup.results->set_finish({});
    }
    if (t.ended) mix(result.signature, static_cast<std::uint64_t>(*t.ended) + 1000);
    return result;
}

}  // namespace holdem::sim
