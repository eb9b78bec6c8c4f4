// The simulator's signature pinned for fixed seeds, policies and starts. Every card dealt, stack,
// blind, action and award goes into it, so any change to how the game plays shows here: a change
// that means to alter play updates these values in the same commit and says why.
#include <gtest/gtest.h>

#include "sim/runner.h"

namespace holdem::sim {
namespace {

struct Pinned {
    std::uint64_t seed;
    PolicyKind policy;
    int late;
    std::uint64_t signature;
};

constexpr Pinned pinned[] = {
    {1, PolicyKind::random, 0, 0xddf988dda922d59e},
    {2, PolicyKind::shark, 0, 0xb1c1fe79c1041a1c},
    {3, PolicyKind::caller, 0, 0x63f1150a894b3e09},
    {4, PolicyKind::folder, 0, 0xe6a6e8cc025ee40e},
    {5, PolicyKind::sitout, 0, 0xc3c459975eaeea53},
    {6, PolicyKind::raiser, 0, 0x8328347f630ca0d3},
    {7, PolicyKind::random, 980, 0xb02a00a7157f8cc8},
    {8, PolicyKind::shark, 970, 0xf54720e73ed552a2},
    {9, PolicyKind::folder, 989, 0xf95d706219912f16},
};

// 3000 hands of each pinned run under the classic or the standard rules.
void expect_pinned(const Pinned& p, bool standard_rules) {
    RunOptions options;
    options.hands = 3000;
    options.seed = p.seed;
    options.policy = p.policy;
    options.late = p.late;
    options.standard_rules = standard_rules;
    const RunSummary run = run_simulation(options);
    ASSERT_FALSE(run.violation) << *run.violation;
    EXPECT_EQ(run.signature, p.signature)
        << "seed " << p.seed << " " << policy_name(p.policy) << " late " << p.late << ": "
        << std::hex << run.signature;
}

TEST(Signature, PinnedForFixedSeedsPoliciesAndStarts) {
    for (const Pinned& p : pinned)
        expect_pinned(p, false);
}

// The standard rules' tournament, pinned apart: the classic values above never move with it.
TEST(Signature, PinnedForTheStandardRules) {
    constexpr Pinned standard[] = {
        {1, PolicyKind::random, 0, 0x38425db868287209},
        {2, PolicyKind::caller, 0, 0x69d793b4e34a4cf0},
        {3, PolicyKind::raiser, 980, 0xc755b61811b4f3b6},
        {4, PolicyKind::folder, 989, 0xd6256dcec6a0ca72},
    };
    for (const Pinned& p : standard)
        expect_pinned(p, true);
}

// Saving the whole game and taking it up again before every hand must not change a thing:
// the same cards, decisions and clocks, for the classic game, with every option on, and under
// the standard rules.
TEST(Signature, UnchangedWhenTheGameIsReloadedBeforeEveryHand) {
    Options every_option;
    every_option.pace = Pace::fast;
    every_option.hurry_when_out = true;
    every_option.levels = Levels::by_hands;
    every_option.ranking = Ranking::standard;
    every_option.opponents = Opponents::fair;
    for (const Pinned& p : {pinned[0], pinned[7]}) {
        struct Game {
            Options options;
            bool standard_rules;
        };
        for (const auto& [game, standard_rules] :
             {Game{Options{}, false}, Game{every_option, false}, Game{every_option, true}}) {
            RunOptions options;
            options.standard_rules = standard_rules;
            options.hands = 600;
            options.seed = p.seed;
            options.policy = p.policy;
            options.late = p.late;
            options.options = game;
            const RunSummary straight = run_simulation(options);
            options.reload_each_hand = true;
            const RunSummary reloaded = run_simulation(options);
            ASSERT_FALSE(reloaded.violation) << *reloaded.violation;
            EXPECT_EQ(reloaded.signature, straight.signature) << "seed " << p.seed;
            EXPECT_EQ(reloaded.hands, straight.hands);
        }
    }
}

// The whole field under a structure: whole tournaments pinned, every table judged, the same
// when saved and taken up before every hand, and the same on two threads as on one.
TEST(Signature, PinnedForTheWholeField) {
    struct Field {
        StructureKind structure;
        int entrants;
        PolicyKind policy;
        std::uint64_t signature;
    };
    constexpr Field fields[] = {
        {StructureKind::hyper_turbo, 100, PolicyKind::tag, 0xd0c8fcfe527367ba},
        {StructureKind::turbo, 50, PolicyKind::caller, 0xb09b63ab6077af92},
    };
    for (const Field& f : fields) {
        RunOptions options;
        options.standard_rules = true;
        options.tournaments = 2;
        options.seed = 41;
        options.policy = f.policy;
        options.options.structure = f.structure;
        options.options.entrants = f.entrants;
        const RunSummary run = run_simulation(options);
        ASSERT_FALSE(run.violation) << *run.violation;
        EXPECT_EQ(run.signature, f.signature) << std::hex << run.signature;
        EXPECT_GT(run.place_sum, 0u);
        options.reload_each_hand = true;
        const RunSummary reloaded = run_simulation(options);
        ASSERT_FALSE(reloaded.violation) << *reloaded.violation;
        EXPECT_EQ(reloaded.signature, run.signature);
        options.reload_each_hand = false;
        options.jobs = 2;
        EXPECT_EQ(run_simulation(options).signature, run.signature);
    }
}

}  // namespace
}  // namespace holdem::sim
