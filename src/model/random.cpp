#include "model/random.h"

#include <chrono>

namespace holdem {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void SeededRandom::reseed() {
    state_ = splitmix64(seed_state_);
}

float SeededRandom::next() {
    return unit_float(splitmix64(state_));
}

ClockRandom::ClockRandom() {
    reseed();
}

void ClockRandom::reseed() {
    // Two reseeds within one clock tick must still give different decks.
    auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::uint64_t mix = static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(wall) << 1) ^
                        (++reseeds_ * 0xD1B54A32D192ED03ull);
    state_ = splitmix64(mix);
}

float ClockRandom::next() {
    return unit_float(splitmix64(state_));
}

}  // namespace holdem
