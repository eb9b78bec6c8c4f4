#include "rules/reading/card_assessment.h"

#include "rules/reading/hand_evaluator.h"
#include "rules/reading/hand_reading.h"
#include "rules/reading/standings.h"

namespace holdem {

namespace {

void blank(std::string& text) {
    text = " ";
}

}  // namespace

// The verdict line, fl, st and flopvalue are written as the routines leave them, run in their
// fixed order.
void read_seat_cards(Player& p, const SevenCards& cards, const ReadingScratch& scratch) {
    std::string& verdict = scratch.verdict;

    blank(verdict);
    if (int top = top_card_rank(cards); top >= 0) {
        top_text(verdict, top);
        p.handvaluetops = verdict;
    }

    blank(verdict);
    blank(scratch.flopvalue);
    const BoardVerdict board = board_of({cards[2], cards[3], cards[4], cards[5], cards[6]});
    if (board.pairing != Pairing::None) scratch.flopvalue.assign(pairing_word(board.pairing));
    if (board.flush_suit >= 0) {
        flush_text(scratch.fl, board.flush_suit);
        verdict = scratch.fl;
    }

    // A pairing verdict replaces the board's flush verdict; without one the line keeps it.
    const PairsVerdict pairs = pairs_of(cards);
    if (pairs.pairing != Pairing::None) {
        pairs_text(verdict, pairs);
        switch (pairs.pairing) {
            case Pairing::Pair:
                p.handvaluepair = verdict;
                break;
            case Pairing::TwoKind:
                p.handvaluetwok = verdict;
                break;
            case Pairing::ThreeKind:
                p.handvaluethreek = verdict;
                break;
            case Pairing::FullHouse:
                p.handvaluefullhouse = verdict;
                break;
            case Pairing::FourKind:
                p.handvaluefourk = verdict;
                break;
            case Pairing::None:
                break;
        }
    }

    blank(verdict);
    if (int top = straight_top(cards); top >= 0) {
        straight_text(scratch.st, top);
        verdict = scratch.st;
    }
    p.handvaluestraight = verdict;

    blank(verdict);
    if (int suit = flush_suit(cards); suit >= 0) {
        flush_text(scratch.fl, suit);
        verdict = scratch.fl;
    }
    p.handvalueflush = verdict;

    blank(verdict);
    evaluate_royal(p, cards);
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
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        read_seat_cards(
            p, read_cards({p.cardtext1, p.cardtext2, p.flop1, p.flop2, p.flop3, p.flop4, p.flop5}),
            scratch);
    }

    evaluate_hand_value1(t);
    evaluate_hand_value(t);

    std::array<std::int16_t, seat_count> winners;
    for (int k = 1; k <= seat_count; ++k)
        winners[k - 1] = t.seat(k).handnumber;
    // The rules repeat the ranking until it has found a best seat; it always finds one at once.
    t.numberofwinners = 0;
    do {
        evaluate_ultimate_winner(t, winners);
    } while (t.numberofwinners <= 0);
}

}  // namespace holdem
