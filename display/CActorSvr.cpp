#include "CActorSvr.h"

#include "CQtAudioOutput.h"

CActorSvr::CActorSvr(QObject* parent) : CActorSvr(std::make_unique<CQtAudioOutput>(), parent) {}

CActorSvr::CActorSvr(std::unique_ptr<CAudioOutput> output, QObject* parent)
    : QObject(parent), m_pOutput(std::move(output))
{
}

CActorSvr::~CActorSvr() = default;

void CActorSvr::SetText(const QString& text)
{
    m_strText = text;
}

bool CActorSvr::Speak()
{
    return SpeakAt(CSpeechSynthesizer::Pace::Normal);
}

bool CActorSvr::SpeakSlowly()
{
    return SpeakAt(CSpeechSynthesizer::Pace::Slow);
}

bool CActorSvr::SpeakAt(CSpeechSynthesizer::Pace pace)
{
    m_pOutput->Stop();
    const CSpeechSynthesizer::Audio audio = Synthesize(m_strText, m_strLanguage, pace);
    if (audio.samples.isEmpty())
        return false;
    m_pOutput->Play(audio.Format(), audio.Pcm());
    return true;
}

void CActorSvr::Stop()
{
    m_pOutput->Stop();
}

CSpeechSynthesizer::Audio CActorSvr::Synthesize(const QString& text, const QString& language,
                                                CSpeechSynthesizer::Pace pace)
{
    return CSpeechSynthesizer::Synthesize(text, language, pace);
}
