#pragma once

#include "CAudioOutput.h"

#include <QList>

// A sound output that keeps what it was asked to play instead of playing it.
class CRecordingOutput : public CAudioOutput
{
public:
    explicit CRecordingOutput(QList<QByteArray>* played) : m_pPlayed(played) {}

    void Play(const QAudioFormat& /*format*/, const QByteArray& pcm) override
    {
        m_pPlayed->append(pcm);
    }
    void Stop() override {}
    bool IsPlaying() const override { return false; }

private:
    QList<QByteArray>* m_pPlayed;
};
