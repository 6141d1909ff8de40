// The print choice dialog and its jobs, printed to PDF files and read back.
#include "CDib.h"
#include "CPaletteState.h"
#include "CPdfText.h"
#include "CPrintChoiceDlg.h"
#include "CScriptedPrompt.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QCheckBox>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// "wxyz wxyz ...", 70 characters of short words.
QString SeventyCharacters()
{
    QString text;
    while (text.size() < 70)
        text += QStringLiteral("wxyz ");
    return text.left(70);
}
// Also notes the name each printer dialog offers for the printout.
class CNamingPrompt : public CScriptedPrompt
{
public:
    bool ChoosePrinter(QPrinter* printer) override
    {
        m_printoutNames.append(printer->docName());
        return CScriptedPrompt::ChoosePrinter(printer);
    }

    QStringList m_printoutNames;
};
} // namespace

class TestPrintJobs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boxesWhileMaking();
    void quizTicksTheParts();
    void boxesWhileTaking_data();
    void boxesWhileTaking();
    void printChoices_data();
    void printChoices();
    void rowsAndPageBreaks_data();
    void rowsAndPageBreaks();
    void seventyCharacterBackOnThreeRows();
    void mathAndTrueFalseAnswers_data();
    void mathAndTrueFalseAnswers();
    void questionPrintout();
    void questionPrintoutStartsAtTheLeftRuleUnderTheBanner();
    void linesStayInTheirColumns_data();
    void linesStayInTheirColumns();
    void picturesKeepTheirProportions_data();
    void picturesKeepTheirProportions();
    void scoreSheet_data();
    void scoreSheet();
    void picturesPrintAtThePrintersResolution_data();
    void picturesPrintAtThePrintersResolution();
    void oneClickOnePrinterDialog();
    void cancelledPrinterStopsTheRest();
    void nothingTickedClosesWithoutPrinting();
    void cancelClosesWithoutPrinting();
    void unwritableFileIsReported();
    void adviceOfEachKind_data();
    void adviceOfEachKind();
    void adviceOfANewQuizFollowsTheFormatPage();
    void adviceAfterTheQuizAsksNoMore();
    void missingAdviceFileLetsTheRestPrint();
    void cancelledAdvicePrinterStopsTheRest();

private:
    void MakeQuiz(int type, const QStringList& questions, const QStringList& answers = {});
    void CompleteRun(int right);
    CPrintChoiceDlg* OpenDialog(const QString& adviceDir = QStringLiteral(TUTORAMA_ADVICE_DIR));
    void Tick(const char* name);
    void ClickPrint();
    QString Pdf(const QString& name) const { return m_pDir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_pDir; // fresh for every test
    std::unique_ptr<CTU_QuizDoc> m_pDoc;
    CNamingPrompt m_prompt;
    CPaletteState m_palette;
    std::unique_ptr<CPrintChoiceDlg> m_pDialog;
};

void TestPrintJobs::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    m_prompt.Clear();
    m_prompt.m_printoutNames.clear();
    m_pDoc = std::make_unique<CTU_QuizDoc>();
    m_pDoc->SetPrompt(&m_prompt);
    m_pDoc->m_strQuizName = QStringLiteral("Animals.qiz");
}

void TestPrintJobs::cleanup()
{
    m_pDialog.reset();
    QVERIFY2(m_prompt.m_unanswered.isEmpty(), qPrintable(m_prompt.m_unanswered.join(", ")));
}

void TestPrintJobs::MakeQuiz(int type, const QStringList& questions, const QStringList& answers)
{
    m_pDoc->SetQuizType(type);
    m_pDoc->SetMakeMode();
    for (int i = 0; i < questions.size(); ++i) {
        CQuestion* question = m_pDoc->AddQuestion();
        question->m_strQuestion = questions[i];
        question->m_strAnswer = answers.value(i);
        question->m_nAnswer = i % 2;
    }
}

// A true/false run with every question answered, the first `right` of them correctly.
void TestPrintJobs::CompleteRun(int right)
{
    m_pDoc->StartQuiz();
    for (int i = 0; i < m_pDoc->m_nQuestionCount; ++i) {
        CQuestion* question = m_pDoc->Question(i);
        question->m_nResponse = i < right ? question->m_nAnswer : 1 - question->m_nAnswer;
        m_pDoc->AcceptAnswer();
    }
    m_pDoc->m_nCurrent = m_pDoc->m_nQuestionCount - 1;
}

CPrintChoiceDlg* TestPrintJobs::OpenDialog(const QString& adviceDir)
{
    m_pDialog = std::make_unique<CPrintChoiceDlg>(m_pDoc.get(), adviceDir, &m_palette);
    m_pDialog->show();
    return m_pDialog.get();
}

void TestPrintJobs::Tick(const char* name)
{
    QAbstractButton* box = m_pDialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(box, name);
    QVERIFY2(box->isEnabled(), name);
    // On the box itself, as a user clicks it (the row is wider than its text).
    const int middle = box->height() / 2;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(middle, middle));
}

void TestPrintJobs::ClickPrint()
{
    QTest::mouseClick(m_pDialog->findChild<QPushButton*>("printButton"), Qt::LeftButton);
}

void TestPrintJobs::boxesWhileMaking()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"Cats purr", "Dogs fly", "Fish swim"});
    CPrintChoiceDlg* dialog = OpenDialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tutorama Print Dialog"));
    QVERIFY(dialog->findChild<QCheckBox*>("printQuiz")->isEnabled());
    QVERIFY(dialog->findChild<QCheckBox*>("printAdvice")->isEnabled());
    QVERIFY(!dialog->findChild<QCheckBox*>("printQuestion")->isEnabled());
    QVERIFY(!dialog->findChild<QCheckBox*>("printScore")->isEnabled());
    QCOMPARE(dialog->PrintWhat(), 0);
    QVERIFY(dialog->findChild<QRadioButton*>("printPart0")->isChecked());
}

void TestPrintJobs::quizTicksTheParts()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"Cats purr"});
    CPrintChoiceDlg* dialog = OpenDialog();
    const auto parts = dialog->findChildren<QRadioButton*>();
    QCOMPARE(parts.size(), 3);
    for (QRadioButton* part : parts)
        QVERIFY(!part->isEnabled());
    Tick("printQuiz");
    for (QRadioButton* part : parts)
        QVERIFY(part->isEnabled());
    Tick("printQuiz");
    for (QRadioButton* part : parts)
        QVERIFY(!part->isEnabled());
}

void TestPrintJobs::boxesWhileTaking_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("answered");
    QTest::addColumn<bool>("question");
    QTest::addColumn<bool>("score");
    QTest::addRow("first question") << 3 << 0 << true << false;
    QTest::addRow("half way") << 3 << 2 << true << false;
    QTest::addRow("run complete") << 3 << 3 << true << true;
}

void TestPrintJobs::boxesWhileTaking()
{
    QFETCH(int, questions);
    QFETCH(int, answered);
    QFETCH(bool, question);
    QFETCH(bool, score);
    MakeQuiz(QUIZ_TRUE_FALSE, QStringList{"One", "Two", "Three", "Four"}.mid(0, questions));
    m_pDoc->StartQuiz();
    m_pDoc->m_nAnswered = answered;
    CPrintChoiceDlg* dialog = OpenDialog();
    QCOMPARE(dialog->findChild<QCheckBox*>("printQuestion")->isEnabled(), question);
    QCOMPARE(dialog->findChild<QCheckBox*>("printScore")->isEnabled(), score);
}

void TestPrintJobs::printChoices_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("fronts");
    QTest::addColumn<bool>("backs");
    QTest::addRow("questions and answers") << "printPart0" << true << true;
    QTest::addRow("questions only") << "printPart1" << true << false;
    QTest::addRow("answers only") << "printPart2" << false << true;
}

void TestPrintJobs::printChoices()
{
    QFETCH(QString, part);
    QFETCH(bool, fronts);
    QFETCH(bool, backs);
    MakeQuiz(QUIZ_FLASH_CARD, {"Capital of France", "Capital of Italy"}, {"Paris", "Rome"});
    OpenDialog();
    Tick("printQuiz");
    Tick(qPrintable(part));
    m_prompt.QueuePrinter(Pdf("report.pdf"));
    ClickPrint();
    QVERIFY(!m_pDialog->isVisible());
    QCOMPARE(CPdfText::Title(Pdf("report.pdf")), QStringLiteral("Tutorama Report"));
    const QStringList lines = CPdfText::Lines(CPdfText::Text(Pdf("report.pdf")));
    QCOMPARE(lines.value(0), QStringLiteral("No. Question Answer"));
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].startsWith(QStringLiteral("1")));
    QVERIFY(lines[2].startsWith(QStringLiteral("2")));
    QCOMPARE(lines[1].contains(QStringLiteral("Capital of France")), fronts);
    QCOMPARE(lines[2].contains(QStringLiteral("Capital of Italy")), fronts);
    // Printed as stored: the judged texts are never shown in capitals.
    QCOMPARE(lines[1].endsWith(QStringLiteral("Paris")), backs);
    QCOMPARE(lines[2].endsWith(QStringLiteral("Rome")), backs);
    QVERIFY(!lines.join(' ').contains(QStringLiteral("PARIS")));
}

void TestPrintJobs::rowsAndPageBreaks_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<QList<int>>("rowsPerPage");
    QTest::addRow("one") << 1 << QList<int>{1};
    QTest::addRow("forty fill one page") << 40 << QList<int>{40};
    QTest::addRow("forty-one need two") << 41 << QList<int>{40, 1};
    QTest::addRow("eighty-five need three") << 85 << QList<int>{40, 40, 5};
}

void TestPrintJobs::rowsAndPageBreaks()
{
    QFETCH(int, questions);
    QFETCH(QList<int>, rowsPerPage);
    QStringList texts;
    for (int i = 1; i <= questions; ++i)
        texts << QStringLiteral("Statement number %1").arg(i);
    MakeQuiz(QUIZ_TRUE_FALSE, texts);
    OpenDialog();
    Tick("printQuiz");
    m_prompt.QueuePrinter(Pdf("long.pdf"));
    ClickPrint();

    QCOMPARE(CPdfText::PageCount(Pdf("long.pdf")), rowsPerPage.size());
    const QStringList pages = CPdfText::Pages(Pdf("long.pdf"));
    QCOMPARE(pages.size(), rowsPerPage.size());
    int number = 0;
    for (int page = 0; page < pages.size(); ++page) {
        QStringList lines = CPdfText::Lines(pages[page]);
        // The head only on the first page; every other line is one question, in order.
        QCOMPARE(lines.value(0) == QStringLiteral("No. Question Answer"), page == 0);
        if (page == 0)
            lines.removeFirst();
        QCOMPARE(lines.size(), rowsPerPage[page]);
        for (const QString& line : lines) {
            ++number;
            const QString expected = QStringLiteral("%1 Statement number %1 %2")
                                         .arg(number)
                                         .arg(number % 2 == 1 ? "True" : "False");
            QCOMPARE(line, expected);
        }
    }
    QCOMPARE(number, questions);
}

void TestPrintJobs::seventyCharacterBackOnThreeRows()
{
    MakeQuiz(QUIZ_FLASH_CARD, {"Long back", "Next card"}, {SeventyCharacters(), "Short"});
    OpenDialog();
    Tick("printQuiz");
    m_prompt.QueuePrinter(Pdf("cards.pdf"));
    ClickPrint();
    const QStringList lines = CPdfText::Lines(CPdfText::Text(Pdf("cards.pdf")));
    QCOMPARE(lines.size(), 5);
    const QString rowWords = QStringLiteral("wxyz wxyz wxyz wxyz wxyz");
    QCOMPARE(lines[1], QStringLiteral("1 Long back ") + rowWords);
    QCOMPARE(lines[2], rowWords); // no number on the following rows
    QCOMPARE(lines[3], QStringLiteral("wxyz wxyz wxyz wxyz"));
    QCOMPARE(lines[4], QStringLiteral("2 Next card Short"));
}

void TestPrintJobs::mathAndTrueFalseAnswers_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("line");
    QTest::addRow("math") << int(QUIZ_MATH) << "57+41"
                          << "1 57+41 98.00";
    QTest::addRow("math division") << int(QUIZ_MATH) << "7/2"
                                   << "1 7/2 3.50";
    QTest::addRow("math tiny") << int(QUIZ_MATH) << "1/800"
                               << "1 1/800 0.00125";
    QTest::addRow("true") << int(QUIZ_TRUE_FALSE) << "Snow is cold"
                          << "1 Snow is cold True";
    QTest::addRow("spelling") << int(QUIZ_SPELLING) << "because"
                              << "1 because";
}

void TestPrintJobs::mathAndTrueFalseAnswers()
{
    QFETCH(int, type);
    QFETCH(QString, question);
    QFETCH(QString, line);
    MakeQuiz(type, {question});
    OpenDialog();
    Tick("printQuiz");
    m_prompt.QueuePrinter(Pdf("one.pdf"));
    ClickPrint();
    QCOMPARE(CPdfText::Lines(CPdfText::Text(Pdf("one.pdf"))).value(1), line);
}

void TestPrintJobs::questionPrintout()
{
    MakeQuiz(QUIZ_FLASH_CARD, {"Capital of France", "Capital of Italy", "Capital of Spain"},
             {"Paris", "Rome", "Madrid"});
    m_pDoc->StartQuiz();
    m_pDoc->m_nCurrent = 1;
    const QString current = m_pDoc->CurrentQuestion()->m_strQuestion;
    const QString back = m_pDoc->CurrentQuestion()->m_strAnswer;
    OpenDialog();
    Tick("printQuestion");
    m_prompt.QueuePrinter(Pdf("question.pdf"));
    ClickPrint();
    QCOMPARE(CPdfText::Title(Pdf("question.pdf")), QStringLiteral("Tutorama Question"));
    QCOMPARE(CPdfText::PageCount(Pdf("question.pdf")), 1);
    const QStringList lines = CPdfText::Lines(CPdfText::Text(Pdf("question.pdf")));
    QCOMPARE(lines, QStringList({"Tutorama Question", "Question Answer", current + ' ' + back}));
}

void TestPrintJobs::questionPrintoutStartsAtTheLeftRuleUnderTheBanner()
{
    MakeQuiz(QUIZ_FLASH_CARD, {"Capital of France"}, {"Paris"});
    m_pDoc->StartQuiz();
    OpenDialog();
    Tick("printQuestion");
    m_prompt.QueuePrinter(Pdf("question.pdf"));
    ClickPrint();

    constexpr double kPointsPerInch = 72;
    // No empty number column: the question starts at the left rule, an inch from the edge.
    const std::vector<CPdfText::Word> words = CPdfText::Words(Pdf("question.pdf"));
    const auto capital = std::find_if(words.begin(), words.end(), [](const CPdfText::Word& word) {
        return word.text == QLatin1String("Capital");
    });
    QVERIFY(capital != words.end());
    QVERIFY2(capital->box.left() < 1.2 * kPointsPerInch,
             qPrintable(QString::number(capital->box.left())));

    // Clear paper between the banner and the title, read down the left of the page.
    constexpr int kDpi = 100;
    const QImage page = CPdfText::Render(Pdf("question.pdf"), kDpi);
    QVERIFY(!page.isNull());
    const auto inked = [&page](int y) {
        for (int x = kDpi; x < 3 * kDpi; ++x) {
            if (qGray(page.pixel(x, y)) < 200)
                return true;
        }
        return false;
    };
    int y = kDpi; // the banner starts at the top margin
    while (y < page.height() && !inked(y))
        ++y;
    while (y < page.height() && inked(y))
        ++y;
    const int bannerEnd = y;
    while (y < page.height() && !inked(y))
        ++y;
    QVERIFY2(y - bannerEnd >= kDpi / 5,
             qPrintable(QStringLiteral("%1 -> %2").arg(bannerEnd).arg(y)));
}

void TestPrintJobs::linesStayInTheirColumns_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    const QString mountain = QStringLiteral("MOUNT KILIMANJARO IN TANZANIA");
    QTest::addRow("capitals as the question") << mountain << "Africa";
    QTest::addRow("capitals as the answer") << "The highest mountain of Africa" << mountain;
    const QString wide = QStringLiteral("WWWW MMMM WWWW MMMM WWWW MMMM");
    QTest::addRow("wide letters in both") << wide << wide;
}

void TestPrintJobs::linesStayInTheirColumns()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    MakeQuiz(QUIZ_FLASH_CARD, {question}, {answer});
    OpenDialog();
    Tick("printQuiz");
    m_prompt.QueuePrinter(Pdf("capitals.pdf"));
    ClickPrint();

    std::vector<CPdfText::Word> words = CPdfText::Words(Pdf("capitals.pdf"));
    // The head row names the columns; the number follows. The rest is the question's text.
    const auto take = [&words](const char* text) {
        const auto found = std::find_if(words.begin(), words.end(), [text](const auto& word) {
            return word.text == QLatin1String(text);
        });
        CPdfText::Word word = found != words.end() ? *found : CPdfText::Word();
        if (found != words.end())
            words.erase(found);
        return word;
    };
    const double questionLeft = take("Question").box.left();
    const double answerLeft = take("Answer").box.left();
    QVERIFY(!take("No.").text.isEmpty() && !take("1").text.isEmpty() && answerLeft > 0);
    std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) {
        return std::pair(a.box.top(), a.box.left()) < std::pair(b.box.top(), b.box.left());
    });
    const double rightRule = CPdfText::PageWidth(Pdf("capitals.pdf")) - 72;
    QStringList questionWords;
    QStringList answerWords;
    for (const CPdfText::Word& word : words) {
        const QRectF& box = word.box;
        if (box.left() < answerLeft - 1) {
            QVERIFY2(box.right() < answerLeft - 2, qPrintable(word.text));
            questionWords << word.text;
        } else {
            QVERIFY2(box.right() < rightRule, qPrintable(word.text));
            answerWords << word.text;
        }
        QVERIFY(box.left() >= questionLeft - 1);
    }
    // Nothing is lost on the way.
    QCOMPARE(questionWords.join(QLatin1Char(' ')), question);
    QCOMPARE(answerWords.join(QLatin1Char(' ')), answer);
}

void TestPrintJobs::picturesKeepTheirProportions_data()
{
    QTest::addColumn<QString>("box");
    QTest::addRow("quiz report") << "printQuiz";
    QTest::addRow("question") << "printQuestion";
    QTest::addRow("score sheet") << "printScore";
}

void TestPrintJobs::picturesKeepTheirProportions()
{
    QFETCH(QString, box);
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two"});
    CompleteRun(2);
    OpenDialog();
    Tick(qPrintable(box));
    m_prompt.QueuePrinter(Pdf("pictures.pdf"));
    ClickPrint();
    const QList<CPdfText::Image> pictures = CPdfText::Images(Pdf("pictures.pdf"));
    QVERIFY(!pictures.empty());
    // As many dots per inch across as down: the round badge prints round.
    for (const CPdfText::Image& picture : pictures)
        QVERIFY2(std::abs(picture.ppiX - picture.ppiY) <= 0.02 * picture.ppiY,
                 qPrintable(QStringLiteral("%1 x %2").arg(picture.ppiX).arg(picture.ppiY)));
}

void TestPrintJobs::scoreSheet_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("percent");
    QTest::addRow("perfect") << 4 << int(IDB_PRINTED_PERFECT_SCORE) << "That equals 100%.";
    QTest::addRow("imperfect") << 3 << int(IDB_PRINTED_SCORE) << "That equals 75%.";
}

void TestPrintJobs::scoreSheet()
{
    QFETCH(int, right);
    QFETCH(int, picture);
    QFETCH(QString, percent);
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two", "Three", "Four"});
    CompleteRun(right);
    OpenDialog();
    Tick("printScore");
    m_prompt.QueuePrinter(Pdf("score.pdf"));
    ClickPrint();
    QCOMPARE(CPdfText::Title(Pdf("score.pdf")), QStringLiteral("Tutorama Score"));
    QCOMPARE(CPdfText::PageCount(Pdf("score.pdf")), 1);
    const QStringList lines = CPdfText::Lines(CPdfText::Text(Pdf("score.pdf")));
    QCOMPARE(lines,
             QStringList(
                 {"Your Score",
                  QStringLiteral("In quiz file Animals.qiz you got %1 out of 4 right.").arg(right),
                  percent}));
    // The score picture is the last one printed, so its palette is the current one.
    QVERIFY(m_palette.Current() == CDib(picture).Palette());
}

void TestPrintJobs::picturesPrintAtThePrintersResolution_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("pictures");
    QTest::addRow("quiz") << QStringLiteral("printQuiz") << 1;   // the banner
    QTest::addRow("score") << QStringLiteral("printScore") << 2; // banner and score picture
}

void TestPrintJobs::picturesPrintAtThePrintersResolution()
{
    // Printed at 300 dots per inch, every picture carries as many pixels as the paper has dots
    // under it, so its lines and letters are as sharp as the printed text.
    QFETCH(QString, box);
    QFETCH(int, pictures);
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two", "Three", "Four"});
    CompleteRun(3);
    OpenDialog();
    Tick(qPrintable(box));
    m_prompt.QueuePrinter(Pdf("printed.pdf"));
    ClickPrint();
    const QList<CPdfText::Image> images = CPdfText::Images(Pdf("printed.pdf"));
    QCOMPARE(images.size(), pictures);
    for (const CPdfText::Image& image : images) {
        const QString what = QStringLiteral("%1x%2 pixels at %3x%4 ppi")
                                 .arg(image.pixels.width())
                                 .arg(image.pixels.height())
                                 .arg(image.ppiX)
                                 .arg(image.ppiY);
        QVERIFY2(image.ppiX >= 295 && image.ppiX <= 305, qPrintable(what));
        QVERIFY2(image.ppiY >= 295 && image.ppiY <= 305, qPrintable(what));
    }
}

void TestPrintJobs::oneClickOnePrinterDialog()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two"});
    CompleteRun(2);
    OpenDialog();
    Tick("printQuiz");
    Tick("printQuestion");
    Tick("printScore");
    m_prompt.QueuePrinter(Pdf("all.pdf"));
    ClickPrint();
    QCOMPARE(m_prompt.m_dialogs, QStringList{"printer"});
    // A printout to a file is named after the quiz.
    QCOMPARE(m_prompt.m_printoutNames, QStringList{"Animals"});
    QCOMPARE(m_pDialog->result(), int(QDialog::Accepted));
    // In order, each its own document beside the chosen file.
    QCOMPARE(CPdfText::Title(Pdf("all.pdf")), QStringLiteral("Tutorama Report"));
    QCOMPARE(CPdfText::Title(Pdf("all-2.pdf")), QStringLiteral("Tutorama Question"));
    QCOMPARE(CPdfText::Title(Pdf("all-3.pdf")), QStringLiteral("Tutorama Score"));
}

void TestPrintJobs::cancelledPrinterStopsTheRest()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two"});
    CompleteRun(1);
    OpenDialog();
    Tick("printQuiz");
    Tick("printScore");
    m_prompt.QueuePrinter(QString()); // the user cancels the printer dialog
    ClickPrint();
    QCOMPARE(m_prompt.m_dialogs, QStringList{"printer"});
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(QDir(m_pDir->path()).entryList({"*.pdf"}).isEmpty());
    QVERIFY(m_prompt.m_messages.isEmpty());

    // The next click asks again, once.
    m_prompt.QueuePrinter(Pdf("again.pdf"));
    ClickPrint();
    QCOMPARE(m_prompt.m_dialogs, QStringList({"printer", "printer"}));
    QVERIFY(!m_pDialog->isVisible());
    QCOMPARE(CPdfText::Title(Pdf("again.pdf")), QStringLiteral("Tutorama Report"));
    QCOMPARE(CPdfText::Title(Pdf("again-2.pdf")), QStringLiteral("Tutorama Score"));
}

void TestPrintJobs::nothingTickedClosesWithoutPrinting()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One"});
    OpenDialog();
    ClickPrint();
    QVERIFY(!m_pDialog->isVisible());
    QVERIFY(m_prompt.m_dialogs.isEmpty());
}

void TestPrintJobs::cancelClosesWithoutPrinting()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One"});
    OpenDialog();
    Tick("printQuiz");
    QTest::mouseClick(m_pDialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QVERIFY(!m_pDialog->isVisible());
    QCOMPARE(m_pDialog->result(), int(QDialog::Rejected));
    QVERIFY(m_prompt.m_dialogs.isEmpty());
}

void TestPrintJobs::unwritableFileIsReported()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One"});
    OpenDialog();
    Tick("printQuiz");
    m_prompt.QueuePrinter(m_pDir->filePath("no such folder/report.pdf"));
    ClickPrint();
    QCOMPARE(m_prompt.m_messages,
             QStringList{"Unable to print. Please check the printer and try again."});
    QVERIFY(m_pDialog->isVisible());
}

void TestPrintJobs::adviceOfEachKind_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");
    QTest::addRow("true/false") << int(QUIZ_TRUE_FALSE) << "tfq.rtf";
    QTest::addRow("flash cards") << int(QUIZ_FLASH_CARD) << "fcq.rtf";
    QTest::addRow("spelling") << int(QUIZ_SPELLING) << "sq.rtf";
    QTest::addRow("math") << int(QUIZ_MATH) << "mq.rtf";
}

void TestPrintJobs::adviceOfEachKind()
{
    QFETCH(int, type);
    QFETCH(QString, file);
    QCOMPARE(CPrintChoiceDlg::AdviceFileOf(type), file);
    MakeQuiz(type, {"1+1"});
    OpenDialog();
    Tick("printAdvice");
    m_prompt.QueuePrinter(Pdf("advice.pdf"));
    ClickPrint();
    QVERIFY2(m_prompt.m_messages.isEmpty(), qPrintable(m_prompt.m_messages.join(", ")));
    QVERIFY(!m_pDialog->isVisible());
    QCOMPARE(CPdfText::Title(Pdf("advice.pdf")), QStringLiteral("Advice"));
    QVERIFY(CPdfText::PageCount(Pdf("advice.pdf")) >= 1);
    QVERIFY(CPdfText::Text(Pdf("advice.pdf")).simplified().size() > 200);
}

void TestPrintJobs::adviceOfANewQuizFollowsTheFormatPage()
{
    MakeQuiz(QUIZ_MATH, {});
    OpenDialog();
    Tick("printAdvice");
    m_prompt.QueuePrinter(Pdf("math.pdf"));
    ClickPrint();
    const QString mathAdvice = CPdfText::Text(Pdf("math.pdf"));
    QVERIFY(!mathAdvice.isEmpty());

    init();
    MakeQuiz(QUIZ_NEW, {});
    m_pDoc->m_nAdviceType = QUIZ_MATH; // the kind last looked at on the format page
    OpenDialog();
    Tick("printAdvice");
    m_prompt.QueuePrinter(Pdf("new.pdf"));
    ClickPrint();
    QCOMPARE(CPdfText::Title(Pdf("new.pdf")), QStringLiteral("Advice"));
    QCOMPARE(CPdfText::Text(Pdf("new.pdf")), mathAdvice);
}

void TestPrintJobs::adviceAfterTheQuizAsksNoMore()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One"});
    OpenDialog();
    Tick("printQuiz");
    Tick("printAdvice");
    m_prompt.QueuePrinter(Pdf("both.pdf"));
    ClickPrint();
    QCOMPARE(m_prompt.m_dialogs, QStringList{"printer"});
    QCOMPARE(CPdfText::Title(Pdf("both.pdf")), QStringLiteral("Tutorama Report"));
    QCOMPARE(CPdfText::Title(Pdf("both-2.pdf")), QStringLiteral("Advice"));
}

void TestPrintJobs::missingAdviceFileLetsTheRestPrint()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two"});
    CompleteRun(2);
    OpenDialog(m_pDir->filePath(QStringLiteral("no advice here/")));
    Tick("printAdvice");
    Tick("printScore");
    m_prompt.QueuePrinter(Pdf("score.pdf"));
    ClickPrint();
    QCOMPARE(m_prompt.m_messages, QStringList{"Unable to find advice file for printing"});
    // The advice never asked for a printer, so the score does.
    QCOMPARE(m_prompt.m_dialogs, QStringList{"printer"});
    QCOMPARE(CPdfText::Title(Pdf("score.pdf")), QStringLiteral("Tutorama Score"));
    QVERIFY(!m_pDialog->isVisible());
}

void TestPrintJobs::cancelledAdvicePrinterStopsTheRest()
{
    MakeQuiz(QUIZ_TRUE_FALSE, {"One", "Two"});
    CompleteRun(2);
    OpenDialog();
    Tick("printAdvice");
    Tick("printScore");
    m_prompt.QueuePrinter(QString());
    ClickPrint();
    QCOMPARE(m_prompt.m_messages, QStringList{"Unable to print advice file"});
    QCOMPARE(m_prompt.m_dialogs, QStringList{"printer"});
    QVERIFY(QDir(m_pDir->path()).entryList({"*.pdf"}).isEmpty());
    QVERIFY(m_pDialog->isVisible());
}

QTEST_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"
