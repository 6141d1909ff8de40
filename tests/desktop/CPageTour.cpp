#include "CPageTour.h"

#include "CActorSvr.h"
#include "CFeedbackBase.h"
#include "CQuizSheet.h"
#include "CRecordingOutput.h"
#include "CSheetHarness.h"
#include "CSpellingTakePage.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "SheetMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
constexpr int kPollMilliseconds = 5;
constexpr int kMaxPolls = 400;
constexpr int kTrueFalseTrue = 0;
constexpr int kTrueFalseFalse = 1;

struct PendingDialog
{
    bool finished = false;
};

// Inside a modal dialog's own event loop: show it to the visitor, then let it be left.
void VisitWhenShown(const std::shared_ptr<PendingDialog>& pending, const CPageTour::Visitor& visit,
                    const QString& where, void (*leave)(QDialog*), int polls)
{
    QTimer::singleShot(kPollMilliseconds, [pending, visit, where, leave, polls] {
        if (pending->finished)
            return;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (polls < kMaxPolls)
                VisitWhenShown(pending, visit, where, leave, polls + 1);
            return;
        }
        pending->finished = true;
        visit(where, dialog);
        leave(dialog);
    });
}

void PressNext(QDialog* dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("nextButton")),
                      Qt::LeftButton);
}

} // namespace

QList<CPageTour::Kind> CPageTour::Kinds()
{
    using Item = CTakeDriver::Item;
    return {
        {QUIZ_TRUE_FALSE,
         QStringLiteral("true-false"),
         {Item{QStringLiteral("The sun is a star."), kTrueFalseTrue, {}},
          Item{QStringLiteral("Fish can fly."), kTrueFalseFalse, {}}},
         {}},
        {QUIZ_FLASH_CARD,
         QStringLiteral("flash-card"),
         {Item{QStringLiteral("Hund"), 0, QStringLiteral("dog")},
          Item{QStringLiteral("Katze"), 0, QStringLiteral("cat")}},
         QStringLiteral("dog")},
        {QUIZ_SPELLING,
         QStringLiteral("spelling"),
         {Item{QStringLiteral("apple"), 0, {}}, Item{QStringLiteral("school"), 0, {}}},
         QStringLiteral("apple")},
        {QUIZ_MATH,
         QStringLiteral("math"),
         {Item{QStringLiteral("57 + 41"), 0, {}}, Item{QStringLiteral("6 * 7"), 0, {}}},
         QStringLiteral("42")},
    };
}

CPageTour::CPageTour(CSheetHarness& harness) : m_harness(harness) {}

void CPageTour::Stop(const Visitor& visit, const QString& what)
{
    m_pagesSeen.append(m_harness.Index());
    visit(QStringLiteral("page %1 (%2)").arg(m_harness.Index()).arg(what), m_harness.Sheet());
}

void CPageTour::Run(const Visitor& visit)
{
    CTakeDriver::MakeDeterministic(m_harness.Doc());
    Stop(visit, QStringLiteral("welcome"));
    m_harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    Stop(visit, QStringLiteral("start"));
    m_harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
    Stop(visit, QStringLiteral("name"));
    m_harness.m_prompt.QueueFile(m_harness.PathOf(QStringLiteral("New.qiz")));
    m_harness.PressPicture(IDB_DISK_BUTTON);
    Stop(visit, QStringLiteral("format"));

    for (const Kind& kind : Kinds()) {
        const QString path = m_harness.PathOf(kind.m_strName + QStringLiteral(".qiz"));
        CTakeDriver::WriteQuiz(path, kind.m_nType, kind.m_items);
        MakingPages(visit, kind, path);
        if (QTest::currentTestFailed())
            return;
        TakingPages(visit, kind, path);
        if (QTest::currentTestFailed())
            return;
    }
}

void CPageTour::MakingPages(const Visitor& visit, const Kind& kind, const QString& path)
{
    m_harness.Sheet()->GoToPage(PAGE_WELCOME);
    m_harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    m_harness.m_prompt.QueueFile(path);
    m_harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
    QCOMPARE(m_harness.Index(), int(PAGE_QUESTION_MANAGER));
    Stop(visit, kind.m_strName + QStringLiteral(" manager"));
    PrintDialog(visit, kind.m_strName + QStringLiteral(" print dialog"));
    m_harness.Click(ID_SHEET_ADVICE);
    QCOMPARE(m_harness.Index(), AdvicePage(kind.m_nType));
    Stop(visit, kind.m_strName + QStringLiteral(" advice"));
    m_harness.Click(ID_WIZBACK);
    QCOMPARE(m_harness.Index(), int(PAGE_QUESTION_MANAGER));
    QTest::mouseClick(m_harness.Find<QPushButton>(QStringLiteral("addButton")), Qt::LeftButton);
    CSheetHarness::Settle();
    QCOMPARE(m_harness.Index(), EditorPage(kind.m_nType));
    Stop(visit, kind.m_strName + QStringLiteral(" editor"));
}

void CPageTour::TakingPages(const Visitor& visit, const Kind& kind, const QString& path)
{
    m_harness.Sheet()->GoToPage(PAGE_WELCOME);
    CSheetHarness::Settle();
    if (kind.m_nType == QUIZ_SPELLING) {
        auto* page =
            qobject_cast<CSpellingTakePage*>(m_harness.Sheet()->Page(QuestionPage(QUIZ_SPELLING)));
        page->SetActor(std::make_unique<CActorSvr>(std::make_unique<CRecordingOutput>(&m_spoken)));
    }
    m_harness.m_prompt.QueueFile(path);
    m_harness.PressPicture(IDB_TAKE_QUIZ_BUTTON);
    QCOMPARE(m_harness.Index(), IntroPage(kind.m_nType));
    Stop(visit, kind.m_strName + QStringLiteral(" introduction"));
    m_harness.Click(ID_WIZNEXT);
    CTakeDriver take(m_harness);
    for (int asked = 0; asked < kind.m_items.size(); ++asked) {
        QCOMPARE(m_harness.Index(), QuestionPage(kind.m_nType));
        if (asked == 0)
            Stop(visit, kind.m_strName + QStringLiteral(" question"));
        if (kind.m_nType == QUIZ_TRUE_FALSE)
            m_harness.PressPicture(IDB_TRUE_BUTTON);
        else
            take.TypeAnswer(kind.m_strAnswer);
        NextWithFeedback(visit, kind.m_strName + QStringLiteral(" feedback"));
    }
    QCOMPARE(m_harness.Index(), int(PAGE_SCORE));
    Stop(visit, kind.m_strName + QStringLiteral(" score"));
}

void CPageTour::NextWithFeedback(const Visitor& visit, const QString& where)
{
    auto pending = std::make_shared<PendingDialog>();
    VisitWhenShown(pending, visit, where, PressNext, 0);
    m_harness.Click(ID_WIZNEXT);
    pending->finished = true;
}

void CPageTour::PrintDialog(const Visitor& visit, const QString& where)
{
    // The print choice opens window-modal and returns at once.
    m_harness.Click(ID_SHEET_PRINT);
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY2(dialog && dialog->isVisible(), "Print opened no dialog");
    visit(where, dialog);
    dialog->reject();
    CSheetHarness::Settle();
}
