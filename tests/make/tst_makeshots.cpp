#include "CMakeSteps.h"
#include "CQuizSheet.h"
#include "CTU_QuizDoc.h"

#include <QDir>
#include <QPushButton>
#include <QtTest>

// Pictures of every page of quiz making, for each kind, to look at: nothing
// clipped, overlapping or misaligned. Runs only when TUTORAMA_SHOT_DIR names
// a folder; otherwise it only walks the pages.
class TestMakeShots : public QObject
{
    Q_OBJECT

private:
    void Shoot(CSheetHarness& harness, const QString& name)
    {
        const QString dir = qEnvironmentVariable("TUTORAMA_SHOT_DIR");
        QVERIFY(harness.Sheet()->isVisible());
        if (!dir.isEmpty())
            QVERIFY(
                harness.Sheet()->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
    }

private slots:
    void everyPageOfEveryKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("truefalse") << int(QUIZ_TRUE_FALSE);
        QTest::addRow("flashcard") << int(QUIZ_FLASH_CARD);
        QTest::addRow("spelling") << int(QUIZ_SPELLING);
        QTest::addRow("math") << int(QUIZ_MATH);
    }
    void everyPageOfEveryKind()
    {
        QFETCH(int, kind);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        CSheetHarness harness;
        harness.Context().m_bSpeechAvailable = true;
        CMakeSteps steps(harness);
        harness.StartNewQuiz(QStringLiteral("Shots.qiz"));
        steps.PickKind(kind);
        Shoot(harness, tag + QStringLiteral("-3-format"));
        harness.Click(ID_WIZNEXT);
        Shoot(harness, tag + QStringLiteral("-4-manager-empty"));
        harness.ClickPageButton(harness.Find<QPushButton>(QStringLiteral("addButton"))->text());
        QCOMPARE(harness.Index(), EditorPage(kind));
        Shoot(harness, tag + QStringLiteral("-5-editor-empty"));
        const QString longText = QStringLiteral("A very long statement that goes on and on so "
                                                "that the list must scroll sideways to show it");
        switch (kind) {
        case QUIZ_TRUE_FALSE:
            steps.WriteStatement(QStringLiteral("The sun is hot"), true);
            Shoot(harness, tag + QStringLiteral("-5-editor-filled"));
            harness.Click(ID_WIZNEXT);
            steps.WriteStatement(longText, false);
            break;
        case QUIZ_FLASH_CARD:
            steps.WriteCard(QStringLiteral("cat"), QStringLiteral("gato"));
            Shoot(harness, tag + QStringLiteral("-5-editor-back"));
            harness.Click(ID_WIZNEXT);
            steps.WriteCard(QStringLiteral("dog"), longText);
            break;
        case QUIZ_SPELLING:
            steps.WriteWord(QStringLiteral("Elephant"));
            Shoot(harness, tag + QStringLiteral("-5-editor-filled"));
            harness.Click(ID_WIZNEXT);
            steps.WriteWord(QStringLiteral("giraffe"));
            break;
        default:
            steps.WriteProblemOnKeys(QStringLiteral("57+41"));
            Shoot(harness, tag + QStringLiteral("-5-editor-filled"));
            harness.Click(ID_WIZNEXT);
            steps.WriteProblemOnKeys(QStringLiteral("12.5*4"));
            break;
        }
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        Shoot(harness, tag + QStringLiteral("-4-manager-list"));
        harness.Sheet()->GoToPage(AdvicePage(kind));
        CSheetHarness::Settle();
        QCOMPARE(harness.Index(), AdvicePage(kind));
        Shoot(harness, tag + QStringLiteral("-6-advice"));
    }
};

QTEST_MAIN(TestMakeShots)
#include "tst_makeshots.moc"
