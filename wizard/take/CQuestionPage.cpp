#include "CQuestionPage.h"

#include "CActorSvr.h"
#include "CDib.h"
#include "CFeedbackDlg.h"
#include "CPictureButton.h"
#include "CPrompt.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QLabel>
#include <QPushButton>

CQuestionPage::CQuestionPage(CWizardContext& context, int quizType, int bannerId, int sideId,
                             QWidget* parent)
    : CPictureChoicePage(context, parent), m_nQuizType(quizType), m_nBannerId(bannerId),
      m_nSideId(sideId), m_speaker(context)
{
}

CQuestionPage::~CQuestionPage() = default;

void CQuestionPage::AddProgressLabel(const QRect& geometry)
{
    m_pProgress = AddLabel(QString(), geometry, false);
    m_pProgress->setObjectName(QStringLiteral("progressText"));
}

CPictureButton* CQuestionPage::AddSpeakerButton(const SpeakerButton& speaker)
{
    CPictureButton* button =
        AddPictureButton(speaker.id, speaker.name, speaker.description, speaker.geometry);
    button->SetMode(CPictureButton::kMomentary);
    QLabel* caption = AddLabel(speaker.caption, speaker.captionGeometry, false);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_speakers.push_back({button, caption, speaker.pictureId, speaker.offeredWithoutSpeech, {}});
    return button;
}

void CQuestionPage::OfferSpeakers()
{
    for (ShownSpeaker& speaker : m_speakers) {
        if (!speaker.face) {
            speaker.face = std::make_unique<CDib>(speaker.pictureId);
            speaker.button->AttachPicture(speaker.face.get());
        }
        // Hidden, a speaker leaves its place empty: nothing else on the page moves.
        const bool offered = speaker.offeredWithoutSpeech || m_context.m_bSpeechAvailable;
        speaker.button->setVisible(offered);
        speaker.caption->setVisible(offered);
    }
}

void CQuestionPage::AddReadAloudButton()
{
    const QString name = tr("&Read aloud");
    AddSpeakerButton({kReadAloudButton, IDB_SPEAKER_BUTTON, name,
                      tr("A loudspeaker: hear the text you are reading."),
                      TakeLayout::kReadAloudRect, QString(name).remove(u'&'),
                      TakeLayout::kReadAloudCaptionRect});
}

void CQuestionPage::OnPictureButton(int id)
{
    if (id != kReadAloudButton)
        return;
    m_speaker.SetText(ReadAloudText());
    m_speaker.Say();
}

void CQuestionPage::SetActor(std::unique_ptr<CActorSvr> actor)
{
    m_speaker.SetActor(std::move(actor));
}

void CQuestionPage::hideEvent(QHideEvent* event)
{
    m_speaker.Stop();
    CPictureChoicePage::hideEvent(event);
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
    OfferSpeakers();
    ApplyFonts();
    // A new question, or the same one again: what was being said of the last one stops.
    m_speaker.Stop();
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
    // The feedback's own sound is heard, not the end of the question read out.
    m_speaker.Stop();
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
        // The question gone back to starts on its first try, whatever try the
        // one left was on.
        m_pDoc->m_nAttempt = 1;
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
