// Hand records as untrusted input: a line edited in any number is refused or replays within
// what a table can hold, and a records file that is huge, hostile or no file at all is read
// within bounds (a part of it, the lines that are records) or refused at once.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cycle/events.h"
#include "cycle/human_actions.h"
#include "picture/replay.h"
#include "report/record_file.h"

namespace holdem {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// Real records of a classic game's first hands, the human checking or folding.
std::vector<std::string> recorded_lines(std::size_t hands) {
    Table t(std::make_unique<SeededRandom>(8));
    std::vector<std::string> lines;
    HandRecorder recorder([&](const std::string& line) { lines.push_back(line); });
    t.observers = {&recorder};
    start_game(t);
    while (!t.ended && lines.size() < hands) {
        if (human_turn_open(t))
            click(t, t.controls[ctl::Check].visible ? ctl::Check : ctl::Fold);
        else
            run_until(t, *t.loop.next_deadline());
    }
    return lines;
}

TEST(HandRecord, EveryNumberIsCheckedAgainstWhatATableHolds) {
    const json line = json::parse(recorded_lines(1).front());
    ASSERT_TRUE(read_record(line.dump()));
    auto first_action = [](json& j) -> json& {
        for (json& e : j["events"])
            if (e["kind"] == "action") return e;
        return j["events"][0];
    };
    struct Case {
        const char* what;
        std::function<void(json&)> edit;
    };
    const Case cases[] = {
        {"an action by seat 0", [&](json& j) { first_action(j)["seat"] = 0; }},
        {"a blind by seat 11", [](json& j) { j["events"][0]["seat"] = 11; }},
        {"a seat not at the table",
         [](json& j) {
             const int gone = j["seats"].back()["seat"];
             j["seats"].erase(j["seats"].size() - 1);
             for (json& e : j["events"])
                 if (e["seat"] == gone) e["seat"] = gone;
             j["events"][0]["seat"] = gone;
         }},
        {"a seat twice", [](json& j) { j["seats"].push_back(j["seats"][0]); }},
        {"a bet beyond any table", [&](json& j) { first_action(j)["amount"] = 2147483647; }},
        {"a bet below nothing", [&](json& j) { first_action(j)["amount"] = -5; }},
        {"a bet of 3e72", [&](json& j) { first_action(j)["bet_before"] = 3e72; }},
        {"a fractional stack", [](json& j) { j["seats"][0]["stack"] = 10.5; }},
        {"a stack as text", [](json& j) { j["seats"][0]["stack"] = "1000"; }},
        {"level 0", [](json& j) { j["level"] = 0; }},
        {"a log line told that is not there", [](json& j) { j["events"].back()["log"] = 9999; }},
        {"a flop of two cards",
         [](json& j) {
             for (json& e : j["events"])
                 if (e["kind"] == "street") e["cards"] = {1, 2};
         }},
        {"a card 53", [](json& j) { j["seats"][0]["cards"][0] = 53; }},
        {"a name of a kilobyte", [](json& j) { j["seats"][0]["name"] = std::string(1024, 'n'); }},
        {"a result beyond any table", [](json& j) { j["result"] = -2000000000; }},
        {"an array for the events", [](json& j) { j["events"] = json::object(); }},
    };
    for (const Case& c : cases) {
        json edited = line;
        c.edit(edited);
        EXPECT_FALSE(read_record(edited.dump())) << c.what;
    }
}

// The largest amounts a record may hold, on every event, replay without a sum overflowing.
TEST(HandRecord, TheLargestAmountsReplayWithoutOverflow) {
    json line = json::parse(recorded_lines(1).front());
    for (json& s : line["seats"])
        s["stack"] = max_record_chips;
    json events = json::array();
    while (events.size() + line["events"].size() <= max_record_events)
        for (const json& e : line["events"]) {
            json big = e;
            big["amount"] = max_record_chips;
            if (big.contains("total")) big["total"] = max_record_chips;
            events.push_back(big);
        }
    line["events"] = events;
    line["small_blind"] = max_record_chips;
    const auto record = read_record(line.dump());
    ASSERT_TRUE(record);
    const std::vector<ReplayStep> steps = replay(*record);
    EXPECT_EQ(steps.size(), record->events.size() + 1);
}

fs::path empty_folder(const std::string& name) {
    const auto folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

long peak_kilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(RecordFile, AFileOfRecordsListsItsHandsAndLeavesOutWhatIsNoRecord) {
    const auto folder = empty_folder("holdem-records");
    const fs::path path = folder / "tournament-1.jsonl";
    const std::vector<std::string> lines = recorded_lines(6);
    ASSERT_EQ(lines.size(), 6u);
    {
        std::ofstream out(path);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out << lines[i];
            if (i == 2) out << "not a record\n" << std::string(max_record_line + 10, '{') << "\n";
        }
        out << lines[0].substr(0, 40);  // a last hand cut short
    }
    const RecordFileRead read = read_record_file(path.string());
    EXPECT_TRUE(read.why.empty());
    ASSERT_EQ(read.hands.size(), lines.size());
    EXPECT_EQ(read.left_out, 3u) << path;
    EXPECT_FALSE(read.beyond_limit);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto again = read_record_at(path.string(), read.hands[i]);
        ASSERT_TRUE(again) << i;
        EXPECT_EQ(record_line(*again), lines[i]);
    }
    // Past the limit the rest is not read, and the listing says so.
    const RecordFileRead part =
        read_record_file(path.string(), lines[0].size() + lines[1].size() + 5);
    EXPECT_EQ(part.hands.size(), 2u);
    EXPECT_TRUE(part.beyond_limit);
    fs::remove_all(folder);
}

TEST(RecordFile, HostileFilesAreReadWithinBoundsOrRefusedAtOnce) {
    const auto folder = empty_folder("holdem-records-hostile");
    const std::string record = recorded_lines(1).front();
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        bool readable;
    };
    const Case cases[] = {
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, false},
        {"a link to an endless device",
         [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, false},
        {"a line of 50 MB",
         [](const fs::path& p) { std::ofstream(p) << std::string(50 << 20, '[') << "\n"; }, true},
        {"64 MB of records",
         [&](const fs::path& p) {
             std::ofstream out(p);
             const std::string block = [&] {
                 std::string b;
                 while (b.size() < (1 << 20))
                     b += record;
                 return b;
             }();
             for (std::size_t written = 0; written < (std::size_t{200} << 20);
                  written += block.size())
                 out << block;
         },
         true},
    };
    for (const Case& c : cases) {
        const fs::path path = folder / "tournament-1.jsonl";
        fs::remove_all(path);
        c.make(path);
        const long peak = peak_kilobytes();
        // Bounded by what is read, not by the clock: a loaded machine must not fail it.
        const RecordFileRead read = read_record_file(path.string());
        EXPECT_EQ(read.why.empty(), c.readable) << c.what << ": " << read.why;
        EXPECT_LE(read.bytes_read, max_records_read) << c.what;
        EXPECT_LT(peak_kilobytes() - peak, 50 * 1024) << c.what;
        fs::remove_all(path);
    }
    // A read given up comes back at once with what it had.
    std::atomic<bool> cancel{true};
    std::ofstream(folder / "t.jsonl") << record << record;
    EXPECT_TRUE(
        read_record_file((folder / "t.jsonl").string(), max_records_read, &cancel).hands.empty());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace holdem
