#include "cycle/dealing.h"

#include <cmath>

#include "cycle/turns.h"
#include "rules/reading/card_assessment.h"

namespace holdem {

namespace {

// Card texts are two or three characters ("2c", "10h"), written in place character by character:
// a call to copy so few costs more than the copy.
void set_text(std::string& field, std::string_view text) {
    if (field.size() != text.size()) field.resize(text.size());
    char* out = field.data();
    switch (text.size()) {
        case 3:
            out[2] = text[2];
            [[fallthrough]];
        case 2:
            out[1] = text[1];
            out[0] = text[0];
            break;
        default:  // no card: no text
            break;
    }
}

}  // namespace

namespace {

template <typename Source>
CardCode draw_from(Source& random) {
    double r = random.next();
    // The value is positive, so dropping the fraction is the floor.
    return static_cast<CardCode>(r * 52.0 + 1.0);
}

template <typename Source>
void draw_deck(Deck& deck, Source& random) {
    std::uint64_t taken = 0;  // one bit per code already in the deck
    for (int i = 0; i < deck_size; ++i) {
        CardCode c;
        do {
            c = draw_from(random);
        } while (taken & (1ull << c));
        taken |= 1ull << c;
        deck[i] = c;
    }
}

}  // namespace

CardCode draw_card(Random& random) {
    return draw_from(random);
}

void dealfirst(Table& t) {
    t.random->reseed();
    // The seeded stream, which the game and the tools use, draws without a call per card.
    if (auto* seeded = dynamic_cast<SeededRandom*>(t.random.get()))
        draw_deck(t.deck, *seeded);
    else
        draw_deck(t.deck, *t.random);
}

void throw_away_deck(Table& t) {
    // Every reseed of a seeded stream restarts its draws, so what this deck would have drawn
    // never shows; the next deck overwrites the cards.
    if (dynamic_cast<SeededRandom*>(t.random.get()))
        t.random->reseed();
    else
        dealfirst(t);
}

void distribute_cards_for_10(Table& t) {
    Controls& c = t.controls;
    auto cell_for = [&](int seat, CardCode code) {
        return seat == human_seat ? int(code) : int(t.backside);
    };
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        p.cardone = t.deck[deck_pos::first_card(k)];
        c.set_cell(ctl::first_card(k), cell_for(k, p.cardone));
    }
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        p.cardtwo = t.deck[deck_pos::second_card(k)];
        c.set_cell(ctl::second_card(k), cell_for(k, p.cardtwo));
    }
    // The big blind hands out the cards the deal has just handed out and assessed: the texts
    // are as they were, and assessing unchanged cards again leaves every reading as it found
    // it, so only the clock is started over.
    if (t.assessed_deck == t.deck) {
        Command4_Click(t);
        return;
    }
    for (int k = 1; k <= seat_count; ++k)
        set_text(t.seat(k).cardtext1, card_text(t.seat(k).cardone));
    for (int k = 1; k <= seat_count; ++k)
        set_text(t.seat(k).cardtext2, card_text(t.seat(k).cardtwo));
    // Every seat gets the whole board now, long before it is shown: the computer seats are
    // assessed on their final seven cards.
    std::array<std::string_view, 5> board;
    for (int i = 0; i < 5; ++i)
        board[i] = card_text(t.deck[deck_pos::board(i + 1)]);
    for (int k = 1; k <= seat_count; ++k) {
        Player& p = t.seat(k);
        set_text(p.flop1, board[0]);
        set_text(p.flop2, board[1]);
        set_text(p.flop3, board[2]);
        set_text(p.flop4, board[3]);
        set_text(p.flop5, board[4]);
    }
    class_set_to_zero(t);
    // The assessment always finds a best seat at once; the clock starts over around it.
    evaluate_player_cards(t);
    Command4_Click(t);
    t.assessed_deck = t.deck;
}

}  // namespace holdem
