#include "CSpellingAdvicePage.h"

#include "CActorSvr.h"
#include "CProgramLanguage.h"
#include "CQuizVoice.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QPushButton>

namespace {
const QRect kTestSoundRect(60, 400, 150, 34);
} // namespace

CSpellingAdvicePage::CSpellingAdvicePage(CWizardContext& context, QWidget* parent)
    : CAdvicePage(context,
                  {QUIZ_SPELLING, IDB_SPELLING_ADVICE_BANNER, IDB_SPELLING_SIDE,
                   IDS_SPELLING_ADVICE, IDS_SPELLING_ADVICE_TIPS},
                  parent),
      m_pActor(new CActorSvr(this))
{
    setObjectName(QStringLiteral("spellingAdvicePage"));
    auto* testSound = new QPushButton(tr("Test Sound"), this);
    testSound->setObjectName(QStringLiteral("testSoundButton"));
    testSound->setGeometry(kTestSoundRect);
    testSound->setAccessibleDescription(tr("Speaks a sentence, so you can hear that the computer "
                                           "can read your spelling words to you."));
    connect(testSound, &QPushButton::clicked, this, &CSpellingAdvicePage::TestSound);
}

CSpellingAdvicePage::~CSpellingAdvicePage() = default;

void CSpellingAdvicePage::TestSound()
{
    // The voice of the quiz being made; it reads the sentence in the program's language when it
    // speaks that language, and in English otherwise.
    const char* const sentence = QT_TR_NOOP("Welcome to the Tutorama");
    const QString language = m_context.m_pVoice
                                 ? m_context.m_pVoice->SpokenLanguage(m_pDoc->m_strQuizPath)
                                 : CSpeechSynthesizer::DefaultLanguage();
    m_pActor->SetLanguage(language);
    m_pActor->SetText(language == CProgramLanguage::Code() ? tr(sentence)
                                                           : QString::fromLatin1(sentence));
    m_pActor->Speak();
}

void CSpellingAdvicePage::ReturnToOpener()
{
    GoToPage(m_pDoc->m_nReturnPage);
}
