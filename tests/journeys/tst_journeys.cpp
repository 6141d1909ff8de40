#include "CQuizSheet.h"
#include "CScorePage.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"

#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// Whole journeys as a pupil makes them: a new quiz is made page by page,
// taken at once, scored, and reviewed in the question manager.
class TestJourneys : public QObject
{
    Q_OBJECT

private:
    static QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void Press(CSheetHarness& harness, const QString& name)
    {
        auto* button = harness.Find<QAbstractButton>(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
        CSheetHarness::Settle();
    }

    // New quiz, its kind chosen, and the editor of that kind opened from the manager.
    static void MakeQuiz(CSheetHarness& harness, const QString& file, int type)
    {
        harness.StartNewQuiz(file);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        Press(harness, QStringLiteral("formatRadio%1").arg(type));
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        Press(harness, QStringLiteral("addButton"));
        QCOMPARE(harness.Index(), EditorPage(type));
    }

    // The manager's Finish, "Do you want to take this quiz now?" Yes.
    static void TakeNow(CSheetHarness& harness, int type)
    {
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        harness.m_prompt.QueueYesNo(true);
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.m_prompt.m_questions.last(),
                 QStringLiteral("Do you want to take this quiz now?"));
        QCOMPARE(harness.Index(), IntroPage(type));
    }

    static QStringList ManagerLines(CSheetHarness& harness)
    {
        QStringList lines;
        auto* list = harness.Find<QListWidget>(QStringLiteral("questionList"));
        for (int row = 0; list && row < list->count(); ++row)
            lines.append(list->item(row)->text());
        return lines;
    }

private slots:
    void makeThenTakeTrueFalse()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        CTakeDriver take(harness);
        MakeQuiz(harness, QStringLiteral("Pets.qiz"), QUIZ_TRUE_FALSE);
        const QStringList statements{QStringLiteral("Cats can Purr."),
                                     QStringLiteral("Dogs lay eggs.")};
        for (int i = 0; i < statements.size(); ++i) {
            auto* edit = harness.Find<QPlainTextEdit>(QStringLiteral("statementEdit"));
            QTest::keyClicks(edit, statements[i]);
            Press(harness, i == 0 ? QStringLiteral("trueRadio") : QStringLiteral("falseRadio"));
            harness.Click(i + 1 < statements.size() ? ID_WIZNEXT : ID_SHEET_FINISH);
        }
        const QString path = harness.PathOf(QStringLiteral("Pets.qiz"));
        const QByteArray made = FileBytes(path);
        QVERIFY(!made.isEmpty());
        TakeNow(harness, QUIZ_TRUE_FALSE);

        harness.Click(ID_WIZNEXT);
        for (int i = 0; i < statements.size(); ++i) {
            const int answer = harness.Doc()->CurrentQuestion()->m_nAnswer;
            harness.PressPicture(answer == 0 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON);
            QCOMPARE(take.NextWithFeedback().message, QStringLiteral("Correct. You got it right!"));
        }
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(qobject_cast<CScorePage*>(harness.PageWidget())->ScoreText(),
                 QStringLiteral("You answered 2 out of 2 correctly. That equals 100%."));
        harness.ClickPageButton(QStringLiteral("Review Quiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QVERIFY(ManagerLines(harness).join(QLatin1Char('\n')).contains(statements[0]));
        QCOMPARE(FileBytes(path), made);
    }
};

QTEST_MAIN(TestJourneys)
#include "tst_journeys.moc"
