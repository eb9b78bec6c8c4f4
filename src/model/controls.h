// Every control of the table as plain data — whether it shows, what it says, the card it shows —
// addressed by its name, so that the rules read back exactly what they wrote.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/numbers.h"
#include "model/seats.h"

namespace holdem {

using Colour = std::uint32_t;  // 0xRRGGBB

// The colours the rules themselves set: a seat's turn, and the Sit Out button's request.
namespace colours {
inline constexpr Colour idle = 0x800000;       // a seat that does not have the turn
inline constexpr Colour highlight = 0xFFFF80;  // the seat whose turn it is; Sit Out at rest
inline constexpr Colour red = 0xFF0000;        // Sit Out asked
inline constexpr Colour yellow = 0xFFFF00;     // Sit Out asked to play again
}  // namespace colours

enum class ControlKind : std::uint8_t { Picture, Label, Button, Shape, TextBox, CardGrid };

// What the rules read and write of a control: whether it shows, its caption (which for some
// controls carries game state), the colour the rules give it and the card it shows. Where it
// stands and how it looks belong to the window.
struct Control {
    ControlKind kind = ControlKind::Label;
    bool visible = false;
    std::string caption;                // caption of a label or button, text of a box
    std::optional<Colour> back_colour;  // only where the rules set one
    int cell = -1;                      // pictures: the card-grid cell shown, -1 for none

    friend bool operator==(const Control&, const Control&) = default;
};

// Identifies one control of the table window.
struct ControlId {
    std::uint16_t index = 0;
    friend constexpr bool operator==(ControlId, ControlId) = default;
};

namespace ctl {
inline constexpr int picture_first = 2, picture_last = 36;
inline constexpr int label_first = 1, label_last = 23;
inline constexpr int shape_first = 1, shape_last = 13;
inline constexpr int backchip_count = 91;

inline constexpr std::uint16_t picture_base = 0;                                // 35
inline constexpr std::uint16_t label_base = picture_base + 35;                  // 23
inline constexpr std::uint16_t command_base = label_base + 23;                  // 9
inline constexpr std::uint16_t shape_base = command_base + 9;                   // 13
inline constexpr std::uint16_t chiplabel_base = shape_base + 13;                // 10
inline constexpr std::uint16_t backchips_base = chiplabel_base + 10;            // 91
inline constexpr std::uint16_t singles_base = backchips_base + backchip_count;  // 6
inline constexpr std::uint16_t count = singles_base + 6;

constexpr ControlId Picture(int n) {
    return {std::uint16_t(picture_base + n - picture_first)};
}
constexpr ControlId Label(int n) {
    return {std::uint16_t(label_base + n - label_first)};
}
// Buttons Command1 … Command8 and Command11.
constexpr ControlId Command(int n) {
    return {std::uint16_t(command_base + (n == 11 ? 8 : n - 1))};
}
constexpr ControlId Shape(int n) {
    return {std::uint16_t(shape_base + n - shape_first)};
}
constexpr ControlId chiplabel(int seat) {
    return {std::uint16_t(chiplabel_base + seat - 1)};
}
constexpr ControlId backchips(int i) {
    return {std::uint16_t(backchips_base + i)};
}
inline constexpr ControlId potlabel{singles_base + 0};
inline constexpr ControlId winnerlabel{singles_base + 1};
inline constexpr ControlId limitslabel{singles_base + 2};
inline constexpr ControlId limitsdisplay{singles_base + 3};
inline constexpr ControlId Text2{singles_base + 4};
inline constexpr ControlId PictureClip1{singles_base + 5};

// The controls with a role, by what they do.
inline constexpr ControlId Call = Command(5);
inline constexpr ControlId Raise = Command(6);
inline constexpr ControlId Check = Command(7);
inline constexpr ControlId Fold = Command(8);
inline constexpr ControlId BetIt = Command(11);
inline constexpr ControlId SitOut = Command(3);
inline constexpr ControlId Exit = Command(2);
inline constexpr ControlId deal_timer_button = Command(1);  // hidden; starts the deal timer
inline constexpr ControlId clock_button = Command(4);       // hidden; starts the pacing clock
inline constexpr ControlId dealer_button = Label(1);        // "D" beside the dealer's cards
inline constexpr ControlId rank_line = Label(2);            // "Your Rank is …"
inline constexpr ControlId verdict_line = Label(23);        // hidden scratch of the card reading
inline constexpr ControlId felt = Shape(1);
inline constexpr ControlId action_frame = Shape(12);  // round the human's action panel
inline constexpr ControlId clock_panel = Shape(13);   // behind the blinds clock

// Seat k's pile of six bet chips, and the pot's 31 chips in three bands that appear with the
// flop, the turn and the river.
inline constexpr int pile_size = 6;
inline constexpr int first_pot_chip = 60, last_pot_chip = 90;
constexpr ControlId pile_chip(int seat, int i) {
    return backchips(pile_size * (seat - 1) + i);
}

// Seat k's own controls.
constexpr ControlId focus_box(int seat) {
    return Picture(seat + 1);
}
constexpr ControlId name_label(int seat) {
    return Label(seat + 2);
}
constexpr ControlId stack_label(int seat) {
    return Label(seat + 12);
}
constexpr ControlId first_card(int seat) {
    return Picture(10 + 2 * seat);
}
constexpr ControlId second_card(int seat) {
    return Picture(11 + 2 * seat);
}
constexpr ControlId board_card(int index) {
    return Picture(31 + index);
}  // 1 … 5
constexpr ControlId highlight(int seat) {
    constexpr int shapes[] = {0, 7, 6, 5, 4, 3, 2, 11, 10, 9, 8};
    return Shape(shapes[seat]);
}
// The seat whose focus box this is, or 0.
constexpr int seat_of_focus_box(ControlId id) {
    int n = id.index - picture_base + picture_first;
    return id.index >= picture_base && n >= 2 && n <= 11 ? n - 1 : 0;
}
}  // namespace ctl

// The table's controls in their start state, addressed by id or by name.
class Controls {
  public:
    Controls();  // every control in its start state

    Control& operator[](ControlId id) { return controls_[id.index]; }
    const Control& operator[](ControlId id) const { return controls_[id.index]; }

    void show(ControlId id) { (*this)[id].visible = true; }
    void hide(ControlId id) { (*this)[id].visible = false; }
    void set_caption(ControlId id, std::string text) { (*this)[id].caption = std::move(text); }
    // A number as the table shows it (number_text), written into the caption's own room.
    void set_number(ControlId id, std::int64_t value) {
        assign_number_text((*this)[id].caption, value);
    }
    const std::string& caption(ControlId id) const { return (*this)[id].caption; }
    // Shows the card-grid cell on a picture; cells outside the grid are a run-time error.
    void set_cell(ControlId id, int cell);

    static constexpr std::size_t size() { return ctl::count; }
    friend bool operator==(const Controls&, const Controls&) = default;

  private:
    struct Blank {};
    explicit Controls(Blank) {}
    static const Controls& start_state();

    std::array<Control, ctl::count> controls_;
};

// "Picture12", "Label13", "Command5", "backchips(61)", "potlabel" …; empty for no control.
std::string control_name(ControlId id);

}  // namespace holdem
