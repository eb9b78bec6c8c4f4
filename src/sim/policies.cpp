#include "sim/policies.h"

#include "cycle/events.h"
#include "cycle/human_actions.h"

namespace holdem::sim {

namespace {

constexpr std::string_view amount_texts[] = {
    "",           " ",          "0",   "20",   "20.5",  "50",  "100",   "150",
    "300x",       "12abc",      "-50", "-1e9", "1e3",   "1e",  "1e999", "99999999999999999999",
    "2147483647", "2147483648", "abc", ".5",   "  75 ", "1 2", "+40",   "0x10",
    "60",         "9999",       "500", "--5",  "4e4"};

void click_visible_call_or_check(Table& t) {
    click(t, t.controls[ctl::Call].visible ? ctl::Call : ctl::Check);
}

}  // namespace

std::optional<PolicyKind> policy_from_name(std::string_view name) {
    for (PolicyKind kind :
         {PolicyKind::caller, PolicyKind::raiser, PolicyKind::folder, PolicyKind::sitout,
          PolicyKind::random, PolicyKind::shark, PolicyKind::tag})
        if (policy_name(kind) == name) return kind;
    return std::nullopt;
}

std::string_view policy_name(PolicyKind kind) {
    switch (kind) {
        case PolicyKind::caller:
            return "caller";
        case PolicyKind::raiser:
            return "raiser";
        case PolicyKind::folder:
            return "folder";
        case PolicyKind::sitout:
            return "sitout";
        case PolicyKind::random:
            return "random";
        case PolicyKind::shark:
            return "shark";
        case PolicyKind::tag:
            return "tag";
    }
    return {};
}

std::uint64_t PolicyRandom::next() {
    return splitmix64(state_);
}

void mix(std::uint64_t& signature, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        signature ^= (value >> (8 * i)) & 0xFF;
        signature *= 0x100000001B3ull;
    }
}

void mix(std::uint64_t& signature, std::string_view text) {
    for (char c : text) {
        signature ^= static_cast<unsigned char>(c);
        signature *= 0x100000001B3ull;
    }
    mix(signature, text.size());
}

void play_human_turn(PolicyKind kind, Table& t, PolicyRandom& random, std::uint64_t& signature) {
    switch (kind) {
        case PolicyKind::caller:
            mix(signature, 1);
            click_visible_call_or_check(t);
            return;
        case PolicyKind::raiser:
            mix(signature, 2);
            click(t, ctl::Raise);
            return;
        case PolicyKind::folder:
            mix(signature, 3);
            click(t, ctl::Fold);
            return;
        case PolicyKind::sitout:
            mix(signature, 4);
            if (t.sitter == 0) click(t, ctl::SitOut);
            click(t, ctl::Fold);
            return;
        case PolicyKind::shark:
            mix(signature, 5);
            click(t, t.seat(human_seat).handrank == 1 ? ctl::Raise : ctl::Fold);
            return;
        case PolicyKind::random:
        case PolicyKind::tag:  // a standard player: the classic game refuses it before play
            break;
    }

    const int choice = random.below(100);
    mix(signature, 100 + static_cast<std::uint64_t>(choice));
    if (choice < 30) {
        click_visible_call_or_check(t);
    } else if (choice < 42) {
        click(t, ctl::Raise);
    } else if (choice < 50) {
        click(t, ctl::Fold);
    } else if (choice < 65) {
        std::string_view text = amount_texts[random.below(std::size(amount_texts))];
        mix(signature, text);
        set_amount_text(t, std::string(text));
        click(t, ctl::BetIt);
    } else if (choice < 80) {
        std::string_view text = amount_texts[random.below(std::size(amount_texts))];
        mix(signature, text);
        for (char c : text)
            press_key(t, static_cast<unsigned char>(c));
        if (random.below(4))
            press_key(t, key::enter);
        else
            press_key(t, key::backspace);
    } else if (choice < 85) {
        click(t, ctl::SitOut);
    } else if (choice < 95) {
        const int wait = random.below(4000);
        mix(signature, static_cast<std::uint64_t>(wait));
        run_until(t, t.loop.now() + wait);
    } else if (choice < 99) {
        // A click on anything at all: hidden buttons and non-buttons must ignore it.
        const std::uint16_t index =
            static_cast<std::uint16_t>(random.below(static_cast<int>(Controls::size())));
        mix(signature, index);
        if (ControlId{index} != ctl::Exit) click(t, ControlId{index});
    } else if (random.below(20) == 0) {
        click(t, ctl::Exit);
    }
}

}  // namespace holdem::sim
