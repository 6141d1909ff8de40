#include "CFeedbackBase.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "QuizType.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
constexpr int kMaxTabs = 40;
constexpr int kAnimatedClickMilliseconds = 150;
constexpr int kPollMilliseconds = 5;
constexpr int kMaxPolls = 400;
constexpr int kTrueFalseTrue = 0;
constexpr int kTrueFalseFalse = 1;

// Counts every mouse event that reaches any widget: the journey must not need one.
class CMouseCounter : public QObject
{
public:
    int m_nEvents = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++m_nEvents;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

QWidget* Focused()
{
    return QApplication::focusWidget();
}

QString FocusName()
{
    QWidget* widget = Focused();
    if (!widget)
        return QStringLiteral("(nothing)");
    return QStringLiteral("%1 \"%2\" %3")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
             widget->accessibleName());
}

// A key pressed on the keyboard goes to the widget with the focus.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = Focused();
    if (!target)
        target = QApplication::activeWindow();
    QVERIFY2(target, "no window has the keyboard");
    QTest::keyClick(target, Qt::Key(key), modifiers);
    // A push button's underlined letter presses it as a short animation does.
    if (modifiers & Qt::AltModifier)
        QTest::qWait(kAnimatedClickMilliseconds);
    CSheetHarness::Settle();
}

void Type(const QString& text)
{
    QWidget* target = Focused();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClicks(target, text);
    CSheetHarness::Settle();
}

// Tab until the focus is on a widget with that object name.
void TabTo(const QString& objectName)
{
    for (int tab = 0; tab < kMaxTabs; ++tab) {
        if (Focused() && Focused()->objectName() == objectName)
            return;
        Key(Qt::Key_Tab);
    }
    QFAIL(qPrintable(
        QStringLiteral("Tab never reaches %1; the focus is on %2").arg(objectName, FocusName())));
}

// What became of the feedback dialog Next should open.
enum class Feedback
{
    Awaited,
    Answered,
    GivenUp
};

// While Next's feedback dialog runs its own loop: Enter, on whatever the dialog focuses.
void PressEnterInFeedback(const std::shared_ptr<Feedback>& state, int polls = 0)
{
    QTimer::singleShot(kPollMilliseconds, [state, polls] {
        if (*state != Feedback::Awaited)
            return;
        auto* dialog = qobject_cast<CFeedbackBase*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (polls < kMaxPolls)
                PressEnterInFeedback(state, polls + 1);
            return;
        }
        *state = Feedback::Answered;
        // The key goes where the pupil's key would: into the dialog, on the control it
        // focuses, even while the window system has not moved the focus there yet.
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && (focus == dialog || dialog->isAncestorOf(focus))
                              ? focus
                              : (dialog->focusWidget() ? dialog->focusWidget() : dialog);
        QTest::keyClick(target, Qt::Key_Return);
    });
}
} // namespace

// A pupil who cannot use a mouse makes a quiz and takes it with Tab, Space, Enter and the
// underlined letters only.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void makeAndTakeAQuizWithTheKeyboardAlone()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        harness.Sheet()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(harness.Sheet()));
        CMouseCounter mouse;
        qApp->installEventFilter(&mouse);

        // Welcome: Alt+M is Make Quiz; the start page has New Quiz in focus.
        Key(Qt::Key_M, Qt::AltModifier);
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        Key(Qt::Key_Space);
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
        const QString path = harness.PathOf(QStringLiteral("Animals.qiz"));
        harness.m_prompt.QueueFile(path);
        Key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));

        // The format: Tab to the True/False choice, Space picks it, Enter goes on.
        ChooseFormat(QUIZ_TRUE_FALSE);
        Key(Qt::Key_Return);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));

        TabTo(QStringLiteral("addButton"));
        Key(Qt::Key_Space);
        QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));

        WriteStatement(QStringLiteral("Cats can see in the dark."), QStringLiteral("trueRadio"));
        Key(Qt::Key_N, Qt::AltModifier); // New ?
        QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));
        WriteStatement(QStringLiteral("Dogs can fly."), QStringLiteral("falseRadio"));
        Key(Qt::Key_F, Qt::AltModifier); // Finish
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));

        CTU_QuizDoc saved;
        QVERIFY(saved.OnOpenDocument(path));
        QCOMPARE(saved.m_nQuizType, int(QUIZ_TRUE_FALSE));
        QCOMPARE(saved.Questions().size(), size_t(2));
        QCOMPARE(saved.Question(0)->m_strQuestion, QStringLiteral("Cats can see in the dark."));
        QCOMPARE(saved.Question(0)->m_nAnswer, kTrueFalseTrue);
        QCOMPARE(saved.Question(1)->m_strQuestion, QStringLiteral("Dogs can fly."));
        QCOMPARE(saved.Question(1)->m_nAnswer, kTrueFalseFalse);

        // Take it: Finish on the manager offers to take the quiz now.
        harness.m_prompt.QueueYesNo(true);
        Key(Qt::Key_F, Qt::AltModifier);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_TRUE_FALSE));
        Key(Qt::Key_Return);

        for (int asked = 0; asked < 2; ++asked) {
            QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
            const bool isTrue = harness.Doc()->CurrentQuestion()->m_nAnswer == kTrueFalseTrue;
            Key(isTrue ? Qt::Key_T : Qt::Key_F, Qt::AltModifier);
            auto feedback = std::make_shared<Feedback>(Feedback::Awaited);
            PressEnterInFeedback(feedback);
            Key(Qt::Key_Return);
            QVERIFY2(*feedback == Feedback::Answered, "Enter opened no feedback dialog");
            *feedback = Feedback::GivenUp;
            // A window manager hands the keyboard back to the sheet when the dialog closes; the
            // offscreen platform has none, so the test does it.
            harness.Sheet()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(harness.Sheet()));
        }
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(harness.Find<QWidget>(QStringLiteral("scoreText"))->property("text").toString(),
                 QStringLiteral("You answered 2 out of 2 correctly. That equals 100%."));
        QCOMPARE(mouse.m_nEvents, 0);
        qApp->removeEventFilter(&mouse);
    }

    // The keypad's keys are Tab stops that Space presses, and the problem is checked as typed.
    void makeAndTakeAMathQuizWithTheKeyboardAlone()
    {
        CSheetHarness harness;
        CTakeDriver::MakeDeterministic(harness.Doc());
        harness.Sheet()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(harness.Sheet()));
        CMouseCounter mouse;
        qApp->installEventFilter(&mouse);

        Key(Qt::Key_M, Qt::AltModifier);
        Key(Qt::Key_W, Qt::AltModifier); // New Quiz (Alt+N is Next)
        const QString path = harness.PathOf(QStringLiteral("Sums.qiz"));
        harness.m_prompt.QueueFile(path);
        Key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        ChooseFormat(QUIZ_MATH);
        Key(Qt::Key_Return);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        TabTo(QStringLiteral("addButton"));
        Key(Qt::Key_Space);
        QCOMPARE(harness.Index(), EditorPage(QUIZ_MATH));

        // 6 * 7 on the keypad, key by key.
        for (const char* key : {"key6", "key*", "key7"}) {
            TabTo(QString::fromLatin1(key));
            Key(Qt::Key_Space);
        }
        QCOMPARE(harness.Find<QLineEdit>(QStringLiteral("problemEdit"))->text().remove(u' '),
                 QStringLiteral("6*7"));
        harness.m_prompt.QueueYesNo(true);
        Key(Qt::Key_F, Qt::AltModifier); // Finish
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));

        harness.m_prompt.QueueYesNo(true); // take it now
        Key(Qt::Key_F, Qt::AltModifier);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_MATH));
        Key(Qt::Key_Return);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_MATH));
        TabTo(QStringLiteral("answerBox"));
        Type(QStringLiteral("42"));
        auto feedback = std::make_shared<Feedback>(Feedback::Awaited);
        PressEnterInFeedback(feedback);
        Key(Qt::Key_Return);
        QVERIFY2(*feedback == Feedback::Answered, "Enter opened no feedback dialog");
        *feedback = Feedback::GivenUp;
        QCOMPARE(harness.Index(), int(PAGE_SCORE));
        QCOMPARE(harness.Find<QWidget>(QStringLiteral("scoreText"))->property("text").toString(),
                 QStringLiteral("You answered 1 out of 1 correctly. That equals 100%."));
        QCOMPARE(mouse.m_nEvents, 0);
        qApp->removeEventFilter(&mouse);
    }

private:
    // Tab enters the kinds (one Tab stop, as radio buttons are); the arrow keys choose.
    static void ChooseFormat(int kind)
    {
        const QString wanted = QStringLiteral("formatRadio%1").arg(kind);
        for (int tab = 0; tab < kMaxTabs && !IsFormatRadio(Focused()); ++tab)
            Key(Qt::Key_Tab);
        QVERIFY2(IsFormatRadio(Focused()), qPrintable(FocusName()));
        for (int step = 0; step < PAGE_COUNT && Focused()->objectName() != wanted; ++step)
            Key(Qt::Key_Down);
        QCOMPARE(Focused()->objectName(), wanted);
        QWidget* radio = Focused();
        Key(Qt::Key_Space);
        // Choosing hands the focus to Next, so that Enter goes on.
        QVERIFY(qobject_cast<QAbstractButton*>(radio)->isChecked());
    }

    static bool IsFormatRadio(const QWidget* widget)
    {
        return widget && widget->objectName().startsWith(QLatin1String("formatRadio"));
    }

    static void WriteStatement(const QString& text, const QString& answer)
    {
        TabTo(QStringLiteral("statementEdit"));
        Type(text);
        // Tab enters the True/False pair; the arrow keys move between its two choices.
        for (int tab = 0; tab < kMaxTabs && !IsRadio(Focused()); ++tab)
            Key(Qt::Key_Tab);

        QVERIFY2(IsRadio(Focused()), qPrintable(FocusName()));
        if (Focused()->objectName() != answer)
            Key(Qt::Key_Down);
        QCOMPARE(Focused()->objectName(), answer);
        Key(Qt::Key_Space);
    }

    static bool IsRadio(const QWidget* widget)
    {
        return widget && (widget->objectName() == QLatin1String("trueRadio") ||
                          widget->objectName() == QLatin1String("falseRadio"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
