#include "model/random.h"

#include <atomic>
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

namespace {

std::uint64_t seed_from_clock() {
    // Streams made within one clock tick (the deck's and the estimates') must still differ.
    static std::atomic<std::uint64_t> made{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::uint64_t mix = static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(wall) << 1) ^
                        (++made * 0xD1B54A32D192ED03ull);
    return splitmix64(mix);
}

}  // namespace

ClockRandom::ClockRandom() : SeededRandom(seed_from_clock()) {}

}  // namespace holdem
