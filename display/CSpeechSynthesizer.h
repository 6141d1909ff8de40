#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QList>
#include <QString>

// Turns text into speech with the espeak-ng library, in this process and in
// memory. The engine is started on first use; synthesising a word takes a few
// milliseconds, so it runs on the calling thread.
class CSpeechSynthesizer
{
public:
    // 16-bit mono samples at the engine's sample rate.
    struct Audio
    {
        QList<qint16> samples;
        int sampleRate = 0;

        double Seconds() const;
        QAudioFormat Format() const;
        QByteArray Pcm() const;
    };

    // Whether the engine could be started (its data is installed).
    static bool IsAvailable();
    // The speech for the text; no samples when the engine is unavailable.
    static Audio Synthesize(const QString& text);

private:
    static bool EnsureStarted();
};
