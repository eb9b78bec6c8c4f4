// Which handler runs for which control and event, and the inputs a host delivers: clicks,
// keys and text in the amount box, and time. The host decides nothing else.
#pragma once

#include <cstdint>
#include <string>

#include "model/event_loop.h"
#include "model/table.h"

namespace holdem {

// Routes the loop's focus and timer events to the table's handlers.
class TableEvents final : public EventHandler {
  public:
    explicit TableEvents(Table& t) : t_(t) {}
    void focus_lost(ControlId control) override;
    void focus_got(ControlId control) override;
    void timer_tick(TimerId timer) override;
    void timer_due(TimerId timer) override;
    bool stopped() const override { return t_.ended.has_value(); }

  private:
    Table& t_;
};

// Starts the game as the window's load does: start values, the toss and the first hand.
void start_game(Table& t);
// The same without running the first hand's blinds, which wait in the event loop.
void open_table(Table& t);

// Plays on a saved game taken up again. Saved at the first hand's start, that hand is dealt
// already: its start is told again, so the log and the histories have the whole hand.
void resume_game(Table& t);

// A click on a visible button: the focus moves to it first, then its click handler runs.
// Hidden controls and anything that is not a button ignore clicks.
void click(Table& t, ControlId button);
// A key typed into the amount box while it is shown (13 is Enter), with the box's text as the
// host's line edit holds it before the key lands. The host's line edit then edits itself.
void amount_box_key(Table& t, int key_ascii, std::string text_before);
// The same for hosts without a line edit of their own: printable keys are added to the box's
// text after the handler, Backspace (8) takes the last character away.
void press_key(Table& t, int key_ascii);
// The amount box's text as the host's line edit holds it.
void set_amount_text(Table& t, std::string text);
// Runs everything due up to virtual time `ms`.
void run_until(Table& t, std::int64_t ms);
// Runs the focus changes a handler has queued.
void settle(Table& t);

}  // namespace holdem
