#include "CQtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

CQtAudioOutput::CQtAudioOutput(QObject* parent) : QObject(parent) {}

CQtAudioOutput::~CQtAudioOutput()
{
    Stop();
}

bool CQtAudioOutput::HasDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void CQtAudioOutput::Play(const QAudioFormat& format, const QByteArray& pcm)
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
    connect(m_pSink.get(), &QAudioSink::stateChanged, this, &CQtAudioOutput::OnStateChanged);
    m_pSink->start(&m_buffer);
}

void CQtAudioOutput::Stop()
{
    if (m_pSink) {
        m_pSink->disconnect(this);
        m_pSink->stop();
        m_pSink.reset();
    }
    m_buffer.close();
    m_pcm.clear();
}

bool CQtAudioOutput::IsPlaying() const
{
    return m_pSink && m_pSink->state() == QAudio::ActiveState;
}

void CQtAudioOutput::OnStateChanged()
{
    // The sink goes idle when the buffer has run out (or stops on a device
    // error); stopping it here frees the device, the object goes with the next sound.
    if (m_pSink && m_pSink->state() == QAudio::IdleState)
        m_pSink->stop();
}
