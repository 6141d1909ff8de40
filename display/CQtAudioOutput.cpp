#include "CQtAudioOutput.h"

#include "CSoundEngine.h"

CQtAudioOutput::CQtAudioOutput(QObject* parent) : QObject(parent) {}

CQtAudioOutput::~CQtAudioOutput() = default;

bool CQtAudioOutput::HasDevice()
{
    CSoundEngine* engine = CSoundEngine::Get();
    return engine && engine->HasAudioDevice();
}

void CQtAudioOutput::Play(const QAudioFormat& format, const QByteArray& pcm)
{
    // The device's output is made on the first sound, not when a page is built.
    if (!m_pDevice) {
        if (CSoundEngine* engine = CSoundEngine::Get())
            m_pDevice = engine->MakeOutput();
    }
    if (m_pDevice)
        m_pDevice->Play(format, pcm);
}

void CQtAudioOutput::Stop()
{
    if (m_pDevice)
        m_pDevice->Stop();
}

bool CQtAudioOutput::IsPlaying() const
{
    return m_pDevice && m_pDevice->IsPlaying();
}
