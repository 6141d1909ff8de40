#pragma once

#include "CAudioOutput.h"

#include <QList>

// A sound output that keeps what it was asked to play instead of playing it. A sound counts as
// playing until it is stopped or cut off by the next one.
class CRecordingOutput : public CAudioOutput
{
public:
    explicit CRecordingOutput(QList<QByteArray>* played) : m_pPlayed(played) {}

    void Play(const QAudioFormat& /*format*/, const QByteArray& pcm) override
    {
        Stop();
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

    int m_nCutOff = 0; // sounds stopped before their end

private:
    QList<QByteArray>* m_pPlayed;
    bool m_bPlaying = false;
};
