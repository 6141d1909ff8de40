#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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

    // The language spoken when no other is asked for, or the one asked for has no voice.
    static QString DefaultLanguage() { return QStringLiteral("en"); }

    // Whether the engine could be started (its data is installed).
    static bool IsAvailable();
    // The speech for the text in a language ("de", "fr" ...), English when the engine has
    // no voice for it; no samples when the engine is unavailable.
    static Audio Synthesize(const QString& text, const QString& language = DefaultLanguage());
    // The languages the engine has a voice for, as two- or three-letter codes, sorted.
    static QStringList VoiceLanguages();
    static bool HasVoice(const QString& language);

private:
    static bool EnsureStarted();
    static bool UseVoice(const QString& language);
};
