#include "CFeedbackDlg.h"

#include "AnswerJudge.h"
#include "CTU_QuizDoc.h"

#include <QPushButton>

namespace {
constexpr int kMargin = 16;
constexpr int kButtonGap = 8;
constexpr int kButtonHeight = 30;
constexpr int kButtonCount = 3;
constexpr int kSecondTry = 2;
} // namespace

CFeedbackDlg::CFeedbackDlg(QWidget* parent, CTU_QuizDoc* doc, CQuestion* question,
                           CPaletteState* palette)
    : CFeedbackBase(parent, doc, question, palette),
      m_bCorrect(AnswerJudge::JudgeAnswer(*doc, *question)),
      m_pTryAgain(AddButton(tr("Try Again"), QStringLiteral("tryAgainButton"), 0)),
      m_pViewAnswer(AddButton(tr("View Correct Answer"), QStringLiteral("viewAnswerButton"), 1)),
      m_pNext(AddButton(tr("Next ?"), QStringLiteral("nextButton"), 2))
{
    setObjectName(QStringLiteral("feedbackDlg"));
    ChoosePicture(m_bCorrect);

    const bool lastTry = doc->m_nAttempt >= kSecondTry;
    QString message = AnswerJudge::VerdictText(m_bCorrect);
    // A wrong second try: no more chances, so the answer is shown at once.
    if (!m_bCorrect && lastTry)
        message += QLatin1Char(' ') + AnswerJudge::CorrectAnswerText(*doc, *question);
    SetMessage(message);
    const bool offerHelp = !m_bCorrect && !lastTry;
    m_pTryAgain->setEnabled(offerHelp);
    m_pViewAnswer->setEnabled(offerHelp);

    // Enter means "Next ?" wherever the focus is.
    m_pNext->setDefault(true);
    m_pNext->setFocus();
    connect(m_pTryAgain, &QPushButton::clicked, this, [this] { done(kTryAgain); });
    connect(m_pViewAnswer, &QPushButton::clicked, this, &CFeedbackDlg::ViewCorrectAnswer);
    connect(m_pNext, &QPushButton::clicked, this, [this] { done(kNext); });
}

QPushButton* CFeedbackDlg::AddButton(const QString& caption, const QString& name, int column)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    const int width =
        (this->width() - 2 * kMargin - (kButtonCount - 1) * kButtonGap) / kButtonCount;
    button->setGeometry(kMargin + column * (width + kButtonGap), ButtonTop(), width, kButtonHeight);
    return button;
}

void CFeedbackDlg::ViewCorrectAnswer()
{
    SetMessage(AnswerJudge::CorrectAnswerText(*m_pDoc, *m_pQuestion));
    m_pNext->setFocus();
}
