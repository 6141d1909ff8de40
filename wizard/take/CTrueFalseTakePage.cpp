#include "CTrueFalseTakePage.h"

#include "CDib.h"
#include "CPictureButton.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "CTrueFalseFeedbackDlg.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace TakeLayout;

namespace {
constexpr int kNoChoice = -1;
constexpr int kTrue = 0;
constexpr int kFalse = 1;
// The statement and its two big buttons take the wider right part.
constexpr int kStatementLeft = 396;
constexpr int kStatementWidth = kContentRight - kStatementLeft;
constexpr int kTextWidth = kStatementLeft - 12 - kContentLeft;
const QRect kInstructionRect(kContentLeft, kContentTop, kTextWidth, 170);
const QRect kProgressRect(kContentLeft, kContentTop + 190, kTextWidth, 110);
const QRect kStatementFrameRect(kStatementLeft, kContentTop - 8, kStatementWidth, 210);
constexpr int kButtonTop = 320;
constexpr int kButtonWidth = 148;
constexpr int kButtonHeight = 72;
const QRect kTrueRect(kStatementLeft, kButtonTop, kButtonWidth, kButtonHeight);
const QRect kFalseRect(kContentRight - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
constexpr int kStatementPixelSize = 18;
} // namespace

CTrueFalseTakePage::CTrueFalseTakePage(CWizardContext& context, QWidget* parent)
    : CQuestionPage(context, QUIZ_TRUE_FALSE, IDB_TRUE_FALSE_QUIZ_BANNER, IDB_TRUE_FALSE_SIDE,
                    parent),
      m_pStatement(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("trueFalseTakePage"));
    AddLabel(tr("Read the statement at the right side of the screen. If you think it is true, "
                "click the True button. If you think it is false, click the False button. To "
                "find out if your answer is correct, click the Next button."),
             kInstructionRect, false);
    AddProgressLabel(kProgressRect);

    auto* frame = new QGroupBox(tr("Statement"), this);
    frame->setGeometry(kStatementFrameRect);
    frame->setFont(m_context.m_fontNormal);
    auto* layout = new QVBoxLayout(frame);
    m_pStatement->setObjectName(QStringLiteral("statementBox"));
    m_pStatement->setReadOnly(true);
    m_pStatement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont statementFont = m_context.m_fontBold;
    statementFont.setPixelSize(kStatementPixelSize);
    m_pStatement->setFont(statementFont);
    layout->addWidget(m_pStatement);

    m_pTrue = AddPictureButton(IDB_TRUE_BUTTON, tr("&True"),
                               tr("A green tick: the statement is true."), kTrueRect);
    m_pFalse = AddPictureButton(IDB_FALSE_BUTTON, tr("&False"),
                                tr("A red cross: the statement is false."), kFalseRect);
    // The two answers: a screen reader hears which one is chosen, and the page shows it.
    m_pTrue->SetExclusiveChoice(true);
    m_pFalse->SetExclusiveChoice(true);
    AddReadAloudButton();
}

CTrueFalseTakePage::~CTrueFalseTakePage() = default;

QString CTrueFalseTakePage::Statement() const
{
    return m_pStatement->toPlainText();
}

QString CTrueFalseTakePage::ReadAloudText() const
{
    return Statement();
}

void CTrueFalseTakePage::LoadPagePictures()
{
    m_pTrueFace = std::make_unique<CDib>(IDB_TRUE_BUTTON);
    m_pFalseFace = std::make_unique<CDib>(IDB_FALSE_BUTTON);
    m_pTrue->AttachPicture(m_pTrueFace.get());
    m_pFalse->AttachPicture(m_pFalseFace.get());
}

void CTrueFalseTakePage::ShowQuestion(CQuestion& question)
{
    m_pStatement->setPlainText(question.m_strQuestion);
    ResetPictureButtons();
    ShowChoice(question.m_nResponse);
    // The focus starts on the answer, never on a button that puts the question off or quits.
    m_pTrue->setFocus();
    if (question.m_nResponse == kNoChoice) {
        // Nothing to judge yet, and nothing to quit from halfway.
        PostDisableButton(ID_WIZNEXT);
        PostDisableButton(ID_SHEET_FINISH);
    } else {
        PostEnableButton(ID_WIZNEXT, true);
    }
}

void CTrueFalseTakePage::ShowChoice(int response)
{
    m_pTrue->SetPressed(response == kTrue);
    m_pFalse->SetPressed(response == kFalse);
}

void CTrueFalseTakePage::OnPictureButton(int id)
{
    CQuestion* question = Current();
    if (id != IDB_TRUE_BUTTON && id != IDB_FALSE_BUTTON) {
        CQuestionPage::OnPictureButton(id);
        return;
    }
    if (!question)
        return;
    question->m_nResponse = id == IDB_TRUE_BUTTON ? kTrue : kFalse;
    ShowChoice(question->m_nResponse);
    if (m_pDoc->m_nAnswered < m_pDoc->m_nQuestionCount) {
        PostEnableButton(ID_WIZNEXT, true);
        PostEnableButton(ID_SHEET_FINISH, false);
    }
    if (Sheet())
        Sheet()->SetDefaultButton(Sheet()->Button(ID_WIZNEXT));
}

bool CTrueFalseTakePage::AcceptsAnswer(CQuestion& question)
{
    return question.m_nResponse != kNoChoice;
}

int CTrueFalseTakePage::RunFeedback(CQuestion& question)
{
    CTrueFalseFeedbackDlg dialog(this, m_pDoc, &question, m_context.m_pPalette);
    dialog.exec();
    // One try only: the run moves on whatever the dialog says.
    return CTrueFalseFeedbackDlg::kNext;
}

QString CTrueFalseTakePage::ProgressFormat(int answered, int left) const
{
    const QString done = answered == 1
                             ? tr("So far, you have answered %n question.", nullptr, answered)
                             : tr("So far, you have answered %n questions.", nullptr, answered);
    const QString rest =
        left == 1
            ? tr("After you answer this question, you will have %n question left.", nullptr, left)
            : tr("After you answer this question, you will have %n questions left.", nullptr, left);
    return done + QLatin1Char('\n') + rest;
}
