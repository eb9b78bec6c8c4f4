#include "rules/tournament/limits_clock.h"

#include <algorithm>
#include <string>

namespace holdem {

namespace {

// The countdown's first two and last two characters as text (with the leading blank).
void write_countdown(std::string& label, std::int16_t counter) {
    const std::string countdown = number_text(counter);
    const std::string_view digits = countdown;
    label.assign("Limits Go Up in mins  ")
        .append(digits.substr(0, 2))
        .append(" : ")
        .append(digits.substr(digits.size() - 2))
        .append(" sec");
}

void write_blinds(std::string& display, Chips limits) {
    display.assign("Limits   ");
    append_number_text(display, limits);
    display.append("  -  ");
    append_number_text(display, checked_mul(limits, 2));
}

// The labels are rewritten on every tick: the blinds of the schedule's levels are written once.
void show_blinds(Table& t) {
    static const std::array<std::string, limits_schedule.size()> level_texts = [] {
        std::array<std::string, limits_schedule.size()> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            write_blinds(texts[i], limits_schedule[i]);
        return texts;
    }();
    std::string& display = t.controls[ctl::limitsdisplay].caption;
    const auto level = std::find(limits_schedule.begin(), limits_schedule.end(), t.limits);
    if (level != limits_schedule.end())
        display = level_texts[static_cast<std::size_t>(level - limits_schedule.begin())];
    else
        write_blinds(display, t.limits);
}

}  // namespace

Chips next_limits(Chips limits) {
    auto at = std::find(limits_schedule.begin(), limits_schedule.end(), limits);
    if (at == limits_schedule.end() || at + 1 == limits_schedule.end()) return limits;
    return *(at + 1);
}

void show_limits_at_start(Table& t) {
    t.controls.set_caption(ctl::limitslabel,
                           "Limits Go Up in   " + number_text(t.limittimersetting) + "mins");
    show_blinds(t);
}

namespace {

void show_hands_left(Table& t) {
    const int played = static_cast<int>((t.hands_started - 1) % hands_per_level);
    const int left = hands_per_level - played;
    t.controls.set_caption(ctl::limitslabel, "Limits go up in " + std::to_string(left) +
                                                 (left == 1 ? " hand" : " hands"));
}

void raise_level(Table& t) {
    const Chips next = next_limits(t.limits);
    if (next == t.limits) return;
    t.limits = next;
    t.level = static_cast<std::int16_t>(t.level + 1);
}

}  // namespace

void level_by_hands(Table& t) {
    if (t.hands_started > 1 && (t.hands_started - 1) % hands_per_level == 0) raise_level(t);
    show_hands_left(t);
    show_blinds(t);
}

void limits_clock_tick(Table& t) {
    if (t.options.levels == Levels::by_hands) {
        if (t.hands_started > 0) show_hands_left(t);
        show_blinds(t);
        return;
    }
    t.limittimersetting = static_cast<std::int16_t>(t.limittimersetting - 1);
    // The countdown's texts for a level's counter values are written once.
    static const std::array<std::string, 1001> countdown_texts = [] {
        std::array<std::string, 1001> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            write_countdown(texts[i], static_cast<std::int16_t>(i));
        return texts;
    }();
    std::string& label = t.controls[ctl::limitslabel].caption;
    if (t.limittimersetting >= 0 && t.limittimersetting <= 1000)
        label = countdown_texts[static_cast<std::size_t>(t.limittimersetting)];
    else
        write_countdown(label, t.limittimersetting);
    show_blinds(t);
    if (t.limittimersetting < 970) {
        t.limittimersetting = 1000;
        raise_level(t);
    }
}

}  // namespace holdem
