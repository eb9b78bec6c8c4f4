// The whole field beside the human's table: the same hands whether the other tables play on a
// thread or at once, every chip kept through busts, breaking and balancing, the human seated
// at seat 1 of whatever table it is moved to, and a save of the field read back whole while
// one that was tampered with is refused.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "save/field_snapshot.h"
#include "save/snapshot.h"
#include "standard/table_game.h"

namespace holdem::standard {
namespace {

std::unique_ptr<Table> field_table(std::uint64_t seed, int entrants,
                                   StructureKind structure = StructureKind::hyper_turbo) {
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(seed),
                                     std::make_unique<SeededRandom>(seed ^ 7));
    t->options.rules = Rules::standard;
    t->options.structure = structure;
    t->options.entrants = entrants;
    t->options.pace = Pace::fast;
    t->options = in_force(t->options);
    return t;
}

// Two cards a short stack goes all in with before the flop: a pair of sevens or better, an
// ace with a ten or better, two queens or better.
bool pushes_with(const Table& t) {
    const int a = card_rank(t.seat(human_seat).cardone), b = card_rank(t.seat(human_seat).cardtwo);
    return (a == b && a >= 7) || (std::max(a, b) == 14 && std::min(a, b) >= 10) ||
           std::min(a, b) >= 12;
}

// The human folds, then sits out (or, `pushing`, plays and goes all in before the flop with
// the best hands); the clock runs until `hands` hands have been played and the next is about
// to be dealt, or the game ends.
void play_hands(Table& t, TableGame& game, std::uint64_t hands, bool pushing = false) {
    game.ask_sit_out(!pushing);
    while (!t.ended && !(t.hands_started >= hands && t.loop.next_is(TimerId::Timer1))) {
        if (game.human_to_act()) {
            const Legal l = game.hand()->legal();
            if (pushing && game.hand()->round() == Round::preflop && pushes_with(t)) {
                ASSERT_TRUE(l.can_raise ? game.human_act(Move::raise, l.max_to)
                                        : game.human_act(Move::call));
                continue;
            }
            ASSERT_TRUE(game.human_act(l.can_check ? Move::check : Move::fold));
            continue;
        }
        const auto due = t.loop.next_deadline();
        ASSERT_TRUE(due) << "the game stalled";
        game.run_until(*due);
    }
}

struct FieldRun {
    std::vector<Chips> stacks;
    std::vector<int> places;
    bool moved = false;
    std::vector<std::string> news;
};

FieldRun run_field(bool threaded, std::uint64_t hands, std::uint64_t seed = 21, int entrants = 60,
                   StructureKind structure = StructureKind::hyper_turbo, bool pushing = false) {
    auto t = field_table(seed, entrants, structure);
    // An all-in showdown turns up every hand still in: two at least, a big blind all in for
    // its ante alone among them.
    struct FacedUp final : TableObserver {
        void hands_faced_up(const Table& t, const std::vector<int>& seats) override {
            EXPECT_GE(seats.size(), 2u) << "hand " << t.hands_started;
        }
    } faced_up;
    t->observers.push_back(&faced_up);
    TableGame game(*t);
    auto play = new_field_play(*t);
    play->set_threaded(threaded);
    game.play_field(std::move(play));
    game.start();
    FieldRun run;
    const tournament::Field& f = game.field()->field();
    while (!t->ended && t->hands_started <= hands) {
        play_hands(*t, game, t->hands_started + 1, pushing);
        game.finish_field_round();
        EXPECT_EQ(f.check(), std::nullopt) << "hand " << t->hands_started;
        if (t->ended) break;
        run.moved = run.moved || game.field()->human_moved();
        if (!game.field()->news().empty()) run.news.push_back(game.field()->news());
        // The human's table shows the field's players, the human at seat 1.
        const tournament::Entrant& me = f.entrant(f.human());
        EXPECT_EQ(t->seat(human_seat).caption, me.name);
        EXPECT_EQ(f.table(me.table).seats[static_cast<std::size_t>(me.seat)], f.human());
        EXPECT_EQ(t->field_left, f.players_left());
    }
    for (const tournament::Entrant& e : f.all()) {
        run.stacks.push_back(e.stack);
        run.places.push_back(e.place);
    }
    return run;
}

TEST(FieldPlay, TheOtherTablesPlayTheSameHandsOnAThreadOrAtOnceAndKeepEveryChip) {
    const FieldRun at_once = run_field(false, 400);
    const FieldRun threaded = run_field(true, 400);
    EXPECT_EQ(at_once.stacks, threaded.stacks);
    EXPECT_EQ(at_once.places, threaded.places);
    EXPECT_EQ(at_once.news, threaded.news);
    // Sitting out, the human is blinded off and placed: the field has been through busts,
    // breaking and balancing on the way.
    EXPECT_TRUE(
        std::any_of(at_once.places.begin(), at_once.places.end(), [](int p) { return p > 0; }));
}

// The director announces each turn of the tournament once, as it happens: the human's table
// broken, the final table, the money bubble, and the bubble burst.
TEST(FieldPlay, TheTurnsOfTheTournamentAreAnnouncedOnceEach) {
    const FieldRun run = run_field(false, 2000, 80, 30, StructureKind::hyper_turbo, true);
    const std::vector<std::string> expected = {"Your table is broken: you move to table 1",
                                               "The final table: the last 10 play on",
                                               "The money bubble: 6 left, 5 paid. Hand for hand",
                                               "The bubble has burst: the last 5 are in the money"};
    EXPECT_EQ(run.news, expected);
}

TEST(FieldPlay, AFieldSavedBetweenHandsReadsBackAndATamperedOneIsRefused) {
    auto t = field_table(5, 40);
    TableGame game(*t);
    game.play_field(new_field_play(*t));
    game.start();
    play_hands(*t, game, 6);
    ASSERT_FALSE(t->ended);
    game.finish_field_round();
    SavedTournament tournament{
        "field", 0, std::nullopt, std::nullopt,
        std::make_shared<SavedField>(SavedField{game.field()->field(), game.field()->seed()})};
    const std::string saved = save_snapshot(*t, tournament);
    auto loaded =
        load_snapshot(saved, std::make_unique<SeededRandom>(0), std::make_unique<SeededRandom>(0));
    ASSERT_TRUE(std::holds_alternative<LoadedGame>(loaded)) << std::get<std::string>(loaded);
    const LoadedGame& game_back = std::get<LoadedGame>(loaded);
    ASSERT_TRUE(game_back.tournament.field);
    EXPECT_EQ(game_back.tournament.field->field.all().size(), 40u);
    EXPECT_EQ(save_snapshot(*game_back.table, game_back.tournament), saved);

    using nlohmann::json;
    const json document = json::parse(saved);
    auto refused = [&](const std::function<void(json&)>& edit) {
        json changed = document;
        edit(changed);
        auto result = load_snapshot(changed.dump(), std::make_unique<SeededRandom>(0),
                                    std::make_unique<SeededRandom>(0));
        return std::holds_alternative<std::string>(result) ? std::get<std::string>(result)
                                                           : std::string();
    };
    // Chips made out of nothing, a player seated twice, a name the game never gives, a field
    // the options do not play, and none at all.
    EXPECT_NE(refused([](json& d) { d["whole_field"]["entrants"][3][1] = 999999; }), "");
    EXPECT_NE(refused([](json& d) {
                  d["whole_field"]["tables"][1][3][0] = d["whole_field"]["tables"][0][3][0];
              }),
              "");
    EXPECT_NE(refused([](json& d) { d["whole_field"]["entrants"][5][0] = "Mallory"; }), "");
    EXPECT_NE(refused([](json& d) { d["options"]["structure"] = "classic-clock"; }), "");
    EXPECT_NE(refused([](json& d) { d.erase("whole_field"); }), "");
    EXPECT_NE(refused([](json& d) { d["whole_field"]["entrants"] = json::array(); }), "");
    EXPECT_NE(refused([](json& d) { d["table"]["ante"] = 7; }), "");
}

}  // namespace
}  // namespace holdem::standard
