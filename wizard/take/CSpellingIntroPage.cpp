#include "CSpellingIntroPage.h"

#include "CTU_QuizDoc.h"
#include "CVoiceChoice.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

CSpellingIntroPage::CSpellingIntroPage(CWizardContext& context, QWidget* parent)
    : CQuizIntroPage(context, QUIZ_SPELLING, IDB_SPELLING_INTRO_BANNER, IDB_SPELLING_SIDE, parent),
      m_pVoice(new CVoiceChoice(context.m_pVoice, context.m_fontNormal, this))
{
    setObjectName(QStringLiteral("spellingIntroPage"));
    AddCountLabel(QRect(TakeLayout::kContentLeft, TakeLayout::kContentTop,
                        TakeLayout::kContentWidth, TakeLayout::kLineHeight));
    SetHelpTexts(IDS_SPELLING_INTRO_ORDER_HELP, IDS_SPELLING_INTRO_SCORE_HELP);
    m_pVoice->setGeometry(TakeLayout::kContentLeft,
                          TakeLayout::kContentTop + 2 * TakeLayout::kLineHeight,
                          TakeLayout::kColumnWidth + TakeLayout::kColumnWidth / 2, 30);
}

void CSpellingIntroPage::OnActivated()
{
    m_pVoice->ShowQuiz(m_pDoc->m_strQuizPath);
}

QString CSpellingIntroPage::CountText(int count) const
{
    return tr("This quiz has %n word(s).", nullptr, count);
}
