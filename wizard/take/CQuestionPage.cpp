#include "CQuestionPage.h"

#include "CDib.h"
#include "CFeedbackDlg.h"
#include "CPrompt.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "TakeLayout.h"

#include <QLabel>
#include <QPushButton>

CQuestionPage::CQuestionPage(CWizardContext& context, int quizType, int bannerId, int sideId,
                             QWidget* parent)
    : CPictureChoicePage(context, parent), m_nQuizType(quizType), m_nBannerId(bannerId),
      m_nSideId(sideId)
{
}

CQuestionPage::~CQuestionPage() = default;

void CQuestionPage::AddProgressLabel(const QRect& geometry)
{
    m_pProgress = AddLabel(QString(), geometry, false);
    m_pProgress->setObjectName(QStringLiteral("progressText"));
}

QString CQuestionPage::ProgressText() const
{
    return m_pProgress ? m_pProgress->text() : QString();
}

void CQuestionPage::OnSetActive()
{
    LoadPicture(m_pBanner, m_nBannerId);
    if (!m_pSide) {
        m_pSide = std::make_unique<CDib>(m_nSideId);
        LoadPagePictures();
    }
    ApplyFonts();
    CQuestion* question = Current();
    if (!question) {
        // Nothing to ask (a quiz without questions): the score says so.
        PostGoToPage(PAGE_SCORE);
        Arm();
        return;
    }
    ShowQuestion(*question);
    const int answered = m_pDoc->m_nAnswered;
    const int left = std::max(0, m_pDoc->m_nQuestionCount - answered - 1);
    if (m_pProgress)
        m_pProgress->setText(ProgressFormat(answered, left));
    SetTitle(tr("Tutorama: %1").arg(m_pDoc->m_strQuizPath));
    Arm();
}

int CQuestionPage::OnWizardNext()
{
    CQuestion* question = Current();
    if (!question || !AcceptsAnswer(*question))
        return WIZ_STAY;
    StoreAnswer(*question);
    // Answered after all, for instance when the pupil came back to it.
    question->m_bGivenUp = false;
    m_pDoc->AcceptAnswer();
    if (RunFeedback(*question) == CFeedbackDlg::kTryAgain) {
        m_pDoc->TryAgain();
        ShowAgain();
        return WIZ_STAY;
    }
    Continue(m_pDoc->MoveOn());
    return WIZ_STAY;
}

int CQuestionPage::RunFeedback(CQuestion& question)
{
    CFeedbackDlg dialog(this, m_pDoc, &question, m_context.m_pPalette);
    return dialog.exec();
}

int CQuestionPage::OnWizardBack()
{
    if (m_pDoc->m_nCurrent > 0 && m_pDoc->m_nAnswered > 0) {
        --m_pDoc->m_nCurrent;
        --m_pDoc->m_nAnswered;
        ShowAgain();
    } else {
        GoToPage(IntroPage(m_nQuizType));
    }
    return WIZ_STAY;
}

bool CQuestionPage::OnQueryCancel()
{
    CPrompt* prompt = m_pDoc->Prompt();
    const CPrompt::Reply reply =
        prompt
            ? prompt->AskYesNo(tr("Do you want to try this question later?"), CPrompt::Reply::Yes)
            : CPrompt::Reply::Yes;
    // Closed without an answer: back to the question, as it was.
    if (reply != CPrompt::Reply::Cancel)
        Continue(m_pDoc->SkipQuestion(reply == CPrompt::Reply::Yes));
    return false;
}

void CQuestionPage::OnCommand(int id)
{
    if (id != ID_SHEET_FINISH)
        return;
    CPrompt* prompt = m_pDoc->Prompt();
    // Quitting ends the run, so Enter means stay.
    const CPrompt::Reply reply =
        prompt ? prompt->AskYesNo(tr("Are you sure you want to quit the quiz?"), CPrompt::Reply::No)
               : CPrompt::Reply::Cancel;
    if (reply == CPrompt::Reply::Yes)
        GoToPage(PAGE_WELCOME);
    else if (reply == CPrompt::Reply::No)
        ShowAgain();
}

void CQuestionPage::ShowAgain()
{
    GoToPage(QuestionPage(m_nQuizType));
}

bool CQuestionPage::HasQuestionToAsk() const
{
    const CQuestion* question = Current();
    // Once the first pass is over only open questions come back; when none is
    // left (Back can uncount a question that was put off) the run is over.
    return question && (!m_pDoc->m_bRandomPhase || question->IsOpen());
}

void CQuestionPage::Continue(CTU_QuizDoc::RunStep step)
{
    if (step == CTU_QuizDoc::RunStep::RunOver || !HasQuestionToAsk())
        GoToPage(PAGE_SCORE);
    else
        ShowAgain();
}

void CQuestionPage::FollowAnswer(const QString& answer)
{
    if (answer.isEmpty()) {
        PostDisableButton(ID_WIZNEXT);
        return;
    }
    PostEnableButton(ID_WIZNEXT, false);
    if (Sheet())
        Sheet()->SetDefaultButton(Sheet()->Button(ID_WIZNEXT));
}

QPushButton* CQuestionPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
}

void CQuestionPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pBanner.get(), TakeLayout::kBannerAt);
    DrawPicture(painter, m_pSide.get(), TakeLayout::kSideAt);
    PaintContent(painter);
}
