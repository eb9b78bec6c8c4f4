#include "cycle/events.h"

#include "cycle/hand_driver.h"
#include "cycle/human_actions.h"
#include "cycle/turns.h"

namespace holdem {

namespace {

// Longer texts are no amounts; the window's line edit holds as many.
constexpr std::size_t max_amount_length = 64;

// A fault the rules cannot recover from (chip arithmetic that would overflow) ends the game
// cleanly instead of crashing it.
template <typename Handler>
void end_game_on_overflow(Table& t, Handler&& handler) {
    if (t.ended) return;
    try {
        handler();
    } catch (const ChipOverflow&) {
        end_game(t, GameEnd::Overflow);
    }
}

}  // namespace

void TableEvents::focus_lost(ControlId control) {
    end_game_on_overflow(t_, [&] {
        if (int seat = ctl::seat_of_focus_box(control))
            focus_box_lost_focus(t_, seat);
        else if (control == ctl::Call || control == ctl::Raise || control == ctl::Check ||
                 control == ctl::Fold)
            human_button_lost_focus(t_);
    });
}

void TableEvents::focus_got(ControlId control) {
    end_game_on_overflow(t_, [&] {
        // The focus box of seat k starts that seat's turn.
        static constexpr void (*focus_box_turns[])(Table&) = {
            nullptr,           Picture2_GotFocus,  Picture3_GotFocus, Picture4_GotFocus,
            Picture5_GotFocus, Picture6_GotFocus,  Picture7_GotFocus, Picture8_GotFocus,
            Picture9_GotFocus, Picture10_GotFocus, Picture11_GotFocus};
        if (int seat = ctl::seat_of_focus_box(control)) {
            focus_box_turns[seat](t_);
        } else if (control == ctl::Call) {
            Command5_GotFocus(t_);
        }
    });
}

void TableEvents::timer_tick(TimerId timer) {
    end_game_on_overflow(t_, [&] {
        if (timer == TimerId::roundtimer)
            roundtimer_Timer(t_);
        else
            Timer1_Timer(t_);
    });
}

void TableEvents::timer_due(TimerId timer) {
    if (timer == TimerId::Timer1 && !t_.ended)
        notify(t_, [&](TableObserver& o) { o.hand_due(t_); });
}

void settle(Table& t) {
    TableEvents events(t);
    t.loop.run_focus_events(events);
}

void open_table(Table& t) {
    end_game_on_overflow(t, [&] { Form_Load(t); });
    if (!t.ended) notify(t, [&](TableObserver& o) { o.hand_due(t); });
}

void start_game(Table& t) {
    open_table(t);
    settle(t);
}

void resume_game(Table& t) {
    if (t.loop.focus_pending() && !t.ended) notify(t, [&](TableObserver& o) { o.hand_started(t); });
    settle(t);
}

void click(Table& t, ControlId button) {
    if (t.ended) return;
    const Control& control = t.controls[button];
    if (control.kind != ControlKind::Button || !control.visible) return;
    ++t.inputs_handled;
    if (t.loop.focus() != button) {
        t.loop.set_focus(button);
        settle(t);
    }
    end_game_on_overflow(t, [&] {
        if (button == ctl::Call)
            Command5_Click(t);
        else if (button == ctl::Raise)
            Command6_Click(t);
        else if (button == ctl::Check)
            Command7_Click(t);
        else if (button == ctl::Fold)
            Command8_Click(t);
        else if (button == ctl::BetIt)
            Command11_Click(t);
        else if (button == ctl::SitOut)
            Command3_Click(t);
        else if (button == ctl::Exit)
            Command2_Click(t);
    });
    settle(t);
}

void amount_box_key(Table& t, int key_ascii, std::string text_before) {
    if (t.ended || !t.controls[ctl::Text2].visible) return;
    ++t.inputs_handled;
    t.controls.set_caption(ctl::Text2, std::move(text_before));
    end_game_on_overflow(t, [&] { Text2_KeyPress(t, key_ascii); });
    settle(t);
}

void press_key(Table& t, int key_ascii) {
    if (t.ended || !t.controls[ctl::Text2].visible) return;
    amount_box_key(t, key_ascii, t.controls.caption(ctl::Text2));
    // The key lands in the box unless the handler closed the panel.
    Control& box = t.controls[ctl::Text2];
    if (!box.visible) return;
    if (key_ascii == key::backspace) {
        if (!box.caption.empty()) box.caption.pop_back();
    } else if (key_ascii >= key::first_printable && key_ascii <= key::last_printable &&
               box.caption.size() < max_amount_length) {
        box.caption += static_cast<char>(key_ascii);
    }
}

void set_amount_text(Table& t, std::string text) {
    if (t.ended || !t.controls[ctl::Text2].visible) return;
    ++t.inputs_handled;
    t.controls.set_caption(ctl::Text2, std::move(text));
}

void run_until(Table& t, std::int64_t ms) {
    TableEvents events(t);
    t.loop.run_until(ms, events);
}

}  // namespace holdem
