#pragma once

#include "CAudioOutput.h"

#include <QAudioFormat>
#include <QList>

// A sound output that keeps what it was asked to play instead of playing it, so tests can hear
// which sound started and which one it cut off. A sound counts as playing until it is stopped
// or cut off by the next one.
class CRecordingOutput : public CAudioOutput
{
public:
    struct Sound
    {
        QAudioFormat format;
        QByteArray pcm;
    };

    CRecordingOutput() = default;
    // Also hands each sound's samples to played, for an output that the player owns and ends.
    explicit CRecordingOutput(QList<QByteArray>* played) : m_pPlayed(played) {}

    void Play(const QAudioFormat& format, const QByteArray& pcm) override
    {
        Stop();
        m_sounds.append({format, pcm});
        if (m_pPlayed)
            m_pPlayed->append(pcm);
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
    int m_nCutOff = 0; // sounds stopped before their end

private:
    QList<QByteArray>* m_pPlayed = nullptr;
    bool m_bPlaying = false;
};
