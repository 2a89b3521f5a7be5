#include "sound.h"

#include "texture.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

void put16(QByteArray& out, std::uint16_t v) {
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, std::uint32_t v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray wavFile(const std::vector<short>& samples, int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16); // size of the format chunk
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * 2); // bytes per second
    put16(out, 2);                                          // bytes per frame
    put16(out, 16);                                         // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (const short s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::vector<short> coinClink(int sampleRate) {
    struct Partial {
        double frequency; // Hz
        double amplitude;
        double decay; // seconds to fall to 1/e
    };
    // Partials of a small struck disc: not multiples of one another, the higher ones dying sooner.
    const std::array<Partial, 6> partials{{
        {2340, 1.00, 0.080},
        {3115, 0.55, 0.060},
        {3720, 0.70, 0.052},
        {4480, 0.40, 0.040},
        {5230, 0.32, 0.030},
        {5960, 0.22, 0.024},
    }};
    const int count = sampleRate / 4;
    std::vector<double> wave(static_cast<std::size_t>(count));
    Rng rng(2205);
    std::array<double, 6> phases{};
    for (double& phase : phases)
        phase = rng.range(0, 2 * M_PI);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        const double attack = std::min(1.0, t / 0.0008);
        double v = 0;
        for (std::size_t k = 0; k < partials.size(); ++k)
            v += partials[k].amplitude * std::exp(-t / partials[k].decay) *
                 std::sin(2 * M_PI * partials[k].frequency * t + phases[k]);
        // The strike itself: a short burst of noise.
        v += 0.8 * std::exp(-t / 0.0025) * rng.range(-1, 1);
        // Fade the last 10 ms so the sound ends without a click.
        const double fade = std::clamp((0.25 - t) / 0.010, 0.0, 1.0);
        wave[static_cast<std::size_t>(i)] = v * attack * fade;
    }
    const double peak = std::max(1e-9, std::abs(*std::max_element(wave.begin(), wave.end(), [](double a, double b) {
                                     return std::abs(a) < std::abs(b);
                                 })));
    std::vector<short> samples(wave.size());
    for (std::size_t i = 0; i < wave.size(); ++i)
        samples[i] = static_cast<short>(std::lround(wave[i] / peak * 0.6 * 32767));
    return samples;
}
