#include "CSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kHighestHarmonic = 9000.0; // keep well below half the sample rate
} // namespace

CSynth::CSynth(double seconds) : m_samples(std::size_t(seconds * kSampleRate), 0.0) {}

double CSynth::MidiToHertz(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

double CSynth::Envelope(double t, double duration, const Timbre& timbre)
{
    double level = 1.0;
    if (t < timbre.attackSeconds) {
        const double x = t / timbre.attackSeconds;
        level = x * x * (3 - 2 * x);
    }
    if (t > duration) {
        const double x = std::min(1.0, (t - duration) / timbre.releaseSeconds);
        level *= 1.0 - x * x * (3 - 2 * x);
    }
    return level;
}

void CSynth::AddNote(double start, double duration, double hertz, double amplitude,
                     const Timbre& timbre)
{
    AddGlide(start, duration, hertz, hertz, 0.0, amplitude, timbre);
}

void CSynth::AddGlide(double start, double duration, double fromHertz, double toHertz,
                      double glideSeconds, double amplitude, const Timbre& timbre)
{
    const auto first = std::size_t(std::max(0.0, start) * kSampleRate);
    const auto count = std::size_t((duration + timbre.releaseSeconds) * kSampleRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double glide = glideSeconds > 0 ? std::min(1.0, t / glideSeconds) : 1.0;
        const double smooth = glide * glide * (3 - 2 * glide);
        const double hertz = fromHertz + (toHertz - fromHertz) * smooth;
        phase += kTwoPi * hertz / kSampleRate;
        double value = 0.0;
        for (std::size_t h = 0; h < timbre.harmonics.size(); ++h) {
            const double n = double(h + 1);
            if (hertz * n > kHighestHarmonic) {
                break;
            }
            const double decay =
                timbre.decayPerSecond * (1.0 + (n - 1.0) * timbre.higherHarmonicsFadeFaster);
            value += timbre.harmonics[h] * std::exp(-decay * t) * std::sin(phase * n);
        }
        m_samples[first + i] += amplitude * Envelope(t, duration, timbre) * value;
    }
}

void CSynth::AddSwish(double start, double duration, double fromHertz, double toHertz,
                      double amplitude, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    // A state-variable band-pass filter, retuned every sample.
    double low = 0.0, band = 0.0, soft = 0.0;
    const double damping = 0.55;
    // A gentle low-pass after the band-pass takes the hiss off the top.
    const double smoothing = 1.0 - std::exp(-kTwoPi * 3500.0 / kSampleRate);
    const auto first = std::size_t(start * kSampleRate);
    const auto count = std::size_t(duration * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
        const double x = double(i) / count;
        const double centre = fromHertz * std::pow(toHertz / fromHertz, x);
        const double f = 2.0 * std::sin(std::numbers::pi * centre / kSampleRate);
        const double high = noise(random) - low - damping * band;
        band += f * high;
        low += f * band;
        const double shape = std::pow(std::sin(std::numbers::pi * std::pow(x, 0.7)), 2.0);
        soft += smoothing * (band - soft);
        m_samples[first + i] += amplitude * shape * soft;
    }
}

void CSynth::Finish(double peak, double fadeInSeconds, double fadeOutSeconds)
{
    double loudest = 0.0;
    for (double s : m_samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest <= 0.0) {
        return;
    }
    const double gain = peak / loudest;
    const std::size_t n = m_samples.size();
    const auto fadeIn = std::size_t(fadeInSeconds * kSampleRate);
    const auto fadeOut = std::size_t(fadeOutSeconds * kSampleRate);
    for (std::size_t i = 0; i < n; ++i) {
        double level = gain;
        if (i < fadeIn) {
            level *= double(i) / fadeIn;
        }
        if (i + fadeOut >= n) {
            level *= double(n - 1 - i) / fadeOut;
        }
        m_samples[i] *= level;
    }
}

std::vector<unsigned char> CSynth::ToUnsigned8(unsigned seed) const
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> half(-0.5, 0.5);
    std::vector<unsigned char> out;
    out.reserve(m_samples.size());
    for (double s : m_samples) {
        const double dither = std::abs(s) > 0.004 ? half(random) + half(random) : 0.0;
        const long value = std::lround(128.0 + s * 127.0 + dither);
        out.push_back((unsigned char)std::clamp(value, 1L, 255L));
    }
    return out;
}
