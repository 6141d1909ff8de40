#pragma once

#include "CAudioOutput.h"

#include <QBuffer>
#include <QObject>

#include <memory>

class QAudioSink;

// Plays PCM through the default sound device with QAudioSink, from a buffer
// it keeps until the sound ends or is cut off. Part of the sound library.
class CSinkAudioOutput : public QObject, public CAudioOutput
{
    Q_OBJECT

public:
    explicit CSinkAudioOutput(QObject* parent = nullptr);
    ~CSinkAudioOutput() override;

    void Play(const QAudioFormat& format, const QByteArray& pcm) override;
    void Stop() override;
    bool IsPlaying() const override;

    // Whether the machine has a device to play on at all.
    static bool HasDevice();

private:
    void OnStateChanged();

    std::unique_ptr<QAudioSink> m_pSink;
    QByteArray m_pcm;
    QBuffer m_buffer;
};
