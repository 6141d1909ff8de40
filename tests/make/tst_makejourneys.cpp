#include "CMakeSteps.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QPushButton>
#include <QtTest>

// A whole quiz of each kind made from the welcome page to the manager's
// Finish: the file then holds exactly the questions written.
class TestMakeJourneys : public QObject
{
    Q_OBJECT

private slots:
    void makeAQuizOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("file");
        QTest::addRow("true/false")
            << int(QUIZ_TRUE_FALSE) << QStringList{"1. T: The sun is hot", "2. F: Ice is warm"}
            << QStringList{"The sun is hot|0", "Ice is warm|1"};
        QTest::addRow("flash cards")
            << int(QUIZ_FLASH_CARD) << QStringList{"1. F: cat  B: gato", "2. F: dog  B: perro"}
            << QStringList{"cat|gato", "dog|perro"};
        QTest::addRow("spelling") << int(QUIZ_SPELLING) << QStringList{"1. house", "2. garden"}
                                  << QStringList{"house", "garden"};
        QTest::addRow("math") << int(QUIZ_MATH) << QStringList{"1. 57 + 41", "2. 9 / 3"}
                              << QStringList{"57 + 41", "9 / 3"};
    }
    void makeAQuizOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, file);
        CSheetHarness h;
        h.Context().m_bSpeechAvailable = true;
        CMakeSteps steps(h, QStringLiteral("Week 3.qiz"));
        steps.NewQuizOfKind(kind);
        QCOMPARE(h.Title(), QStringLiteral("Tutorama - Week 3.qiz"));
        h.Find<QPushButton>(QStringLiteral("addButton"))->click();
        CSheetHarness::Settle();
        switch (kind) {
        case QUIZ_TRUE_FALSE:
            steps.WriteStatement(QStringLiteral("The sun is hot"), true);
            h.Click(ID_WIZNEXT);
            steps.WriteStatement(QStringLiteral("Ice is warm"), false);
            break;
        case QUIZ_FLASH_CARD:
            steps.WriteCard(QStringLiteral("cat"), QStringLiteral("gato"));
            h.Click(ID_WIZNEXT);
            steps.WriteCard(QStringLiteral("dog"), QStringLiteral("perro"));
            break;
        case QUIZ_SPELLING:
            steps.WriteWord(QStringLiteral("House"));
            h.Click(ID_WIZNEXT);
            steps.WriteWord(QStringLiteral("garden"));
            break;
        default:
            steps.WriteProblemOnKeys(QStringLiteral("57+41"));
            h.Click(ID_WIZNEXT);
            steps.WriteProblemOnKeys(QStringLiteral("9/3"));
            break;
        }
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 2 of 2"));
        QCOMPARE(steps.FileQuestions(true).size(), 1); // the first is on disk already
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(h.Title(), QStringLiteral("Tutorama - Week 3.qiz"));
        QCOMPARE(steps.ListLines(), lines);
        h.m_prompt.QueueYesNo(false);
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(h.m_prompt.m_questions, QStringList{CStringTable::Get(IDS_ASK_TAKE_QUIZ_NOW)});
        QCOMPARE(h.Index(), int(PAGE_WELCOME));

        QStringList stored = steps.FileQuestions(true);
        if (kind == QUIZ_SPELLING || kind == QUIZ_MATH)
            for (QString& line : stored)
                line = line.section(u'|', 0, 0);
        QCOMPARE(stored, file);
        QCOMPARE(steps.FileKind(), kind);
        QCOMPARE(steps.FileCount(), 2);
        CTU_QuizDoc reread;
        QVERIFY(reread.OnOpenDocument(h.PathOf(QStringLiteral("Week 3.qiz"))));
        QCOMPARE(reread.m_strQuizName, QStringLiteral("Week 3.qiz"));
        QCOMPARE(reread.m_nQuestionCount, 2);
    }
};

QTEST_MAIN(TestMakeJourneys)
#include "tst_makejourneys.moc"
