#include "CAdvicePage.h"

#include "CDib.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"

#include <QPainter>

namespace {
const QPoint kHeaderAt(0, 0);
const QPoint kSideAt(24, 72);
const QRect kLeftTextRect(20, 222, 262, 170);
const QRect kRightTextRect(300, 80, 400, 360);
} // namespace

CAdvicePage::CAdvicePage(CWizardContext& context, const Looks& looks, QWidget* parent)
    : CQuizPage(context, parent), m_looks(looks)
{
}

CAdvicePage::~CAdvicePage() = default;

QRect CAdvicePage::LeftTextRect()
{
    return kLeftTextRect;
}

void CAdvicePage::OnSetActive()
{
    LoadPicture(m_pHeader, m_looks.m_nHeaderId);
    if (!m_pSide)
        LoadPicture(m_pSide, m_looks.m_nSideId);
    // Next takes the focus, so that Enter goes on (and never opens the print dialog).
    PostEnableButton(ID_WIZNEXT, true);
    ApplyFonts();
    update();
    // These pages move only by GoToPage, so they are never armed.
}

int CAdvicePage::OnWizardNext()
{
    m_pDoc->m_nQuizType = m_looks.m_nQuizType;
    m_pDoc->m_nManagerBackPage = PAGE_QUIZ_FORMAT;
    GoToPage(PAGE_QUESTION_MANAGER);
    return WIZ_STAY;
}

void CAdvicePage::ReturnToOpener()
{
    // Opened from the kind's editor: it resumes the question it was on.
    if (m_pDoc->m_nReturnPage == EditorPage(m_pDoc->m_nQuizType)) {
        if (m_pDoc->m_nSavedCurrent != -1) {
            m_pDoc->m_nCurrent = m_pDoc->m_nSavedCurrent;
            m_pDoc->m_bModifying = 1;
        } else {
            m_pDoc->m_bModifying = 0;
        }
    }
    GoToPage(m_pDoc->m_nReturnPage);
}

int CAdvicePage::OnWizardBack()
{
    ReturnToOpener();
    return WIZ_STAY;
}

bool CAdvicePage::OnQueryCancel()
{
    ReturnToOpener();
    return false;
}

QPushButton* CAdvicePage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
}

void CAdvicePage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pSide.get(), kSideAt);
    DrawPicture(painter, m_pHeader.get(), kHeaderAt);
    if (m_looks.m_nLeftTextId != 0)
        DrawHelpText(painter, kLeftTextRect, CStringTable::Get(m_looks.m_nLeftTextId),
                     m_context.m_fontNormal);
    DrawHelpText(painter, kRightTextRect, CStringTable::Get(m_looks.m_nRightTextId),
                 m_context.m_fontNormal);
}
