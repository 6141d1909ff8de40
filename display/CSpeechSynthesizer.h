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

    // How fast the text is said. Slowly is about half the normal rate, one syllable at a time
    // with a clear gap between them, as a teacher says a word for a pupil to write down.
    enum class Pace
    {
        Normal,
        Slow
    };

    // The language spoken when no other is asked for, or the one asked for has no voice.
    static QString DefaultLanguage() { return QStringLiteral("en"); }

    // Whether the engine could be started (its data is installed).
    static bool IsAvailable();
    // The speech for the text in a language ("de", "fr" ...), English when the engine has
    // no voice for it; no samples when the engine is unavailable.
    static Audio Synthesize(const QString& text, const QString& language = DefaultLanguage(),
                            Pace pace = Pace::Normal);
    // The engine's sounds of a word ("b|j|'u:|t|i|f|@L", a "|" after each sound, a space after
    // each word) grouped into syllables, a space between two ("b|j|'u: t|i f|@L"). Each syllable
    // has one vowel; of the consonants between two vowels the last starts the next syllable.
    static QString SplitSyllables(const QString& phonemes);
    // The languages the engine has a voice for, as two- or three-letter codes, sorted.
    static QStringList VoiceLanguages();
    static bool HasVoice(const QString& language);

private:
    static bool EnsureStarted();
    static bool UseVoice(const QString& language);
    static void UsePace(Pace pace);
    // The syllables of the text in the voice in use, in the engine's phoneme code.
    static QString Syllables(const QString& text);
    // Adds the speech of the text (in the engine's sound code when soundCode) to the audio.
    static void SynthesizeInto(Audio& audio, const QString& text, bool soundCode);
};
