#include "rules/reading/hand_evaluator.h"

#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace holdem {
namespace {

// A seat's straight flush and royal flush, from its seven cards.
void royal(Player& p) {
    evaluate_royal(
        p, read_cards({p.cardtext1, p.cardtext2, p.flop1, p.flop2, p.flop3, p.flop4, p.flop5}));
}

using namespace holdem::testing;

TEST(EvaluateSeat, CategoryBasePlusTheDetailAfterTheWord) {
    struct Case {
        std::string Player::*field;
        const char* text;
        int number;
    };
    const Case cases[] = {
        {&Player::handvaluetwok, "Two Kind 4", 303},  // the K of "Kind" is no king
        {&Player::handvaluetops, "Top K", 112},
        {&Player::handvaluepair, "Pair 3", 202},
        {&Player::handvaluepair, "Pair 10", 209},
        {&Player::handvaluetwok, "Two Kind 5", 304},
        {&Player::handvaluethreek, "Three Kind 9", 408},
        {&Player::handvaluethreek, "Three Kind A", 413},
        {&Player::handvaluefourk, "Four Kind 2", 801},
        {&Player::handvaluestraight, "straight 5", 504},
        {&Player::handvaluestraight, "straight 10", 509},
        {&Player::handvaluestraight, "straight A", 513},
        {&Player::handvalueflush, "flush spades", 604},
        {&Player::handvalueflush, "flush clubs", 601},
        {&Player::handvaluefullhouse, "FullHouse Q", 711},
        {&Player::handvaluesflush, "straight flush 10", 909},
        {&Player::handvaluerflush, "royal flush hearts", 1003},
    };
    for (const Case& c : cases) {
        Player p;
        p.handvaluetops = "Top A";  // any higher category replaces the high card
        p.handvaluestraight = p.handvalueflush = " ";
        p.*c.field = c.text;
        evaluate_seat(p);
        EXPECT_EQ(p.handnumber, c.number) << c.text;
        EXPECT_EQ(p.handvalue, c.text);
    }
    Player blank;
    blank.handvaluestraight = blank.handvalueflush = " ";
    evaluate_seat(blank);
    EXPECT_EQ(blank.handnumber, 0);
}

TEST(EvaluateHandRoyal, AStraightFlushMustBeOne) {
    auto t = seeded_table();
    Player& p = t->seat(2);
    // A straight and a flush made of different cards is not a straight flush.
    set_seven_cards(p, {"9c", "Kd", "5c", "6d", "7c", "8c", "2c"});
    p.handvaluestraight = "straight 9";
    p.handvalueflush = "flush clubs";
    royal(t->seat(2));
    EXPECT_EQ(p.handvaluesflush, "");
    EXPECT_EQ(p.handvaluerflush, "");

    set_seven_cards(p, {"9c", "Kd", "5c", "6c", "7c", "8c", "2d"});
    royal(t->seat(2));
    EXPECT_EQ(p.handvaluesflush, "straight flush 9");
    evaluate_seat(p);
    EXPECT_EQ(p.handnumber, 908);
}

TEST(EvaluateHandRoyal, RoyalNeedsTenToAceOfTheFlushSuit) {
    auto t = seeded_table();
    Player& p = t->seat(5);
    set_seven_cards(p, {"Ad", "Kd", "Qd", "Jd", "10d", "2c", "3s"});
    p.handvaluestraight = "straight A";
    p.handvalueflush = "flush diamonds";
    royal(t->seat(5));
    EXPECT_EQ(p.handvaluesflush, "straight flush A");
    EXPECT_EQ(p.handvaluerflush, "royal flush diamonds");
    evaluate_seat(p);
    EXPECT_EQ(p.handvalue, "royal flush diamonds");
    EXPECT_EQ(p.handnumber, 1002);

    // An ace-high straight with a flush elsewhere is no royal flush.
    Player& q = t->seat(6);
    set_seven_cards(q, {"Ad", "Kc", "Qd", "Jd", "10h", "2d", "3d"});
    q.handvaluestraight = "straight A";
    q.handvalueflush = "flush diamonds";
    royal(t->seat(6));
    EXPECT_EQ(q.handvaluesflush, "");
    EXPECT_EQ(q.handvaluerflush, "");

    Player& r = t->seat(7);
    r.handvaluestraight = "straight K";
    r.handvalueflush = " ";
    royal(t->seat(7));
    EXPECT_EQ(r.handvaluesflush, "");
}

TEST(EvaluateHandRoyal, TenToAceInOneSuitIsARoyalWhateverTheStraightVerdict) {
    // A royal on the board: the seat whose hand cards make "straight K" shares it with the seat
    // holding an ace, and the whole table splits.
    auto t = seeded_table();
    stack_deck(*t, deck_with_board({"Ac", "10c", "Jc", "Kc", "Qc"}));
    t->deck[deck_pos::first_card(1)] = code_of("9c");
    t->deck[deck_pos::second_card(1)] = code_of("2d");
    t->deck[deck_pos::first_card(2)] = code_of("Ad");
    distribute_cards_for_10(*t);
    EXPECT_EQ(t->seat(1).handvaluestraight, "straight K");
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(t->seat(k).handvalue, "royal flush clubs") << k;
        EXPECT_EQ(t->seat(k).handnumber, 1001) << k;
        EXPECT_EQ(t->seat(k).handrank, 1) << k;
    }
    EXPECT_EQ(t->numberofwinners, 10);

    // Both hand cards inside the royal.
    Player& p = t->seat(3);
    set_seven_cards(p, {"Ks", "As", "Qs", "Js", "10s", "2c", "3d"});
    p.handvaluestraight = "straight A";
    p.handvalueflush = "flush spades";
    p.handvaluerflush.clear();
    royal(t->seat(3));
    EXPECT_EQ(p.handvaluerflush, "royal flush spades");
    evaluate_seat(p);
    EXPECT_EQ(p.handnumber, 1004);
}

}  // namespace
}  // namespace holdem
