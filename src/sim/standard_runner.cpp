#include "sim/standard_runner.h"

#include <algorithm>
#include <ostream>

#include "sim/standard_referee.h"
#include "standard/phh.h"
#include "standard/tournament.h"

namespace holdem::sim {

namespace {

using namespace holdem::standard;

// Seat 1's move under the policy, always one the rules allow.
Tournament::Decision human_decision(PolicyKind policy, const HandState& hand,
                                    std::uint64_t& draws) {
    const Legal l = hand.legal();
    const Move bet_or_raise = hand.current_bet() ? Move::raise : Move::bet;
    const Tournament::Decision call_or_check{l.can_check ? Move::check : Move::call};
    switch (policy) {
        case PolicyKind::folder:
        case PolicyKind::sitout:
            return {l.can_check ? Move::check : Move::fold};
        case PolicyKind::raiser:
            return l.can_raise ? Tournament::Decision{bet_or_raise, l.max_to} : call_or_check;
        case PolicyKind::random: {
            const auto pick = splitmix64(draws) % 4;
            if (pick == 0 && l.can_raise)
                return {bet_or_raise, l.min_to + static_cast<Chips>(splitmix64(draws) %
                                                                    static_cast<std::uint64_t>(
                                                                        l.max_to - l.min_to + 1))};
            if (pick == 1 && l.can_call) return {Move::fold};
            return call_or_check;
        }
        case PolicyKind::caller:
        case PolicyKind::shark:
            return call_or_check;
    }
    return call_or_check;
}

// What must hold after every move: no stack below nothing, and the chips of the hand (stacks
// and pot) what the seats brought to it.
std::optional<std::string> hand_broken(const HandState& hand, std::int64_t brought) {
    std::int64_t now = hand.pot();
    for (int k = 1; k <= Tournament::seats; ++k) {
        if (hand.stack(k) < 0) return "seat " + std::to_string(k) + " has a stack below nothing";
        now += hand.stack(k);
    }
    if (now != brought) return "the hand's chips changed from " + std::to_string(brought);
    if (hand.to_act() && (hand.folded(hand.to_act()) || hand.stack(hand.to_act()) == 0))
        return "the turn is with a seat that cannot act";
    return std::nullopt;
}

}  // namespace

TournamentResult play_standard_tournament(std::uint64_t seed, const TournamentSetup& setup) {
    TournamentResult result;
    Tournament t(seed, setup.late);
    std::uint64_t draws = seed ^ 0x5DEECE66Dull;
    if (setup.policy == PolicyKind::sitout) t.set_sitting_out(true);
    StandardReferee referee;
    PhhRecorder phh;
    const std::string event = "Final Table Hold'em, simulated tournament " + std::to_string(seed);
    while (result.hands < setup.max_hands && t.deal()) {
        ++result.hands;
        HandState& hand = t.hand();
        referee.start(hand, 2 * t.small_blind());
        if (setup.phh) phh.start(t, event);
        std::int64_t brought = 0;
        for (int k = 1; k <= Tournament::seats; ++k)
            brought += hand.stack(k) + hand.put_in(k);
        for (int k = 1; k <= Tournament::seats; ++k)
            for (CardCode c : t.hole(k))
                mix(result.signature, static_cast<std::uint64_t>(c));
        for (int moves = 0; hand.to_act() != 0; ++moves) {
            if (moves > 1000) {
                result.violation = "a hand that never ends";
                return result;
            }
            const int seat = hand.to_act();
            if (auto wrong = referee.offered(hand)) {
                result.violation = *wrong;
                return result;
            }
            const bool free_check = hand.legal().can_check;
            const Tournament::Decision d =
                seat == 1 ? human_decision(setup.policy, hand, draws) : t.computer_decision();
            if (seat != 1 && free_check && d.move == Move::fold) {
                result.violation = "a computer seat folded when it could check";
                return result;
            }
            if (auto wrong = referee.judge(hand, d.move, d.to)) {
                result.violation = "seat " + std::to_string(seat) + ": " + *wrong;
                return result;
            }
            if (!hand.act(d.move, d.to)) {
                result.violation = "the engine refused a legal move";
                return result;
            }
            if (setup.phh) {
                phh.move(seat, d.move, d.to);
                phh.deal_streets(t);
            }
            if (auto wrong = referee.follow(hand, seat, d.move, d.to)) {
                result.violation = *wrong;
                return result;
            }
            mix(result.signature, static_cast<std::uint64_t>(seat) << 32 |
                                      static_cast<std::uint64_t>(hand.put_in(seat)));
            if (auto bad = hand_broken(hand, brought)) {
                result.violation = *bad;
                return result;
            }
        }
        const Settlement& s = t.finish_hand();
        if (setup.phh) *setup.phh << phh.finish(t, s);
        for (const auto& [seat, amount] : s.collected)
            if (hand.folded(seat)) {
                result.violation = "a folded seat was paid";
                return result;
            }
        if (t.chips_at_table() != t.chips_brought()) {
            result.violation = "the table's chips do not add up";
            return result;
        }
        for (int k = 1; k <= Tournament::seats; ++k)
            mix(result.signature, static_cast<std::uint64_t>(t.seat(k).stack));
    }
    if (t.ended())
        result.end =
            *t.ended() == TournamentEnd::won ? GameEnd::TournamentWon : GameEnd::HumanBroke;
    result.final_rank = t.entrants_left();
    return result;
}

}  // namespace holdem::sim
