#include "picture/classic_picture.h"

#include <algorithm>
#include <cmath>

#include "cycle/events.h"
#include "cycle/human_actions.h"

namespace holdem {

namespace {

CardPicture card_of(const Control& c) {
    return {c.visible, c.cell};
}

// The caption without the leading blank every number has.
std::string shown_text(const std::string& caption) {
    const auto first = caption.find_first_not_of(' ');
    const auto last = caption.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : caption.substr(first, last - first + 1);
}

}  // namespace

void fill_classic_picture(const Table& t, const TableNotes& notes, TablePicture& picture) {
    const Controls& c = t.controls;
    const int dealer = c[ctl::dealer_button].visible ? t.dealer_button_seat : 0;
    for (int k = 1; k <= seat_count; ++k) {
        SeatPicture& s = picture.seats[static_cast<std::size_t>(k - 1)];
        const Control& name = c[ctl::name_label(k)];
        const Control& stack = c[ctl::stack_label(k)];
        const Control& bet = c[ctl::chiplabel(k)];
        s.seated = name.visible;
        s.name = shown_text(name.caption);
        s.stack_shown = stack.visible;
        s.stack = shown_text(stack.caption);
        s.bet_shown = bet.visible;
        s.bet = shown_text(bet.caption);
        for (int i = 0; i < pile_chips; ++i)
            s.pile[static_cast<std::size_t>(i)] = c[ctl::pile_chip(k, i)].visible;
        s.first_card = card_of(c[ctl::first_card(k)]);
        s.second_card = card_of(c[ctl::second_card(k)]);
        const Control& circle = c[ctl::highlight(k)];
        s.turn_marker_shown = circle.visible;
        s.has_turn = !t.gameover && circle.back_colour == colours::highlight;
        s.dealer = k == dealer;
        s.badge_text = notes.badge(k);
        s.badge = badge_for(notes, k);
        s.won = -1;
    }
    if (t.gameover)
        for (const TableNotes::Award& award : notes.awards())
            picture.seats[static_cast<std::size_t>(award.seat - 1)].won = award.amount;
    for (int i = 1; i <= 5; ++i)
        picture.board[static_cast<std::size_t>(i - 1)] = card_of(c[ctl::board_card(i)]);
    for (int i = 0; i < pot_chips; ++i)
        picture.pot_pile[static_cast<std::size_t>(i)] =
            c[ctl::backchips(ctl::first_pot_chip + i)].visible;
    picture.pot_label_shown = c[ctl::potlabel].visible;
    picture.pot_label = "Pot " + shown_text(c.caption(ctl::potlabel));
    picture.pot = t.pot;
    picture.showdown = t.gameover;
    picture.banner_shown = c[ctl::winnerlabel].visible;
    // After a showdown the line names every paid seat and what it won.
    picture.banner = notes.awards().empty() || !t.gameover ? shown_text(c.caption(ctl::winnerlabel))
                                                           : notes.winners_line();
    fill_clock_lines(t, picture);

    ActionPanel& h = picture.human;
    h.open = c[ctl::Text2].visible;
    h.call_shown = c[ctl::Call].visible;
    h.raise_shown = c[ctl::Raise].visible;
    h.check_shown = c[ctl::Check].visible;
    h.fold_shown = c[ctl::Fold].visible;
    h.bet_it_shown = c[ctl::BetIt].visible;
    // The caption names the bet to match; a short stack calls with what it has.
    h.call_amount = shown_text(c.caption(ctl::Call));
    if (is_number(h.call_amount))
        h.call_amount = call_words(static_cast<std::int64_t>(numeric_value(h.call_amount)),
                                   t.seat(human_seat).prize);
    h.raise_amount = shown_text(c.caption(ctl::Raise));
    h.amount_text = c.caption(ctl::Text2);
    const TypedAmount typed = read_typed_amount(t, h.amount_text);
    h.least = typed.least;
    h.to_call = typed.to_call;
    h.sit_out_shown = c[ctl::SitOut].visible;
    h.exit_shown = c[ctl::Exit].visible;
    h.sit_out_asked = c[ctl::SitOut].back_colour == colours::red;
    h.request = sit_out_request(t);
    int opponents = 0;
    for (int k = 2; k <= seat_count; ++k)
        if (t.seat(k).Active && !t.seat(k).fold && !t.seat(k).sittingout) ++opponents;
    describe_holding(picture, opponents, t.options.ranking, t.gameover);
    picture.ended = t.ended.has_value();
}

void ClassicIntents::act(Intent intent) {
    constexpr ControlId buttons[] = {ctl::Call,  ctl::Raise,  ctl::Check, ctl::Fold,
                                     ctl::BetIt, ctl::SitOut, ctl::Exit};
    if (static_cast<std::size_t>(intent) >= std::size(buttons)) return;  // no quick amounts
    click(t_, buttons[static_cast<int>(intent)]);
}

void ClassicIntents::amount_key(int key_code, const std::string& text_before) {
    amount_box_key(t_, key_code, text_before);
}

void ClassicIntents::amount_edited(const std::string& text) {
    set_amount_text(t_, text);
}

}  // namespace holdem
