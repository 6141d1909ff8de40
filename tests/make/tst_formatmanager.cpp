#include "CMakeSteps.h"
#include "CQuestionListModel.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

// The quiz format page and the question manager, driven through the real sheet.
class TestFormatManager : public QObject
{
    Q_OBJECT

private:
    // A true/false quiz with these statements, made through the editor; the manager is shown.
    static void MakeTrueFalse(CSheetHarness& harness, const QStringList& statements)
    {
        CMakeSteps steps(harness);
        steps.NewQuizOfKind(QUIZ_TRUE_FALSE);
        harness.ClickPageButton(QStringLiteral("Add a Statement"));
        for (const QString& text : statements) {
            if (&text != &statements.front())
                harness.Click(ID_WIZNEXT);
            steps.WriteStatement(text, !text.contains(QStringLiteral("warm")));
        }
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
    }

    static QString Text(int id) { return CStringTable::Get(id); }
    static QString GroupTitle(CSheetHarness& harness)
    {
        return harness.Find<QGroupBox>(QStringLiteral("questionGroup"))->title();
    }
    static QString Help(CSheetHarness& harness)
    {
        return harness.Find<QLabel>(QStringLiteral("managerHelp"))->text();
    }

private slots:
    void firstVisitSelectsTrueFalse_data()
    {
        QTest::addColumn<bool>("speech");
        QTest::addRow("with speech") << true;
        QTest::addRow("without speech") << false;
    }
    void firstVisitSelectsTrueFalse()
    {
        QFETCH(bool, speech);
        CSheetHarness harness;
        harness.Context().m_bSpeechAvailable = speech;
        harness.StartNewQuiz(QStringLiteral("new.qiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        QVERIFY(harness.Find<QRadioButton>(QStringLiteral("formatRadio1"))->isChecked());
        QCOMPARE(harness.Find<QLabel>(QStringLiteral("formatDescription"))->text(),
                 Text(IDS_TRUE_FALSE_DESCRIPTION));
        QVERIFY(harness.IsShownEnabled(ID_WIZNEXT));
        QVERIFY(harness.IsShownEnabled(ID_SHEET_ADVICE));
        QVERIFY(harness.IsShownEnabled(ID_WIZBACK));
        QVERIFY(!harness.IsShownEnabled(ID_SHEET_PRINT));
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama - new.qiz"));
        auto* spelling = harness.Find<QRadioButton>(QStringLiteral("formatRadio3"));
        QCOMPARE(spelling->isVisible(), speech);
        QCOMPARE(spelling->isEnabled(), speech);
    }

    void eachKindShowsItsDescription_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("description");
        QTest::addRow("flash cards") << int(QUIZ_FLASH_CARD) << int(IDS_FLASH_CARD_DESCRIPTION);
        QTest::addRow("spelling") << int(QUIZ_SPELLING) << int(IDS_SPELLING_DESCRIPTION);
        QTest::addRow("math") << int(QUIZ_MATH) << int(IDS_MATH_DESCRIPTION);
    }
    void eachKindShowsItsDescription()
    {
        QFETCH(int, kind);
        QFETCH(int, description);
        CSheetHarness harness;
        harness.Context().m_bSpeechAvailable = true;
        harness.StartNewQuiz(QStringLiteral("quiz.qiz"));
        CMakeSteps(harness).PickKind(kind);
        QCOMPARE(harness.Find<QLabel>(QStringLiteral("formatDescription"))->text(),
                 Text(description));
        QCOMPARE(harness.Doc()->m_nAdviceType, kind);
        QCOMPARE(harness.Doc()->m_nReturnPage, int(PAGE_QUIZ_FORMAT));
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(CMakeSteps(harness).FileKind(), kind);
        QCOMPARE(harness.Doc()->m_nManagerBackPage, int(PAGE_QUIZ_FORMAT));
    }

    void kindChangeWithQuestionsIsConfirmed()
    {
        CSheetHarness harness;
        CMakeSteps steps(harness);
        MakeTrueFalse(harness, {QStringLiteral("The sun is hot"), QStringLiteral("Ice is warm"),
                                QStringLiteral("Fish swim")});
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        QVERIFY(harness.Find<QRadioButton>(QStringLiteral("formatRadio1"))->isChecked());

        steps.PickKind(QUIZ_MATH);
        harness.m_prompt.QueueYesNo(false);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.m_prompt.m_questions, QStringList{Text(IDS_CONFIRM_CHANGE_QUIZ_TYPE)});
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        QVERIFY(harness.Find<QRadioButton>(QStringLiteral("formatRadio4"))->isChecked());
        QCOMPARE(steps.FileQuestions().size(), 3);
        QCOMPARE(steps.FileKind(), int(QUIZ_TRUE_FALSE));

        harness.m_prompt.QueueYesNo(true);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QCOMPARE(GroupTitle(harness), QStringLiteral("No Math Problems Defined Yet"));
        QVERIFY(steps.ListLines().isEmpty());
        QCOMPARE(steps.FileKind(), int(QUIZ_MATH));
        QCOMPARE(steps.FileQuestions(), QStringList());
        QCOMPARE(steps.FileCount(), 0);
    }

    void sameKindAsksNothing()
    {
        CSheetHarness harness;
        MakeTrueFalse(harness, {QStringLiteral("The sun is hot")});
        harness.Click(ID_WIZBACK);
        CMakeSteps(harness).PickKind(QUIZ_TRUE_FALSE);
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        QVERIFY(harness.m_prompt.m_questions.isEmpty());
        QCOMPARE(CMakeSteps(harness).ListLines(), QStringList{"1. T: The sun is hot"});
    }

    // Back, Cancel and Advice never leave a quiz with questions of another kind.
    void everyWayOutConfirmsAKindChange_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("target");
        QTest::addRow("back, yes") << int(ID_WIZBACK) << true << int(PAGE_NAME_QUIZ);
        QTest::addRow("back, no") << int(ID_WIZBACK) << false << int(PAGE_QUIZ_FORMAT);
        QTest::addRow("cancel, yes") << int(IDCANCEL) << true << int(PAGE_WELCOME);
        QTest::addRow("cancel, no") << int(IDCANCEL) << false << int(PAGE_QUIZ_FORMAT);
        QTest::addRow("advice, yes") << int(ID_SHEET_ADVICE) << true << AdvicePage(QUIZ_FLASH_CARD);
        QTest::addRow("advice, no") << int(ID_SHEET_ADVICE) << false << int(PAGE_QUIZ_FORMAT);
    }
    void everyWayOutConfirmsAKindChange()
    {
        QFETCH(int, button);
        QFETCH(bool, yes);
        QFETCH(int, target);
        CSheetHarness harness;
        CMakeSteps steps(harness);
        MakeTrueFalse(harness, {QStringLiteral("The sun is hot"), QStringLiteral("Ice is warm")});
        harness.Click(ID_WIZBACK);
        steps.PickKind(QUIZ_FLASH_CARD);
        harness.m_prompt.QueueYesNo(yes);
        harness.Click(button);
        QCOMPARE(harness.m_prompt.m_questions, QStringList{Text(IDS_CONFIRM_CHANGE_QUIZ_TYPE)});
        QCOMPARE(harness.Index(), target);
        QCOMPARE(steps.FileKind(), yes ? int(QUIZ_FLASH_CARD) : int(QUIZ_TRUE_FALSE));
        QCOMPARE(steps.FileQuestions().size(), yes ? 0 : 2);
        if (target == PAGE_WELCOME)
            return; // the welcome page lets go of the quiz
        QCOMPARE(harness.Doc()->m_nQuizType, yes ? int(QUIZ_FLASH_CARD) : int(QUIZ_TRUE_FALSE));
        QCOMPARE(int(harness.Doc()->Questions().size()), yes ? 0 : 2);
    }

    void emptyManagerOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("help");
        QTest::addColumn<QStringList>("buttons");
        QTest::addRow("true/false")
            << int(QUIZ_TRUE_FALSE) << "No Statements Defined Yet"
            << int(IDS_TRUE_FALSE_MANAGER_START)
            << QStringList{"Add a Statement", "Modify a Statement", "Delete a Statement"};
        QTest::addRow("flash cards")
            << int(QUIZ_FLASH_CARD) << "No Flash Cards Defined Yet"
            << int(IDS_FLASH_CARD_MANAGER_START)
            << QStringList{"Add a Flash Card", "Modify a Flash Card", "Delete a Flash Card"};
        QTest::addRow("spelling") << int(QUIZ_SPELLING) << "No Spelling Words Defined Yet"
                                  << int(IDS_SPELLING_MANAGER_START)
                                  << QStringList{"Add a Word", "Modify a Word", "Delete a Word"};
        QTest::addRow("math") << int(QUIZ_MATH) << "No Math Problems Defined Yet"
                              << int(IDS_MATH_MANAGER_START)
                              << QStringList{"Add a Problem", "Modify a Problem",
                                             "Delete a Problem"};
    }
    void emptyManagerOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, group);
        QFETCH(int, help);
        QFETCH(QStringList, buttons);
        CSheetHarness harness;
        harness.Context().m_bSpeechAvailable = true;
        CMakeSteps(harness).NewQuizOfKind(kind);
        QCOMPARE(GroupTitle(harness), group);
        QCOMPARE(Help(harness), Text(help));
        QVERIFY(!harness.Find<QListView>(QStringLiteral("questionList"))->isVisible());
        auto* add = harness.Find<QPushButton>(QStringLiteral("addButton"));
        auto* modify = harness.Find<QPushButton>(QStringLiteral("modifyButton"));
        auto* remove = harness.Find<QPushButton>(QStringLiteral("deleteButton"));
        QCOMPARE((QStringList{add->text(), modify->text(), remove->text()}), buttons);
        QVERIFY(add->isEnabled());
        QVERIFY(!modify->isEnabled());
        QVERIFY(!remove->isEnabled());
        QVERIFY(!harness.Button(ID_SHEET_FINISH)->isEnabled());
        QVERIFY(harness.IsShownEnabled(ID_SHEET_ADVICE));
        QVERIFY(harness.IsShownEnabled(ID_SHEET_PRINT));
        QVERIFY(!harness.Button(ID_WIZNEXT)->isVisible());
        QCOMPARE(harness.Button(IDCANCEL)->x(), harness.Sheet()->SlotX(1));
        QCOMPARE(harness.Button(ID_SHEET_FINISH)->x(), harness.Sheet()->SlotX(0));
    }

    void listLinesAndTexts()
    {
        CSheetHarness harness;
        CMakeSteps steps(harness);
        MakeTrueFalse(harness, {QStringLiteral("The sun is hot"), QStringLiteral("Ice is warm")});
        QCOMPARE(steps.ListLines(), (QStringList{"1. T: The sun is hot", "2. F: Ice is warm"}));
        QCOMPARE(GroupTitle(harness), QStringLiteral("Statements:"));
        QCOMPARE(Help(harness), Text(IDS_TRUE_FALSE_MANAGER_HELP));
        QVERIFY(harness.IsShownEnabled(ID_SHEET_FINISH));
        QVERIFY(!harness.Find<QPushButton>(QStringLiteral("modifyButton"))->isEnabled());
        steps.SelectLine(1);
        QVERIFY(harness.Find<QPushButton>(QStringLiteral("modifyButton"))->isEnabled());
        QVERIFY(harness.Find<QPushButton>(QStringLiteral("deleteButton"))->isEnabled());
    }

    void lineOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("line");
        QTest::addRow("true") << int(QUIZ_TRUE_FALSE) << "The sun is hot" << 0 << ""
                              << "1. T: The sun is hot";
        QTest::addRow("false") << int(QUIZ_TRUE_FALSE) << "Ice is warm" << 1 << ""
                               << "1. F: Ice is warm";
        QTest::addRow("card") << int(QUIZ_FLASH_CARD) << "cat" << 0 << "gato"
                              << "1. F: cat  B: gato";
        QTest::addRow("word") << int(QUIZ_SPELLING) << "house" << 0 << ""
                              << "1. house";
        QTest::addRow("problem") << int(QUIZ_MATH) << "57 + 41" << 0 << ""
                                 << "1. 57 + 41";
        QTest::addRow("percent sign") << int(QUIZ_SPELLING) << "100%1" << 0 << ""
                                      << "1. 100%1";
    }
    void lineOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, answer);
        QFETCH(QString, back);
        QFETCH(QString, line);
        CQuestion question;
        question.m_strQuestion = text;
        question.m_nAnswer = answer;
        question.m_strAnswer = back;
        QCOMPARE(CQuestionListModel::LineOf(kind, 1, question), line);
    }

    void deletingRenumbersAndRewritesTheFile()
    {
        CSheetHarness harness;
        CMakeSteps steps(harness);
        MakeTrueFalse(harness, {QStringLiteral("One"), QStringLiteral("Two is warm"),
                                QStringLiteral("Three")});
        steps.SelectLine(1);
        harness.m_prompt.QueueYesNo(false);
        harness.ClickPageButton(QStringLiteral("Delete a Statement"));
        QCOMPARE(harness.m_prompt.m_questions, QStringList{Text(IDS_CONFIRM_DELETE_QUESTION)});
        QCOMPARE(steps.ListLines().size(), 3);
        QVERIFY(!harness.Find<QPushButton>(QStringLiteral("deleteButton"))->isEnabled());

        steps.SelectLine(1);
        harness.m_prompt.QueueYesNo(true);
        harness.ClickPageButton(QStringLiteral("Delete a Statement"));
        QCOMPARE(steps.ListLines(), (QStringList{"1. T: One", "2. T: Three"}));
        QCOMPARE(steps.FileQuestions(), (QStringList{"One", "Three"}));
        QCOMPARE(steps.FileCount(), 2);
        QCOMPARE(harness.Doc()->m_nQuestionCount, 2);

        for (int left = 1; left >= 0; --left) {
            steps.SelectLine(0);
            harness.m_prompt.QueueYesNo(true);
            harness.ClickPageButton(QStringLiteral("Delete a Statement"));
            QCOMPARE(steps.FileQuestions().size(), left);
        }
        QCOMPARE(GroupTitle(harness), QStringLiteral("No Statements Defined Yet"));
        QCOMPARE(Help(harness), Text(IDS_TRUE_FALSE_MANAGER_START));
        QVERIFY(!harness.Button(ID_SHEET_FINISH)->isEnabled());
        QVERIFY(steps.ListLines().isEmpty());
    }

    void modifyAndDeleteNeedASelection()
    {
        CSheetHarness harness;
        MakeTrueFalse(harness, {QStringLiteral("One")});
        auto* list = harness.Find<QListView>(QStringLiteral("questionList"));
        list->setFocus(); // in the list, but nothing selected
        CSheetHarness::Settle();
        harness.ClickPageButton(QStringLiteral("Modify a Statement"));
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        list->setFocus();
        CSheetHarness::Settle();
        harness.ClickPageButton(QStringLiteral("Delete a Statement"));
        QVERIFY(harness.m_prompt.m_questions.isEmpty());
        QCOMPARE(CMakeSteps(harness).FileQuestions(), QStringList{"One"});
    }

    void finishOffersToTakeTheQuiz_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("target");
        QTest::addRow("yes") << true << IntroPage(QUIZ_MATH);
        QTest::addRow("no") << false << int(PAGE_WELCOME);
    }
    void finishOffersToTakeTheQuiz()
    {
        QFETCH(bool, yes);
        QFETCH(int, target);
        CSheetHarness harness;
        CMakeSteps steps(harness);
        steps.NewQuizOfKind(QUIZ_MATH);
        harness.ClickPageButton(QStringLiteral("Add a Problem"));
        steps.WriteProblemOnKeys(QStringLiteral("57+41"));
        harness.Click(ID_SHEET_FINISH);
        harness.m_prompt.QueueYesNo(yes);
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.m_prompt.m_questions, QStringList{Text(IDS_ASK_TAKE_QUIZ_NOW)});
        QCOMPARE(harness.Index(), target);
        QCOMPARE(steps.FileQuestions(), QStringList{"57 + 41"});
    }

    void backCancelAndAdviceOfTheManager()
    {
        CSheetHarness harness;
        CMakeSteps steps(harness);
        steps.NewQuizOfKind(QUIZ_FLASH_CARD);
        harness.Click(ID_SHEET_ADVICE);
        QCOMPARE(harness.Index(), AdvicePage(QUIZ_FLASH_CARD));
        harness.Click(ID_WIZBACK);
        QCOMPARE(harness.Index(), int(PAGE_QUESTION_MANAGER));
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QVERIFY(harness.Sheet()->isVisible());
    }

    // Every line is as wide as the widest, wherever that line is in the list, so the
    // sideways scroll reaches the end of it.
    void longLinesScrollSideways_data()
    {
        QTest::addColumn<int>("longAt");
        QTest::addColumn<QString>("others");
        const QString cat = QStringLiteral("cat");
        QTest::addRow("only line") << 0 << cat;
        QTest::addRow("first of many") << 0 << cat;
        QTest::addRow("in the middle") << 20 << cat;
        QTest::addRow("last") << 39 << cat;
        // The widest line is not the one with the most letters.
        QTest::addRow("wide letters among longer lines") << 33 << QString(160, u'i');
    }
    void longLinesScrollSideways()
    {
        QFETCH(int, longAt);
        QFETCH(QString, others);
        const bool alone = QByteArray(QTest::currentDataTag()) == "only line";
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("long.qiz"));
        CTU_QuizDoc& doc = *harness.Doc();
        doc.SetQuizType(QUIZ_SPELLING);
        const QString longWord = QString(120, u'W');
        for (int i = 0; i < (alone ? 1 : 40); ++i)
            doc.AddQuestion()->m_strQuestion = i == longAt ? longWord : others;
        harness.Sheet()->GoToPage(PAGE_QUESTION_MANAGER);
        CSheetHarness::Settle();
        auto* list = harness.Find<QListView>(QStringLiteral("questionList"));
        const QString line = list->model()->index(longAt, 0).data().toString();
        QCOMPARE(line, QStringLiteral("%1. %2").arg(longAt + 1).arg(longWord));
        const int reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
        QVERIFY2(reach >= list->fontMetrics().horizontalAdvance(line),
                 qPrintable(QStringLiteral("the list reaches %1 pixels").arg(reach)));
    }

    // Another quiz replaces the document while the manager is hidden (Take Quiz from the
    // welcome page): the list must not read the questions that are gone, and shows the new
    // quiz's when the manager is visited again (Review on the score page).
    void listFollowsAReplacedDocument()
    {
        CSheetHarness harness;
        MakeTrueFalse(harness,
                      {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
        auto* list = harness.Find<QListView>(QStringLiteral("questionList"));
        const QAbstractItemModel* model = list->model();
        QCOMPARE(model->rowCount(), 3);
        harness.Click(IDCANCEL);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));

        harness.Doc()->ClearQuestions();
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY(model->index(row, 0).data().toString().isEmpty());
        harness.Doc()->m_strQuizPath = harness.PathOf(QStringLiteral("other.qiz"));
        harness.Doc()->m_nQuizType = QUIZ_TRUE_FALSE;
        harness.Doc()->AddQuestion()->m_strQuestion = QStringLiteral("Four");
        harness.Sheet()->GoToPage(PAGE_QUESTION_MANAGER);
        CSheetHarness::Settle();
        QCOMPARE(CMakeSteps(harness).ListLines(), QStringList{"1. T: Four"});
    }

    // A quiz saved before its kind was chosen has no editor: Add leads to the format page.
    void quizWithoutAKindDoesNotBreakTheManager_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("new") << int(QUIZ_NEW);
        QTest::addRow("none") << int(QUIZ_NONE);
    }
    void quizWithoutAKindDoesNotBreakTheManager()
    {
        QFETCH(int, kind);
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("nokind.qiz"));
        harness.Doc()->m_nQuizType = kind;
        harness.Doc()->AddQuestion()->m_strQuestion = QStringLiteral("odd");
        harness.Sheet()->GoToPage(PAGE_QUESTION_MANAGER);
        CSheetHarness::Settle();
        QCOMPARE(CMakeSteps(harness).ListLines(), QStringList{"1. odd"});
        QVERIFY(!harness.Button(ID_SHEET_ADVICE)->isEnabled());
        harness.ClickPageButton(QStringLiteral("Add  a Question"));
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
    }
};

QTEST_MAIN(TestFormatManager)
#include "tst_formatmanager.moc"
