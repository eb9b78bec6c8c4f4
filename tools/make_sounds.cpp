// Synthesises the game's sounds into WAV files (mono, 16-bit, 22050 Hz): the chime when the turn
// comes to the player, chips going in, a card dealt and a pot pushed. Deterministic: the same
// program writes the same bytes. The WAVs are committed; run this after changing a sound.
//   holdem-make-sounds FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int rate = 22050;
using Samples = std::vector<double>;

// A small fixed-seed generator, so the noise is the same on every run.
struct Noise {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    double next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<double>(state >> 11) / 9007199254740992.0 * 2.0 - 1.0;
    }
};

Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(seconds * rate), 0.0);
}

// A struck bell-like tone: a few partials, each dying away at its own speed.
void add_bell(Samples& out, double at, double pitch, double loudness) {
    const double partials[][3] = {{1.0, 1.0, 3.0}, {2.0, 0.35, 5.0}, {3.01, 0.15, 8.0}};
    const auto start = static_cast<std::size_t>(at * rate);
    for (std::size_t i = start; i < out.size(); ++i) {
        const double t = static_cast<double>(i - start) / rate;
        const double attack = std::min(1.0, t / 0.004);
        for (const auto& p : partials)
            out[i] += loudness * attack * p[1] * std::exp(-p[2] * t) *
                      std::sin(2 * std::numbers::pi * pitch * p[0] * t);
    }
}

// A chip touching a chip: a very short burst of bright noise over a ringing click.
void add_click(Samples& out, double at, double loudness, Noise& noise, double ring = 3200) {
    const auto start = static_cast<std::size_t>(at * rate);
    double previous = 0;
    for (std::size_t i = start; i < out.size() && i < start + rate / 20; ++i) {
        const double t = static_cast<double>(i - start) / rate;
        const double n = noise.next();
        const double bright = n - previous;  // a first difference: the noise's highs
        previous = n;
        out[i] +=
            loudness * (0.6 * bright * std::exp(-t / 0.004) +
                        0.5 * std::sin(2 * std::numbers::pi * ring * t) * std::exp(-t / 0.012));
    }
}

// A card sliding over felt: soft noise that swells and fades.
void add_swish(Samples& out, double at, double length, double loudness, Noise& noise) {
    const auto start = static_cast<std::size_t>(at * rate);
    double low = 0;
    for (std::size_t i = start;
         i < out.size() && i < start + static_cast<std::size_t>(length * rate); ++i) {
        const double t = static_cast<double>(i - start) / length / rate;
        low += 0.35 * (noise.next() - low);  // a gentle low-pass
        out[i] += loudness * low * std::sin(std::numbers::pi * t) * std::sin(std::numbers::pi * t);
    }
}

void write_wav(const std::string& path, const Samples& samples) {
    std::vector<std::int16_t> pcm;
    double peak = 1e-9;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double gain = 0.85 / peak;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // The last few milliseconds fade out, so the file never ends on a click.
        const double tail = std::min(1.0, static_cast<double>(samples.size() - i) / (0.005 * rate));
        pcm.push_back(static_cast<std::int16_t>(std::lround(samples[i] * gain * tail * 32767)));
    }
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const auto data_bytes = static_cast<std::uint32_t>(pcm.size() * 2);
    out.write("RIFF", 4);
    u32(36 + data_bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(data_bytes);
    out.write(reinterpret_cast<const char*>(pcm.data()), data_bytes);
    if (!out) std::fprintf(stderr, "cannot write %s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: holdem-make-sounds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    Noise noise;

    Samples turn = silence(0.6);  // two rising notes: your turn
    add_bell(turn, 0.0, 880.0, 0.7);
    add_bell(turn, 0.12, 1318.5, 0.6);
    write_wav(folder + "/turn.wav", turn);

    Samples chips = silence(0.12);  // two chips set down
    add_click(chips, 0.0, 1.0, noise);
    add_click(chips, 0.045, 0.7, noise, 3500);
    write_wav(folder + "/chips.wav", chips);

    Samples deal = silence(0.14);  // a card across the felt
    add_swish(deal, 0.0, 0.11, 1.0, noise);
    add_click(deal, 0.1, 0.15, noise, 1800);
    write_wav(folder + "/deal.wav", deal);

    Samples pot = silence(0.45);  // a stack of chips pushed over
    add_swish(pot, 0.0, 0.4, 0.5, noise);
    const double at[] = {0.03, 0.08, 0.12, 0.17, 0.2, 0.25, 0.29, 0.34};
    for (int i = 0; i < 8; ++i)
        add_click(pot, at[i], 0.9 - 0.08 * i, noise, 2900 + 150 * (i % 3));
    write_wav(folder + "/pot.wav", pot);
    return 0;
}
