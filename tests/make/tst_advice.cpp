#include "CActorSvr.h"
#include "CMakeSteps.h"
#include "CQuizSheet.h"
#include "CSpellingAdvicePage.h"
#include "CTU_QuizDoc.h"

#include <QPushButton>
#include <QtTest>

// The four advice pages: where they are opened from, and where Back, Cancel
// and Next lead.
class TestAdvice : public QObject
{
    Q_OBJECT

private slots:
    void adviceFromTheFormatPage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("leave"); // ID_WIZBACK or IDCANCEL
        QTest::addRow("true/false back") << int(QUIZ_TRUE_FALSE) << int(ID_WIZBACK);
        QTest::addRow("flash cards back") << int(QUIZ_FLASH_CARD) << int(ID_WIZBACK);
        QTest::addRow("spelling cancel") << int(QUIZ_SPELLING) << int(IDCANCEL);
        QTest::addRow("math cancel") << int(QUIZ_MATH) << int(IDCANCEL);
    }
    void adviceFromTheFormatPage()
    {
        QFETCH(int, kind);
        QFETCH(int, leave);
        CSheetHarness h;
        h.Context().m_bSpeechAvailable = true;
        CMakeSteps steps(h);
        h.StartNewQuiz(QStringLiteral("quiz.qiz"));
        steps.PickKind(kind);
        h.Click(ID_SHEET_ADVICE);
        QCOMPARE(h.Index(), AdvicePage(kind));
        QVERIFY(h.IsShownEnabled(ID_WIZNEXT));
        QVERIFY(h.IsShownEnabled(ID_WIZBACK));
        QVERIFY(h.IsShownEnabled(ID_SHEET_PRINT));
        QCOMPARE(h.Button(ID_WIZNEXT)->text(), QStringLiteral("Next"));
        QCOMPARE(steps.FileKind(), kind); // stored before leaving the format page
        h.Click(leave);
        QCOMPARE(h.Index(), int(PAGE_QUIZ_FORMAT));
        QVERIFY(h.Sheet()->isVisible());

        h.Click(ID_SHEET_ADVICE);
        h.Click(ID_WIZNEXT);
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(h.Doc()->m_nQuizType, kind);
        QCOMPARE(steps.FileKind(), kind);
        h.Click(ID_WIZBACK);
        QCOMPARE(h.Index(), int(PAGE_QUIZ_FORMAT));
    }

    void nextAdoptsTheAdvicePagesKind()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_MATH);
        h.Sheet()->GoToPage(AdvicePage(QUIZ_FLASH_CARD));
        CSheetHarness::Settle();
        h.Click(ID_WIZNEXT);
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(steps.FileKind(), int(QUIZ_FLASH_CARD));
        QCOMPARE(h.Doc()->m_nManagerBackPage, int(PAGE_QUIZ_FORMAT));
    }

    void adviceFromTheManagerReturnsThere()
    {
        CSheetHarness h;
        h.Context().m_bSpeechAvailable = true;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_SPELLING);
        h.Click(ID_SHEET_ADVICE);
        QCOMPARE(h.Index(), AdvicePage(QUIZ_SPELLING));
        h.Click(ID_WIZBACK);
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
    }

    void editorResumesTheQuestionItWasModifying()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_TRUE_FALSE);
        h.ClickPageButton(QStringLiteral("Add a Statement"));
        for (const char* text : {"One", "Two", "Three"}) {
            if (qstrcmp(text, "One") != 0)
                h.Click(ID_WIZNEXT);
            steps.WriteStatement(QString::fromLatin1(text), true);
        }
        h.Click(ID_SHEET_FINISH);
        steps.SelectLine(2);
        h.ClickPageButton(QStringLiteral("Modify a Statement"));
        h.Click(ID_SHEET_ADVICE);
        QCOMPARE(h.Index(), AdvicePage(QUIZ_TRUE_FALSE));
        h.Click(IDCANCEL);
        QCOMPARE(h.Index(), EditorPage(QUIZ_TRUE_FALSE));
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 3 of 3"));
        QCOMPARE(steps.TextOf(QStringLiteral("statementEdit")), QStringLiteral("Three"));
        QVERIFY(h.Button(ID_SHEET_FINISH)->isEnabled());
    }

    void mathEditorResumesAddingAfterAdvice()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_MATH);
        h.ClickPageButton(QStringLiteral("Add a Problem"));
        h.m_prompt.QueueYesNo(false);
        h.Click(ID_SHEET_ADVICE);
        QCOMPARE(h.Index(), AdvicePage(QUIZ_MATH));
        QCOMPARE(h.Doc()->m_nSavedCurrent, -1);
        h.Click(ID_WIZBACK);
        QCOMPARE(h.Index(), EditorPage(QUIZ_MATH));
        QCOMPARE(h.Doc()->m_bModifying, 0);
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 1 of 1"));
        QCOMPARE(steps.TextOf(QStringLiteral("problemEdit")), QString());
    }

    void testSoundSpeaksTheWelcome()
    {
        CSheetHarness h;
        h.Sheet()->GoToPage(AdvicePage(QUIZ_SPELLING));
        CSheetHarness::Settle();
        auto* page = qobject_cast<CSpellingAdvicePage*>(h.Page());
        QVERIFY(page);
        h.ClickPageButton(QStringLiteral("Test Sound"));
        QCOMPARE(page->Actor()->Text(), QStringLiteral("Welcome to the Tutorama"));
        page->Actor()->Stop();
    }
};

QTEST_MAIN(TestAdvice)
#include "tst_advice.moc"
