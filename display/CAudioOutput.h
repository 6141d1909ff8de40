#pragma once

#include <QAudioFormat>
#include <QByteArray>

// Where sounds and speech go. Play starts at once and never waits for the
// sound to end; a new Play cuts off the one still playing. Without a sound
// device the output stays silent.
class CAudioOutput
{
public:
    virtual ~CAudioOutput() = default;

    virtual void Play(const QAudioFormat& format, const QByteArray& pcm) = 0;
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
};
