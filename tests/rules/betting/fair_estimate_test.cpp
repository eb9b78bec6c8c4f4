// Fair opponents: the classic numbers an estimate deals with are the assessment's own, a seat
// sure of the best hand raises and a seat sure of the worst folds, and the estimates draw from
// a stream of their own.
#include "rules/betting/fair_estimate.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "rules/reading/card_assessment.h"
#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;

TEST(FairEstimate, ClassicNumbersFromMasksAgreeWithTheAssessment) {
    SeededRandom random(9);
    for (int deal = 0; deal < 20000; ++deal) {
        std::array<CardCode, 7> codes{};
        std::uint64_t taken = 0;
        for (CardCode& c : codes) {
            do {
                c = static_cast<CardCode>(random.next() * 52.0f + 1.0f);
            } while (taken & (1ull << c));
            taken |= 1ull << c;
        }
        const ClassicBoard board =
            classic_board({codes[2], codes[3], codes[4], codes[5], codes[6]});
        ASSERT_EQ(classic_number(board, codes[0], codes[1]), read_classic_hand(codes).number)
            << convert2card(codes[0]) << convert2card(codes[1]);
    }
}

// The table the game reads before the flop holds what the estimate works out, for every hand
// (every seventh one in the sanitized build).
TEST(FairEstimate, PreflopTableMatchesTheEstimate) {
    const std::size_t step = std::getenv("HOLDEM_SHORT") ? 7 : 1;
    int tabled = 0;
    for (Ranking ranking : {Ranking::classic, Ranking::standard})
        for (int high = 0; high < 13; ++high)
            for (int low = 0; low <= high; ++low)
                for (bool suited : {false, true})
                    for (int opponents = 1; opponents < seat_count; ++opponents) {
                        const std::size_t i = preflop_index(ranking, high, low, suited, opponents);
                        if (suited && low == high) {
                            ASSERT_EQ(preflop_standings[i], 0);
                            continue;
                        }
                        ++tabled;
                        if (i % step != 0) continue;
                        ASSERT_EQ(preflop_standings[i],
                                  work_out_preflop_standing(ranking, high, low, suited, opponents))
                            << "ranking " << static_cast<int>(ranking) << " ranks " << high << " "
                            << low << " suited " << suited << " against " << opponents;
                    }
    EXPECT_EQ(tabled, 2 * 169 * 9);
}

TEST(FairEstimate, StandingsFromOwnCardsAndTheBoardShown) {
    for (Ranking ranking : {Ranking::classic, Ranking::standard}) {
        auto t = game_with_dealer(3, deck_with_board({"Ah", "Kh", "Qh", "2c", "3d"}));
        t->options.opponents = Opponents::fair;
        t->options.ranking = ranking;
        t->postblinds = t->postflop1 = t->postflop2 = t->postflop3 = true;  // the river is out
        t->seat(4).cardone = code_of("Jh");
        t->seat(4).cardtwo = code_of("10h");  // a royal flush: nobody can beat it
        t->seat(5).cardone = code_of("4s");
        t->seat(5).cardtwo = code_of("7c");  // nothing at all
        EXPECT_EQ(fair_handrank(*t, 4), 1);
        EXPECT_EQ(fair_handrank(*t, 5), 5);
    }
}

TEST(FairEstimate, EstimatesLeaveTheDecksDrawsAlone) {
    auto plain = seeded_table(4), estimating = seeded_table(4);
    for (Table* t : {plain.get(), estimating.get()}) {
        dealfirst(*t);
        distribute_cards_for_10(*t);
        t->postblinds = t->postflop1 = true;
    }
    estimating->options.opponents = Opponents::fair;
    for (int seat = 2; seat <= 10; ++seat)
        fair_handrank(*estimating, seat);
    dealfirst(*plain);
    dealfirst(*estimating);
    EXPECT_EQ(plain->deck, estimating->deck);  // the next deck is the same either way
}

}  // namespace
}  // namespace holdem
