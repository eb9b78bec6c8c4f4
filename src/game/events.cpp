#include "game/events.h"

#include "betting/human_actions.h"
#include "betting/turns.h"
#include "game/hand_driver.h"

namespace holdem {

namespace {

// A fault the rules cannot recover from (chip arithmetic that would overflow) ends the game
// cleanly instead of crashing it.
template <typename Handler>
void guarded(Table& t, Handler&& handler) {
    if (t.ended) return;
    try {
        handler();
    } catch (const ChipOverflow&) {
        end_game(t, GameEnd::Overflow);
    }
}

}  // namespace

void TableEvents::focus_lost(ControlId control) {
    guarded(t_, [&] {
        if (int seat = ctl::seat_of_focus_box(control))
            focus_box_lost_focus(t_, seat);
        else if (control == ctl::Call || control == ctl::Raise || control == ctl::Check ||
                 control == ctl::Fold)
            human_button_lost_focus(t_);
    });
}

void TableEvents::focus_got(ControlId control) {
    guarded(t_, [&] {
        if (int seat = ctl::seat_of_focus_box(control)) {
            if (seat == human_seat)
                Picture2_GotFocus(t_);
            else
                computer_seat_turn(t_, seat);
        } else if (control == ctl::Call) {
            Command5_GotFocus(t_);
        }
    });
}

void TableEvents::timer_tick(TimerId timer) {
    guarded(t_, [&] {
        if (timer == TimerId::roundtimer)
            roundtimer_Timer(t_);
        else
            Timer1_Timer(t_);
    });
}

void settle(Table& t) {
    TableEvents events(t);
    t.loop.run_focus_events(events);
}

void start_game(Table& t) {
    guarded(t, [&] { Form_Load(t); });
    settle(t);
}

void click(Table& t, ControlId button) {
    if (t.ended) return;
    const Control& control = t.controls[button];
    if (control.kind != ControlKind::Button || !control.visible) return;
    if (t.loop.focus() != button) {
        t.loop.set_focus(button);
        settle(t);
    }
    guarded(t, [&] {
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
    t.controls.set_caption(ctl::Text2, std::move(text_before));
    guarded(t, [&] { Text2_KeyPress(t, key_ascii); });
    settle(t);
}

void press_key(Table& t, int key_ascii) {
    if (t.ended || !t.controls[ctl::Text2].visible) return;
    amount_box_key(t, key_ascii, t.controls.caption(ctl::Text2));
    // The key lands in the box unless the handler closed the panel.
    Control& box = t.controls[ctl::Text2];
    if (!box.visible) return;
    if (key_ascii == 8) {
        if (!box.caption.empty()) box.caption.pop_back();
    } else if (key_ascii >= 32 && key_ascii < 127 && box.caption.size() < 64) {
        box.caption += static_cast<char>(key_ascii);
    }
}

void set_amount_text(Table& t, std::string text) {
    if (t.ended || !t.controls[ctl::Text2].visible) return;
    t.controls.set_caption(ctl::Text2, std::move(text));
}

void run_until(Table& t, std::int64_t ms) {
    TableEvents events(t);
    t.loop.run_until(ms, events);
}

}  // namespace holdem
