// The randomness port: uniform single-precision draws in [0, 1), reseeded before every deck.
// The game seeds from the clock; tests and tools use a seed and replay exactly.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace holdem {

// splitmix64: one step of the generator behind the seeded stream.
constexpr std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Turns 64 random bits into a float in [0, 1) that can never round up to 1.
constexpr float unit_float(std::uint64_t bits) {
    return static_cast<float>(bits >> 40) * (1.0f / 16777216.0f);
}

class Random {
  public:
    virtual ~Random() = default;
    // Called before every deck is drawn.
    virtual void reseed() = 0;
    // A uniform draw in [0, 1); never 1.
    virtual float next() = 0;
    // Where the stream stands, to save a game and go on from the same place.
    using State = std::array<std::uint64_t, 2>;
    virtual State state() const = 0;
    virtual void restore(const State& state) = 0;
};

// Deterministic: each reseed moves on to the next seed of a fixed sequence.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(std::uint64_t seed) : seed_state_(seed), state_(seed) {}
    void reseed() override { state_ = splitmix64(seed_state_); }
    float next() override { return unit_float(splitmix64(state_)); }
    State state() const override { return {seed_state_, state_}; }
    void restore(const State& s) override { seed_state_ = s[0], state_ = s[1]; }

  private:
    std::uint64_t seed_state_;
    std::uint64_t state_;
};

// Seeded from the clock when the game starts; every reseed then moves on along the stream, so
// no two decks repeat and a game saved before a deal deals the same cards when taken up again.
std::unique_ptr<Random> clock_random();

}  // namespace holdem
