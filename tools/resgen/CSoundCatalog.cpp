#include "CSoundCatalog.h"

#include "CSynth.h"
#include "ResourceIds.h"

namespace {

struct Note
{
    double beat;  // start, in beats
    double beats; // length, in beats
    int midi;     // pitch
};

// A mellow mallet: a strong fundamental, soft overtones that fade quickly.
CSynth::Timbre Mallet(double decay)
{
    CSynth::Timbre timbre;
    timbre.harmonics = {1.0, 0.32, 0.12, 0.06};
    timbre.decayPerSecond = decay;
    timbre.attackSeconds = 0.006;
    timbre.releaseSeconds = 0.12;
    timbre.higherHarmonicsFadeFaster = 0.8;
    return timbre;
}

// A bright little bell for the fanfare's top line.
CSynth::Timbre Bell()
{
    CSynth::Timbre timbre;
    timbre.harmonics = {1.0, 0.35, 0.14, 0.06, 0.02};
    timbre.decayPerSecond = 2.2;
    timbre.attackSeconds = 0.005;
    timbre.releaseSeconds = 0.15;
    timbre.higherHarmonicsFadeFaster = 0.6;
    return timbre;
}

// A soft, slowly swelling pad for the chords underneath.
CSynth::Timbre Pad()
{
    CSynth::Timbre timbre;
    timbre.harmonics = {1.0, 0.18, 0.06};
    timbre.decayPerSecond = 0.35;
    timbre.attackSeconds = 0.12;
    timbre.releaseSeconds = 0.35;
    timbre.higherHarmonicsFadeFaster = 0.5;
    return timbre;
}

CSynth::Timbre Bass()
{
    CSynth::Timbre timbre;
    timbre.harmonics = {1.0, 0.35, 0.08};
    timbre.decayPerSecond = 1.6;
    timbre.attackSeconds = 0.012;
    timbre.releaseSeconds = 0.12;
    timbre.higherHarmonicsFadeFaster = 0.7;
    return timbre;
}

void Play(CSynth& synth, const std::vector<Note>& notes, double secondsPerBeat, double lead,
          double amplitude, const CSynth::Timbre& timbre)
{
    for (const Note& note : notes) {
        synth.AddNote(lead + note.beat * secondsPerBeat, note.beats * secondsPerBeat * 0.92,
                      CSynth::MidiToHertz(note.midi), amplitude, timbre);
    }
}

void PlayChords(CSynth& synth, const std::vector<std::vector<int>>& chords, double beatsEach,
                double secondsPerBeat, double lead, double amplitude)
{
    for (std::size_t i = 0; i < chords.size(); ++i) {
        for (int midi : chords[i]) {
            synth.AddNote(lead + i * beatsEach * secondsPerBeat, beatsEach * secondsPerBeat * 0.95,
                          CSynth::MidiToHertz(midi), amplitude, Pad());
        }
    }
}

} // namespace

QList<CSoundCatalog::Sound> CSoundCatalog::All()
{
    return {
        {IDW_CARD_FLIP, QStringLiteral("flash card editor, Flip Card"),
         QStringLiteral("a soft paper swish ending in a light tap"), CardFlip()},
        {IDW_PASTE, QStringLiteral("editors, Paste"), QStringLiteral("a short rising \"plip\""),
         Paste()},
        {IDW_PERFECT_SCORE, QStringLiteral("score page, perfect score"),
         QStringLiteral("a cheerful fanfare melody in C major with bells, chords and bass"),
         PerfectScore()},
        {IDW_SCORE, QStringLiteral("score page, any other score"),
         QStringLiteral("a warm, encouraging mallet melody in F major"), OtherScore()},
    };
}

std::vector<unsigned char> CSoundCatalog::Paste()
{
    CSynth synth(0.16);
    CSynth::Timbre timbre;
    timbre.harmonics = {1.0, 0.22, 0.05};
    timbre.decayPerSecond = 26.0;
    timbre.attackSeconds = 0.004;
    timbre.releaseSeconds = 0.02;
    synth.AddGlide(0.002, 0.12, 520.0, 880.0, 0.035, 1.0, timbre);
    synth.Finish(0.72, 0.002, 0.02);
    return synth.ToUnsigned8(246);
}

std::vector<unsigned char> CSoundCatalog::CardFlip()
{
    CSynth synth(0.36);
    synth.AddSwish(0.0, 0.28, 700.0, 2600.0, 1.0, 208);
    synth.AddSwish(0.04, 0.22, 1600.0, 900.0, 0.5, 209);
    CSynth::Timbre tap;
    tap.harmonics = {1.0, 0.25};
    tap.decayPerSecond = 38.0;
    tap.attackSeconds = 0.003;
    tap.releaseSeconds = 0.02;
    synth.AddGlide(0.25, 0.07, 260.0, 170.0, 0.04, 0.55, tap);
    synth.Finish(0.62, 0.01, 0.03);
    return synth.ToUnsigned8(208);
}

std::vector<unsigned char> CSoundCatalog::PerfectScore()
{
    constexpr double kSecondsPerBeat = 0.4;
    constexpr double kLead = 0.05;
    CSynth synth(10.0);
    const std::vector<Note> melody = {
        // A rising fanfare call ...
        {0, 0.5, 67},
        {0.5, 0.5, 72},
        {1, 0.5, 76},
        {1.5, 1.5, 79},
        {3, 0.5, 76},
        {3.5, 0.5, 79},
        {4, 2, 84},
        {6, 1, 79},
        {7, 1, 76},
        // ... a bouncy answer ...
        {8, 0.5, 77},
        {8.5, 0.5, 76},
        {9, 0.5, 74},
        {9.5, 0.5, 76},
        {10, 1, 77},
        {11, 1, 81},
        {12, 1, 79},
        {12.5, 0.5, 76},
        {13, 0.5, 72},
        {13.5, 0.5, 74},
        {14, 1, 71},
        {15, 0.5, 74},
        // ... and a climb to the final high note.
        {16, 0.5, 72},
        {16.5, 0.5, 76},
        {17, 0.5, 79},
        {17.5, 0.5, 84},
        {18, 0.5, 83},
        {18.5, 0.5, 84},
        {19, 1, 86},
        {20, 3.2, 84},
    };
    Play(synth, melody, kSecondsPerBeat, kLead, 0.34, Bell());
    // The same line an octave lower, quietly, makes the tune rounder.
    std::vector<Note> lower = melody;
    for (Note& note : lower) {
        note.midi -= 12;
    }
    Play(synth, lower, kSecondsPerBeat, kLead, 0.12, Mallet(3.0));

    const std::vector<Note> bass = {
        {0, 2, 48},  {2, 2, 43},  {4, 2, 48},  {6, 2, 43},  {8, 2, 41},  {10, 2, 45},
        {12, 2, 43}, {14, 2, 43}, {16, 2, 48}, {18, 2, 43}, {20, 3, 48},
    };
    Play(synth, bass, kSecondsPerBeat, kLead, 0.30, Bass());
    PlayChords(synth,
               {{60, 64, 67}, {60, 64, 67}, {57, 60, 65}, {55, 59, 62}, {60, 64, 67}, {60, 64, 67}},
               4, kSecondsPerBeat, kLead, 0.07);

    // A shimmer of high bells over the last chord.
    const int sparkle[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i) {
        synth.AddNote(kLead + (20 + i * 0.25) * kSecondsPerBeat, 0.6,
                      CSynth::MidiToHertz(sparkle[i]), 0.08, Bell());
    }
    synth.Finish(0.86, 0.01, 0.6);
    return synth.ToUnsigned8(303);
}

std::vector<unsigned char> CSoundCatalog::OtherScore()
{
    constexpr double kSecondsPerBeat = 0.5;
    constexpr double kLead = 0.05;
    CSynth synth(7.0);
    const std::vector<Note> melody = {
        {0, 1, 65},    {1, 1, 69},      {2, 1, 72},    {3, 1, 69},     {4, 1, 70},
        {5, 1, 74},    {6, 2, 72},      {8, 0.5, 70},  {8.5, 0.5, 69}, {9, 1, 67},
        {10, 0.5, 69}, {10.5, 0.5, 67}, {11, 2.5, 65},
    };
    Play(synth, melody, kSecondsPerBeat, kLead, 0.36, Mallet(2.2));
    const std::vector<Note> bass = {
        {0, 2, 41}, {2, 2, 45}, {4, 2, 46}, {6, 2, 41}, {8, 2, 48}, {10, 1, 43}, {11, 2.5, 41},
    };
    Play(synth, bass, kSecondsPerBeat, kLead, 0.28, Bass());
    PlayChords(synth, {{57, 60, 65}, {58, 62, 65}, {55, 60, 64}, {57, 60, 65}}, 3, kSecondsPerBeat,
               kLead, 0.075);
    synth.Finish(0.82, 0.01, 0.5);
    return synth.ToUnsigned8(306);
}
