#pragma once

#include "CAudioOutput.h"

#include <QList>

// An audio output that keeps what it was asked to play, so tests can hear
// which sound started and which one it cut off.
class CRecordingOutput : public CAudioOutput
{
public:
    struct Sound
    {
        QAudioFormat format;
        QByteArray pcm;
    };

    void Play(const QAudioFormat& format, const QByteArray& pcm) override
    {
        if (m_bPlaying)
            ++m_nCutOff;
        m_sounds.append({format, pcm});
        m_bPlaying = true;
    }
    void Stop() override
    {
        if (m_bPlaying)
            ++m_nCutOff;
        m_bPlaying = false;
    }
    bool IsPlaying() const override { return m_bPlaying; }

    QList<Sound> m_sounds;
    int m_nCutOff = 0;
    bool m_bPlaying = false;
};
