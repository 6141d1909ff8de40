#include "CSoundPlayer.h"

#include "CQtAudioOutput.h"

#include <QFile>

CSoundPlayer::CSoundPlayer(QObject* parent)
    : CSoundPlayer(std::make_unique<CQtAudioOutput>(), parent)
{
}

CSoundPlayer::CSoundPlayer(std::unique_ptr<CAudioOutput> output, QObject* parent)
    : QObject(parent), m_pOutput(std::move(output))
{
}

CSoundPlayer::~CSoundPlayer() = default;

QString CSoundPlayer::ResourcePath(int waveId)
{
    return QStringLiteral(":/waves/%1.wav").arg(waveId);
}

const CWaveSound* CSoundPlayer::Wave(int waveId)
{
    // Each wave is read once and kept, so a sound starts without delay.
    auto it = m_waves.find(waveId);
    if (it == m_waves.end()) {
        QFile file(ResourcePath(waveId));
        std::optional<CWaveSound> wave;
        if (file.open(QIODevice::ReadOnly))
            wave = CWaveSound::FromData(file.readAll());
        it = m_waves.insert(waveId, wave);
    }
    return it->has_value() ? &**it : nullptr;
}

bool CSoundPlayer::Play(int waveId)
{
    m_nLastPlayed = waveId;
    ++m_nPlayCount;
    const CWaveSound* wave = Wave(waveId);
    if (!wave) {
        m_pOutput->Stop();
        return false;
    }
    m_pOutput->Play(wave->Format(), wave->Pcm());
    emit played(waveId);
    return true;
}

void CSoundPlayer::Stop()
{
    m_pOutput->Stop();
}
