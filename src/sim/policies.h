// How seat 1 is played headless: a fixed style, or random presses, keys and waits that include
// junk, huge and negative amounts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/table.h"

namespace holdem::sim {

// shark plays only the best hand at the table, raising it, and folds everything else; tag (the
// standard rules only) plays as a tight-aggressive standard player, from what the human sees.
enum class PolicyKind { caller, raiser, folder, sitout, random, shark, tag };

std::optional<PolicyKind> policy_from_name(std::string_view name);
std::string_view policy_name(PolicyKind kind);

// A small deterministic generator for the policy's own choices.
class PolicyRandom {
  public:
    explicit PolicyRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

// One move of seat 1 while its panel is open. Each move is mixed into `signature`.
void play_human_turn(PolicyKind kind, Table& t, PolicyRandom& random, std::uint64_t& signature);

// Mixes a value into a running FNV-1a signature.
void mix(std::uint64_t& signature, std::uint64_t value);
void mix(std::uint64_t& signature, std::string_view text);

}  // namespace holdem::sim
