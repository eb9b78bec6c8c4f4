#include "model/controls.h"

#include <charconv>
#include <stdexcept>

#include "model/cards.h"

namespace holdem {

namespace {

struct SeatLayout {
    int focus_left, focus_top;
    int circle_left, circle_top, circle_width, circle_height;
    int card_left_left, card_right_left, card_top;  // left picture is the second card
    int bet_left, bet_top;
};

constexpr std::array<SeatLayout, 10> seat_layout = {{
    {5700, 6468, 5136, 5868, 1572, 1296, 5436, 5916, 5256, 5772, 4980},
    {3648, 6120, 3060, 5508, 1620, 1296, 3696, 4176, 4860, 4056, 4608},
    {1668, 4404, 1188, 4248, 1464, 1332, 2328, 2808, 3780, 3408, 3924},
    {1380, 1968, 960, 1848, 1380, 1308, 2304, 2784, 2460, 3492, 2808},
    {3144, 468, 2628, 348, 1512, 1260, 3564, 4044, 1416, 4488, 2280},
    {5856, 72, 5364, -24, 1284, 1188, 5520, 6000, 948, 5868, 1824},
    {8448, 684, 7632, 564, 1884, 1224, 7368, 7836, 1536, 7380, 2436},
    {9984, 3564, 9372, 2328, 1428, 1500, 8544, 9024, 2808, 8112, 3276},
    {9516, 4416, 8772, 4212, 1752, 1296, 8172, 8652, 3960, 7812, 4452},
    {8004, 5748, 7332, 5412, 1392, 1392, 7008, 7488, 4848, 6864, 4608},
}};

// Where each seat's name (and below it the stack) stands: inside its own circle, clear of its
// cards, its focus box and every dealer button's place (centre of the name, top).
constexpr std::array<std::array<int, 2>, 10> plate_at = {{{5886, 6620},
                                                          {3834, 6270},
                                                          {1854, 4560},
                                                          {1566, 2120},
                                                          {3330, 630},
                                                          {6042, 225},
                                                          {8634, 840},
                                                          {10086, 2390},
                                                          {9702, 4730},
                                                          {8190, 5900}}};

constexpr int focus_width = 372, focus_height = 132;
constexpr int human_seat_controls = 1;
constexpr int chip_width = 240, chip_height = 168;
constexpr int name_width = 1500, name_height = 216;
constexpr int stack_width = 372, stack_height = 192;

void place(Control& c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
}

Control make(ControlKind kind, bool visible, int left, int top, int width, int height) {
    Control c;
    c.kind = kind;
    c.visible = visible;
    place(c, left, top, width, height);
    return c;
}

Control button(std::string caption, bool visible, int left, int top, int width, int height,
               std::optional<Colour> colour) {
    Control c = make(ControlKind::Button, visible, left, top, width, height);
    c.caption = std::move(caption);
    c.back_colour = colour;
    return c;
}

Control shape(ShapeForm form, int left, int top, int width, int height, Colour fill) {
    Control c = make(ControlKind::Shape, true, left, top, width, height);
    c.form = form;
    c.filled = true;
    c.back_colour = fill;
    return c;
}

// Seat 1's pile has fixed home places; every other seat's pile keeps the same shape relative
// to its bet label.
std::array<int, 2> chip_offset(int i) {
    const SeatLayout& one = seat_layout[0];
    return {seat1_chip_home[i][1] - one.bet_left, seat1_chip_home[i][0] - one.bet_top};
}

}  // namespace

// Every table starts from the same layout: it is worked out once and copied.
const Controls& Controls::start_state() {
    static const Controls controls = [] {
        Controls c(Layout{});
        c.place_seats();
        c.place_pot_and_board();
        c.place_table_centre();
        c.place_action_area();
        return c;
    }();
    return controls;
}

Controls::Controls() : controls_(start_state().controls_) {}

void Controls::place_seats() {
    using namespace ctl;
    for (int seat = 1; seat <= 10; ++seat) {
        const SeatLayout& s = seat_layout[seat - 1];
        Control& box = (*this)[focus_box(seat)];
        box =
            make(ControlKind::Picture, true, s.focus_left, s.focus_top, focus_width, focus_height);
        box.back_colour = colours::idle;

        Control& circle = (*this)[highlight(seat)];
        circle = shape(ShapeForm::Circle, s.circle_left, s.circle_top, s.circle_width,
                       s.circle_height, colours::idle);

        const auto [centre, top] = plate_at[seat - 1];
        Control& name = (*this)[name_label(seat)];
        name =
            make(ControlKind::Label, true, centre - name_width / 2, top, name_width, name_height);
        name.caption = "Player";
        name.fore_colour = colours::name_text;
        name.centred = true;

        Control& stack = (*this)[stack_label(seat)];
        stack = make(ControlKind::Label, true, centre - stack_width / 2, name.top + name_height,
                     stack_width, stack_height);
        stack.caption = "Prize";
        stack.fore_colour = colours::stack_text;
        stack.centred = true;

        // The first card is the right-hand picture of the pair.
        Control& first = (*this)[first_card(seat)];
        first = make(ControlKind::Picture, true, s.card_right_left, s.card_top, card_width,
                     card_height);
        first.cell = card_grid::back_peach;
        Control& second = (*this)[second_card(seat)];
        second =
            make(ControlKind::Picture, true, s.card_left_left, s.card_top, card_width, card_height);
        second.cell = card_grid::back_peach;

        Control& bet = (*this)[chiplabel(seat)];
        bet = make(ControlKind::Label, false, s.bet_left, s.bet_top, 204, 132);
        bet.caption = "500";
        bet.back_colour = colours::bet_label;
        bet.small_font = true;
        bet.centred = true;

        for (int i = 0; i < pile_size; ++i) {
            Control& chip = (*this)[pile_chip(seat, i)];
            auto [dx, dy] = chip_offset(i);
            chip = shape(ShapeForm::Circle, s.bet_left + dx, s.bet_top + dy, chip_width,
                         chip_height, colours::yellow);
            chip.visible = false;
            if (i == 1 || i == 4) {
                chip.back_colour = colours::light_red;
                chip.hatched = true;
            }
        }
    }
    // Seat 1's pile starts at its home places.
    for (int i = 0; i < pile_size; ++i) {
        (*this)[pile_chip(human_seat_controls, i)].top = seat1_chip_home[i][0];
        (*this)[pile_chip(human_seat_controls, i)].left = seat1_chip_home[i][1];
    }
}

void Controls::place_pot_and_board() {
    using namespace ctl;
    // The pot's 31 chips, a pile round the table centre.
    constexpr Colour pot_colours[] = {colours::orange, colours::yellow, colours::blue,
                                      colours::white};
    for (int i = first_pot_chip; i <= last_pot_chip; ++i) {
        int n = i - first_pot_chip;
        int row = n / 8, column = n % 8;
        Control& chip = (*this)[backchips(i)];
        chip = shape(ShapeForm::Circle, 5400 + column * 112 + (row % 2) * 56, 3850 + row * 100,
                     chip_width, chip_height, pot_colours[n % 4]);
        chip.visible = false;
        chip.hatched = pot_colours[n % 4] == colours::orange || pot_colours[n % 4] == colours::blue;
    }

    for (int index = 1; index <= 5; ++index) {
        Control& card = (*this)[board_card(index)];
        card = make(ControlKind::Picture, false, 4704 + 480 * (index - 1), 3036, card_width,
                    card_height);
        card.cell = card_grid::back_peach;
    }
}

void Controls::place_table_centre() {
    using namespace ctl;
    (*this)[felt] = shape(ShapeForm::Oval, 1920, 840, 7812, 5292, colours::felt);

    Control& pot = (*this)[potlabel];
    pot = make(ControlKind::Label, false, 5796, 4044, 192, 120);
    pot.caption = "500";
    pot.back_colour = colours::pot_label;
    pot.small_font = true;
    pot.centred = true;

    Control& button_label = (*this)[dealer_button];
    button_label = make(ControlKind::Label, false, 6480, 5760, 192, 240);
    button_label.caption = "D";
    button_label.back_colour = colours::red;
    button_label.fore_colour = colours::yellow;
    button_label.bold = true;
    button_label.centred = true;

    Control& winner = (*this)[winnerlabel];
    winner = make(ControlKind::Label, false, 9396, 72, 2688, 756);
    winner.back_colour = colours::red;
    winner.fore_colour = colours::yellow;
    winner.small_font = true;

    (*this)[rank_line] = make(ControlKind::Label, false, 9324, 6600, 2328, 240);
    (*this)[rank_line].fore_colour = colours::white;
    (*this)[verdict_line] = make(ControlKind::Label, false, 10668, 5892, 1296, 348);

    Control& countdown = (*this)[limitslabel];
    countdown = make(ControlKind::Label, true, 9348, 5820, 744, 240);
    countdown.fore_colour = colours::white;
    Control& blinds = (*this)[limitsdisplay];
    blinds = make(ControlKind::Label, true, 9336, 6180, 696, 360);
    blinds.fore_colour = colours::white;

    (*this)[clock_panel] =
        shape(ShapeForm::Rectangle, 9144, 5568, 3120, 1404, colours::clock_panel);
}

void Controls::place_action_area() {
    using namespace ctl;
    Control& frame = (*this)[action_frame];
    frame = make(ControlKind::Shape, false, 6768, 7080, 5424, 1320);
    frame.form = ShapeForm::Rectangle;
    frame.border_colour = colours::red;
    frame.border_width = 5;

    constexpr Colour pale = 0xFFFF80;
    (*this)[Call] = button("Call", false, 9420, 7212, 1188, 420, pale);
    (*this)[Raise] = button("Raise", false, 10740, 7212, 1188, 420, pale);
    (*this)[Check] = button("Check", false, 7164, 7872, 1188, 420, pale);
    (*this)[Fold] = button("Fold", false, 8436, 7872, 1188, 420, pale);
    (*this)[BetIt] = button("Bet It", false, 11148, 7944, 612, 312, colours::orange);
    (*this)[SitOut] = button("Sit Out", true, 5520, 7428, 1092, 372, pale);
    (*this)[Exit] = button("Exit", true, 5796, 7920, 492, 372, colours::yellow);
    (*this)[deal_timer_button] = button("round timer", false, 1428, 780, 828, 276, std::nullopt);
    (*this)[clock_button] = button("round timer", false, 1404, 216, 828, 276, std::nullopt);
    (*this)[Text2] = make(ControlKind::TextBox, false, 9636, 7884, 1488, 384);
    (*this)[Text2].back_colour = colours::white;

    (*this)[PictureClip1] = make(ControlKind::CardGrid, false, 0, 0, 0, 0);
}

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

std::optional<ControlId> find_control(std::string_view name) {
    auto number_after = [&](std::string_view stem,
                            std::string_view tail = {}) -> std::optional<int> {
        if (name.size() <= stem.size() + tail.size() || name.substr(0, stem.size()) != stem ||
            name.substr(name.size() - tail.size()) != tail)
            return std::nullopt;
        std::string_view digits = name.substr(stem.size(), name.size() - stem.size() - tail.size());
        if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
        int n = 0;
        auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
        return n;
    };
    using namespace ctl;
    if (auto n = number_after("Picture"); n && *n >= picture_first && *n <= picture_last)
        return Picture(*n);
    if (auto n = number_after("Label"); n && *n >= label_first && *n <= label_last)
        return Label(*n);
    if (auto n = number_after("Command"); n && ((*n >= 1 && *n <= 8) || *n == 11))
        return Command(*n);
    if (auto n = number_after("Shape"); n && *n >= shape_first && *n <= shape_last)
        return Shape(*n);
    if (auto n = number_after("chiplabel"); n && *n >= 1 && *n <= 10) return chiplabel(*n);
    if (auto n = number_after("backchips(", ")"); n && *n >= 0 && *n < backchip_count)
        return backchips(*n);
    for (std::uint16_t i = singles_base; i < count; ++i)
        if (control_name(ControlId{i}) == name) return ControlId{i};
    return std::nullopt;
}

}  // namespace holdem
