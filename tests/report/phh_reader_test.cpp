// PHH files read apart from the writer and every hand played strictly from its actions: the
// format's own documented examples, every hand of simulator files under every policy, and files
// that are malformed or hostile, refused by hand and field.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <set>
#include <sstream>

#include "report/phh_play.h"
#include "report/phh_reader.h"
#include "sim/runner.h"

namespace holdem {
namespace {

Chips sum(const std::vector<Chips>& v) {
    return std::accumulate(v.begin(), v.end(), Chips{0});
}

// The TOML blocks of a documentation page.
std::vector<std::string> toml_blocks(const std::string& page) {
    std::vector<std::string> blocks;
    std::istringstream in(page);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line.rfind(".. code-block:: toml", 0) == 0) {
            inside = true;
            blocks.emplace_back();
            continue;
        }
        if (!inside) continue;
        if (!line.empty() && line[0] != ' ') {
            inside = false;
            continue;
        }
        blocks.back() += (line.size() > 3 ? line.substr(3) : std::string()) + "\n";
    }
    return blocks;
}

TEST(PhhReader, TheFormatsDocumentedExamplesReplay) {
    const std::filesystem::path page = HOLDEM_PHH_REFERENCE "/examples.rst";
    if (!std::filesystem::exists(page)) GTEST_SKIP() << "no copy of the format's documentation";
    std::ifstream in(page);
    std::stringstream text;
    text << in.rdbuf();
    int no_limit = 0;
    for (const std::string& block : toml_blocks(text.str())) {
        const PhhRead read = read_phh(block);
        ASSERT_TRUE(read.problems.empty()) << read.problems.front();
        ASSERT_EQ(read.hands.size(), 1u);
        const PhhHand& hand = read.hands[0];
        const PhhPlayed played = play_phh(hand);
        if (hand.variant != "NT") {
            EXPECT_EQ(played.problem, "the variant " + hand.variant + " is not no-limit hold'em");
            continue;
        }
        ++no_limit;
        ASSERT_FALSE(played.problem) << *played.problem;
        EXPECT_TRUE(played.complete);
        EXPECT_EQ(sum(played.finishing), sum(hand.starting_stacks));
        if (hand.finishing_stacks) {
            EXPECT_EQ(played.finishing, *hand.finishing_stacks);
        }
    }
    EXPECT_GE(no_limit, 1);
}

// A hand worked out by hand: antes of 500 as dead money, a turn all-in called short, the
// uncalled part back, the seven-high straight over the wheel.
TEST(PhhReader, AHandWorkedOutByHand) {
    const PhhRead read = read_phh(R"(variant = "NT"
antes = [500, 500, 500]
blinds_or_straddles = [1000, 2000, 0]
min_bet = 2000
starting_stacks = [1125600, 2000000, 553500]
actions = [
  "d dh p1 Ac2d", "d dh p2 ????", "d dh p3 7h6h",  # the second hand is never seen
  "p3 cbr 7000", "p1 cbr 23000", "p2 f", "p3 cc",
  "d db Jc3d5c", "p1 cbr 35000", "p3 cc",
  "d db 4h", "p1 cbr 90000", "p3 cbr 232600", "p1 cbr 1067100", "p3 cc",
  "p1 sm Ac2d", "p3 sm 7h6h",
  "d db Jh",
]
)");
    ASSERT_TRUE(read.problems.empty()) << read.problems.front();
    const PhhPlayed played = play_phh(read.hands.at(0));
    ASSERT_FALSE(played.problem) << *played.problem;
    EXPECT_EQ(played.finishing, (std::vector<Chips>{572100, 1997500, 1109500}));
    EXPECT_EQ(played.winnings, (std::vector<Chips>{0, 0, 1109500}));
}

// Every hand of simulator files, under every policy and from fresh and late starts, reads and
// replays strictly to its finishing stacks and winnings; table headers are unique in a file.
TEST(PhhReader, SimulatorFilesReplayToTheirFinishingStacks) {
    using sim::PolicyKind;
    std::size_t hands = 0;
    for (PolicyKind policy : {PolicyKind::random, PolicyKind::caller, PolicyKind::raiser,
                              PolicyKind::folder, PolicyKind::sitout, PolicyKind::tag}) {
        for (int late : {0, 985}) {
            std::ostringstream file;
            sim::RunOptions options;
            options.hands = 400;
            options.seed = 11 + static_cast<std::uint64_t>(policy);
            options.policy = policy;
            options.late = late;
            options.standard_rules = true;
            options.options.levels = Levels::by_hands;
            options.phh = &file;
            const sim::RunSummary run = sim::run_simulation(options);
            ASSERT_FALSE(run.violation) << *run.violation;
            const PhhRead read = read_phh(file.str());
            ASSERT_TRUE(read.problems.empty()) << read.problems.front();
            std::set<std::string> names;
            for (const PhhHand& hand : read.hands) {
                EXPECT_TRUE(names.insert(hand.name).second) << "table [" << hand.name << "] twice";
                const PhhPlayed played = play_phh(hand);
                ASSERT_FALSE(played.problem)
                    << sim::policy_name(policy) << " [" << hand.name << "]: " << *played.problem;
                ASSERT_TRUE(played.complete) << "[" << hand.name << "]";
                ASSERT_TRUE(hand.finishing_stacks && hand.winnings);
                EXPECT_EQ(played.finishing, *hand.finishing_stacks) << "[" << hand.name << "]";
                EXPECT_EQ(played.winnings, *hand.winnings) << "[" << hand.name << "]";
            }
            hands += read.hands.size();
        }
    }
    EXPECT_GE(hands, 4000u);
}

// Every table of a whole field, antes included, replays to its finishing stacks.
TEST(PhhReader, EveryTableOfAFieldReplaysWithItsAntes) {
    std::ostringstream file;
    sim::RunOptions options;
    options.tournaments = 1;
    options.seed = 5;
    options.policy = sim::PolicyKind::tag;
    options.standard_rules = true;
    options.options.structure = StructureKind::turbo;
    options.options.entrants = 60;
    options.phh = &file;
    options.phh_every_table = true;
    ASSERT_FALSE(sim::run_simulation(options).violation);
    const PhhRead read = read_phh(file.str());
    ASSERT_TRUE(read.problems.empty()) << read.problems.front();
    std::set<std::string> names;
    std::size_t with_ante = 0;
    for (const PhhHand& hand : read.hands) {
        EXPECT_TRUE(names.insert(hand.name).second) << "table [" << hand.name << "] twice";
        const PhhPlayed played = play_phh(hand);
        ASSERT_FALSE(played.problem) << "[" << hand.name << "]: " << *played.problem;
        ASSERT_TRUE(hand.finishing_stacks);
        EXPECT_EQ(played.finishing, *hand.finishing_stacks) << "[" << hand.name << "]";
        with_ante +=
            std::any_of(hand.antes.begin(), hand.antes.end(), [](Chips a) { return a > 0; });
    }
    EXPECT_GT(read.hands.size(), 300u);
    EXPECT_GT(with_ante, 100u);
}

TEST(PhhReader, MalformedFilesSayWhichHandAndFieldIsWrong) {
    const std::string good = R"(variant = "NT"
antes = [0, 0]
blinds_or_straddles = [10, 20]
min_bet = 20
starting_stacks = [1000, 1000]
actions = ["d dh p1 AcAd", "d dh p2 KcKd", "p2 f"]
)";
    struct Case {
        const char* what;
        std::string text;
        const char* problem;  // the start of the first problem
    };
    const Case cases[] = {
        {"a table twice", "[1]\n" + good + "[1]\n" + good, "line 8: the table [1] appears twice"},
        {"a field missing", "[7]\nvariant = \"NT\"\n", "hand [7]: antes is missing"},
        {"a stack as text",
         "[2]\n" + std::string(good).replace(good.find("[1000, 1000]"), 12, "[\"a\", 1000]"),
         "hand [2]: starting_stacks is not a whole number of chips"},
        {"fractions of a chip",
         std::string(good).replace(good.find("min_bet = 20"), 12, "min_bet = 2.5"),
         "the hand: min_bet is not a whole number of chips"},
        {"lengths that differ", std::string(good).replace(good.find("[0, 0]"), 6, "[0]"),
         "the hand: antes, blinds_or_straddles and starting_stacks differ in length"},
        {"a string that does not end", "variant = \"NT\n", "line 1: a string does not end"},
        {"arrays nested deep", "x = [[[[[[1]]]]]]\n", "line 1: arrays nest deeper"},
        {"a line going on", "variant = \"NT\" junk\n", "line 1: a line goes on after its value"},
    };
    for (const Case& c : cases) {
        const PhhRead read = read_phh(c.text);
        ASSERT_FALSE(read.problems.empty()) << c.what;
        EXPECT_EQ(read.problems.front().rfind(c.problem, 0), 0u)
            << c.what << ": " << read.problems.front();
    }
    // Actions the rules refuse stop the hand, naming the action.
    const std::pair<const char*, const char*> refused[] = {
        {R"("d dh p1 AcAd", "d dh p2 KcKd", "p1 f")", "action 3 (p1 f): it is p2's turn"},
        {R"("d dh p2 AcAd")", "action 1 (d dh p2 AcAd): hole cards out of order: p1 is next"},
        {R"("d dh p1 AcAd", "d dh p2 KcKd", "p2 cbr 30")",
         "action 3 (p2 cbr 30): a raise to 30 is below the least, 40"},
        {R"("d dh p1 AcAd", "d dh p2 KcKd", "d db 2c3c4c")",
         "action 3 (d db 2c3c4c): the board while the betting goes on"},
        {R"("d dh p1 AcAd", "d dh p2 KcXd")", "action 2 (d dh p2 KcXd): 'Xd' is not a card"},
        {R"("d dh p1 AcAd", "d dh p2 KcKd", "d dh p3 QcQd")",
         "action 3 (d dh p3 QcQd): more hands dealt than there are players"},
    };
    for (const auto& [actions, problem] : refused) {
        std::string text = good;
        text.replace(text.find("[\"d dh"), std::string::npos, std::string("[") + actions + "]\n");
        const PhhRead read = read_phh(text);
        ASSERT_TRUE(read.problems.empty()) << read.problems.front();
        const PhhPlayed played = play_phh(read.hands.at(0));
        EXPECT_EQ(played.problem, problem);
    }
    // More hands than the reader takes: it stops, and says so.
    std::string many;
    for (std::size_t i = 0; i <= max_phh_hands; ++i)
        many += "[" + std::to_string(i) + "]\nvariant = \"FT\"\n";
    const PhhRead read = read_phh(many);
    EXPECT_TRUE(read.cut_short);
    EXPECT_LE(read.hands.size(), max_phh_hands);
}

}  // namespace
}  // namespace holdem
