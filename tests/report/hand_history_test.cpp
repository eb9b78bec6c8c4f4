// Hand histories read back: every hand played is there, the pot is paid out in full, and every
// player's chips add up from one hand to the next.
#include "report/hand_history.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "sim/runner.h"

namespace holdem {
namespace {

struct HandRecord {
    std::map<int, std::string> names;  // by seat
    std::map<int, Chips> start, charge;
    std::map<std::string, Chips> put_in, collected;
    Chips total_pot = 0;
    int winners = 0;
};

std::vector<HandRecord> read_histories(const std::string& text) {
    static const std::regex header(R"(^Final Table Hold'em Hand #\d+: .*)");
    static const std::regex seat(R"(^Seat (\d+): (.+) \((\d+) in chips\).*)");
    static const std::regex charge(R"(^(.+): pays (\d+) for sitting out on the button$)");
    static const std::regex paid(
        R"(^(.+): (posts small blind|posts big blind|calls|bets) (\d+).*)");
    static const std::regex raised(R"(^(.+): raises \d+ to (\d+).*)");
    static const std::regex returned(R"(^Uncalled bet \((\d+)\) returned to (.+)$)");
    static const std::regex collected(R"(^(.+) collected (\d+) from pot$)");
    static const std::regex total(R"(^Total pot (\d+) \|.*)");
    std::vector<HandRecord> hands;
    std::map<std::string, Chips> round;  // each player's total in the betting round
    std::istringstream in(text);
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_match(line, header)) {
            hands.emplace_back();
            round.clear();
            continue;
        }
        if (hands.empty()) continue;
        HandRecord& h = hands.back();
        if (line.rfind("*** FLOP", 0) == 0 || line.rfind("*** TURN", 0) == 0 ||
            line.rfind("*** RIVER", 0) == 0) {
            round.clear();
        } else if (std::regex_match(line, m, seat) && h.put_in.empty()) {
            const int k = std::stoi(m[1]);
            h.names[k] = m[2];
            h.start[k] = std::stoi(m[3]);
        } else if (std::regex_match(line, m, charge)) {
            h.charge[1] = std::stoi(m[2]);
        } else if (std::regex_match(line, m, paid)) {
            h.put_in[m[1]] += std::stoi(m[3]);
            round[m[1]] += std::stoi(m[3]);
        } else if (std::regex_match(line, m, raised)) {
            h.put_in[m[1]] += std::stoi(m[2]) - round[m[1]];
            round[m[1]] = std::stoi(m[2]);
        } else if (std::regex_match(line, m, returned)) {
            h.put_in[m[2]] -= std::stoi(m[1]);
            round[m[2]] -= std::stoi(m[1]);
        } else if (std::regex_match(line, m, collected)) {
            h.collected[m[1]] += std::stoi(m[2]);
            ++h.winners;
        } else if (std::regex_match(line, m, total)) {
            h.total_pot = std::stoi(m[1]);
        }
    }
    return hands;
}

Chips value_or_zero(const std::map<std::string, Chips>& amounts, const std::string& name) {
    auto it = amounts.find(name);
    return it == amounts.end() ? 0 : it->second;
}

TEST(HandHistory, SeededTournamentsReadBackHandByHand) {
    std::size_t hands_read = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        std::ostringstream out;
        const auto policy = seed % 3 ? sim::PolicyKind::random : sim::PolicyKind::sitout;
        sim::TournamentSetup setup;
        setup.policy = policy;
        setup.late = seed % 2 ? 970 : 0;
        setup.history = &out;
        setup.history_epoch = sim::simulated_epoch;
        const sim::TournamentResult r = sim::play_tournament(seed, setup);
        ASSERT_FALSE(r.violation) << *r.violation;
        ASSERT_TRUE(r.end);
        const std::vector<HandRecord> hands = read_histories(out.str());
        ASSERT_EQ(hands.size(), r.hands) << "seed " << seed;
        hands_read += hands.size();
        for (std::size_t i = 0; i < hands.size(); ++i) {
            const HandRecord& h = hands[i];
            Chips collected = 0;
            for (const auto& [name, amount] : h.collected)
                collected += amount;
            EXPECT_LE(std::abs(collected - h.total_pot), h.winners) << "hand " << i + 1;
            if (i + 1 == hands.size()) break;
            const HandRecord& next = hands[i + 1];
            for (const auto& [k, name] : h.names) {
                auto again = next.names.find(k);
                if (again == next.names.end() || again->second != name) continue;  // new player
                const Chips end = h.start.at(k) - value_or_zero(h.put_in, name) +
                                  value_or_zero(h.collected, name);
                const Chips charged = next.charge.count(k) ? next.charge.at(k) : 0;
                EXPECT_EQ(next.start.at(k), end - charged)
                    << "seed " << seed << ": " << name << " from hand " << i + 1;
            }
        }
    }
    EXPECT_GT(hands_read, 60u);
}

}  // namespace
}  // namespace holdem
