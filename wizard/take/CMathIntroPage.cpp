#include "CMathIntroPage.h"

#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

CMathIntroPage::CMathIntroPage(CWizardContext& context, QWidget* parent)
    : CQuizIntroPage(context, QUIZ_MATH, IDB_MATH_INTRO_BANNER, IDB_MATH_SIDE, parent)
{
    setObjectName(QStringLiteral("mathIntroPage"));
    AddCountLabel(QRect(TakeLayout::kContentLeft, TakeLayout::kContentTop,
                        TakeLayout::kContentWidth, TakeLayout::kLineHeight));
    SetHelpTexts(IDS_MATH_INTRO_ORDER_HELP, IDS_MATH_INTRO_SCORE_HELP);
}

QString CMathIntroPage::CountText(int count) const
{
    return tr("This quiz has %n equation(s).", nullptr, count);
}
