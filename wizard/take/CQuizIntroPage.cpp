#include "CQuizIntroPage.h"

#include "CDib.h"
#include "CMarkupLabel.h"
#include "CPrompt.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QLabel>

CQuizIntroPage::CQuizIntroPage(CWizardContext& context, int quizType, int bannerId, int sideId,
                               QWidget* parent)
    : CQuizPage(context, parent), m_nQuizType(quizType), m_nBannerId(bannerId), m_nSideId(sideId)
{
}

CQuizIntroPage::~CQuizIntroPage() = default;

void CQuizIntroPage::AddCountLabel(const QRect& geometry)
{
    m_pCount = AddLabel(QString(), geometry, true);
    m_pCount->setObjectName(QStringLiteral("countText"));
}

QString CQuizIntroPage::CountText() const
{
    return m_pCount ? m_pCount->text() : QString();
}

void CQuizIntroPage::OnSetActive()
{
    LoadPicture(m_pBanner, m_nBannerId);
    if (!m_pSide)
        m_pSide = std::make_unique<CDib>(m_nSideId);
    ApplyFonts();
    if (m_pLeftHelp)
        m_pLeftHelp->SetMarkup(CStringTable::Get(m_nLeftHelpId));
    if (m_pRightHelp)
        m_pRightHelp->SetMarkup(CStringTable::Get(m_nRightHelpId));
    if (m_pCount)
        m_pCount->setText(CountText(m_pDoc->m_nQuestionCount));
    PostEnableButton(ID_WIZNEXT, true);
    OnActivated();
    Arm();
}

int CQuizIntroPage::OnWizardNext()
{
    // A quiz without questions has nothing to ask: say so instead of
    // starting a run that could never end.
    if (m_pDoc->m_nQuestionCount <= 0) {
        if (CPrompt* prompt = m_pDoc->Prompt())
            prompt->ShowMessage(CStringTable::Get(IDS_QUIZ_HAS_NO_QUESTIONS));
        return WIZ_STAY;
    }
    m_pDoc->StartQuiz();
    GoToPage(QuestionPage(m_nQuizType));
    return WIZ_STAY;
}

int CQuizIntroPage::OnWizardBack()
{
    GoToPage(m_pDoc->m_bTakeMode ? PAGE_WELCOME : PAGE_QUESTION_MANAGER);
    return WIZ_STAY;
}

bool CQuizIntroPage::OnQueryCancel()
{
    GoToPage(PAGE_WELCOME);
    return false;
}

QPushButton* CQuizIntroPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
}

void CQuizIntroPage::SetHelpTexts(int leftId, int rightId)
{
    m_nLeftHelpId = leftId;
    m_nRightHelpId = rightId;
    if (leftId != 0 && !m_pLeftHelp)
        m_pLeftHelp = AddHelpText(LeftHelpRect());
    if (rightId != 0 && !m_pRightHelp)
        m_pRightHelp = AddHelpText(RightHelpRect());
}

QRect CQuizIntroPage::LeftHelpRect()
{
    return QRect(TakeLayout::kIntroMargin, TakeLayout::kIntroColumnTop, TakeLayout::kIntroLeftWidth,
                 TakeLayout::kIntroColumnHeight);
}

QRect CQuizIntroPage::RightHelpRect()
{
    return QRect(TakeLayout::kIntroRightLeft, TakeLayout::kIntroColumnTop,
                 TakeLayout::kIntroRightWidth, TakeLayout::kIntroColumnHeight);
}

void CQuizIntroPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pBanner.get(), TakeLayout::kBannerAt);
    DrawPicture(painter, m_pSide.get(), TakeLayout::kSideAt);
    PaintContent(painter);
}
