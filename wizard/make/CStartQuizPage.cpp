#include "CStartQuizPage.h"

#include "CDib.h"
#include "CPictureButton.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QPainter>

namespace {
const QPoint kHeaderAt(0, 0);
const QRect kIntroRect(24, 96, 672, 64);
const QRect kNewButtonRect(40, 168, 184, 124);
const QRect kExistingButtonRect(40, 310, 184, 124);
constexpr int kTextLeft = 248;
constexpr int kTextWidth = 440;
constexpr int kChoiceNone = -1;
constexpr int kChoiceShownAgain = 0;
constexpr int kChoiceNew = 3;
constexpr int kChoiceExisting = 4;
} // namespace

CStartQuizPage::CStartQuizPage(CWizardContext& context, QWidget* parent)
    : CPictureChoicePage(context, parent)
{
    setObjectName(QStringLiteral("startQuizPage"));
    AddLabel(tr("If this is your first time using the Tutorama, click the New Quiz button. If you "
                "have already made one or more quizzes and wish to make changes to one of them, "
                "click the Existing Quiz button."),
             kIntroRect, false);
    m_pNewButton = AddPictureButton(IDB_NEW_QUIZ_BUTTON, tr("Ne&w Quiz"),
                                    tr("A fresh sheet of paper with a star: start a new quiz."),
                                    kNewButtonRect);
    m_pExistingButton = AddPictureButton(
        IDB_EXISTING_QUIZ_BUTTON, tr("&Existing Quiz"),
        tr("A folder with quiz sheets in it: change a quiz you have already made."),
        kExistingButtonRect);
    SetDefaultPicture(m_pNewButton);

    const int newTop = kNewButtonRect.top() + 14;
    const int existingTop = kExistingButtonRect.top() + 14;
    AddLabel(tr("New Quiz"), QRect(kTextLeft, newTop, kTextWidth, 24), true);
    AddLabel(tr("If you want to use the Tutorama to make a new quiz, click this button."),
             QRect(kTextLeft, newTop + 30, kTextWidth, 60), false);
    AddLabel(tr("Existing Quiz"), QRect(kTextLeft, existingTop, kTextWidth, 24), true);
    AddLabel(tr("If you want to make changes to a quiz you have already made, click here."),
             QRect(kTextLeft, existingTop + 30, kTextWidth, 60), false);
}

CStartQuizPage::~CStartQuizPage() = default;

void CStartQuizPage::OnSetActive()
{
    // Next only works on later visits, after a first choice.
    if (m_nLastChoice == kChoiceNone) {
        PostDisableButton(ID_WIZNEXT);
    } else {
        m_nLastChoice = kChoiceShownAgain;
        PostEnableButton(ID_WIZNEXT, true);
    }
    ApplyFonts();
    LoadPicture(m_pHeader, IDB_START_QUIZ_BANNER);
    if (!m_pNewFace) {
        m_pNewFace = std::make_unique<CDib>(IDB_NEW_QUIZ_BUTTON);
        m_pExistingFace = std::make_unique<CDib>(IDB_EXISTING_QUIZ_BUTTON);
    }
    m_pNewButton->AttachPicture(m_pNewFace.get());
    m_pExistingButton->AttachPicture(m_pExistingFace.get());
    m_pNewButton->setFocus();
    ResetPictureButtons();
    Arm();
}

void CStartQuizPage::OnPictureButton(int id)
{
    if (id == IDB_NEW_QUIZ_BUTTON)
        NewQuiz();
    else if (id == IDB_EXISTING_QUIZ_BUTTON)
        ExistingQuiz();
}

void CStartQuizPage::NewQuiz()
{
    m_pDoc->m_nQuizType = QUIZ_NEW;
    m_pDoc->ClearQuestions();
    m_nLastChoice = kChoiceNew;
    m_pDoc->m_nManagerBackPage = PAGE_START_QUIZ;
    GoToPage(PAGE_NAME_QUIZ);
}

void CStartQuizPage::ExistingQuiz()
{
    m_pDoc->ClearQuestions();
    m_nLastChoice = kChoiceExisting;
    PostEnableButton(ID_WIZNEXT, true);
    if (!OpenQuizFromDialog())
        return;
    m_pDoc->m_nManagerBackPage = PAGE_START_QUIZ;
    // A quiz saved before its kind was chosen goes to the format page first.
    GoToPage(IsQuizKind(m_pDoc->m_nQuizType) ? PAGE_QUESTION_MANAGER : PAGE_QUIZ_FORMAT);
}

int CStartQuizPage::OnWizardNext()
{
    m_pDoc->m_nManagerBackPage = PAGE_START_QUIZ;
    PostNextPage();
    return WIZ_STAY;
}

int CStartQuizPage::OnWizardBack()
{
    PostPrevPage();
    return WIZ_STAY;
}

bool CStartQuizPage::OnQueryCancel()
{
    PostGoToPage(PAGE_WELCOME);
    return false;
}

void CStartQuizPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pHeader.get(), kHeaderAt);
}
