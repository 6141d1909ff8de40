#include "CActorSvr.h"
#include "CPageTour.h"
#include "CQuizSheet.h"
#include "CRecordingOutput.h"
#include "CSheetHarness.h"
#include "CSpellingTakePage.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QtTest>

#include <memory>

namespace {
using Reply = CPrompt::Reply;
constexpr int kTrueFalseTrue = 0;
constexpr int kPressGap = 80; // well inside any double-click interval

void Activate(CSheetHarness& harness)
{
    harness.Sheet()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(harness.Sheet()));
}

// A key goes to whatever has the keyboard focus, as a pupil's key does.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QTest::qWait(150); // an Alt letter presses its button as a short animation
    CSheetHarness::Settle();
}

QString FocusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(nothing)");
}

// Two presses of the left button within the double-click interval, as the window system
// delivers them; the first one's click is handled before the second arrives.
void DoubleClick(QPushButton* button)
{
    static ulong stamp = 1000000;
    stamp += 10000;
    const QPoint at = button->rect().center();
    auto send = [&](QEvent::Type type, ulong when) {
        QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        event.setTimestamp(when);
        QApplication::sendEvent(button, &event);
        CSheetHarness::Settle();
    };
    send(QEvent::MouseButtonPress, stamp);
    send(QEvent::MouseButtonRelease, stamp + 10);
    send(QEvent::MouseButtonPress, stamp + kPressGap);
    send(QEvent::MouseButtonDblClick, stamp + kPressGap);
    send(QEvent::MouseButtonRelease, stamp + kPressGap + 10);
}

// A quiz of one kind with two questions, opened for taking and past its introduction.
void StartTaking(CSheetHarness& harness, int kind, QList<QByteArray>* spoken)
{
    const QString path = harness.PathOf(QStringLiteral("Quiz.qiz"));
    const bool math = kind == QUIZ_MATH; // a quiz of math holds only problems
    CTakeDriver::WriteQuiz(path, kind,
                           {{math ? QStringLiteral("1 + 1") : QStringLiteral("one"), kTrueFalseTrue,
                             QStringLiteral("eins")},
                            {math ? QStringLiteral("2 + 2") : QStringLiteral("two"), kTrueFalseTrue,
                             QStringLiteral("zwei")}});
    CTakeDriver::MakeDeterministic(harness.Doc());
    if (kind == QUIZ_SPELLING)
        qobject_cast<CSpellingTakePage*>(harness.Sheet()->Page(QuestionPage(QUIZ_SPELLING)))
            ->SetActor(std::make_unique<CActorSvr>(std::make_unique<CRecordingOutput>(spoken)));
    CTakeDriver(harness).OpenForTaking(path);
    QCOMPARE(harness.Index(), IntroPage(kind));
    Activate(harness);
    harness.Button(ID_WIZNEXT)->setFocus();
    Key(Qt::Key_Return); // Enter right after the introduction
    QCOMPARE(harness.Index(), QuestionPage(kind));
}

// A true/false quiz with one statement, open in the question manager.
void OpenInManager(CSheetHarness& harness)
{
    const QString path = harness.PathOf(QStringLiteral("Made.qiz"));
    CTakeDriver::WriteQuiz(path, QUIZ_TRUE_FALSE, {{QStringLiteral("Ice is cold."), 0, {}}});
    harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    harness.m_prompt.QueueFile(path);
    harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
    QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
}

void SelectFirstQuestion(CSheetHarness& harness)
{
    auto* list = harness.Find<QListView>(QStringLiteral("questionList"));
    const QRect line = list->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    CSheetHarness::Settle();
}

int QuestionsOnDisk(CSheetHarness& harness)
{
    CTU_QuizDoc saved;
    if (!saved.OnOpenDocument(harness.PathOf(QStringLiteral("Made.qiz"))))
        return -1;
    return static_cast<int>(saved.Questions().size());
}
} // namespace

// The keys and boxes that used to lose a pupil's answer or work.
class TestTraps : public QObject
{
    Q_OBJECT

private slots:
    void enterWithoutAnAnswerDoesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("answerControl");
        QTest::addRow("true/false")
            << int(QUIZ_TRUE_FALSE) << QStringLiteral("pictureButton%1").arg(IDB_TRUE_BUTTON);
        QTest::addRow("flash cards") << int(QUIZ_FLASH_CARD) << QStringLiteral("backBox");
        QTest::addRow("spelling") << int(QUIZ_SPELLING) << QStringLiteral("answerBox");
        QTest::addRow("mathematics") << int(QUIZ_MATH) << QStringLiteral("answerBox");
    }

    void enterWithoutAnAnswerDoesNothing()
    {
        QFETCH(int, kind);
        QFETCH(QString, answerControl);
        CSheetHarness harness;
        QList<QByteArray> spoken;
        StartTaking(harness, kind, &spoken);
        for (int question = 0; question < 2; ++question) {
            QCOMPARE(FocusName(), answerControl);
            const int current = harness.Doc()->m_nCurrent;
            Key(Qt::Key_Return);
            Key(Qt::Key_Enter);
            QCOMPARE(harness.Index(), QuestionPage(kind));
            QCOMPARE(harness.Doc()->m_nCurrent, current);
            QVERIFY(harness.m_prompt.m_questions.isEmpty());
            QVERIFY(harness.Doc()->CurrentQuestion()->IsOpen());
            if (question == 1)
                break;
            // Answer the first one and leave its feedback with Enter.
            CTakeDriver take(harness);
            if (kind == QUIZ_TRUE_FALSE)
                harness.PressPicture(IDB_TRUE_BUTTON);
            else
                take.TypeAnswer(QStringLiteral("x"));
            take.NextWithFeedback(CTakeDriver::Action::PressEnter);
            Activate(harness);
        }
    }

    void escapeLeavesTheQuestionAsItWas()
    {
        CSheetHarness harness;
        StartTaking(harness, QUIZ_MATH, nullptr);
        CTakeDriver take(harness);
        take.TypeAnswer(QStringLiteral("4"));
        const QString question = take.ShownQuestion();
        harness.m_prompt.QueueCancel(); // Escape again in "try this later?"
        Key(Qt::Key_Escape);
        QCOMPARE(harness.m_prompt.m_questions,
                 QStringList{QStringLiteral("Do you want to try this question later?")});
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_MATH));
        QCOMPARE(take.ShownQuestion(), question);
        QCOMPARE(take.AnswerBoxText(), QStringLiteral("4"));
        QVERIFY(harness.Doc()->CurrentQuestion()->IsOpen());
        QCOMPARE(harness.Doc()->m_nAnswered, 0);
    }

    void quittingTheQuizIsAskedWithNoAsDefault()
    {
        CSheetHarness harness;
        StartTaking(harness, QUIZ_TRUE_FALSE, nullptr);
        harness.PressPicture(IDB_TRUE_BUTTON);
        harness.m_prompt.QueueCancel();
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.m_prompt.m_defaultReplies, QList<Reply>{Reply::No});
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        QCOMPARE(harness.Doc()->CurrentQuestion()->m_nResponse, kTrueFalseTrue);
    }

    void changingTheKindIsAskedWithNoAsDefault()
    {
        CSheetHarness harness;
        OpenInManager(harness);
        harness.Sheet()->GoToPage(PAGE_QUIZ_FORMAT);
        CSheetHarness::Settle();
        QTest::mouseClick(
            harness.Find<QAbstractButton>(QStringLiteral("formatRadio%1").arg(int(QUIZ_MATH))),
            Qt::LeftButton);
        harness.m_prompt.QueueCancel();
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.m_prompt.m_questions,
                 QStringList{CStringTable::Get(IDS_CONFIRM_CHANGE_QUIZ_TYPE)});
        QCOMPARE(harness.m_prompt.m_defaultReplies, QList<Reply>{Reply::No});
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        QCOMPARE(QuestionsOnDisk(harness), 1);
    }

    void deletingIsAskedWithNoAsDefault()
    {
        CSheetHarness harness;
        OpenInManager(harness);
        SelectFirstQuestion(harness);
        harness.m_prompt.QueueCancel();
        harness.ClickPageButton(harness.Find<QPushButton>(QStringLiteral("deleteButton"))->text());
        QCOMPARE(harness.m_prompt.m_defaultReplies, QList<Reply>{Reply::No});
        QCOMPARE(QuestionsOnDisk(harness), 1);
        QCOMPARE(harness.Doc()->Questions().size(), size_t(1));
    }

    void takeNowClosedStaysInTheManager()
    {
        CSheetHarness harness;
        OpenInManager(harness);
        harness.m_prompt.QueueCancel();
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(QuestionsOnDisk(harness), 1);
    }

    void editorQuestionClosedKeepsTheEdits()
    {
        CSheetHarness harness;
        OpenInManager(harness);
        QTest::mouseClick(harness.Find<QPushButton>(QStringLiteral("addButton")), Qt::LeftButton);
        CSheetHarness::Settle();
        QWidget* statement = harness.Find<QWidget>(QStringLiteral("statementEdit"));
        QTest::keyClicks(statement, QStringLiteral("Half a statement"));
        harness.m_prompt.QueueCancel();
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));
        QCOMPARE(statement->property("plainText").toString(), QStringLiteral("Half a statement"));
    }

    void doubleClickActsOnOnePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addRow("start page's Cancel") << int(PAGE_START_QUIZ);
        QTest::addRow("name page's Cancel") << int(PAGE_NAME_QUIZ);
        QTest::addRow("format page's Cancel") << int(PAGE_QUIZ_FORMAT);
    }

    void doubleClickActsOnOnePage()
    {
        QFETCH(int, page);
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Double.qiz"));
        harness.Sheet()->GoToPage(page);
        CSheetHarness::Settle();
        DoubleClick(harness.Button(IDCANCEL));
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QVERIFY(harness.Sheet()->isVisible()); // the welcome page's Close was not pressed
        // A later click acts as usual.
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
    }

    void doubleClickOnAnEditorsFinish()
    {
        CSheetHarness harness;
        OpenInManager(harness);
        SelectFirstQuestion(harness);
        QTest::mouseClick(harness.Find<QPushButton>(QStringLiteral("modifyButton")),
                          Qt::LeftButton);
        CSheetHarness::Settle();
        QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));
        DoubleClick(harness.Button(ID_SHEET_FINISH));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QVERIFY(harness.m_prompt.m_questions.isEmpty()); // no "take this quiz now?"
    }

    void noTwoControlsShareAnAltLetter()
    {
        CSheetHarness harness;
        CPageTour tour(harness);
        QStringList clashes;
        tour.Run([&](const QString& where, QWidget* shown) {
            QMap<int, QString> owners;
            auto claim = [&](const QKeySequence& keys, const QString& owner) {
                if (keys.isEmpty())
                    return;
                const int key = keys[0].toCombined();
                if (owners.contains(key))
                    clashes.append(QStringLiteral("%1: %2 and %3 share %4")
                                       .arg(where, owners[key], owner, keys.toString()));
                owners[key] = owner;
            };
            for (QAbstractButton* button : shown->findChildren<QAbstractButton*>())
                if (button->isVisible() && button->window() == shown)
                    claim(QKeySequence::mnemonic(button->text()), button->text());
            for (QShortcut* shortcut : shown->findChildren<QShortcut*>()) {
                auto* owner = qobject_cast<QWidget*>(shortcut->parent());
                if (shortcut->isEnabled() && owner && owner->isVisible())
                    claim(shortcut->key(), shortcut->key().toString());
            }
        });
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }

    void altNIsNextOnTheStartPage()
    {
        CSheetHarness harness;
        Activate(harness);
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        Key(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
        harness.Click(ID_WIZBACK);
        Key(Qt::Key_W, Qt::AltModifier);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
    }

    void disabledButtonsLetterIsNotTyped()
    {
        CSheetHarness harness;
        OpenInManager(harness);
        Activate(harness);
        QTest::mouseClick(harness.Find<QPushButton>(QStringLiteral("addButton")), Qt::LeftButton);
        CSheetHarness::Settle();
        QVERIFY(!harness.Button(ID_SHEET_FINISH)->isEnabled());
        QCOMPARE(FocusName(), QStringLiteral("statementEdit"));
        Key(Qt::Key_F, Qt::AltModifier);
        Key(Qt::Key_N, Qt::AltModifier);
        QCOMPARE(harness.Find<QWidget>(QStringLiteral("statementEdit"))
                     ->property("plainText")
                     .toString(),
                 QString());
        QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));
    }

    void enterOnAnAdvicePageIsNext()
    {
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Advised.qiz"));
        Activate(harness);
        harness.Click(ID_SHEET_ADVICE);
        QCOMPARE(harness.Index(), AdvicePage(QUIZ_TRUE_FALSE));
        QCOMPARE(QApplication::focusWidget(), harness.Button(ID_WIZNEXT));
        Key(Qt::Key_Return);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QVERIFY(!QApplication::activeModalWidget()); // no print choice opened
    }
};

QTEST_MAIN(TestTraps)
#include "tst_traps.moc"
