#include "CSpellingIntroPage.h"

#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

CSpellingIntroPage::CSpellingIntroPage(CWizardContext& context, QWidget* parent)
    : CQuizIntroPage(context, QUIZ_SPELLING, IDB_SPELLING_INTRO_BANNER, IDB_SPELLING_SIDE, parent)
{
    setObjectName(QStringLiteral("spellingIntroPage"));
    AddCountLabel(QRect(TakeLayout::kContentLeft, TakeLayout::kContentTop,
                        TakeLayout::kContentWidth, TakeLayout::kLineHeight));
    SetHelpTexts(IDS_SPELLING_INTRO_ORDER_HELP, IDS_SPELLING_INTRO_SCORE_HELP);
}

QString CSpellingIntroPage::CountText(int count) const
{
    return tr("This quiz has %n word(s).", nullptr, count);
}
