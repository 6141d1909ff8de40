#include "CFeedbackDlg.h"
#include "CPaletteState.h"
#include "CQuestion.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "CTrueFalseFeedbackDlg.h"
#include "ResourceIds.h"

#include <QPushButton>
#include <QtTest>

#include <ctime>

// The two feedback dialogs on their own: verdicts word for word, pictures,
// which buttons work, and what each button and key ends the dialog with.
class TestFeedback : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        CTU_QuizDoc doc;
        CQuestion* question = nullptr;
        QList<unsigned> seeds;

        Fixture(int type, const QString& text, const QString& back, const QString& response,
                int attempt = 1, bool showFronts = true)
        {
            doc.SetQuizType(type);
            question = doc.AddQuestion();
            question->m_strQuestion = text;
            question->m_strAnswer = back;
            question->m_strResponse = response;
            doc.m_nAttempt = attempt;
            doc.m_bShowFronts = showFronts;
            CTakeDriver::MakeDeterministic(&doc, &seeds);
        }
    };

    static QPushButton* ButtonOf(QDialog& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }

private slots:
    void typedVerdicts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("response");
        QTest::addColumn<int>("attempt");
        QTest::addColumn<bool>("fronts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("helpOffered");

        const QString right = QStringLiteral("Correct. You got it right!");
        const QString wrong = QStringLiteral("No. That is not correct.");
        const QString twoPlaces = QStringLiteral(
            ".  Although this answer display shows two decimal places, the Tutorama accepts any "
            "correct answer rounded to two or more decimal places.");
        QTest::addRow("card back typed in small letters")
            << int(QUIZ_FLASH_CARD) << "Capital of France"
            << "Paris"
            << "paris" << 1 << true << right << false;
        QTest::addRow("card wrong first try offers help")
            << int(QUIZ_FLASH_CARD) << "Capital of France"
            << "Paris"
            << "Lyon" << 1 << true << wrong << true;
        QTest::addRow("card wrong second try names the back")
            << int(QUIZ_FLASH_CARD) << "Capital of France"
            << "Paris"
            << "Lyon" << 2 << true << wrong + "  The correct answer is Paris." << false;
        QTest::addRow("backs shown, front expected")
            << int(QUIZ_FLASH_CARD) << "Capital of France"
            << "Paris"
            << "capital of france" << 1 << false << right << false;
        QTest::addRow("backs shown, wrong second try names the front")
            << int(QUIZ_FLASH_CARD) << "Capital of France"
            << "Paris"
            << "Paris" << 2 << false << wrong + "  The correct answer is Capital of France."
            << false;
        QTest::addRow("spelling ignores capitals") << int(QUIZ_SPELLING) << "Beautiful"
                                                   << ""
                                                   << "BEAUTIFUL" << 1 << true << right << false;
        QTest::addRow("spelling trailing blank is wrong") << int(QUIZ_SPELLING) << "house"
                                                          << ""
                                                          << "HOUSE " << 1 << true << wrong << true;
        QTest::addRow("math right to the hundredth") << int(QUIZ_MATH) << "10 / 4"
                                                     << ""
                                                     << "2.499" << 1 << true << right << false;
        QTest::addRow("math wrong second try shows two decimals")
            << int(QUIZ_MATH) << "57 + 41"
            << ""
            << "97" << 2 << true << wrong + "  The correct answer is 57 + 41 = 98.00" + twoPlaces
            << false;
        QTest::addRow("math tiny value second try")
            << int(QUIZ_MATH) << "1 / 400"
            << ""
            << "0.003" << 2 << true << wrong + "  The correct answer is 1 / 400 = 0.0025    "
            << false;
    }

    void typedVerdicts()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QString, back);
        QFETCH(QString, response);
        QFETCH(int, attempt);
        QFETCH(bool, fronts);
        QFETCH(QString, message);
        QFETCH(bool, helpOffered);

        Fixture fixture(type, text, back, response, attempt, fronts);
        CPaletteState palette;
        CFeedbackDlg dialog(nullptr, &fixture.doc, fixture.question, &palette);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tutorama Feedback"));
        QCOMPARE(dialog.Message(), message);
        QCOMPARE(ButtonOf(dialog, "tryAgainButton")->isEnabled(), helpOffered);
        QCOMPARE(ButtonOf(dialog, "viewAnswerButton")->isEnabled(), helpOffered);
        QVERIFY(ButtonOf(dialog, "nextButton")->isEnabled());
        QVERIFY(ButtonOf(dialog, "nextButton")->isDefault());
        QVERIFY(palette.HasCurrent());
        // Judging looks at upper-cased copies: the author's texts are untouched.
        QCOMPARE(fixture.question->m_strQuestion, text);
        QCOMPARE(fixture.question->m_strAnswer, back);
        QCOMPARE(fixture.question->m_strResponse, response);
    }

    void buttonsInOrderWithoutCloseBox()
    {
        Fixture fixture(QUIZ_SPELLING, QStringLiteral("cat"), {}, QStringLiteral("CAT"));
        CFeedbackDlg dialog(nullptr, &fixture.doc, fixture.question);
        const QPushButton* tryAgain = ButtonOf(dialog, "tryAgainButton");
        const QPushButton* view = ButtonOf(dialog, "viewAnswerButton");
        const QPushButton* next = ButtonOf(dialog, "nextButton");
        QCOMPARE(tryAgain->text(), QStringLiteral("Try Again"));
        QCOMPARE(view->text(), QStringLiteral("View Correct Answer"));
        QCOMPARE(next->text(), QStringLiteral("Next ?"));
        QVERIFY(tryAgain->x() < view->x() && view->x() < next->x());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void pictureFollowsVerdictAndDraw_data()
    {
        QTest::addColumn<bool>("correct");
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("picture");
        QTest::addRow("right 0") << true << 0 << int(IDB_FEEDBACK_CORRECT_1);
        QTest::addRow("right 1") << true << 1 << int(IDB_FEEDBACK_CORRECT_2);
        QTest::addRow("right 2") << true << 2 << int(IDB_FEEDBACK_CORRECT_3);
        QTest::addRow("right 3 wraps") << true << 3 << int(IDB_FEEDBACK_CORRECT_1);
        QTest::addRow("wrong 0") << false << 0 << int(IDB_FEEDBACK_WRONG_1);
        QTest::addRow("wrong 1") << false << 1 << int(IDB_FEEDBACK_WRONG_2);
        QTest::addRow("wrong 32767") << false << 32767 << int(IDB_FEEDBACK_WRONG_2);
        QTest::addRow("wrong 5") << false << 5 << int(IDB_FEEDBACK_WRONG_3);
        QTest::addRow("negative draw stays in range") << false << -1 << int(IDB_FEEDBACK_WRONG_3);
    }

    void pictureFollowsVerdictAndDraw()
    {
        QFETCH(bool, correct);
        QFETCH(int, draw);
        QFETCH(int, picture);
        QCOMPARE(CFeedbackBase::PictureFor(correct, draw), picture);
    }

    void pictureIsDrawnAfterSeedingFromTheClock()
    {
        Fixture fixture(QUIZ_SPELLING, QStringLiteral("cat"), {}, QStringLiteral("dog"));
        const auto before = static_cast<unsigned>(std::time(nullptr));
        CFeedbackDlg dialog(nullptr, &fixture.doc, fixture.question);
        const auto after = static_cast<unsigned>(std::time(nullptr));
        QCOMPARE(fixture.seeds.size(), 1);
        QVERIFY(fixture.seeds[0] >= before && fixture.seeds[0] <= after);
        QCOMPARE(dialog.PictureId(), int(IDB_FEEDBACK_WRONG_1)); // the first draw is 0
        QVERIFY(!dialog.grab().isNull());
    }

    void viewCorrectAnswerThenTryAgain()
    {
        Fixture fixture(QUIZ_FLASH_CARD, QStringLiteral("Dog"), QStringLiteral("Hund"),
                        QStringLiteral("Katze"));
        CFeedbackDlg dialog(nullptr, &fixture.doc, fixture.question);
        dialog.show();
        QTest::mouseClick(ButtonOf(dialog, "viewAnswerButton"), Qt::LeftButton);
        QCOMPARE(dialog.Message(), QStringLiteral(" The correct answer is Hund."));
        QVERIFY(dialog.isVisible());
        QVERIFY(ButtonOf(dialog, "tryAgainButton")->isEnabled());
        QTest::mouseClick(ButtonOf(dialog, "tryAgainButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), CFeedbackDlg::kTryAgain);
    }

    void keysAndNextEndLikeNext_data()
    {
        QTest::addColumn<int>("key"); // 0: click "Next ?"
        QTest::addColumn<bool>("focusOnTryAgain");
        QTest::addRow("Next ? clicked") << 0 << false;
        QTest::addRow("Enter") << int(Qt::Key_Return) << false;
        QTest::addRow("Enter with Try Again focused") << int(Qt::Key_Return) << true;
        QTest::addRow("Escape") << int(Qt::Key_Escape) << false;
    }

    void keysAndNextEndLikeNext()
    {
        QFETCH(int, key);
        QFETCH(bool, focusOnTryAgain);
        Fixture fixture(QUIZ_SPELLING, QStringLiteral("cat"), {}, QStringLiteral("dog"));
        CFeedbackDlg dialog(nullptr, &fixture.doc, fixture.question);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (focusOnTryAgain)
            ButtonOf(dialog, "tryAgainButton")->setFocus();
        if (key == 0)
            QTest::mouseClick(ButtonOf(dialog, "nextButton"), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog,
                            static_cast<Qt::Key>(key));
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.result() != CFeedbackDlg::kTryAgain);
    }

    void trueFalseVerdicts_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("response");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("picture");
        QTest::addRow("true chosen, true")
            << 0 << 0 << "Correct. You got it right!" << int(IDB_FEEDBACK_CORRECT_1);
        QTest::addRow("false chosen, false")
            << 1 << 1 << "Correct. You got it right!" << int(IDB_FEEDBACK_CORRECT_1);
        QTest::addRow("true chosen, false")
            << 1 << 0 << "No. The correct answer is False." << int(IDB_FEEDBACK_WRONG_1);
        QTest::addRow("false chosen, true")
            << 0 << 1 << "No. The correct answer is True." << int(IDB_FEEDBACK_WRONG_1);
    }

    void trueFalseVerdicts()
    {
        QFETCH(int, answer);
        QFETCH(int, response);
        QFETCH(QString, message);
        QFETCH(int, picture);
        Fixture fixture(QUIZ_TRUE_FALSE, QStringLiteral("Fish can swim."), {}, {});
        fixture.question->m_nAnswer = answer;
        fixture.question->m_nResponse = response;
        CTrueFalseFeedbackDlg dialog(nullptr, &fixture.doc, fixture.question);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tutorama Feedback"));
        QCOMPARE(dialog.Message(), message);
        QCOMPARE(dialog.PictureId(), picture);
        QPushButton* next = ButtonOf(dialog, "nextButton");
        QCOMPARE(next->text(), QStringLiteral("Next"));
        dialog.show();
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(dialog.result(), CTrueFalseFeedbackDlg::kNext);
    }
};

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
