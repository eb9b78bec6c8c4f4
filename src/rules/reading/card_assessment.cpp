#include "rules/reading/card_assessment.h"

#include "rules/reading/hand_evaluator.h"
#include "rules/reading/hand_reading.h"
#include "rules/reading/standard_hand.h"
#include "rules/reading/standings.h"

namespace holdem {

namespace {

// In place: most fields already hold a blank or nothing.
void blank(std::string& text) {
    text.resize(1);
    text[0] = ' ';
}

}  // namespace

// The routines run in their fixed order and hand each verdict over through the verdict line,
// which every step blanks first and which ends blank. Only what a step leaves behind is
// written: the seat's hand texts, the board's pairing, the last flush and straight verdicts.
void read_seat_cards(Player& p, const SevenCards& cards, const ReadingScratch& scratch) {
    if (int top = top_card_rank(cards); top >= 0) top_text(p.handvaluetops, top);

    const BoardVerdict board = board_of({cards[2], cards[3], cards[4], cards[5], cards[6]});
    if (board.pairing != Pairing::None)
        scratch.flopvalue.assign(pairing_word(board.pairing));
    else
        blank(scratch.flopvalue);
    if (board.flush_suit >= 0) flush_text(scratch.fl, board.flush_suit);

    // A board flush left on the verdict line holds no pairing word, so it files nothing here.
    const PairsVerdict pairs = pairs_of(cards);
    std::string* pairs_field = nullptr;
    switch (pairs.pairing) {
        case Pairing::Pair:
            pairs_field = &p.handvaluepair;
            break;
        case Pairing::TwoKind:
            pairs_field = &p.handvaluetwok;
            break;
        case Pairing::ThreeKind:
            pairs_field = &p.handvaluethreek;
            break;
        case Pairing::FullHouse:
            pairs_field = &p.handvaluefullhouse;
            break;
        case Pairing::FourKind:
            pairs_field = &p.handvaluefourk;
            break;
        case Pairing::None:
            break;
    }
    if (pairs_field) pairs_text(*pairs_field, pairs);

    // The straight and flush verdicts are filed whatever they are, a blank when none.
    if (int top = straight_top(cards); top >= 0) {
        straight_text(scratch.st, top);
        p.handvaluestraight = scratch.st;
    } else {
        blank(p.handvaluestraight);
    }
    if (int suit = flush_suit(cards); suit >= 0) {
        flush_text(scratch.fl, suit);
        p.handvalueflush = scratch.fl;
    } else {
        blank(p.handvalueflush);
    }
    blank(scratch.verdict);
    evaluate_royal(p, cards);
}

std::array<CardCode, 7> codes_of(const SevenCards& cards) {
    std::array<CardCode, 7> codes{};
    for (std::size_t i = 0; i < 7; ++i)
        codes[i] = cards[i].valid() ? card_code(cards[i].rank + 2, cards[i].suit) : CardCode{1};
    return codes;
}

std::int32_t hand_number(const std::array<CardCode, 7>& codes, Ranking ranking) {
    if (ranking == Ranking::standard) return static_cast<std::int32_t>(standard_strength(codes));
    return read_classic_hand(codes).number;
}

ClassicHand read_classic_hand(const std::array<CardCode, 7>& codes) {
    SevenCards cards;
    for (std::size_t i = 0; i < 7; ++i)
        cards[i] = read_card(card_text(codes[i]));
    Player p;
    std::string verdict, flopvalue, fl, st;
    read_seat_cards(p, cards, {verdict, flopvalue, fl, st});
    evaluate_seat(p);
    return {p.handnumber, p.handvalue};
}

void evaluate_player_cards(Table& t) {
    const ReadingScratch scratch{t.controls[ctl::verdict_line].caption, t.flopvalue, t.fl, t.st};
    std::array<SevenCards, seat_count + 1> cards;
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        cards[k] =
            read_cards({p.cardtext1, p.cardtext2, p.flop1, p.flop2, p.flop3, p.flop4, p.flop5});
        read_seat_cards(p, cards[k], scratch);
    }

    evaluate_hand_value1(t);
    evaluate_hand_value(t);
    // Under the standard ranking the hand texts stay as read, and each seat's number and
    // words are those of its best five cards: the standings, the showdown and the winner's line
    // follow them.
    if (t.options.ranking == Ranking::standard)
        for (int k = 1; k <= seat_count; ++k) {
            const Strength strength = standard_strength(codes_of(cards[k]));
            t.seat(k).handnumber = static_cast<std::int32_t>(strength);
            t.seat(k).handvalue = standard_words(strength);
        }

    std::array<std::int32_t, seat_count> winners;
    for (int k = 1; k <= seat_count; ++k)
        winners[k - 1] = t.seat(k).handnumber;
    // The ranking always finds a best seat, so one pass counts the winners.
    t.numberofwinners = 0;
    evaluate_ultimate_winner(t, winners);
}

}  // namespace holdem
