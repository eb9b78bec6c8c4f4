// What the player asks of the table: the window sends these, and each rule set maps them onto
// its own handlers.
#pragma once

#include <cstdint>
#include <string>

namespace holdem {

// The quick amounts (half the pot, the pot, all in) put their amount in the amount box.
enum class Intent : std::uint8_t {
    call,
    raise,
    check,
    fold,
    bet_typed,
    sit_out,
    exit,
    half_pot,
    pot,
    all_in
};

class TableIntents {
  public:
    virtual ~TableIntents() = default;
    // A press of one of the human's buttons; one that is not shown does nothing.
    virtual void act(Intent intent) = 0;
    // A key typed into the amount box (13 is Enter), with the box's text before it lands.
    virtual void amount_key(int key_code, const std::string& text_before) = 0;
    // The amount box's text after an edit.
    virtual void amount_edited(const std::string& text) = 0;
};

// The intents of a table only looked at (a replay, another table's last hand): none is acted on.
struct NoIntents final : TableIntents {
    void act(Intent) override {}
    void amount_key(int, const std::string&) override {}
    void amount_edited(const std::string&) override {}
};

}  // namespace holdem
