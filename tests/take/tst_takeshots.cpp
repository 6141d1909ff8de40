#include "CFeedbackBase.h"
#include "CQuizSheet.h"
#include "CScorePage.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QtTest>

// Every page of taking a quiz and both feedback dialogs, drawn as the pupil
// sees them. With TUTORAMA_SCREENSHOT_DIR set the pictures are kept there
// for a person to look at; otherwise the test only checks that they draw.
class TestTakeShots : public QObject
{
    Q_OBJECT

private:
    static void Keep(QWidget* widget, const QString& name)
    {
        const QImage shot = widget->grab().toImage();
        QVERIFY(!shot.isNull());
        const QString dir = qEnvironmentVariable("TUTORAMA_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(shot.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
    }

    // Keeps a picture of the feedback dialog that the next Next opens, then closes it.
    static void KeepFeedback(CSheetHarness& harness, const QString& name)
    {
        bool kept = false;
        QTimer::singleShot(20, [&] {
            if (auto* dialog = qobject_cast<CFeedbackBase*>(QApplication::activeModalWidget())) {
                Keep(dialog, name);
                kept = true;
                dialog->accept();
            }
        });
        harness.Click(ID_WIZNEXT);
        QVERIFY(kept);
    }

    static void Take(CSheetHarness& harness, int type, const QList<CTakeDriver::Item>& items,
                     const QString& file)
    {
        CTakeDriver::MakeDeterministic(harness.Doc());
        const QString path = harness.PathOf(file);
        CTakeDriver::WriteQuiz(path, type, items);
        CTakeDriver(harness).OpenForTaking(path);
    }

private slots:
    void trueFalsePages()
    {
        CSheetHarness harness;
        Take(harness, QUIZ_TRUE_FALSE,
             {{QStringLiteral("A spider has eight legs."), 0, {}},
              {QStringLiteral("The Moon is made of cheese."), 1, {}}},
             QStringLiteral("Nature.qiz"));
        Keep(harness.Sheet(), QStringLiteral("09-truefalse-intro"));
        harness.Click(ID_WIZNEXT);
        Keep(harness.Sheet(), QStringLiteral("13-truefalse-question"));
        const int answer = harness.Doc()->CurrentQuestion()->m_nAnswer;
        harness.PressPicture(answer == 0 ? IDB_TRUE_BUTTON : IDB_FALSE_BUTTON);
        Keep(harness.Sheet(), QStringLiteral("13-truefalse-chosen"));
        KeepFeedback(harness, QStringLiteral("dlg-truefalse-right"));
        const int second = harness.Doc()->CurrentQuestion()->m_nAnswer;
        harness.PressPicture(second == 0 ? IDB_FALSE_BUTTON : IDB_TRUE_BUTTON);
        KeepFeedback(harness, QStringLiteral("dlg-truefalse-wrong"));
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        Keep(harness.Sheet(), QStringLiteral("17-score"));
    }

    void flashCardPages()
    {
        CSheetHarness harness;
        Take(harness, QUIZ_FLASH_CARD,
             {{QStringLiteral("What is the capital of France?"), 0, QStringLiteral("Paris")},
              {QStringLiteral("What colour do you get from blue and yellow?"), 0,
               QStringLiteral("Green")}},
             QStringLiteral("Quick Questions.qiz"));
        Keep(harness.Sheet(), QStringLiteral("10-flashcard-intro"));
        harness.Click(ID_WIZNEXT);
        CTakeDriver take(harness);
        take.TypeAnswer(QStringLiteral("Rome"));
        Keep(harness.Sheet(), QStringLiteral("14-flashcard-question"));
        KeepFeedback(harness, QStringLiteral("dlg-typed-wrong"));
        take.TypeAnswer(harness.Doc()->CurrentQuestion()->m_strAnswer.toLower());
        KeepFeedback(harness, QStringLiteral("dlg-typed-right"));
    }

    void spellingPages()
    {
        CSheetHarness harness;
        Take(harness, QUIZ_SPELLING, {{QStringLiteral("rainbow"), 0, {}}},
             QStringLiteral("Words.qiz"));
        Keep(harness.Sheet(), QStringLiteral("11-spelling-intro"));
        harness.Click(ID_WIZNEXT);
        CTakeDriver(harness).TypeAnswer(QStringLiteral("rainbo"));
        Keep(harness.Sheet(), QStringLiteral("15-spelling-question"));
        harness.Doc()->m_nAttempt = 2;
        KeepFeedback(harness, QStringLiteral("dlg-typed-second-wrong"));
    }

    void mathPages()
    {
        CSheetHarness harness;
        Take(harness, QUIZ_MATH, {{QStringLiteral("57 + 41"), 0, {}}}, QStringLiteral("Sums.qiz"));
        Keep(harness.Sheet(), QStringLiteral("12-math-intro"));
        harness.Click(ID_WIZNEXT);
        CTakeDriver(harness).TypeAnswer(QStringLiteral("98"));
        Keep(harness.Sheet(), QStringLiteral("16-math-question"));
        KeepFeedback(harness, QStringLiteral("dlg-math-right"));
        auto* score = qobject_cast<CScorePage*>(harness.PageWidget());
        QVERIFY(score);
        for (int tick = 0; tick < 4; ++tick)
            score->Tick();
        Keep(harness.Sheet(), QStringLiteral("17-score-perfect-dance"));
    }
};

QTEST_MAIN(TestTakeShots)
#include "tst_takeshots.moc"
