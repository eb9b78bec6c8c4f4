#include "model/controls.h"

#include <stdexcept>

#include "model/cards.h"

namespace holdem {

namespace {

Control make(ControlKind kind, bool visible, std::string caption = {}) {
    Control c;
    c.kind = kind;
    c.visible = visible;
    c.caption = std::move(caption);
    return c;
}

}  // namespace

// Every table starts from the same controls: they are worked out once and copied.
const Controls& Controls::start_state() {
    static const Controls controls = [] {
        using namespace ctl;
        Controls c(Blank{});
        for (int seat = 1; seat <= seat_count; ++seat) {
            c[focus_box(seat)] = make(ControlKind::Picture, true);
            c[focus_box(seat)].back_colour = colours::idle;
            c[highlight(seat)] = make(ControlKind::Shape, true);
            c[highlight(seat)].back_colour = colours::idle;
            c[name_label(seat)] = make(ControlKind::Label, true, "Player");
            c[stack_label(seat)] = make(ControlKind::Label, true, "Prize");
            for (ControlId card : {first_card(seat), second_card(seat)}) {
                c[card] = make(ControlKind::Picture, true);
                c[card].cell = card_grid::back_peach;
            }
            c[chiplabel(seat)] = make(ControlKind::Label, false, "500");
        }
        for (int i = 0; i < backchip_count; ++i)
            c[backchips(i)] = make(ControlKind::Shape, false);
        for (int index = 1; index <= 5; ++index) {
            c[board_card(index)] = make(ControlKind::Picture, false);
            c[board_card(index)].cell = card_grid::back_peach;
        }
        c[felt] = make(ControlKind::Shape, true);
        c[potlabel] = make(ControlKind::Label, false, "500");
        c[dealer_button] = make(ControlKind::Label, false, "D");
        c[winnerlabel] = make(ControlKind::Label, false);
        c[rank_line] = make(ControlKind::Label, false);
        c[verdict_line] = make(ControlKind::Label, false);
        c[limitslabel] = make(ControlKind::Label, true);
        c[limitsdisplay] = make(ControlKind::Label, true);
        c[clock_panel] = make(ControlKind::Shape, true);
        c[action_frame] = make(ControlKind::Shape, false);
        c[Call] = make(ControlKind::Button, false, "Call");
        c[Raise] = make(ControlKind::Button, false, "Raise");
        c[Check] = make(ControlKind::Button, false, "Check");
        c[Fold] = make(ControlKind::Button, false, "Fold");
        c[BetIt] = make(ControlKind::Button, false, "Bet It");
        c[SitOut] = make(ControlKind::Button, true, "Sit Out");
        c[SitOut].back_colour = colours::highlight;
        c[Exit] = make(ControlKind::Button, true, "Exit");
        c[deal_timer_button] = make(ControlKind::Button, false, "round timer");
        c[clock_button] = make(ControlKind::Button, false, "round timer");
        c[Text2] = make(ControlKind::TextBox, false);
        c[PictureClip1] = make(ControlKind::CardGrid, false);
        return c;
    }();
    return controls;
}

Controls::Controls() : controls_(start_state().controls_) {}

void Controls::set_cell(ControlId id, int cell) {
    if (cell < 0 || cell >= card_grid::cells) throw std::out_of_range("no such card-grid cell");
    (*this)[id].cell = cell;
}

namespace {

std::string numbered(std::string_view stem, int n) {
    std::string name(stem);
    name += std::to_string(n);
    return name;
}

}  // namespace

std::string control_name(ControlId id) {
    using namespace ctl;
    int i = id.index;
    if (i < label_base) return numbered("Picture", i - picture_base + picture_first);
    if (i < command_base) return numbered("Label", i - label_base + label_first);
    if (i < shape_base) {
        int n = i - command_base + 1;
        return numbered("Command", n == 9 ? 11 : n);
    }
    if (i < chiplabel_base) return numbered("Shape", i - shape_base + shape_first);
    if (i < backchips_base) return numbered("chiplabel", i - chiplabel_base + 1);
    if (i < singles_base) return "backchips(" + std::to_string(i - backchips_base) + ")";
    static constexpr std::string_view singles[] = {"potlabel",      "winnerlabel", "limitslabel",
                                                   "limitsdisplay", "Text2",       "PictureClip1"};
    if (i < count) return std::string(singles[i - singles_base]);
    return {};
}

}  // namespace holdem
