#include "CTrueFalseIntroPage.h"

#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

using namespace TakeLayout;

namespace {
const QRect kOrderRect(kIntroMargin, kIntroColumnTop, kIntroLeftWidth, 120);
const QRect kScoreRect(kIntroRightLeft, kIntroColumnTop, kIntroRightWidth, 120);
const QRect kContinueRect(kIntroRightLeft, kIntroColumnTop + 96, kIntroRightWidth, 24);
} // namespace

CTrueFalseIntroPage::CTrueFalseIntroPage(CWizardContext& context, QWidget* parent)
    : CQuizIntroPage(context, QUIZ_TRUE_FALSE, IDB_TRUE_FALSE_INTRO_BANNER, IDB_TRUE_FALSE_SIDE,
                     parent)
{
    setObjectName(QStringLiteral("trueFalseIntroPage"));
    AddCountLabel(QRect(kContentLeft, kContentTop, kContentWidth, kLineHeight));
    AddLabel(tr("They will appear in random order; instead of  the order in which you wrote "
                "them. Read a statement and then click on either the True or False button. You "
                "will find out right away whether each answer is correct."),
             kOrderRect, false);
    AddLabel(tr("After you have gone through all the statements, you will see your score. At "
                "that time, you may take the quiz again to see if you can achieve a higher "
                "score. If you don't want to take the quiz again, you can review the questions "
                "and answers."),
             kScoreRect, false);
    AddLabel(tr("Click the Next button to continue."), kContinueRect, false);
}

QString CTrueFalseIntroPage::CountText(int count) const
{
    return tr("This quiz has %n statement(s).", nullptr, count);
}

void CTrueFalseIntroPage::OnActivated()
{
    SetTitle(tr("Tutorama: %1").arg(m_pDoc->m_strQuizName));
}
