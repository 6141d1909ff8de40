#pragma once

#include "CAudioOutput.h"

#include <QObject>

#include <memory>

// Plays PCM through the default sound device. The device is reached through the sound
// library, loaded on the first sound; without it the output stays silent.
class CQtAudioOutput : public QObject, public CAudioOutput
{
    Q_OBJECT

public:
    explicit CQtAudioOutput(QObject* parent = nullptr);
    ~CQtAudioOutput() override;

    void Play(const QAudioFormat& format, const QByteArray& pcm) override;
    void Stop() override;
    bool IsPlaying() const override;

    // Whether the machine has a device to play on at all.
    static bool HasDevice();

private:
    std::unique_ptr<CAudioOutput> m_pDevice;
};
