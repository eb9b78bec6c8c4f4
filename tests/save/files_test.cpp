// The game's files when the disk misbehaves or a file is hostile: a save that fails says why
// and keeps the old one, a history hand goes in whole or not at all, and a saved game's file
// that is no saved game is refused at once, whatever it is.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "save/game_keeper.h"
#include "save/hand_appender.h"
#include "save/snapshot_file.h"
#include "support/table_fixture.h"

namespace holdem {
namespace {

namespace fs = std::filesystem;

fs::path empty_folder(const std::string& name) {
    const auto folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// A disk that takes `room` more bytes, then is full.
std::size_t room = 0;
ssize_t filling_disk(int fd, const void* data, std::size_t size) {
    if (room == 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t n = std::min(room, size);
    room -= n;
    return ::write(fd, data, n);
}
struct FullDisk {
    explicit FullDisk(std::size_t bytes) {
        room = bytes;
        set_write_call(filling_disk);
    }
    ~FullDisk() { set_write_call(nullptr); }
};

// Plays the human folding until `hands` hands have started and the next is due.
void play_hands(Table& t, std::uint64_t hands) {
    while (!t.ended && !(t.loop.next_is(TimerId::Timer1) && t.hands_started >= hands)) {
        if (human_turn_open(t))
            click(t, ctl::Fold);
        else
            run_until(t, *t.loop.next_deadline());
    }
}

TEST(GameKeeper, AFailedSaveSaysWhyKeepsTheOldSaveAndClearsOnceASaveSucceeds) {
    const auto folder = empty_folder("holdem-keeper");
    const std::string path = (folder / "tournament.json").string();
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(5));
    GameKeeper keeper(path, [] {
        return SavedTournament{"t1", 0, std::nullopt, std::nullopt, nullptr};
    });
    t->observers.push_back(&keeper);
    start_game(*t);
    play_hands(*t, 2);
    run_until(*t, *t->loop.next_deadline());  // the save of hand 3, as its deal is due
    keeper.flush();
    const auto saved = keeper.status();
    EXPECT_FALSE(saved.error);
    EXPECT_EQ(saved.saved_hand, 3u);
    const std::string kept = read_saved_file(path, max_save_bytes).text.value();
    {
        const FullDisk full(100);
        play_hands(*t, 4);
        run_until(*t, *t->loop.next_deadline());
        keeper.flush();
        const auto failed = keeper.status();
        EXPECT_EQ(failed.error, "no space left on the disk");
        EXPECT_EQ(failed.saved_hand, 3u);
        EXPECT_EQ(read_saved_file(path, max_save_bytes).text, kept);
    }
    play_hands(*t, 5);
    run_until(*t, *t->loop.next_deadline());
    keeper.flush();
    EXPECT_FALSE(keeper.status().error);
    EXPECT_EQ(keeper.status().saved_hand, 6u);
    for (const auto& entry : fs::directory_iterator(folder))  // no temporary file left behind
        EXPECT_EQ(entry.path().filename(), "tournament.json");
    t->observers.clear();
    fs::remove_all(folder);
}

TEST(GameKeeper, AFileWhereTheFolderShouldBeAndASaveThatCannotBeRemovedAreReported) {
    const auto folder = empty_folder("holdem-keeper-folder");
    std::ofstream(folder / "not-a-folder") << "x";
    {
        auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(5));
        GameKeeper keeper((folder / "not-a-folder" / "tournament.json").string(), [] {
            return SavedTournament{"t1", 0, std::nullopt, std::nullopt, nullptr};
        });
        keeper.hand_due(*t);
        keeper.flush();
        EXPECT_EQ(keeper.status().error, "a file stands where the folder should be");
    }
    // A folder in the save's place cannot be removed as a file.
    fs::create_directories(folder / "tournament.json" / "inside");
    auto t = std::make_unique<Table>(std::make_unique<SeededRandom>(5));
    GameKeeper keeper((folder / "tournament.json").string(), [] { return SavedTournament{}; }, 7);
    keeper.game_ended(*t, GameEnd::Exit);
    keeper.flush();
    EXPECT_TRUE(keeper.status().removal_failed);
    EXPECT_TRUE(keeper.status().error);
    fs::remove_all(folder);
}

TEST(HistoryAppend, AHandGoesInWholeOrNotAtAll) {
    const auto folder = empty_folder("holdem-append");
    const std::string path = (folder / "history.txt").string();
    ASSERT_TRUE(append_whole(path, "hand one\n\n"));
    {
        const FullDisk full(4);
        std::string why;
        EXPECT_FALSE(append_whole(path, "hand two, cut off by the full disk\n\n", &why));
        EXPECT_EQ(why, "no space left on the disk");
    }
    EXPECT_TRUE(append_whole(path, "hand three\n\n"));
    EXPECT_EQ(read_saved_file(path, 1000).text, "hand one\n\nhand three\n\n");
    fs::remove_all(folder);
}

// A pipe or a device where a history should be is refused at once, never waited on; a hand
// that could not be written waits and goes in, in order, with the next that can.
TEST(HistoryAppend, PipesAreRefusedAndWaitingHandsGoInOnceTheyCan) {
    const auto folder = empty_folder("holdem-append-kinds");
    const std::string pipe = (folder / "history.txt").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string why;
    EXPECT_FALSE(append_whole(pipe, "hand\n\n", &why));
    EXPECT_EQ(why, "it is not an ordinary file");
    EXPECT_FALSE(append_whole("/dev/null", "hand\n\n", &why));
    EXPECT_EQ(why, "it is not an ordinary file");

    const std::string path = (folder / "records.jsonl").string();
    HandAppender records(path, HandFile::records);
    records.append("{1}\n");
    {
        const FullDisk full(0);
        records.append("{2}\n");
        records.append("{3}\n");
        EXPECT_EQ(records.problem(), "no space left on the disk");
        EXPECT_EQ(records.length(), 12u);  // what a save made now remembers
    }
    records.append("{4}\n");
    EXPECT_FALSE(records.problem());
    EXPECT_EQ(read_saved_file(path, 1000).text, "{1}\n{2}\n{3}\n{4}\n");
    fs::remove_all(folder);
}

// A saved length cuts a file of hands back only where a hand begins; anything else (an edited
// save, a length from elsewhere) leaves the file whole and says so.
TEST(HistoryCutBack, OnlyWhereAHandBegins) {
    const auto folder = empty_folder("holdem-cut");
    const std::string hand1 = "Final Table Hold'em Hand #1: x\nSeat 1: You\n\n";
    const std::string hand2 = "Final Table Hold'em Hand #2: y\nSeat 1: You\n\n";
    const std::string text = (folder / "history.txt").string();
    struct Case {
        HandFile kind;
        std::string first, second;
    };
    const Case cases[] = {
        {HandFile::text_history, hand1, hand2},
        {HandFile::phh, "[1]\nvariant = \"NT\"\n\n", "[2]\nvariant = \"NT\"\n\n"},
        {HandFile::records, "{\"hand\":1}\n", "{\"hand\":2}\n"},
    };
    for (const Case& c : cases) {
        const std::string whole = c.first + c.second;
        for (std::uint64_t length = 0; length <= whole.size() + 3; ++length) {
            std::ofstream(text, std::ios::trunc) << whole;
            std::string why;
            const bool cut = cut_back(text, length, c.kind, &why);
            const std::string after = read_saved_file(text, 1000).text.value();
            const bool boundary = length == 0 || length == c.first.size() || length >= whole.size();
            EXPECT_EQ(cut, boundary) << length;
            EXPECT_EQ(after, boundary ? whole.substr(0, length) : whole) << length;
            if (!boundary) {
                EXPECT_EQ(why, "the saved length falls inside a hand; the file is kept whole");
            }
        }
    }
    EXPECT_TRUE(cut_back((folder / "missing.txt").string(), 10, HandFile::records));
    fs::remove_all(folder);
}

// At start the game takes away only the temporary files its own saves leave; a player's backup
// beside the save, whatever its name, stays.
TEST(SavedFile, OnlyTheGamesOwnLeftoversAreRemoved) {
    const auto folder = empty_folder("holdem-leftovers");
    const std::string save = (folder / "tournament.json").string();
    const char* kept[] = {
        "tournament.json",        "tournament.json.backup",     "tournament.json.old123",
        "tournament.json.Ab3dE9", "tournament.json.tmp-ab.d99", "tournament.json.tmp-abcdefg"};
    for (const char* name : kept)
        std::ofstream(folder / name) << "mine";
    std::ofstream(folder / "tournament.json.tmp-Ab3dE9") << "left by a crash";
    fs::create_directory(folder / "tournament.json.tmp-Folder");
    remove_leftovers(save);
    for (const char* name : kept)
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_FALSE(fs::exists(folder / "tournament.json.tmp-Ab3dE9"));
    EXPECT_TRUE(fs::exists(folder / "tournament.json.tmp-Folder"));
    // What an interrupted save leaves is one of those names.
    {
        const FullDisk full(10);
        EXPECT_FALSE(write_atomically(save, std::string(100, 'x')));
    }
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_FALSE(is_temporary_of("tournament.json", entry.path().filename().string()) &&
                     entry.is_regular_file())
            << entry.path();
    fs::remove_all(folder);
}

long peak_kilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(SavedFile, HostileFilesAreRefusedAtOnceAndCheaply) {
    const auto folder = empty_folder("holdem-hostile");
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
    };
    const Case cases[] = {
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"a link to an endless device",
         [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
        {"50 MB of brackets",
         [](const fs::path& p) { std::ofstream(p) << std::string(50 << 20, '['); }},
        {"a 110 MB document",
         [](const fs::path& p) {
             std::ofstream out(p);
             out << R"({"format":"final-table-holdem saved game","junk":[)";
             for (int i = 0; i < (110 << 20) / 8; ++i)
                 out << "1234567,";
             out << "0]}";
         }},
    };
    for (const Case& c : cases) {
        const fs::path path = folder / "tournament.json";
        fs::remove_all(path);
        c.make(path);
        const long peak = peak_kilobytes();
        // Refused without reading it whole: the test's own time limit catches a read that hangs.
        const FileRead read = read_saved_file(path.string(), max_save_bytes);
        EXPECT_FALSE(read.text) << c.what;
        EXPECT_FALSE(read.why.empty()) << c.what;
        EXPECT_LT(peak_kilobytes() - peak, 50 * 1024) << c.what;
        // Put aside under a name of its own: a second one never overwrites the first.
        const SetAside first = set_aside(path.string(), 1'765'000'000);
        ASSERT_TRUE(first.path) << c.what << ": " << first.why;
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
        fs::remove_all(*first.path);
    }
    std::ofstream(folder / "tournament.json") << "one";
    const auto one = set_aside((folder / "tournament.json").string(), 1'765'000'000).path;
    std::ofstream(folder / "tournament.json") << "two";
    const auto two = set_aside((folder / "tournament.json").string(), 1'765'000'000).path;
    ASSERT_TRUE(one && two);
    EXPECT_NE(*one, *two);
    EXPECT_EQ(read_saved_file(*one, 10).text, "one");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace holdem
