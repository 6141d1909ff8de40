#include "CWelcomePage.h"

#include "CDib.h"
#include "CMarkupLabel.h"
#include "CPictureButton.h"
#include "CPrompt.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QPainter>

namespace {
const QPoint kHeaderAt(0, 0);
const QRect kHelpRect(22, 104, 240, 320);
const QRect kMakeButtonRect(266, 104, 184, 124);
const QRect kTakeButtonRect(266, 266, 184, 124);
constexpr int kTextLeft = 468;
constexpr int kTextWidth = 234;
} // namespace

CWelcomePage::CWelcomePage(CWizardContext& context, QWidget* parent)
    : CPictureChoicePage(context, parent)
{
    setObjectName(QStringLiteral("welcomePage"));
    m_pHelp = AddHelpText(kHelpRect);
    m_pMakeButton = AddPictureButton(
        IDB_MAKE_QUIZ_BUTTON, tr("&Make Quiz"),
        tr("A pencil writing questions on a sheet of paper: make or change a quiz."),
        kMakeButtonRect);
    m_pTakeButton = AddPictureButton(
        IDB_TAKE_QUIZ_BUTTON, tr("&Take Quiz"),
        tr("A quiz sheet with ticks on it: take a quiz you have made."), kTakeButtonRect);
    SetDefaultPicture(m_pMakeButton);

    const int makeTop = kMakeButtonRect.top() + 8;
    const int takeTop = kTakeButtonRect.top() + 8;
    AddLabel(tr("Make or Modify Quiz"), QRect(kTextLeft, makeTop, kTextWidth, 24), true);
    AddLabel(tr("If you want to use the Tutorama to make a new quiz, or to revise a quiz you "
                "have already made, click this button."),
             QRect(kTextLeft, makeTop + 30, kTextWidth, 90), false);
    AddLabel(tr("Take Quiz"), QRect(kTextLeft, takeTop, kTextWidth, 24), true);
    AddLabel(tr("If you want to use the Tutorama to take a quiz you have already made, click "
                "this button."),
             QRect(kTextLeft, takeTop + 30, kTextWidth, 90), false);
}

CWelcomePage::~CWelcomePage() = default;

void CWelcomePage::OnSetActive()
{
    ApplyFonts();
    m_pHelp->SetMarkup(CStringTable::Get(IDS_WELCOME_HELP));
    LoadPicture(m_pHeader, IDB_WELCOME_BANNER);
    if (!m_pMakeFace) {
        m_pMakeFace = std::make_unique<CDib>(IDB_MAKE_QUIZ_BUTTON);
        m_pTakeFace = std::make_unique<CDib>(IDB_TAKE_QUIZ_BUTTON);
    }
    m_pMakeButton->AttachPicture(m_pMakeFace.get());
    m_pTakeButton->AttachPicture(m_pTakeFace.get());
    ResetPictureButtons();
    m_pMakeButton->setFocus();

    // Coming back here always starts from a clean document.
    m_pDoc->m_nQuizType = QUIZ_NEW;
    m_pDoc->ClearQuestions();
    SetTitle(tr("Tutorama"));
    Arm();
}

void CWelcomePage::OnPictureButton(int id)
{
    if (id == IDB_MAKE_QUIZ_BUTTON)
        MakeQuiz();
    else if (id == IDB_TAKE_QUIZ_BUTTON)
        TakeQuiz();
}

void CWelcomePage::MakeQuiz()
{
    m_pDoc->SetMakeMode();
    m_pDoc->m_nManagerBackPage = PAGE_WELCOME;
    GoToPage(PAGE_START_QUIZ);
}

void CWelcomePage::TakeQuiz()
{
    const QString path = AskOpenQuizPath();
    if (!path.isEmpty())
        TakeQuizFrom(path);
}

void CWelcomePage::TakeQuizFrom(const QString& path)
{
    m_pDoc->SetTakeMode();
    m_pDoc->ClearQuestions();
    if (!m_pDoc->OnOpenDocument(path))
        return; // the document has said why; the welcome page stays
    m_pDoc->m_nManagerBackPage = PAGE_WELCOME;
    const bool hasKind = IsQuizKind(m_pDoc->m_nQuizType);
    if (m_pDoc->m_nQuestionCount != 0 && hasKind) {
        GoToPage(IntroPage(m_pDoc->m_nQuizType));
        return;
    }
    // A quiz cannot be taken before it has both questions and a kind.
    if (CPrompt* prompt = m_pDoc->Prompt()) {
        prompt->ShowMessage(m_pDoc->m_nQuestionCount == 0
                                ? CStringTable::Get(IDS_QUIZ_HAS_NO_QUESTIONS)
                                : tr("The quiz you have opened has questions, but no quiz type "
                                     "has been chosen for it yet, so it cannot be taken. Choose "
                                     "its type on the next page."));
    }
    GoToPage(hasKind ? PAGE_QUESTION_MANAGER : PAGE_QUIZ_FORMAT);
}

void CWelcomePage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pHeader.get(), kHeaderAt);
}
