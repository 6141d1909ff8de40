#pragma once

#include "CSpeechSynthesizer.h"

#include <QString>

#include <memory>

class CActorSvr;
struct CWizardContext;

// What a question page says aloud: a text in the quiz's voice (the language the pupil or the
// teacher chose for the quiz, else the program's), said again on request, at the normal pace
// or slowly. A new word cuts off the one still being said, and leaving the page stops it.
class CPageSpeaker
{
public:
    explicit CPageSpeaker(CWizardContext& context);
    ~CPageSpeaker();
    CPageSpeaker(const CPageSpeaker&) = delete;
    CPageSpeaker& operator=(const CPageSpeaker&) = delete;

    // The speech control; made on first use, so that a page never spoken on starts nothing.
    CActorSvr* Actor();
    void SetActor(std::unique_ptr<CActorSvr> actor);

    // Gives the voice the text to say, in the language of the quiz now open.
    void SetText(const QString& text);
    // Says the text last given from its start.
    void Say(CSpeechSynthesizer::Pace pace = CSpeechSynthesizer::Pace::Normal);
    void Stop();

private:
    CWizardContext& m_context;
    std::unique_ptr<CActorSvr> m_pActor;
};
