// The print choice dialog as a user meets it: opened by the sheet's Print
// button on each kind of page that shows it, printing to PDF files.
#include "CPdfText.h"
#include "CPrintChoiceDlg.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"
#include "SheetMessages.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {
const QStringList kStatements{"Cats can purr", "Fish can fly", "Snow is cold"};
} // namespace

class TestPrintSheet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fromTheManager();
    void fromAnEditor();
    void fromAQuestionPage();
    void fromTheScorePage();
    void fromAnAdvicePage();
    void cancelledPrinterKeepsTheDialog();

private:
    void WriteQuiz();
    void OpenForMaking();
    void OpenForTaking();
    // Clicks the sheet's Print button and finds the dialog it opens.
    void ClickPrintButton();
    QCheckBox* Box(const char* name) const;
    void Tick(const char* name);
    // Clicks the dialog's Print, printing to the PDF file `name`.
    void PrintTo(const QString& name);
    QStringList LinesOf(const QString& name) const;
    QString Pdf(const QString& name) const { return m_pHarness->PathOf(name); }

    std::unique_ptr<CSheetHarness> m_pHarness;
    CPrintChoiceDlg* m_pDialog = nullptr;
};

void TestPrintSheet::init()
{
    m_pHarness = std::make_unique<CSheetHarness>();
    m_pDialog = nullptr;
    m_pHarness->Context().m_strAdviceDir = QStringLiteral(TUTORAMA_ADVICE_DIR);
    WriteQuiz();
}

void TestPrintSheet::cleanup()
{
    QVERIFY2(m_pHarness->m_prompt.m_unanswered.isEmpty(),
             qPrintable(m_pHarness->m_prompt.m_unanswered.join(", ")));
    m_pHarness.reset();
}

void TestPrintSheet::WriteQuiz()
{
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_TRUE_FALSE);
    doc.m_strQuizName = QStringLiteral("animals.qiz");
    for (int i = 0; i < kStatements.size(); ++i) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = kStatements[i];
        question->m_nAnswer = i == 1 ? 1 : 0;
    }
    QVERIFY(doc.OnSaveDocument(Pdf("animals.qiz")));
}

void TestPrintSheet::OpenForMaking()
{
    m_pHarness->PressPicture(IDB_MAKE_QUIZ_BUTTON);
    m_pHarness->m_prompt.QueueFile(Pdf("animals.qiz"));
    m_pHarness->PressPicture(IDB_EXISTING_QUIZ_BUTTON);
    QCOMPARE(m_pHarness->Index(), int(PAGE_QUESTION_MANAGER));
}

void TestPrintSheet::OpenForTaking()
{
    m_pHarness->m_prompt.QueueFile(Pdf("animals.qiz"));
    m_pHarness->PressPicture(IDB_TAKE_QUIZ_BUTTON);
    QCOMPARE(m_pHarness->Index(), IntroPage(QUIZ_TRUE_FALSE));
    m_pHarness->Click(ID_WIZNEXT);
    QCOMPARE(m_pHarness->Index(), QuestionPage(QUIZ_TRUE_FALSE));
}

void TestPrintSheet::ClickPrintButton()
{
    m_pHarness->Click(ID_SHEET_PRINT);
    m_pDialog = m_pHarness->Sheet()->findChild<CPrintChoiceDlg*>();
    QVERIFY(m_pDialog);
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(m_pDialog->isModal());
    QCOMPARE(m_pDialog->windowTitle(), QStringLiteral("Tutorama Print Dialog"));
}

QCheckBox* TestPrintSheet::Box(const char* name) const
{
    return m_pDialog->findChild<QCheckBox*>(QString::fromLatin1(name));
}

void TestPrintSheet::Tick(const char* name)
{
    QCheckBox* box = Box(name);
    QVERIFY2(box && box->isEnabled(), name);
    const int middle = box->height() / 2;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(middle, middle));
}

void TestPrintSheet::PrintTo(const QString& name)
{
    m_pHarness->m_prompt.QueuePrinter(name.isEmpty() ? QString() : Pdf(name));
    QTest::mouseClick(m_pDialog->findChild<QPushButton*>("printButton"), Qt::LeftButton);
    CSheetHarness::Settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList TestPrintSheet::LinesOf(const QString& name) const
{
    return CPdfText::Lines(CPdfText::Text(Pdf(name)));
}

void TestPrintSheet::fromTheManager()
{
    OpenForMaking();
    ClickPrintButton();
    QVERIFY(m_pDialog);
    QVERIFY(!Box("printQuestion")->isEnabled());
    QVERIFY(!Box("printScore")->isEnabled());
    Tick("printQuiz");
    PrintTo("report.pdf");
    // The dialog has closed and gone; the sheet stays on its page.
    QVERIFY(!m_pHarness->Sheet()->findChild<CPrintChoiceDlg*>());
    QCOMPARE(m_pHarness->Index(), int(PAGE_QUESTION_MANAGER));
    QCOMPARE(m_pHarness->m_prompt.m_dialogs.count(QStringLiteral("printer")), 1);
    QCOMPARE(LinesOf("report.pdf"), QStringList({"No. Question Answer", "1 Cats can purr True",
                                                 "2 Fish can fly False", "3 Snow is cold True"}));
}

void TestPrintSheet::fromAnEditor()
{
    OpenForMaking();
    m_pHarness->ClickPageButton(m_pHarness->Find<QPushButton>("addButton")->text());
    QCOMPARE(m_pHarness->Index(), EditorPage(QUIZ_TRUE_FALSE));
    ClickPrintButton();
    QVERIFY(m_pDialog);
    QVERIFY(!Box("printQuestion")->isEnabled());
    QVERIFY(!Box("printScore")->isEnabled());
    Tick("printQuiz");
    Tick("printAdvice");
    PrintTo("editor.pdf");
    QCOMPARE(m_pHarness->m_prompt.m_dialogs.count(QStringLiteral("printer")), 1);
    QCOMPARE(CPdfText::Title(Pdf("editor.pdf")), QStringLiteral("Tutorama Report"));
    QCOMPARE(LinesOf("editor.pdf").size(), 4);
    QCOMPARE(CPdfText::Title(Pdf("editor-2.pdf")), QStringLiteral("Advice"));
}

void TestPrintSheet::fromAQuestionPage()
{
    OpenForTaking();
    const QString shown = m_pHarness->Doc()->CurrentQuestion()->m_strQuestion;
    ClickPrintButton();
    QVERIFY(m_pDialog);
    QVERIFY(Box("printQuestion")->isEnabled());
    QVERIFY(!Box("printScore")->isEnabled());
    Tick("printQuestion");
    PrintTo("question.pdf");
    QCOMPARE(m_pHarness->Index(), QuestionPage(QUIZ_TRUE_FALSE));
    const QString answer = kStatements.indexOf(shown) == 1 ? "False" : "True";
    QCOMPARE(LinesOf("question.pdf"),
             QStringList({"Tutorama Question", "Question Answer", shown + ' ' + answer}));
}

void TestPrintSheet::fromTheScorePage()
{
    OpenForTaking();
    // Every statement answered, all but the second one rightly.
    CTU_QuizDoc* doc = m_pHarness->Doc();
    for (int i = 0; i < doc->m_nQuestionCount; ++i) {
        CQuestion* question = doc->Question(i);
        question->m_nResponse = i == 1 ? 0 : question->m_nAnswer;
        doc->AcceptAnswer();
    }
    m_pHarness->Sheet()->GoToPage(PAGE_SCORE);
    CSheetHarness::Settle();
    ClickPrintButton();
    QVERIFY(m_pDialog);
    QVERIFY(Box("printScore")->isEnabled());
    Tick("printScore");
    PrintTo("score.pdf");
    QCOMPARE(m_pHarness->Index(), int(PAGE_SCORE));
    QCOMPARE(LinesOf("score.pdf"),
             QStringList({"Your Score", "In quiz file animals.qiz you got 2 out of 3 right.",
                          "That equals 67%."}));
}

void TestPrintSheet::fromAnAdvicePage()
{
    OpenForMaking();
    m_pHarness->Click(ID_SHEET_ADVICE);
    QCOMPARE(m_pHarness->Index(), AdvicePage(QUIZ_TRUE_FALSE));
    ClickPrintButton();
    QVERIFY(m_pDialog);
    Tick("printAdvice");
    PrintTo("advice.pdf");
    QVERIFY(m_pHarness->m_prompt.m_messages.isEmpty());
    QCOMPARE(CPdfText::Title(Pdf("advice.pdf")), QStringLiteral("Advice"));
}

void TestPrintSheet::cancelledPrinterKeepsTheDialog()
{
    OpenForMaking();
    ClickPrintButton();
    QVERIFY(m_pDialog);
    Tick("printQuiz");
    PrintTo(QString()); // no file: the printer dialog is cancelled
    QVERIFY(m_pHarness->Sheet()->findChild<CPrintChoiceDlg*>());
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(QDir(m_pHarness->m_dir.path()).entryList({"*.pdf"}).isEmpty());
    QTest::mouseClick(m_pDialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_pHarness->Sheet()->findChild<CPrintChoiceDlg*>());
}

QTEST_MAIN(TestPrintSheet)
#include "tst_printsheet.moc"
