#include "CPageSpeaker.h"

#include "CActorSvr.h"
#include "CQuizVoice.h"
#include "CTU_QuizDoc.h"
#include "CWizardContext.h"

CPageSpeaker::CPageSpeaker(CWizardContext& context) : m_context(context) {}

CPageSpeaker::~CPageSpeaker() = default;

CActorSvr* CPageSpeaker::Actor()
{
    if (!m_pActor)
        m_pActor = std::make_unique<CActorSvr>();
    return m_pActor.get();
}

void CPageSpeaker::SetActor(std::unique_ptr<CActorSvr> actor)
{
    m_pActor = std::move(actor);
}

void CPageSpeaker::SetText(const QString& text)
{
    CActorSvr* actor = Actor();
    if (m_context.m_pVoice && m_context.m_pDoc)
        actor->SetLanguage(m_context.m_pVoice->SpokenLanguage(m_context.m_pDoc->m_strQuizPath));
    actor->SetText(text);
}

void CPageSpeaker::Say(CSpeechSynthesizer::Pace pace)
{
    if (pace == CSpeechSynthesizer::Pace::Slow)
        Actor()->SpeakSlowly();
    else
        Actor()->Speak();
}

void CPageSpeaker::Stop()
{
    // Nothing was said yet when there is no control: nothing to stop.
    if (m_pActor)
        m_pActor->Stop();
}
