// Saved games: a game saved and loaded goes on exactly as before, a document that cannot be
// trusted is refused with its reason, and a writer killed at any moment leaves the old or the
// new file whole.
#include "save/snapshot.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <thread>

#include "picture/table_rules.h"
#include "save/snapshot_file.h"
#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;
using nlohmann::json;

// Plays on, the human folding, until the next hand after `hands` is due.
void play_until_hand_due(Table& t, std::uint64_t hands) {
    while (!t.ended) {
        if (human_turn_open(t))
            click(t, ctl::Fold);
        else if (t.loop.next_is(TimerId::Timer1) && t.hands_started == hands)
            break;
        else
            run_until(t, *t.loop.next_deadline());
    }
}

// A game some hands in, between two hands.
std::unique_ptr<Table> game_between_hands(std::uint64_t seed) {
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(seed));
    t->options.levels = Levels::by_hands;
    start_game(*t);
    play_until_hand_due(*t, 3);
    return t;
}

std::filesystem::path empty_folder(const std::string& name) {
    const auto folder =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::variant<LoadedGame, std::string> load(const std::string& text) {
    return load_snapshot(text, std::make_unique<SeededRandom>(0),
                         std::make_unique<SeededRandom>(0));
}

TEST(Snapshot, ASavedGameLoadsAndSavesTheSame) {
    auto t = game_between_hands(3);
    const std::string saved =
        save_snapshot(*t, {"20261206134501", 4096, std::nullopt, std::nullopt, nullptr});
    auto loaded = load(saved);
    ASSERT_TRUE(std::holds_alternative<LoadedGame>(loaded)) << std::get<std::string>(loaded);
    const LoadedGame& game = std::get<LoadedGame>(loaded);
    EXPECT_EQ(save_snapshot(*game.table, game.tournament), saved);
    EXPECT_EQ(game.tournament.history_length, 4096u);
    EXPECT_EQ(game.table->options.levels, Levels::by_hands);
}

TEST(Snapshot, DocumentsThatCannotBeTrustedAreRefused) {
    const std::string saved =
        save_snapshot(*game_between_hands(3), {"20261206134501", 0, std::nullopt, std::nullopt, nullptr});
    struct Case {
        const char* what;
        std::function<void(json&)> edit;
    };
    const Case cases[] = {
        {"newer version", [](json& j) { j["version"] = snapshot_version + 1; }},
        {"negative stack", [](json& j) { j["players"][3]["prize"] = -5; }},
        {"too many knocked out", [](json& j) { j["field"]["eliminated"] = 1001; }},
        {"card repeated", [](json& j) { j["table"]["deck"][7] = j["table"]["deck"][3]; }},
        {"seat out of range", [](json& j) { j["table"]["focuser"] = 11; }},
        {"dealer out of range", [](json& j) { j["players"][2]["dealer"] = 14; }},
        {"chips do not add up", [](json& j) { j["players"][0]["prize"] = 5000; }},
        {"wrong kind", [](json& j) { j["table"]["pot"] = "lots"; }},
        {"missing part", [](json& j) { j.erase("players"); }},
        {"no such control", [](json& j) { j["loop"]["pending"] = {60000}; }},
        {"name leads elsewhere", [](json& j) { j["tournament"]["id"] = "../../.profile"; }},
        {"long name", [](json& j) { j["players"][4]["caption"] = std::string(200, 'a'); }},
        {"made-up name", [](json& j) { j["players"][4]["caption"] = "mallory"; }},
        {"name and label disagree", [](json& j) { j["players"][4]["caption"] = "poker man luck"; }},
        {"human renamed", [](json& j) { j["players"][0]["caption"] = "river rat"; }},
        {"board card too long", [](json& j) { j["players"][1]["flop"][0] = "Ace of spades"; }},
        {"deep nesting", [](json& j) { j["extra"] = json::parse("[[[[[[[[[[1]]]]]]]]]]"); }},
    };
    for (const Case& c : cases) {
        json edited = json::parse(saved);
        c.edit(edited);
        EXPECT_TRUE(std::holds_alternative<std::string>(load(edited.dump()))) << c.what;
    }
    EXPECT_TRUE(std::holds_alternative<std::string>(load(saved.substr(0, saved.size() / 2))));
    EXPECT_TRUE(
        std::holds_alternative<std::string>(load(std::string(max_save_bytes + 1, ' ') + saved)));
    EXPECT_TRUE(std::holds_alternative<std::string>(load("")));
    EXPECT_TRUE(std::holds_alternative<std::string>(load("\x01\x02 not json at all")));
}

// The save on disk at any moment of the first hand (made as that hand was due) takes the
// tournament up again with the same hand, under either rule set.
TEST(Snapshot, TheFirstHandsSaveResumesEitherRuleSet) {
    for (const Rules rules : {Rules::classic, Rules::standard}) {
        auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(11),
                                         std::make_unique<SeededRandom>(12));
        t->options.rules = rules;
        t->options = in_force(t->options);
        struct Keeper final : TableObserver {
            std::string on_disk;
            void hand_due(const Table& t) override {
                on_disk = save_snapshot(t, {"first", 0, std::nullopt, std::nullopt, nullptr});
            }
        } keeper;
        t->observers.push_back(&keeper);
        const std::unique_ptr<TableRules> live = rules_for(*t);
        live->start();
        const Deck first = t->deck;
        int steps = 0;
        while (t->hands_started == 1 && !t->ended) {
            auto loaded = load(keeper.on_disk);
            ASSERT_TRUE(std::holds_alternative<LoadedGame>(loaded))
                << name_of(rules) << " step " << steps << ": " << std::get<std::string>(loaded);
            Table& again = *std::get<LoadedGame>(loaded).table;
            const std::unique_ptr<TableRules> resumed = rules_for(again);
            resumed->resume();
            for (int n = 0; n < 50 && again.hands_started == 0; ++n)
                if (auto due = again.loop.next_deadline()) resumed->run_until(*due);
            EXPECT_EQ(again.hands_started, 1u) << name_of(rules) << " step " << steps;
            EXPECT_EQ(again.deck, first) << name_of(rules) << " step " << steps;
            live->act(Intent::fold);
            if (auto due = t->loop.next_deadline()) live->run_until(*due);
            ++steps;
        }
        EXPECT_GT(steps, 5) << name_of(rules);
    }
}

// Saves written by earlier versions of the game load and play on exactly as they did.
TEST(Snapshot, EarlierVersionsLoadAndReplayEqual) {
    const std::pair<const char*, std::uint64_t> fixtures[] = {
        {"v1-fresh-first-hand.json", 10415206868646600957ull},
        {"v1-fresh-hand-12.json", 15287339319086532800ull},
        {"v1-late-closing.json", 1657325788103879522ull},
        {"v1-options-hand-8.json", 6107823836823981545ull}};
    for (const auto& [name, pinned] : fixtures) {
        const std::string path = std::string(HOLDEM_SAVE_FIXTURES) + "/" + name;
        auto loaded = load(read_saved_file(path, max_save_bytes).text.value_or(""));
        ASSERT_TRUE(std::holds_alternative<LoadedGame>(loaded)) << name;
        Table& t = *std::get<LoadedGame>(loaded).table;
        struct Hands final : TableObserver {
            std::uint64_t signature = 1469598103934665603ull;
            void mix(std::uint64_t v) { signature = (signature ^ v) * 1099511628211ull; }
            void hand_started(const Table& t) override {
                for (CardCode c : t.deck)
                    mix(static_cast<std::uint64_t>(c));
                for (int k = 1; k <= seat_count; ++k)
                    mix(static_cast<std::uint64_t>(t.seat(k).prize));
            }
        } hands;
        t.observers.push_back(&hands);
        resume_game(t);
        const std::uint64_t last = t.hands_started + 25;
        while (!t.ended && t.hands_started < last) {
            if (human_turn_open(t))
                click(t, t.controls[ctl::Call].visible ? ctl::Call : ctl::Check);
            else
                run_until(t, *t.loop.next_deadline());
        }
        t.observers.clear();
        EXPECT_EQ(hands.signature, pinned) << name;
    }
}

TEST(SnapshotFile, AWriterKilledAtAnyMomentLeavesTheOldFileOrTheNew) {
    const auto folder = empty_folder("holdem-kill");
    const std::string path = (folder / "tournament.json").string();
    // Two saved games of different sizes, written in turn as fast as possible.
    const std::string a =
        save_snapshot(*game_between_hands(3), {"a", 0, std::nullopt, std::nullopt, nullptr});
    const std::string b =
        save_snapshot(*game_between_hands(7), {"b", 0, std::nullopt, std::nullopt, nullptr});
    ASSERT_NE(a.size(), b.size());
    ASSERT_TRUE(write_atomically(path, a));
    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                write_atomically(path, i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300 + 700 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::optional<std::string> on_disk = read_saved_file(path, max_save_bytes).text;
        ASSERT_TRUE(on_disk);
        ASSERT_TRUE(*on_disk == a || *on_disk == b) << "round " << round;
        ASSERT_TRUE(std::holds_alternative<LoadedGame>(load(*on_disk)));
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace holdem
