// The game's files when the disk misbehaves or a file is hostile: a save that fails says why
// and keeps the old one, a history hand goes in whole or not at all, and a saved game's file
// that is no saved game is refused at once, whatever it is.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "save/game_keeper.h"
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
    GameKeeper keeper(path, [] { return SavedTournament{"t1", 0, std::nullopt, std::nullopt}; });
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
            return SavedTournament{"t1", 0, std::nullopt, std::nullopt};
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
        const auto start = std::chrono::steady_clock::now();
        const FileRead read = read_saved_file(path.string(), max_save_bytes);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(read.text) << c.what;
        EXPECT_FALSE(read.why.empty()) << c.what;
        EXPECT_LT(took, std::chrono::seconds(1)) << c.what;
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
