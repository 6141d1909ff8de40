#include "CTrueFalseFeedbackDlg.h"

#include "AnswerJudge.h"
#include "CQuestion.h"
#include "CQuizPage.h"
#include "CQuizSheet.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 30;
constexpr int kFocusFlag = 1;
} // namespace

CTrueFalseFeedbackDlg::CTrueFalseFeedbackDlg(CQuizPage* page, CTU_QuizDoc* doc, CQuestion* question,
                                             CPaletteState* palette)
    : CFeedbackBase(page, doc, question, palette), m_pNext(new QPushButton(tr("Next"), this))
{
    setObjectName(QStringLiteral("trueFalseFeedbackDlg"));
    // The sheet's Next is ready, with the focus, when the pupil comes back.
    if (page && page->Sheet())
        QCoreApplication::postEvent(
            page->Sheet(), new CMessageEvent(WM_SHEET_ENABLE_BUTTON, kFocusFlag, ID_WIZNEXT));
    const bool correct = question->m_nResponse == question->m_nAnswer;
    SetMessage(AnswerJudge::TrueFalseVerdictText(*question));
    ChoosePicture(correct);

    m_pNext->setObjectName(QStringLiteral("nextButton"));
    m_pNext->setGeometry((width() - kButtonWidth) / 2, ButtonTop(), kButtonWidth, kButtonHeight);
    m_pNext->setDefault(true);
    m_pNext->setFocus();
    connect(m_pNext, &QPushButton::clicked, this, [this] { done(kNext); });
}
