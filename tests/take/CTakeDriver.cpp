#include "CTakeDriver.h"

#include "CFeedbackBase.h"
#include "CFlashCardTakePage.h"
#include "CMathTakePage.h"
#include "CQuestionPage.h"
#include "CQuizSheet.h"
#include "CRuledEdit.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "CTrueFalseTakePage.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kMaxPolls = 400;

QPushButton* DialogButton(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

bool IsEnabled(QWidget* dialog, const char* name)
{
    const QPushButton* button = DialogButton(dialog, name);
    return button && button->isEnabled();
}

void Act(CFeedbackBase* dialog, CTakeDriver::Action action, CTakeDriver::Seen* seen)
{
    using Action = CTakeDriver::Action;
    seen->dialog = dialog->objectName();
    seen->title = dialog->windowTitle();
    seen->message = dialog->Message();
    seen->pictureId = dialog->PictureId();
    seen->tryAgainEnabled = IsEnabled(dialog, "tryAgainButton");
    seen->viewAnswerEnabled = IsEnabled(dialog, "viewAnswerButton");
    if (action == Action::ViewThenNext || action == Action::ViewThenTryAgain) {
        QTest::mouseClick(DialogButton(dialog, "viewAnswerButton"), Qt::LeftButton);
        seen->messageAfterView = dialog->Message();
        seen->tryAgainEnabled = IsEnabled(dialog, "tryAgainButton");
    }
    switch (action) {
    case Action::TryAgain:
    case Action::ViewThenTryAgain:
        QTest::mouseClick(DialogButton(dialog, "tryAgainButton"), Qt::LeftButton);
        break;
    case Action::PressEnter:
        QTest::keyClick(dialog, Qt::Key_Return);
        break;
    case Action::PressEscape:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    default:
        QTest::mouseClick(DialogButton(dialog, "nextButton"), Qt::LeftButton);
        break;
    }
}

struct PendingFeedback
{
    CTakeDriver::Action action;
    CTakeDriver::Seen seen;
    bool finished = false;
};

// Waits, inside the dialog's own event loop, for the feedback dialog to be shown.
void AnswerWhenShown(const std::shared_ptr<PendingFeedback>& pending, int polls)
{
    QTimer::singleShot(kPollMilliseconds, [pending, polls] {
        if (pending->finished)
            return;
        auto* dialog = qobject_cast<CFeedbackBase*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            pending->finished = true;
            Act(dialog, pending->action, &pending->seen);
        } else if (polls < kMaxPolls) {
            AnswerWhenShown(pending, polls + 1);
        }
    });
}

} // namespace

CTakeDriver::CTakeDriver(CSheetHarness& harness) : m_harness(harness) {}

void CTakeDriver::WriteQuiz(const QString& path, int type, const QList<Item>& items)
{
    CTU_QuizDoc doc;
    doc.SetQuizType(type);
    doc.m_strQuizName = QFileInfo(path).fileName();
    for (const Item& item : items) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = item.question;
        question->m_nAnswer = item.answer;
        question->m_strAnswer = item.back;
    }
    QVERIFY(doc.OnSaveDocument(path));
}

void CTakeDriver::MakeDeterministic(CTU_QuizDoc* doc, QList<unsigned>* seeds)
{
    auto next = std::make_shared<int>(0);
    doc->SetRandomSource([next] { return (*next)++; },
                         [seeds](unsigned seed) {
                             if (seeds)
                                 seeds->append(seed);
                         });
}

void CTakeDriver::OpenForTaking(const QString& path)
{
    m_harness.m_prompt.QueueFile(path);
    m_harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
}

CTakeDriver::Seen CTakeDriver::NextWithFeedback(Action action)
{
    auto pending = std::make_shared<PendingFeedback>();
    pending->action = action;
    AnswerWhenShown(pending, 0);
    m_harness.Click(ID_WIZNEXT);
    // Next opened no dialog (an answer refused): nothing more to wait for.
    pending->finished = true;
    return pending->seen;
}

QString CTakeDriver::ShownQuestion() const
{
    QWidget* page = m_harness.PageWidget();
    if (auto* tf = qobject_cast<CTrueFalseTakePage*>(page))
        return tf->Statement();
    if (auto* card = qobject_cast<CFlashCardTakePage*>(page))
        return m_harness.Doc()->m_bShowFronts ? card->FrontText() : card->BackText();
    if (auto* math = qobject_cast<CMathTakePage*>(page))
        return math->Problem();
    return {};
}

void CTakeDriver::TypeAnswer(const QString& text)
{
    QWidget* page = m_harness.PageWidget();
    if (qobject_cast<CFlashCardTakePage*>(page)) {
        auto* box = page->findChild<CRuledEdit*>(m_harness.Doc()->m_bShowFronts
                                                     ? QStringLiteral("backBox")
                                                     : QStringLiteral("frontBox"));
        QVERIFY(box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    } else {
        auto* box = page->findChild<QLineEdit*>(QStringLiteral("answerBox"));
        QVERIFY(box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    CSheetHarness::Settle();
}

QString CTakeDriver::AnswerBoxText() const
{
    QWidget* page = m_harness.PageWidget();
    if (qobject_cast<CFlashCardTakePage*>(page)) {
        auto* box = page->findChild<CRuledEdit*>(m_harness.Doc()->m_bShowFronts
                                                     ? QStringLiteral("backBox")
                                                     : QStringLiteral("frontBox"));
        return box ? box->toPlainText() : QString();
    }
    auto* box = page->findChild<QLineEdit*>(QStringLiteral("answerBox"));
    return box ? box->text() : QString();
}

QString CTakeDriver::Progress() const
{
    auto* page = qobject_cast<CQuestionPage*>(m_harness.PageWidget());
    return page ? page->ProgressText() : QString();
}
