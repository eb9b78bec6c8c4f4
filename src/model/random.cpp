#include "model/random.h"

#include <atomic>
#include <chrono>

namespace holdem {

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

std::unique_ptr<Random> clock_random() {
    return std::make_unique<SeededRandom>(seed_from_clock());
}

}  // namespace holdem
