#include "CFlashCardEditPage.h"
#include "CMakeSteps.h"
#include "CQuizSheet.h"
#include "CSoundPlayer.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
const QString kCompleteFirst = QStringLiteral("Do you want to complete this question first?");

QString EditName(int kind)
{
    switch (kind) {
    case QUIZ_TRUE_FALSE:
        return QStringLiteral("statementEdit");
    case QUIZ_FLASH_CARD:
        return QStringLiteral("cardEdit");
    case QUIZ_SPELLING:
        return QStringLiteral("wordEdit");
    default:
        return QStringLiteral("problemEdit");
    }
}

// What the edit box shows for question variant v, and what the file then holds.
QString Shown(int kind, int v)
{
    switch (kind) {
    case QUIZ_TRUE_FALSE:
        return QStringLiteral("Fact %1").arg(v);
    case QUIZ_FLASH_CARD:
        return QStringLiteral("front%1").arg(v);
    case QUIZ_SPELLING:
        return QStringLiteral("word") + QChar(u'a' + v);
    default:
        return QStringLiteral("1%1 + 2").arg(v);
    }
}

QString Stored(int kind, int v)
{
    switch (kind) {
    case QUIZ_TRUE_FALSE:
        return Shown(kind, v) + QStringLiteral("|0");
    case QUIZ_FLASH_CARD:
        return Shown(kind, v) + QStringLiteral("|back%1").arg(v);
    default:
        return Shown(kind, v) + QStringLiteral("|0");
    }
}

QStringList StoredList(int kind, const QList<int>& variants)
{
    QStringList list;
    for (int v : variants)
        list << Stored(kind, v);
    return list;
}
} // namespace

// The four question editors: the shared editing flow in add and modify mode,
// and what each editor does on its own.
class TestEditors : public QObject
{
    Q_OBJECT

private:
    // Writes question variant v on a fresh (add-mode) page.
    static void WriteComplete(CSheetHarness& h, CMakeSteps& steps, int kind, int v)
    {
        switch (kind) {
        case QUIZ_TRUE_FALSE:
            steps.WriteStatement(Shown(kind, v), true);
            break;
        case QUIZ_FLASH_CARD:
            steps.WriteCard(Shown(kind, v), QStringLiteral("back%1").arg(v));
            break;
        case QUIZ_SPELLING:
            steps.WriteWord(Shown(kind, v));
            break;
        default:
            steps.WriteProblemOnKeys(QStringLiteral("1%1+2").arg(v));
            break;
        }
        Q_UNUSED(h);
    }

    // Replaces what a modify-mode page shows by variant v.
    static void ReplaceComplete(CSheetHarness& h, CMakeSteps& steps, int kind, int v)
    {
        switch (kind) {
        case QUIZ_TRUE_FALSE:
            steps.Retype(EditName(kind), Shown(kind, v));
            h.ClickPageButton(QStringLiteral("True"));
            break;
        case QUIZ_FLASH_CARD:
            steps.Retype(EditName(kind), Shown(kind, v));
            h.ClickPageButton(QStringLiteral("Flip Card"));
            steps.Retype(EditName(kind), QStringLiteral("back%1").arg(v));
            break;
        case QUIZ_SPELLING:
            steps.Retype(EditName(kind), Shown(kind, v));
            break;
        default:
            h.ClickPageButton(QStringLiteral("Clear Problem"));
            steps.WriteProblemOnKeys(QStringLiteral("1%1+2").arg(v));
            break;
        }
    }

    // Leaves the page with a question that may not be stored (spelling: empty).
    static void MakeIncomplete(CSheetHarness& h, CMakeSteps& steps, int kind, bool modifying)
    {
        switch (kind) {
        case QUIZ_TRUE_FALSE:
            steps.Retype(EditName(kind), modifying ? QString() : QStringLiteral("No choice"));
            break;
        case QUIZ_FLASH_CARD:
            if (modifying) {
                h.ClickPageButton(QStringLiteral("Flip Card"));
                steps.Retype(EditName(kind), QString());
            } else {
                steps.Type(EditName(kind), QStringLiteral("front only"));
            }
            break;
        case QUIZ_SPELLING:
            steps.Retype(EditName(kind), QString());
            break;
        default:
            h.ClickPageButton(QStringLiteral("Clear Problem"));
            steps.WriteProblemOnKeys(QStringLiteral("12+"));
            break;
        }
    }

    // A quiz of the kind holding variants 1 and 2, with the manager shown.
    static void MakeTwo(CSheetHarness& h, CMakeSteps& steps, int kind)
    {
        steps.NewQuizAtEditor(kind);
        WriteComplete(h, steps, kind, 1);
        h.Click(ID_WIZNEXT);
        WriteComplete(h, steps, kind, 2);
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(steps.FileQuestions(true), StoredList(kind, {1, 2}));
    }

    static void AddKinds(bool withSpelling)
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("true/false") << int(QUIZ_TRUE_FALSE);
        QTest::addRow("flash card") << int(QUIZ_FLASH_CARD);
        if (withSpelling)
            QTest::addRow("spelling") << int(QUIZ_SPELLING);
        QTest::addRow("math") << int(QUIZ_MATH);
    }

    enum Action
    {
        BACK,
        CANCEL_YES,
        CANCEL_NO,
        ADVICE_YES, // asked "complete first?" and answered Yes
        ADVICE,     // (answered No when asked)
        FINISH,
    };

private slots:
    // Every way off an editor, in add and in modify mode, with a complete or an
    // incomplete question: where it leads, what it asks and what the file holds.
    void leavingTheEditor_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("modifying");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("page"); // where the page ends (-1: the editor)
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QList<int>>("file"); // variants stored, in order
        QTest::addColumn<QString>("title");   // of the editor, when it is shown at the end
        QTest::addColumn<int>("shown");       // variant the editor shows (0: empty)

        const QString ask19 = CStringTable::Get(IDS_ASK_SAVE_QUESTION);
        const QString ask20 = CStringTable::Get(IDS_ASK_FINISH_QUESTION);
        const int manager = PAGE_QUESTION_MANAGER;
        for (int kind :
             {int(QUIZ_TRUE_FALSE), int(QUIZ_FLASH_CARD), int(QUIZ_SPELLING), int(QUIZ_MATH)}) {
            const bool spelling = kind == QUIZ_SPELLING;
            const int advice = AdvicePage(kind);
            auto row = [&](const char* name) {
                return &(QTest::addRow("%d %s", kind, name) << kind);
            };
            // Add mode: the page opens on question 3 of 3.
            *row("add complete back") << false << true << int(BACK) << -1 << QStringList()
                                      << QList<int>{1, 2, 3} << "Tutorama: Question 2 of 3" << 2;
            *row("add incomplete back") << false << false << int(BACK) << -1 << QStringList()
                                        << QList<int>{1, 2} << "Tutorama: Question 2 of 2" << 2;
            *row("add complete cancel yes") << false << true << int(CANCEL_YES) << manager
                                            << QStringList{ask19} << QList<int>{1, 2, 3} << "" << 0;
            *row("add complete cancel no") << false << true << int(CANCEL_NO) << manager
                                           << QStringList{ask19} << QList<int>{1, 2} << "" << 0;
            *row("add incomplete cancel yes")
                << false << false << int(CANCEL_YES) << (spelling ? manager : -1)
                << QStringList{spelling ? ask19 : ask20} << QList<int>{1, 2}
                << (spelling ? "" : "Tutorama: Question 3 of 3") << (spelling ? 0 : -1);
            *row("add incomplete cancel no")
                << false << false << int(CANCEL_NO) << manager
                << QStringList{spelling ? ask19 : ask20} << QList<int>{1, 2} << "" << 0;
            *row("add complete finish") << false << true << int(FINISH) << manager << QStringList()
                                        << QList<int>{1, 2, 3} << "" << 0;
            // Modify mode: the first question, 1 of 2.
            *row("modify complete back") << true << true << int(BACK) << manager << QStringList()
                                         << QList<int>{3, 2} << "" << 0;
            *row("modify incomplete back")
                << true << false << int(BACK) << manager << QStringList()
                << (spelling ? QList<int>{2} : QList<int>{1, 2}) << "" << 0;
            *row("modify complete cancel yes") << true << true << int(CANCEL_YES) << manager
                                               << QStringList{ask19} << QList<int>{3, 2} << "" << 0;
            *row("modify complete cancel no") << true << true << int(CANCEL_NO) << manager
                                              << QStringList{ask19} << QList<int>{1, 2} << "" << 0;
            *row("modify complete finish") << true << true << int(FINISH) << manager
                                           << QStringList() << QList<int>{3, 2} << "" << 0;
            // Math tells what is wrong; the others have disabled Finish.
            *row("modify incomplete finish")
                << true << false << int(FINISH) << -1 << QStringList() << QList<int>{1, 2}
                << "Tutorama: Question 1 of 2" << -1;
            if (spelling)
                continue; // no Advice on the spelling editor
            *row("add complete advice") << false << true << int(ADVICE) << advice << QStringList()
                                        << QList<int>{1, 2, 3} << "Tutorama: Question 3 of 3" << 3;
            *row("add incomplete advice yes")
                << false << false << int(ADVICE_YES) << -1 << QStringList{kCompleteFirst}
                << QList<int>{1, 2} << "Tutorama: Question 3 of 3" << -1;
            *row("add incomplete advice no")
                << false << false << int(ADVICE) << advice << QStringList{kCompleteFirst}
                << QList<int>{1, 2} << "Tutorama: Question 3 of 3" << 0;
            *row("modify complete advice") << true << true << int(ADVICE) << advice << QStringList()
                                           << QList<int>{3, 2} << "Tutorama: Question 1 of 2" << 3;
            *row("modify incomplete advice no")
                << true << false << int(ADVICE) << advice << QStringList{kCompleteFirst}
                << QList<int>{1, 2} << "Tutorama: Question 3 of 3" << 0;
        }
    }
    void leavingTheEditor()
    {
        QFETCH(int, kind);
        QFETCH(bool, modifying);
        QFETCH(bool, complete);
        QFETCH(int, action);
        QFETCH(int, page);
        QFETCH(QStringList, asked);
        QFETCH(QList<int>, file);
        QFETCH(QString, title);
        QFETCH(int, shown);

        CSheetHarness h;
        CMakeSteps steps(h);
        MakeTwo(h, steps, kind);
        h.m_prompt.Clear();
        if (modifying) {
            steps.SelectLine(0);
            h.Find<QPushButton>(QStringLiteral("modifyButton"))->click();
            CSheetHarness::Settle();
            QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 1 of 2"));
            QCOMPARE(steps.TextOf(EditName(kind)), Shown(kind, 1));
            if (complete)
                ReplaceComplete(h, steps, kind, 3);
            else
                MakeIncomplete(h, steps, kind, true);
        } else {
            h.Find<QPushButton>(QStringLiteral("addButton"))->click();
            CSheetHarness::Settle();
            QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 3 of 3"));
            if (complete)
                WriteComplete(h, steps, kind, 3);
            else
                MakeIncomplete(h, steps, kind, false);
        }
        QCOMPARE(h.Index(), EditorPage(kind));
        const QString before = steps.TextOf(EditName(kind));

        switch (action) {
        case BACK:
            h.Click(ID_WIZBACK);
            break;
        case CANCEL_YES:
        case CANCEL_NO:
            h.m_prompt.QueueYesNo(action == CANCEL_YES);
            h.Click(IDCANCEL);
            break;
        case ADVICE_YES:
        case ADVICE:
            h.m_prompt.QueueYesNo(action == ADVICE_YES);
            h.Click(ID_SHEET_ADVICE);
            break;
        default:
            QCOMPARE(h.Button(ID_SHEET_FINISH)->isEnabled(), complete || kind == QUIZ_MATH);
            QTest::mouseClick(h.Button(ID_SHEET_FINISH), Qt::LeftButton);
            CSheetHarness::Settle();
            break;
        }
        QCOMPARE(h.m_prompt.m_questions, asked);
        const bool mathTold = kind == QUIZ_MATH && action == FINISH && !complete;
        QCOMPARE(h.m_prompt.m_messages,
                 mathTold ? QStringList{CStringTable::Get(IDS_PROBLEM_MALFORMED)} : QStringList());
        QCOMPARE(h.Index(), page == -1 ? EditorPage(kind) : page);
        QCOMPARE(steps.FileQuestions(true), StoredList(kind, file));
        QVERIFY(h.Sheet()->isVisible());

        if (page == AdvicePage(kind)) {
            h.Click(ID_WIZBACK); // the editor resumes where it was
            QCOMPARE(h.Index(), EditorPage(kind));
        }
        if (!title.isEmpty())
            QCOMPARE(h.Title(), title);
        if (shown > 0)
            QCOMPARE(steps.TextOf(EditName(kind)), Shown(kind, shown));
        else if (shown == 0 && h.Index() == EditorPage(kind))
            QCOMPARE(steps.TextOf(EditName(kind)), QString());
        else if (shown == -1)
            QCOMPARE(steps.TextOf(EditName(kind)), before); // kept for correction
    }

    void newAndFinishWaitForACompleteQuestion_data() { AddKinds(true); }
    void newAndFinishWaitForACompleteQuestion()
    {
        QFETCH(int, kind);
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizAtEditor(kind);
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 1 of 1"));
        QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled());
        QVERIFY(!h.Button(ID_SHEET_FINISH)->isEnabled());
        QCOMPARE(h.Button(ID_WIZNEXT)->text(),
                 kind == QUIZ_SPELLING ? QStringLiteral("&New Word") : QStringLiteral("&New ?"));
        QCOMPARE(h.IsShownEnabled(ID_SHEET_ADVICE), kind != QUIZ_SPELLING);
        QCOMPARE(h.IsShownEnabled(ID_SHEET_PRINT), kind != QUIZ_SPELLING);
        if (kind != QUIZ_SPELLING && kind != QUIZ_MATH) {
            MakeIncomplete(h, steps, kind, false);
            QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled());
            QVERIFY(!h.Button(ID_SHEET_FINISH)->isEnabled());
            steps.Retype(EditName(kind), QString());
        }
        WriteComplete(h, steps, kind, 1);
        QVERIFY(h.Button(ID_WIZNEXT)->isEnabled());
        QVERIFY(h.Button(ID_SHEET_FINISH)->isEnabled());
        h.Click(ID_WIZNEXT);
        QCOMPARE(h.Index(), EditorPage(kind));
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 2 of 2"));
        QCOMPARE(steps.FileQuestions(true), StoredList(kind, {1}));
        QCOMPARE(steps.TextOf(EditName(kind)), QString());
        QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled());
    }

    void trueFalseModifyClearedKeepsTheStoredStatement()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        MakeTwo(h, steps, QUIZ_TRUE_FALSE);
        steps.SelectLine(1);
        h.ClickPageButton(QStringLiteral("Modify a Statement"));
        QVERIFY(h.Find<QRadioButton>(QStringLiteral("trueRadio"))->isChecked());
        steps.Retype(QStringLiteral("statementEdit"), QString());
        QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled());
        QVERIFY(!h.Button(ID_SHEET_FINISH)->isEnabled());
        h.Click(ID_WIZBACK);
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 1 of 2"));
        QCOMPARE(steps.TextOf(QStringLiteral("statementEdit")), Shown(QUIZ_TRUE_FALSE, 1));
        QCOMPARE(steps.FileQuestions(true), StoredList(QUIZ_TRUE_FALSE, {1, 2}));
    }

    void trueFalseKeepsTheChoice()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_TRUE_FALSE);
        h.ClickPageButton(QStringLiteral("Add a Statement"));
        h.ClickPageButton(QStringLiteral("False"));
        QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled()); // no statement yet
        steps.Type(QStringLiteral("statementEdit"), QStringLiteral("Ice is warm"));
        QVERIFY(h.Button(ID_WIZNEXT)->isEnabled());
        h.ClickPageButton(QStringLiteral("True"));
        h.ClickPageButton(QStringLiteral("False"));
        QVERIFY(!h.Find<QRadioButton>(QStringLiteral("trueRadio"))->isChecked());
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(steps.FileQuestions(true), QStringList{"Ice is warm|1"});
        QCOMPARE(steps.ListLines(), QStringList{"1. F: Ice is warm"});
    }

    void pastePlaysItsSound_data() { AddKinds(true); }
    void pastePlaysItsSound()
    {
        QFETCH(int, kind);
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizAtEditor(kind);
        QApplication::clipboard()->setText(kind == QUIZ_MATH ? QStringLiteral("6 * 7")
                                                             : QStringLiteral("Pasted"));
        h.ClickPageButton(QStringLiteral("Paste"));
        QCOMPARE(h.Context().m_pSound->LastPlayed(), int(IDW_PASTE));
        const QString expected = kind == QUIZ_MATH       ? QStringLiteral("6 * 7")
                                 : kind == QUIZ_SPELLING ? QStringLiteral("pasted")
                                                         : QStringLiteral("Pasted");
        QCOMPARE(steps.TextOf(EditName(kind)), expected);
        QApplication::clipboard()->clear();
    }

    void flashCardFlipsBetweenItsSides()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_FLASH_CARD);
        h.ClickPageButton(QStringLiteral("Add a Flash Card"));
        auto* page = qobject_cast<CFlashCardEditPage*>(h.Page());
        QVERIFY(page);
        QCOMPARE(page->FramePieces(),
                 (std::array<int, 4>{IDB_CARD_FRONT_TOP, IDB_CARD_FRONT_BOTTOM,
                                     IDB_CARD_FRONT_RIGHT, IDB_CARD_FRONT_LEFT}));
        steps.Type(QStringLiteral("cardEdit"), QStringLiteral("cat"));
        h.m_prompt.QueueYesNo(true);
        h.Click(IDCANCEL); // only the front: unfinished
        QCOMPARE(h.m_prompt.m_questions, QStringList{CStringTable::Get(IDS_ASK_FINISH_QUESTION)});
        h.ClickPageButton(QStringLiteral("Flip Card"));
        QCOMPARE(h.Context().m_pSound->LastPlayed(), int(IDW_CARD_FLIP));
        QCOMPARE(page->SideShown(), int(CFlashCardEditPage::SIDE_BACK));
        QCOMPARE(page->FramePieces(),
                 (std::array<int, 4>{IDB_CARD_BACK_TOP, IDB_CARD_BACK_BOTTOM, IDB_CARD_BACK_RIGHT,
                                     IDB_CARD_BACK_LEFT}));
        QCOMPARE(steps.TextOf(QStringLiteral("cardEdit")), QString());
        steps.Type(QStringLiteral("cardEdit"), QStringLiteral("gato"));
        QVERIFY(h.Button(ID_WIZNEXT)->isEnabled());
        steps.Retype(QStringLiteral("cardEdit"), QString());
        QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled());
        QVERIFY(!h.Button(ID_SHEET_FINISH)->isEnabled());
        steps.Type(QStringLiteral("cardEdit"), QStringLiteral("gato"));
        h.ClickPageButton(QStringLiteral("Flip Card"));
        QCOMPARE(steps.TextOf(QStringLiteral("cardEdit")), QStringLiteral("cat"));
        QCOMPARE(page->SideShown(), int(CFlashCardEditPage::SIDE_FRONT));
        // Enter in the card turns it over instead of breaking the line.
        QTest::keyClick(h.Find<QWidget>(QStringLiteral("cardEdit")), Qt::Key_Return);
        CSheetHarness::Settle();
        QCOMPARE(steps.TextOf(QStringLiteral("cardEdit")), QStringLiteral("gato"));
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(steps.ListLines(), QStringList{"1. F: cat  B: gato"});
        // Modifying always opens on the front.
        steps.SelectLine(0);
        h.ClickPageButton(QStringLiteral("Modify a Flash Card"));
        QCOMPARE(page->SideShown(), int(CFlashCardEditPage::SIDE_FRONT));
        QCOMPARE(steps.TextOf(QStringLiteral("cardEdit")), QStringLiteral("cat"));
    }

    void mathKeysBuildTheProblem_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("message"); // 0: stored
        QTest::addRow("sum") << "12+3"
                             << "12 + 3" << 0;
        QTest::addRow("decimal times") << "0.5*8"
                                       << "0.5 * 8" << 0;
        QTest::addRow("two operators") << "12++"
                                       << "12 +  + " << int(IDS_PROBLEM_MALFORMED);
        QTest::addRow("by zero") << "5/0"
                                 << "5 / 0" << int(IDS_PROBLEM_DIVIDES_BY_ZERO);
        QTest::addRow("too large") << "123456789+1"
                                   << "123456789 + 1" << int(IDS_PROBLEM_NUMBER_TOO_LARGE);
        QTest::addRow("no second number") << "7-"
                                          << "7 - " << int(IDS_PROBLEM_MALFORMED);
    }
    void mathKeysBuildTheProblem()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, message);
        for (int button : {int(ID_WIZNEXT), int(ID_SHEET_FINISH), int(ID_WIZBACK)}) {
            CSheetHarness h;
            CMakeSteps steps(h);
            steps.NewQuizOfKind(QUIZ_MATH);
            h.ClickPageButton(QStringLiteral("Add a Problem"));
            steps.WriteProblemOnKeys(keys);
            QCOMPARE(steps.TextOf(QStringLiteral("problemEdit")), text);
            h.Click(button);
            const bool stored = message == 0;
            // Back drops a bad problem without a word.
            const bool told = !stored && button != ID_WIZBACK;
            QCOMPARE(h.m_prompt.m_messages,
                     told ? QStringList{CStringTable::Get(message)} : QStringList());
            QCOMPARE(steps.FileQuestions(), stored ? QStringList{text} : QStringList());
            if (told)
                QCOMPARE(steps.TextOf(QStringLiteral("problemEdit")), text);
            const int page = button == ID_WIZNEXT ? EditorPage(QUIZ_MATH)
                             : told               ? EditorPage(QUIZ_MATH)
                                                  : int(PAGE_QUESTION_MANAGER);
            QCOMPARE(h.Index(), page);
        }
    }

    void mathClearProblemLeavesFinishToTell()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_MATH);
        h.ClickPageButton(QStringLiteral("Add a Problem"));
        h.ClickPageButton(QStringLiteral("Clear Problem"));
        QVERIFY(h.Button(ID_SHEET_FINISH)->isEnabled());
        QVERIFY(!h.Button(ID_WIZNEXT)->isEnabled());
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(h.m_prompt.m_messages, QStringList{CStringTable::Get(IDS_PROBLEM_MALFORMED)});
        QCOMPARE(h.Index(), EditorPage(QUIZ_MATH));
    }

    void mathKeysHaveNames()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizOfKind(QUIZ_MATH);
        h.ClickPageButton(QStringLiteral("Add a Problem"));
        const QList<QPushButton*> buttons = h.PageWidget()->findChildren<QPushButton*>();
        QStringList names;
        for (QPushButton* button : buttons)
            if (button->objectName().startsWith(QStringLiteral("key")))
                names << button->accessibleName();
        names.sort();
        QCOMPARE(names,
                 (QStringList{"Divide", "Eight", "Five", "Four", "Minus", "Nine", "One", "Plus",
                              "Point", "Seven", "Six", "Three", "Times", "Two", "Zero"}));
    }

    void spellingWordsAreLowerCase()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        h.Context().m_bSpeechAvailable = true;
        steps.NewQuizOfKind(QUIZ_SPELLING);
        h.ClickPageButton(QStringLiteral("Add a Word"));
        steps.Type(QStringLiteral("wordEdit"), QStringLiteral("ElePHANT"));
        QCOMPARE(steps.TextOf(QStringLiteral("wordEdit")), QStringLiteral("elephant"));
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(steps.FileQuestions(), QStringList{"elephant"});
    }

    void spellingCancelOnAnEmptyPageAsksToSave()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        h.Context().m_bSpeechAvailable = true;
        steps.NewQuizOfKind(QUIZ_SPELLING);
        h.ClickPageButton(QStringLiteral("Add a Word"));
        h.m_prompt.QueueYesNo(true);
        h.Click(IDCANCEL);
        QCOMPARE(h.m_prompt.m_questions, QStringList{CStringTable::Get(IDS_ASK_SAVE_QUESTION)});
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(steps.FileQuestions(), QStringList());
    }

    void spellingEmptiedWordIsRemovedByBack()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        MakeTwo(h, steps, QUIZ_SPELLING);
        steps.SelectLine(1);
        h.ClickPageButton(QStringLiteral("Modify a Word"));
        steps.Retype(QStringLiteral("wordEdit"), QString());
        h.Click(ID_WIZBACK);
        QCOMPARE(h.Index(), EditorPage(QUIZ_SPELLING));
        QCOMPARE(h.Title(), QStringLiteral("Tutorama: Question 1 of 1"));
        QCOMPARE(steps.TextOf(QStringLiteral("wordEdit")), Shown(QUIZ_SPELLING, 1));
        QCOMPARE(steps.FileQuestions(), QStringList{Shown(QUIZ_SPELLING, 1)});
    }

    void pasteReplacesTheSelection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::addRow("math") << int(QUIZ_MATH) << "42"
                              << "6 * 7"
                              << "6 * 7";
        QTest::addRow("spelling") << int(QUIZ_SPELLING) << "cat"
                                  << "Dog"
                                  << "dog";
    }
    void pasteReplacesTheSelection()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizAtEditor(kind);
        steps.Type(EditName(kind), typed);
        auto* box = h.Find<QLineEdit>(EditName(kind));
        box->selectAll();
        QApplication::clipboard()->setText(pasted);
        h.ClickPageButton(QStringLiteral("Paste"));
        QCOMPARE(box->text(), stored);

        // Undo brings back what was there; with the keyboard, paste replaces too.
        QTest::keySequence(box, QKeySequence::Undo);
        QCOMPARE(box->text(), typed);
        box->selectAll();
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), stored);
        h.Click(ID_SHEET_FINISH);
        QCOMPARE(steps.FileQuestions(), QStringList{stored});
        QApplication::clipboard()->clear();
    }

    void pastingAPictureChangesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("math") << int(QUIZ_MATH);
        QTest::addRow("spelling") << int(QUIZ_SPELLING);
    }
    void pastingAPictureChangesNothing()
    {
        QFETCH(int, kind);
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizAtEditor(kind);
        const QString typed = Shown(kind, 1);
        steps.Type(EditName(kind), typed);
        auto* picture = new QMimeData;
        picture->setImageData(QImage(8, 8, QImage::Format_RGB32));
        QApplication::clipboard()->setMimeData(picture);
        auto* box = h.Find<QLineEdit>(EditName(kind));
        box->setFocus();
        box->selectAll();
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), typed);
        QCOMPARE(box->selectedText(), typed);
        h.ClickPageButton(QStringLiteral("Paste"));
        QCOMPARE(box->text(), typed);
        QApplication::clipboard()->clear();
    }

    void spellingUndoWorksAfterACapital()
    {
        CSheetHarness h;
        CMakeSteps steps(h);
        h.Context().m_bSpeechAvailable = true;
        steps.NewQuizOfKind(QUIZ_SPELLING);
        h.ClickPageButton(QStringLiteral("Add a Word"));
        steps.Type(QStringLiteral("wordEdit"), QStringLiteral("caT"));
        auto* box = h.Find<QLineEdit>(QStringLiteral("wordEdit"));
        QCOMPARE(box->text(), QStringLiteral("cat"));
        QVERIFY(box->isUndoAvailable());
        QTest::keySequence(box, QKeySequence::Undo);
        QVERIFY2(box->text().size() < 3, qPrintable(box->text()));
        QTest::keySequence(box, QKeySequence::Redo);
        QCOMPARE(box->text(), QStringLiteral("cat"));
    }

    void lineBreaksAreWrittenAsCrLf_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("statement") << int(QUIZ_TRUE_FALSE);
        QTest::addRow("card") << int(QUIZ_FLASH_CARD);
    }
    void lineBreaksAreWrittenAsCrLf()
    {
        QFETCH(int, kind);
        CSheetHarness h;
        CMakeSteps steps(h);
        steps.NewQuizAtEditor(kind);
        if (kind == QUIZ_TRUE_FALSE) {
            steps.Type(EditName(kind), QStringLiteral("Line one"));
            QTest::keyClick(h.Find<QWidget>(EditName(kind)), Qt::Key_Return);
            steps.Type(EditName(kind), QStringLiteral("Line two"));
            h.ClickPageButton(QStringLiteral("True"));
        } else {
            // Enter turns a card; a line break comes in with pasted text.
            QApplication::clipboard()->setText(QStringLiteral("Line one\nLine two"));
            h.ClickPageButton(QStringLiteral("Paste"));
            QApplication::clipboard()->clear();
            h.ClickPageButton(QStringLiteral("Flip Card"));
            steps.Type(EditName(kind), QStringLiteral("Back"));
        }
        h.Click(ID_SHEET_FINISH);
        QFile file(h.PathOf(QStringLiteral("quiz.qiz")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("Line one\r\nLine two"));
        QVERIFY(!bytes.contains("\r\r"));
        // Read back, the line break is one again.
        QCOMPARE(steps.FileQuestions().value(0), QStringLiteral("Line one\nLine two"));
        // The manager shows the question on one line, as high as any other.
        QCOMPARE(h.Index(), int(PAGE_QUESTION_MANAGER));
        auto* list = h.Find<QListView>(QStringLiteral("questionList"));
        const int lineHeight = list->fontMetrics().height();
        QVERIFY(list->visualRect(list->model()->index(0, 0)).height() < 2 * lineHeight);
        const QImage shot = list->viewport()->grab().toImage();
        const QRgb empty = shot.pixel(shot.width() - 1, shot.height() - 1);
        int top = shot.height();
        int bottom = -1;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixel(x, y) != empty) {
                    top = std::min(top, y);
                    bottom = y;
                }
            }
        }
        QVERIFY2(bottom - top < lineHeight,
                 qPrintable(QStringLiteral("%1-%2").arg(top).arg(bottom)));
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
