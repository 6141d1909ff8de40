#include "CPageTour.h"
#include "CPictureButton.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

namespace {
constexpr int kTrueFalseTrue = 0;
constexpr int kTrueFalseFalse = 1;
const QRgb kChosenBlue = qRgb(21, 87, 176);

// The ways a pupil without a mouse makes a choice.
enum class Way
{
    ToggleAction, // a screen reader's or switch access's "toggle" (a choice offers no "press")
    Space         // the keyboard
};

QAccessibleInterface* Accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

void Choose(QAbstractButton* control, Way way)
{
    QVERIFY(control);
    if (way == Way::Space) {
        control->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(control->window()));
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Space);
    } else {
        QAccessibleActionInterface* actions = Accessible(control)->actionInterface();
        QVERIFY(actions);
        const QString toggle = QAccessibleActionInterface::toggleAction();
        QVERIFY(actions->actionNames().contains(toggle));
        actions->doAction(toggle);
    }
    CSheetHarness::Settle();
}

void AddWays()
{
    QTest::addColumn<Way>("way");
}

void AddWayRows(const char* what)
{
    QTest::addRow("%s by toggle", what) << Way::ToggleAction;
    QTest::addRow("%s by Space", what) << Way::Space;
}

bool IsChoiceRole(QWidget* widget)
{
    const QAccessible::Role role = Accessible(widget)->role();
    return role == QAccessible::RadioButton || role == QAccessible::CheckBox;
}

// Every checkable control a pupil can meet, and the tests below that drive it.
const QSet<QString> kDrivenChoices{
    QStringLiteral("pictureButton%1").arg(IDB_TRUE_BUTTON),
    QStringLiteral("pictureButton%1").arg(IDB_FALSE_BUTTON),
    QStringLiteral("formatRadio%1").arg(QUIZ_TRUE_FALSE),
    QStringLiteral("formatRadio%1").arg(QUIZ_FLASH_CARD),
    QStringLiteral("formatRadio%1").arg(QUIZ_MATH),
    QStringLiteral("formatRadio%1").arg(QUIZ_SPELLING),
    QStringLiteral("showFronts"),
    QStringLiteral("showBacks"),
    QStringLiteral("trueRadio"),
    QStringLiteral("falseRadio"),
    QStringLiteral("printQuiz"),
    QStringLiteral("printPart0"),
    QStringLiteral("printPart1"),
    QStringLiteral("printPart2"),
    QStringLiteral("printQuestion"),
    QStringLiteral("printAdvice"),
    QStringLiteral("printScore"),
};
} // namespace

Q_DECLARE_METATYPE(Way)

// Every choice acts on what the control holds, however it got there, and a
// screen reader hears each control for what it is.
class TestChoices : public QObject
{
    Q_OBJECT

private slots:
    void everyCheckableControlIsAChoiceAndDrivenHere()
    {
        CSheetHarness harness;
        CPageTour tour(harness);
        QSet<QString> met;
        QStringList problems;
        tour.Run([&](const QString& where, QWidget* shown) {
            for (QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
                if (!button->isCheckable() || !button->isVisible())
                    continue;
                met.insert(button->objectName());
                if (!IsChoiceRole(button))
                    problems.append(where + QStringLiteral(": ") + button->objectName());
            }
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
        const QSet<QString> undriven = met - kDrivenChoices;
        QVERIFY2(undriven.isEmpty(), qPrintable(QStringList(undriven.values()).join(u' ')));
    }

    void formatChosenWithoutTheMouse_data()
    {
        AddWays();
        QTest::addColumn<int>("kind");
        for (int kind : {QUIZ_MATH, QUIZ_FLASH_CARD}) {
            QTest::addRow("kind %d by toggle", kind) << Way::ToggleAction << kind;
            QTest::addRow("kind %d by Space", kind) << Way::Space << kind;
        }
    }

    void formatChosenWithoutTheMouse()
    {
        QFETCH(Way, way);
        QFETCH(int, kind);
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Kinds.qiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        Choose(harness.Find<QRadioButton>(QStringLiteral("formatRadio%1").arg(kind)), way);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        CTU_QuizDoc saved;
        QVERIFY(saved.OnOpenDocument(harness.PathOf(QStringLiteral("Kinds.qiz"))));
        QCOMPARE(saved.m_nQuizType, kind);
    }

    void showBacksChosenWithoutTheMouse_data()
    {
        AddWays();
        AddWayRows("Show Backs");
    }

    void showBacksChosenWithoutTheMouse()
    {
        QFETCH(Way, way);
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("Cards.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_FLASH_CARD,
                               {{QStringLiteral("Hund"), 0, QStringLiteral("dog")}});
        CTakeDriver(harness).OpenForTaking(path);
        QCOMPARE(harness.Index(), IntroPage(QUIZ_FLASH_CARD));
        Choose(harness.Find<QRadioButton>(QStringLiteral("showBacks")), way);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_FLASH_CARD));
        QCOMPARE(CTakeDriver(harness).ShownQuestion(), QStringLiteral("dog"));
    }

    void trueFalseEditorChoiceWithoutTheMouse_data()
    {
        AddWays();
        AddWayRows("True");
    }

    void trueFalseEditorChoiceWithoutTheMouse()
    {
        QFETCH(Way, way);
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Facts.qiz"));
        harness.Click(ID_WIZNEXT);
        QTest::mouseClick(harness.Find<QPushButton>(QStringLiteral("addButton")), Qt::LeftButton);
        CSheetHarness::Settle();
        QCOMPARE(harness.Index(), EditorPage(QUIZ_TRUE_FALSE));
        QTest::keyClicks(harness.Find<QWidget>(QStringLiteral("statementEdit")),
                         QStringLiteral("Snow is cold."));
        auto* trueRadio = harness.Find<QRadioButton>(QStringLiteral("trueRadio"));
        auto* falseRadio = harness.Find<QRadioButton>(QStringLiteral("falseRadio"));
        // A radio pair to a screen reader, with neither chosen yet.
        QCOMPARE(Accessible(trueRadio)->role(), QAccessible::RadioButton);
        QCOMPARE(Accessible(falseRadio)->role(), QAccessible::RadioButton);
        QVERIFY(!trueRadio->isChecked() && !falseRadio->isChecked());
        Choose(trueRadio, way);
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QVERIFY(harness.IsShownEnabled(ID_SHEET_FINISH));
        harness.Click(ID_WIZNEXT); // New ?
        // The next statement starts with neither chosen again.
        QVERIFY(!trueRadio->isChecked() && !falseRadio->isChecked());
        CTU_QuizDoc saved;
        QVERIFY(saved.OnOpenDocument(harness.PathOf(QStringLiteral("Facts.qiz"))));
        QCOMPARE(saved.Questions().size(), size_t(1));
        QCOMPARE(saved.Question(0)->m_nAnswer, kTrueFalseTrue);
    }

    void printQuizBoxWithoutTheMouse_data()
    {
        AddWays();
        AddWayRows("Quiz");
    }

    void printQuizBoxWithoutTheMouse()
    {
        QFETCH(Way, way);
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Printed.qiz"));
        harness.Click(ID_WIZNEXT);
        harness.Click(ID_SHEET_PRINT);
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* quiz = dialog->findChild<QAbstractButton*>(QStringLiteral("printQuiz"));
        auto* part = dialog->findChild<QAbstractButton*>(QStringLiteral("printPart1"));
        for (int round = 0; round < 2; ++round) {
            Choose(quiz, way);
            QCOMPARE(part->isEnabled(), quiz->isChecked());
        }
        dialog->reject();
        CSheetHarness::Settle();
    }

    // The true/false answer buttons: a radio pair whose chosen one says so and shows it.
    void trueFalseAnswerWithoutTheMouse_data()
    {
        AddWays();
        AddWayRows("False");
    }

    void trueFalseAnswerWithoutTheMouse()
    {
        QFETCH(Way, way);
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("Facts.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_TRUE_FALSE,
                               {{QStringLiteral("Fish can fly."), kTrueFalseFalse, {}}});
        CTakeDriver(harness).OpenForTaking(path);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_TRUE_FALSE));
        auto* trueButton =
            harness.Find<CPictureButton>(QStringLiteral("pictureButton%1").arg(IDB_TRUE_BUTTON));
        auto* falseButton =
            harness.Find<CPictureButton>(QStringLiteral("pictureButton%1").arg(IDB_FALSE_BUTTON));
        QCOMPARE(Accessible(falseButton)->role(), QAccessible::RadioButton);
        QVERIFY(!Accessible(falseButton)->state().checked);
        const QImage before = falseButton->grab().toImage();

        Choose(falseButton, way);
        QCOMPARE(harness.Doc()->CurrentQuestion()->m_nResponse, kTrueFalseFalse);
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QVERIFY(Accessible(falseButton)->state().checked);
        QVERIFY(!Accessible(trueButton)->state().checked);
        // On screen: a blue ring inside the frame, where the raised face was plain.
        const QImage after = falseButton->grab().toImage();
        QCOMPARE(after.pixel(2, after.height() / 2) & 0xffffff, kChosenBlue & 0xffffff);
        QVERIFY(before.pixel(2, before.height() / 2) != after.pixel(2, after.height() / 2));
        QVERIFY(trueButton->grab().toImage().pixel(2, trueButton->height() / 2) !=
                after.pixel(2, after.height() / 2));

        // Choosing the other answer moves the check mark.
        Choose(trueButton, Way::ToggleAction);
        QCOMPARE(harness.Doc()->CurrentQuestion()->m_nResponse, kTrueFalseTrue);
        QVERIFY(!Accessible(falseButton)->state().checked);
        QVERIFY(Accessible(trueButton)->state().checked);
    }

    void flashCardBoxesAreNamedForWhatTheyHold()
    {
        CSheetHarness harness;
        const QString path = harness.PathOf(QStringLiteral("Cards.qiz"));
        CTakeDriver::WriteQuiz(path, QUIZ_FLASH_CARD,
                               {{QStringLiteral("Hund"), 0, QStringLiteral("dog")}});
        CTakeDriver(harness).OpenForTaking(path);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_FLASH_CARD));
        const QString back =
            Accessible(harness.Find<QWidget>(QStringLiteral("backBox")))->text(QAccessible::Name);
        QVERIFY2(back != harness.Button(ID_WIZBACK)->text().remove(u'&'), qPrintable(back));
        QVERIFY2(back.contains(QStringLiteral("answer")), qPrintable(back));
        QVERIFY(!Accessible(harness.Find<QWidget>(QStringLiteral("frontBox")))
                     ->text(QAccessible::Name)
                     .contains(QStringLiteral("answer")));
    }

    // The line above the buttons is drawn: there is no nameless frame to stop at.
    void sheetHasNoFrameInTheTree()
    {
        CSheetHarness harness;
        QAccessibleInterface* sheet = Accessible(harness.Sheet());
        for (int i = 0; i < sheet->childCount(); ++i)
            QVERIFY(sheet->child(i)->role() != QAccessible::Border);
    }
};

QTEST_MAIN(TestChoices)
#include "tst_choices.moc"
