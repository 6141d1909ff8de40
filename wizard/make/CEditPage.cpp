#include "CEditPage.h"

#include "CDib.h"
#include "CPrompt.h"
#include "CQuizSheet.h"
#include "CSoundPlayer.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QPainter>
#include <QPushButton>

namespace {
const QPoint kBannerAt(0, 0);
const QRect kKindPictureRect(24, 72, 160, 140);
const QRect kHelpRect(20, 222, 210, 230);
constexpr int kModifyAfterLeaving = -1; // a non-zero mode: the page comes back modifying
} // namespace

CEditPage::CEditPage(CWizardContext& context, int quizType, const Looks& looks, QWidget* parent)
    : CQuizPage(context, parent), m_nQuizType(quizType), m_looks(looks)
{
}

CEditPage::~CEditPage() = default;

QString CEditPage::QuestionTitle(int number, int count) const
{
    return tr("Tutorama: Question %1 of %2").arg(number).arg(count);
}

bool CEditPage::IsModifying() const
{
    return m_pDoc->m_bModifying != 0;
}

const QRect& CEditPage::KindPictureRect() const
{
    return kKindPictureRect;
}

void CEditPage::OnSetActive()
{
    Activate();
    Arm();
}

void CEditPage::Activate()
{
    LoadPicture(m_pBanner, m_looks.m_nBannerId);
    if (!m_pKindPicture) {
        LoadPicture(m_pKindPicture, m_looks.m_nKindPictureId);
        LoadOwnPictures();
    }
    ApplyFonts();

    // A question that is no longer in the list cannot be modified: start a new one.
    const CQuestion* stored = m_pDoc->Question(m_pDoc->m_nCurrent);
    if (IsModifying() && !stored)
        m_pDoc->m_bModifying = 0;
    // A new question always goes to the end of the list, so that is its number.
    if (!IsModifying())
        m_pDoc->m_nCurrent = static_cast<int>(m_pDoc->Questions().size());
    int count = m_pDoc->m_nQuestionCount;
    if (IsModifying()) {
        ShowQuestion(*stored);
        EnableStoreButtons(true, true);
    } else {
        ShowEmptyQuestion();
        EnableStoreButtons(false, false);
        ++count;
    }
    SetTitle(QuestionTitle(m_pDoc->m_nCurrent + 1, count));
    m_pDoc->m_nReturnPage = EditorPage(m_nQuizType);
    m_pDoc->m_nAdviceType = m_nQuizType;
    FocusEditor();
    update();
}

void CEditPage::EnableStoreButtons(bool newEnabled, bool finishEnabled, bool focus)
{
    if (newEnabled)
        PostEnableButton(ID_WIZNEXT, focus);
    else
        PostDisableButton(ID_WIZNEXT);
    if (finishEnabled)
        PostEnableButton(ID_SHEET_FINISH, focus);
    else
        PostDisableButton(ID_SHEET_FINISH);
}

void CEditPage::MakeFinishDefault()
{
    if (Sheet())
        Sheet()->SetDefaultButton(Sheet()->Button(ID_SHEET_FINISH));
}

void CEditPage::PlayWave(int waveId)
{
    if (m_context.m_pSound)
        m_context.m_pSound->Play(waveId);
}

void CEditPage::ApplyButtonRule()
{
    const bool complete = IsComplete();
    EnableStoreButtons(complete, complete);
    if (complete)
        MakeFinishDefault();
}

void CEditPage::Store()
{
    const int index = m_pDoc->m_nCurrent;
    if (IsModifying()) {
        if (!IsComplete()) {
            m_pDoc->RemoveQuestion(index);
        } else if (CQuestion* question = m_pDoc->Question(index)) {
            *question = CQuestion(); // a changed question starts with no answers
            FillQuestion(*question);
        }
    } else {
        if (!IsComplete())
            return;
        FillQuestion(*m_pDoc->AddQuestion());
    }
    m_pDoc->m_nQuestionCount = static_cast<int>(m_pDoc->Questions().size());
    m_pDoc->OnSaveDocument(m_pDoc->m_strQuizPath);
}

CPrompt::Reply CEditPage::Ask(int stringId)
{
    return Ask(CStringTable::Get(stringId));
}

CPrompt::Reply CEditPage::Ask(const QString& text)
{
    // Every Yes of an editor keeps the question, so Enter may say Yes.
    CPrompt* prompt = m_pDoc->Prompt();
    return prompt ? prompt->AskYesNo(text, CPrompt::Reply::Yes) : CPrompt::Reply::No;
}

void CEditPage::LeaveToManager()
{
    m_pDoc->m_bModifying = kModifyAfterLeaving;
    GoToPage(PAGE_QUESTION_MANAGER);
}

void CEditPage::StoreAndNew()
{
    if (!IsComplete()) {
        if (!RefuseIncomplete())
            Activate(); // drops the edits: a stored question is shown again
        return;
    }
    Store();
    ++m_pDoc->m_nCurrent;
    m_pDoc->m_bModifying = 0;
    Activate();
}

void CEditPage::StoreAndPrevious()
{
    if (IsComplete() || BackStoresIncomplete())
        Store();
    m_pDoc->m_bModifying = kModifyAfterLeaving;
    if (m_pDoc->m_nCurrent < 1) {
        GoToPage(PAGE_QUESTION_MANAGER);
        return;
    }
    --m_pDoc->m_nCurrent;
    Activate();
}

void CEditPage::StoreAndFinish()
{
    if (!IsComplete() && RefuseIncomplete())
        return;
    Store();
    GoToPage(PAGE_QUESTION_MANAGER);
}

void CEditPage::LeaveWithQuestion()
{
    // A question closed without an answer leaves the page as it was.
    if (CancelAlwaysAsksToSave() || IsComplete()) {
        const CPrompt::Reply reply = Ask(IDS_ASK_SAVE_QUESTION);
        if (reply == CPrompt::Reply::Cancel)
            return;
        if (reply == CPrompt::Reply::Yes)
            Store();
        LeaveToManager();
        return;
    }
    if (Ask(IDS_ASK_FINISH_QUESTION) == CPrompt::Reply::No)
        LeaveToManager();
}

void CEditPage::StoreAndAdvise()
{
    if (IsComplete()) {
        Store();
        m_pDoc->m_nSavedCurrent = m_pDoc->m_nCurrent;
    } else {
        if (Ask(tr("Do you want to complete this question first?")) != CPrompt::Reply::No)
            return;
        m_pDoc->m_nSavedCurrent = -1;
    }
    m_pDoc->m_bModifying = kModifyAfterLeaving;
    GoToPage(AdvicePage(m_pDoc->m_nAdviceType));
}

int CEditPage::OnWizardNext()
{
    StoreAndNew();
    return WIZ_STAY;
}

int CEditPage::OnWizardBack()
{
    StoreAndPrevious();
    return WIZ_STAY;
}

bool CEditPage::OnQueryCancel()
{
    LeaveWithQuestion();
    return false;
}

void CEditPage::OnCommand(int id)
{
    if (id == ID_SHEET_FINISH)
        StoreAndFinish();
    else if (id == ID_SHEET_ADVICE)
        StoreAndAdvise();
}

void CEditPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pKindPicture.get(), kKindPictureRect.topLeft());
    DrawPicture(painter, m_pBanner.get(), kBannerAt);
    DrawHelpText(painter, kHelpRect, CStringTable::Get(m_looks.m_nHelpStringId),
                 m_context.m_fontNormal);
}
