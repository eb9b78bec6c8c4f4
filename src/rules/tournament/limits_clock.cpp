#include "rules/tournament/limits_clock.h"

#include <algorithm>
#include <string>

namespace holdem {

namespace {

void show_blinds(Table& t) {
    t.controls.set_caption(ctl::limitsdisplay, "Limits   " + number_text(t.limits) + "  -  " +
                                                   number_text(checked_mul(t.limits, 2)));
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

void limits_clock_tick(Table& t) {
    t.limittimersetting = static_cast<std::int16_t>(t.limittimersetting - 1);
    const std::string countdown = number_text(t.limittimersetting);
    t.controls.set_caption(ctl::limitslabel, "Limits Go Up in mins  " + countdown.substr(0, 2) +
                                                 " : " + countdown.substr(countdown.size() - 2) +
                                                 " sec");
    show_blinds(t);
    if (t.limittimersetting < 970) {
        t.limittimersetting = 1000;
        const Chips next = next_limits(t.limits);
        if (next != t.limits) {
            t.limits = next;
            t.level = static_cast<std::int16_t>(t.level + 1);
        }
    }
}

}  // namespace holdem
