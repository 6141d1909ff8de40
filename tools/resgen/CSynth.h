#pragma once

#include <vector>

// A tiny additive synthesiser for the program's sounds: notes built from a few harmonics under
// an envelope, filtered noise for swishes, and the final scaling to 8-bit samples.
class CSynth
{
public:
    static constexpr int kSampleRate = 22050;

    // The sound of one note: relative harmonic strengths, how fast it fades, and its attack.
    struct Timbre
    {
        std::vector<double> harmonics; // strength of the 1st, 2nd, 3rd ... harmonic
        double decayPerSecond = 3.0;   // exponential fade while the note sounds
        double attackSeconds = 0.01;
        double releaseSeconds = 0.08;
        double higherHarmonicsFadeFaster = 1.0; // harmonic n decays (1 + (n-1) * this) times faster
    };

    explicit CSynth(double seconds);

    static double MidiToHertz(int note);

    void AddNote(double start, double duration, double hertz, double amplitude,
                 const Timbre& timbre);
    // A note whose pitch glides from one frequency to another over the glide time.
    void AddGlide(double start, double duration, double fromHertz, double toHertz,
                  double glideSeconds, double amplitude, const Timbre& timbre);
    // Noise through a band-pass filter whose centre moves from one frequency to another,
    // shaped by a smooth rise and fall.
    void AddSwish(double start, double duration, double fromHertz, double toHertz, double amplitude,
                  unsigned seed);

    // Scales the loudest sample to the peak and fades both ends to silence.
    void Finish(double peak, double fadeInSeconds, double fadeOutSeconds);
    // 8-bit unsigned samples (128 = silence), with a faint dither where there is sound.
    std::vector<unsigned char> ToUnsigned8(unsigned seed) const;

    const std::vector<double>& Samples() const { return m_samples; }

private:
    static double Envelope(double t, double duration, const Timbre& timbre);

    std::vector<double> m_samples;
};
