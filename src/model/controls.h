// Every control of the table window as plain data — what it shows, where it stands (in twips)
// and whether it is visible — addressed by its name, so the rules and the screen share one truth.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/numbers.h"
#include "model/version.h"

namespace holdem {

using Colour = std::uint32_t;  // 0xRRGGBB

namespace colours {
inline constexpr Colour idle = 0x800000;       // a seat that does not have the turn
inline constexpr Colour highlight = 0xFFFF80;  // the seat whose turn it is
inline constexpr Colour felt = 0x008000;
inline constexpr Colour red = 0xFF0000;
inline constexpr Colour yellow = 0xFFFF00;
inline constexpr Colour white = 0xFFFFFF;
inline constexpr Colour black = 0x000000;
inline constexpr Colour orange = 0xFF8000;
inline constexpr Colour light_red = 0xFF8080;
inline constexpr Colour blue = 0x0000FF;
inline constexpr Colour bet_label = 0xFFE0C0;
inline constexpr Colour pot_label = 0xFFC080;
inline constexpr Colour clock_panel = 0x804040;
inline constexpr Colour window = 0x1C2A23;  // the room round the table
inline constexpr Colour name_text = 0xF4F1E8;
inline constexpr Colour stack_text = 0xFFE27A;
}  // namespace colours

enum class ControlKind : std::uint8_t { Picture, Label, Button, Shape, TextBox, CardGrid };
enum class ShapeForm : std::uint8_t { None, Oval, Circle, Rectangle };

struct Control {
    ControlKind kind = ControlKind::Label;
    bool visible = false;
    int left = 0, top = 0, width = 0, height = 0;  // twips
    std::string caption;                           // caption of a label or button, text of a box
    std::optional<Colour> back_colour;             // none: transparent
    Colour fore_colour = colours::black;
    int cell = -1;  // pictures: the card-grid cell shown, -1 for none
    // Shapes.
    ShapeForm form = ShapeForm::None;
    bool filled = false;
    bool hatched = false;  // diagonal cross hatch over the fill
    Colour border_colour = colours::black;
    int border_width = 1;
    // Text style.
    bool bold = false;
    bool small_font = false;
    bool centred = false;

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
    Controls();  // every control at its place and start state

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
    struct Layout {};
    explicit Controls(Layout) {}
    static const Controls& start_state();
    void place_seats();
    void place_pot_and_board();
    void place_table_centre();
    void place_action_area();

    std::array<Control, ctl::count> controls_;
};

// "Picture12", "Label13", "Command5", "backchips(61)", "potlabel" …; empty for no control.
std::string control_name(ControlId id);
std::optional<ControlId> find_control(std::string_view name);

// The window's client area in twips, and the window's title.
inline constexpr int table_width = 12420;
inline constexpr int table_height = 8580;
inline constexpr std::string_view table_title = "Tournament Area";

// Every card picture, hole card or board card, in twips.
inline constexpr int card_width = 516;
inline constexpr int card_height = 708;

// Home positions of seat 1's pile of bet chips (top, left).
inline constexpr std::array<std::array<int, 2>, 6> seat1_chip_home = {
    {{4860, 5856}, {5000, 5675}, {5000, 5675}, {5040, 5700}, {4896, 5676}, {5016, 5808}}};

// The splash window: a frame with three texts and a 2500 ms timer.
struct Splash {
    static constexpr std::string_view Label1 = "Multi Table Tournament Software";
    static constexpr std::string_view lblVersion = "Version " HOLDEM_VERSION;
    static constexpr std::string_view lblProductName = "Final Table Hold'em";
    static constexpr int timer_interval_ms = 2500;
};

}  // namespace holdem
