#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

// The samples and format of a PCM wave file (RIFF "WAVE", 8 or 16 bits).
class CWaveSound
{
public:
    // Nothing when the bytes are not a PCM wave file this program can play.
    static std::optional<CWaveSound> FromData(const QByteArray& wavFile);

    const QAudioFormat& Format() const { return m_format; }
    const QByteArray& Pcm() const { return m_pcm; }
    qint64 DurationMs() const;

private:
    QAudioFormat m_format;
    QByteArray m_pcm;
};
