#pragma once

#include "CAudioOutput.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// What the sound library does for the program: it plays PCM on the sound device (Qt
// Multimedia and the sound server) and speaks with espeak-ng (with its own audio and
// codec libraries). Those are many libraries that the welcome page does not need, so
// they live in a library of their own, loaded on the first sound or word.
class CSoundEngine
{
public:
    // The engine, loading its library on the first call; nullptr when it cannot be
    // loaded: the program is then silent, as on a machine without sound.
    static CSoundEngine* Get();

    virtual std::unique_ptr<CAudioOutput> MakeOutput() = 0;
    virtual bool HasAudioDevice() = 0;

    // Starts espeak-ng with the data in the folder (empty: its own idea of it) speaking
    // English: its sample rate, or 0 when it cannot start. Once per process.
    virtual int StartSpeech(const QString& dataFolder) = 0;
    virtual bool UseVoice(const QString& language) = 0;
    // The languages of the engine's voices, as plain codes ("en", "de"), sorted.
    virtual QStringList VoiceLanguages() = 0;
    // Slowly is about half the normal rate.
    virtual void SetSlow(bool slow) = 0;
    // The engine's sounds of the text in the voice in use, the separator after each sound and
    // a space after each word ("b|j|'u:|t|i|f|@L").
    virtual QString Sounds(const QString& text, char separator) = 0;
    // The speech for the text in the voice in use, 16-bit mono samples; soundCode: the text is
    // in the engine's sound code ("[[b|j|'u:]]").
    virtual QList<qint16> Synthesize(const QString& text, bool soundCode) = 0;

protected:
    ~CSoundEngine() = default; // the library owns its engine
};

// The function the sound library exports, CSoundEngine* TutoramaSoundEngine(), found by name.
inline constexpr const char* kSoundEngineEntry = "TutoramaSoundEngine";
