#pragma once

#include "CSoundEngine.h"

// The sound library's engine: Qt Multimedia's sink for sounds, espeak-ng for speech.
class CSystemSoundEngine final : public CSoundEngine
{
public:
    std::unique_ptr<CAudioOutput> MakeOutput() override;
    bool HasAudioDevice() override;
    int StartSpeech(const QString& dataFolder) override;
    bool UseVoice(const QString& language) override;
    QStringList VoiceLanguages() override;
    void SetSlow(bool slow) override;
    QString Sounds(const QString& text, char separator) override;
    QList<qint16> Synthesize(const QString& text, bool soundCode) override;
};
