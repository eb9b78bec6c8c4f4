// A deliberately plain reading of the rules, written on card texts the slow way, checked
// against the game's assessment on many seeded deals: every seat's hand texts, hand number,
// hand text and standing, and the table's verdict state, must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "cycle/dealing.h"
#include "rules/reading/card_assessment.h"
#include "support/table_fixture.h"

namespace holdem {
namespace {

using namespace holdem::testing;
using Texts = std::vector<std::string>;

const Texts ranks = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
const Texts suit_letters = {"c", "d", "h", "s"};
const Texts suit_words = {"clubs", "diamonds", "hearts", "spades"};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
bool starts_with(const std::string& text, const std::string& part) {
    return text.rfind(part, 0) == 0;
}
bool has_suit(const std::string& text, const std::string& letter) {
    return text.size() >= 2 && text.find(letter, 1) != std::string::npos;
}
std::string rank_of(const std::string& text) {
    for (const std::string& r : ranks)
        if (starts_with(text, r)) return r;
    return "";
}
int rank_index(const std::string& r) {
    return static_cast<int>(std::find(ranks.begin(), ranks.end(), r) - ranks.begin());
}
bool present(const Texts& cards, const std::string& r) {
    for (const std::string& c : cards)
        if (starts_with(c, r)) return true;
    return false;
}

struct Reading {
    std::string tops, pair, twok, threek, fullhouse, fourk, straight, flush, sflush, rflush;
    std::string flopvalue, fl, st;
};

Reading read(const Texts& c) {
    Reading out;
    for (const std::string& r : ranks) {
        if (contains(c[0], r)) out.tops = "Top " + r;
        if (contains(c[1], r)) out.tops = "Top " + r;
    }
    // The board's pairing.
    Texts b(c.begin() + 2, c.end());
    std::string rA = rank_of(b[0]), rB = rank_of(b[1]), rC = rank_of(b[2]);
    int nA = 0, nB = 0;
    for (const std::string& x : b)
        nA += starts_with(x, rA);
    if (rB != rA)
        for (int i = 1; i < 5; ++i)
            nB += starts_with(b[i], rB);
    if (rC != rA && rC != rB) nA += starts_with(b[3], rC) + starts_with(b[4], rC);
    std::string board = " ";
    if (nA == 2 || nB == 2) board = "Pair";
    if (nB == 2 && nA == 2) board = "Two Kind";
    if (nA == 3 || nB == 3) board = "Three Kind";
    if ((nB == 2 && nA == 3) || (nB == 3 && nA == 2)) board = "FullHouse";
    if (nA == 4 || nB == 4) board = "Four Kind";
    out.flopvalue = board;
    std::string line = " ";
    for (int s = 0; s < 4; ++s) {
        int n = 0;
        for (const std::string& x : b)
            n += has_suit(x, suit_letters[s]);
        if (n >= 5) line = out.fl = "flush " + suit_words[s];
    }
    // Pairs through the hand cards.
    std::string r1 = rank_of(c[0]), r2 = rank_of(c[1]);
    int pA = 0, pB = 0;
    for (const std::string& x : c) {
        pA += starts_with(x, r1);
        pB += starts_with(x, r2);
    }
    std::string higher = rank_index(r1) > rank_index(r2) ? r1 : r2;
    if (pA == 2) line = "Pair " + r1;
    if (pB == 2) line = "Pair " + r2;
    if (r1 == r2 && pA == 2) line = "Pair " + r1;
    if (r1 != r2 && pA == 2 && pB == 2) line = "Two Kind " + higher;
    if (pA == 3) line = "Three Kind " + r1;
    if (pB == 3) line = "Three Kind " + r2;
    if (pA == 3 && pB == 2) line = "FullHouse " + r1;
    if (pA == 2 && pB == 3) line = "FullHouse " + r2;
    if (pA == 4) line = "Four Kind " + r1;
    if (pB == 4) line = "Four Kind " + r2;
    if (contains(line, "Pair")) out.pair = line;
    if (contains(line, "Two Kind")) out.twok = line;
    if (contains(line, "Three Kind")) out.threek = line;
    if (contains(line, "FullHouse")) out.fullhouse = line;
    if (contains(line, "Four Kind")) out.fourk = line;
    // Straights: windows named by their top card, ace low in the first.
    const std::vector<Texts> windows = {{"A", "2", "3", "4", "5"},  {"2", "3", "4", "5", "6"},
                                        {"3", "4", "5", "6", "7"},  {"4", "5", "6", "7", "8"},
                                        {"5", "6", "7", "8", "9"},  {"6", "7", "8", "9", "10"},
                                        {"7", "8", "9", "10", "J"}, {"8", "9", "10", "J", "Q"},
                                        {"9", "10", "J", "Q", "K"}, {"10", "J", "Q", "K", "A"}};
    out.straight = " ";
    for (const std::string& key : ranks) {
        if (!starts_with(c[0], key) && !starts_with(c[1], key)) continue;
        for (const Texts& w : windows) {
            if (std::find(w.begin(), w.end(), key) == w.end()) continue;
            if (key == "A" && w[0] == "A") continue;
            bool all = true;
            for (const std::string& r : w)
                all = all && present(c, r);
            if (all) out.straight = out.st = "straight " + w[4];
        }
    }
    out.flush = " ";
    int flush_suit = -1;
    for (int s = 0; s < 4; ++s) {
        int n = 0;
        for (const std::string& x : c)
            n += has_suit(x, suit_letters[s]);
        if (n >= 5) {
            out.flush = out.fl = "flush " + suit_words[s];
            flush_suit = s;
        }
    }
    if (flush_suit >= 0) {
        std::string run_top;
        for (const Texts& w : windows) {
            bool all = true;
            for (const std::string& r : w)
                all = all && std::find(c.begin(), c.end(), r + suit_letters[flush_suit]) != c.end();
            if (all) run_top = w[4];
        }
        if (!run_top.empty() && out.straight != " ") out.sflush = "straight flush " + run_top;
        if (run_top == "A") out.rflush = "royal flush " + suit_words[flush_suit];
    }
    return out;
}

std::pair<std::string, int> evaluate(const Reading& r) {
    struct Category {
        std::string word;
        const std::string* field;
        int base;
        bool suits;
    };
    const std::vector<Category> order = {{"Top", &r.tops, 100, false},
                                         {"Pair", &r.pair, 200, false},
                                         {"Two Kind", &r.twok, 300, false},
                                         {"Three Kind", &r.threek, 400, false},
                                         {"straight", &r.straight, 500, false},
                                         {"flush", &r.flush, 600, true},
                                         {"FullHouse", &r.fullhouse, 700, false},
                                         {"Four Kind", &r.fourk, 800, false},
                                         {"straight flush", &r.sflush, 900, false},
                                         {"royal", &r.rflush, 1000, true}};
    std::string value;
    int number = 0;
    for (const Category& cat : order) {
        std::size_t at = cat.field->find(cat.word);
        if (at == std::string::npos) continue;
        value = *cat.field;
        number = cat.base;
        std::string rest = cat.field->substr(at + cat.word.size());
        const Texts& details = cat.suits ? suit_words : ranks;
        for (std::size_t i = 0; i < details.size(); ++i)
            if (contains(rest, details[i])) number = cat.base + static_cast<int>(i) + 1;
    }
    return {value, number};
}

TEST(ReferenceCrossCheck, AssessmentMatchesAPlainReadingOfTheRules) {
    const int deals = std::getenv("HOLDEM_SHORT") ? 2000 : 30000;  // ten seats each
    auto t = seeded_table(20261206);
    for (int deal = 0; deal < deals; ++deal) {
        std::string fl_expected = t->fl, st_expected = t->st;
        dealfirst(*t);
        distribute_cards_for_10(*t);
        std::vector<int> numbers;
        for (int k = 1; k <= 10; ++k) {
            const Player& p = t->seat(k);
            Texts cards = {p.cardtext1, p.cardtext2, p.flop1, p.flop2, p.flop3, p.flop4, p.flop5};
            Reading r = read(cards);
            ASSERT_EQ(p.handvaluetops, r.tops);
            ASSERT_EQ(p.handvaluepair, r.pair);
            ASSERT_EQ(p.handvaluetwok, r.twok);
            ASSERT_EQ(p.handvaluethreek, r.threek);
            ASSERT_EQ(p.handvaluefullhouse, r.fullhouse);
            ASSERT_EQ(p.handvaluefourk, r.fourk);
            ASSERT_EQ(p.handvaluestraight, r.straight);
            ASSERT_EQ(p.handvalueflush, r.flush);
            ASSERT_EQ(p.handvaluesflush, r.sflush) << p.cardtext1 << p.cardtext2 << p.flop1
                                                   << p.flop2 << p.flop3 << p.flop4 << p.flop5;
            ASSERT_EQ(p.handvaluerflush, r.rflush);
            auto [value, number] = evaluate(r);
            ASSERT_EQ(p.handvalue, value);
            ASSERT_EQ(p.handnumber, number);
            numbers.push_back(number);
            if (!r.fl.empty()) fl_expected = r.fl;
            if (!r.st.empty()) st_expected = r.st;
            if (k == 10) {
                ASSERT_EQ(t->flopvalue, r.flopvalue);
            }
        }
        // Standings: 1 … 4 for the four best distinct numbers, 5 below.
        std::vector<int> distinct = numbers;
        std::sort(distinct.rbegin(), distinct.rend());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        int winners = 0;
        for (int k = 1; k <= 10; ++k) {
            int place =
                static_cast<int>(std::find(distinct.begin(), distinct.end(), numbers[k - 1]) -
                                 distinct.begin()) +
                1;
            ASSERT_EQ(t->seat(k).handrank, std::min(place, 5));
            winners += place == 1;
        }
        ASSERT_EQ(t->numberofwinners, winners);
        ASSERT_EQ(t->fl, fl_expected);
        ASSERT_EQ(t->st, st_expected);
        ASSERT_EQ(t->controls.caption(ctl::verdict_line), " ");
    }
}

}  // namespace
}  // namespace holdem
