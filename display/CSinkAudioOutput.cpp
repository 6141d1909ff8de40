#include "CSinkAudioOutput.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

CSinkAudioOutput::CSinkAudioOutput(QObject* parent) : QObject(parent) {}

CSinkAudioOutput::~CSinkAudioOutput()
{
    Stop();
}

bool CSinkAudioOutput::HasDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void CSinkAudioOutput::Play(const QAudioFormat& format, const QByteArray& pcm)
{
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    // No device (a server, a test run): the sound is simply not heard.
    if (device.isNull() || pcm.isEmpty() || !format.isValid())
        return;
    m_pcm = pcm;
    m_buffer.setBuffer(&m_pcm);
    m_buffer.open(QIODevice::ReadOnly);
    m_pSink = std::make_unique<QAudioSink>(device, format);
    connect(m_pSink.get(), &QAudioSink::stateChanged, this, &CSinkAudioOutput::OnStateChanged);
    m_pSink->start(&m_buffer);
}

void CSinkAudioOutput::Stop()
{
    if (m_pSink) {
        m_pSink->disconnect(this);
        m_pSink->stop();
        m_pSink.reset();
    }
    m_buffer.close();
    m_pcm.clear();
}

bool CSinkAudioOutput::IsPlaying() const
{
    return m_pSink && m_pSink->state() == QAudio::ActiveState;
}

void CSinkAudioOutput::OnStateChanged()
{
    // The sink goes idle when the buffer has run out (or stops on a device
    // error); stopping it here frees the device, the object goes with the next sound.
    if (m_pSink && m_pSink->state() == QAudio::IdleState)
        m_pSink->stop();
}
