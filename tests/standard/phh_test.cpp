// A tournament's hands written in the PHH format and read back: every hand holds the format's
// required fields, and replaying its actions under the standard rules gives its finishing
// stacks.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "rules/reading/standard_hand.h"
#include "sim/runner.h"
#include "standard/hand_state.h"

namespace holdem::standard {
namespace {

// The few TOML shapes the hands use: integers, strings, and arrays of them.
std::vector<std::string> array_items(const std::string& value) {
    std::vector<std::string> items;
    std::string item;
    bool quoted = false;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && quoted) {
            item += value[++i];
        } else if (c == ',' && !quoted) {
            items.push_back(item);
            item.clear();
        } else if (c != ' ' || quoted) {
            item += c;
        }
    }
    if (!item.empty()) items.push_back(item);
    return items;
}

std::vector<Chips> numbers(const std::string& value) {
    std::vector<Chips> out;
    for (const std::string& item : array_items(value))
        out.push_back(std::stoi(item));
    return out;
}

CardCode card_of(const std::string& text) {
    const std::string ranks = "23456789TJQKA", suits = "cdhs";
    return card_code(static_cast<int>(ranks.find(text[0])) + 2,
                     static_cast<int>(suits.find(text[1])));
}

TEST(Phh, ATournamentsHandsReadBackAndReplayToTheirFinishingStacks) {
    std::ostringstream file;
    sim::RunOptions options;
    options.hands = 400;
    options.seed = 9;
    options.late = 975;
    options.standard_rules = true;
    options.phh = &file;
    ASSERT_FALSE(sim::run_simulation(options).violation);

    std::istringstream in(file.str());
    std::vector<std::map<std::string, std::string>> hands;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            hands.emplace_back();
            continue;
        }
        const auto eq = line.find(" = ");
        ASSERT_NE(eq, std::string::npos) << line;
        hands.back()[line.substr(0, eq)] = line.substr(eq + 3);
    }
    ASSERT_EQ(hands.size(), 400u);
    for (const auto& h : hands) {
        for (const char* field :
             {"variant", "antes", "blinds_or_straddles", "min_bet", "starting_stacks", "actions",
              "players", "seats", "finishing_stacks"})
            ASSERT_TRUE(h.count(field)) << field;
        ASSERT_EQ(h.at("variant"), "\"NT\"");
        const std::vector<Chips> seats = numbers(h.at("seats")),
                                 stacks = numbers(h.at("starting_stacks"));
        const std::vector<Chips> blinds = numbers(h.at("blinds_or_straddles"));
        std::vector<SeatStart> starts;
        for (std::size_t i = 0; i < seats.size(); ++i)
            starts.push_back({seats[i], stacks[i], false});
        HandState hand(starts, seats.back(), blinds[0], blinds[1]);
        std::map<int, std::array<CardCode, 2>> holes;
        CardMask board = 0;
        for (const std::string& action : array_items(h.at("actions"))) {
            std::istringstream words(action);
            std::string actor, what, argument;
            words >> actor >> what >> argument;
            if (actor == "d") {
                if (what == "db")
                    for (std::size_t i = 0; i < argument.size(); i += 2)
                        board |= card_bit(card_of(argument.substr(i, 2)));
                else {
                    std::string cards;
                    words >> cards;
                    holes[seats[std::stoul(argument.substr(1)) - 1]] = {
                        card_of(cards.substr(0, 2)), card_of(cards.substr(2, 2))};
                }
                continue;
            }
            if (what == "sm") continue;
            const int seat = seats[std::stoul(actor.substr(1)) - 1];
            ASSERT_EQ(hand.to_act(), seat) << action;
            bool done = false;
            if (what == "f") done = hand.act(Move::fold);
            if (what == "cc") done = hand.act(hand.legal().can_check ? Move::check : Move::call);
            if (what == "cbr")
                done = hand.act(hand.current_bet() ? Move::raise : Move::bet, std::stoi(argument));
            ASSERT_TRUE(done) << action;
        }
        hand.settle([&](int seat) {
            const auto& cards = holes.at(seat);
            return std::uint64_t{
                standard_strength(board | card_bit(cards[0]) | card_bit(cards[1]))};
        });
        const std::vector<Chips> finishing = numbers(h.at("finishing_stacks"));
        for (std::size_t i = 0; i < seats.size(); ++i)
            EXPECT_EQ(hand.stack(seats[i]), finishing[i])
                << "hand " << h.at("hand") << " seat " << seats[i];
    }
}

}  // namespace
}  // namespace holdem::standard
