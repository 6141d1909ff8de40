// The arithmetic of the printed layouts: frame, columns, line splitting, rows
// and page breaks, answer texts and the score sheet's numbers.
#include "CJobPrinters.h"
#include "CTU_QuizDoc.h"
#include "PrintLayout.h"
#include "ResourceIds.h"

#include <QTest>

using namespace PrintLayout;

Q_DECLARE_METATYPE(PrintLayout::SplitLine)

namespace {
std::vector<TableEntry> Entries(const QStringList& questions, const QStringList& answers)
{
    std::vector<TableEntry> entries;
    for (int i = 0; i < questions.size(); ++i)
        entries.push_back({i + 1, questions[i], answers.value(i)});
    return entries;
}

// Short words, 70 characters in all: "ab cd ef ...".
QString SeventyCharacters()
{
    QString text;
    for (int i = 0; text.size() < 70; ++i)
        text += QStringLiteral("wxyz ");
    return text.left(70);
}
} // namespace

class TestPrintLayout : public QObject
{
    Q_OBJECT

private slots:
    void splitPrintLine_data();
    void splitPrintLine();
    void splitByWidth_data();
    void splitByWidth();
    void splitAlwaysMakesProgress();
    void seventyCharacterBackTakesThreeRows();
    void printChoiceBlanksOneColumn_data();
    void printChoiceBlanksOneColumn();
    void everyQuestionTakesARow();
    void paginate_data();
    void paginate();
    void frameAndColumns();
    void bannerStaysInsideTheFrame();
    void answerTexts_data();
    void answerTexts();
    void scoreSheet_data();
    void scoreSheet();
    void fileForJob_data();
    void fileForJob();
};

void TestPrintLayout::splitPrintLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("rest");
    QTest::addRow("empty") << QString() << QString() << QString();
    QTest::addRow("short") << "Paris is in France"
                           << "Paris is in France" << QString();
    const QString thirty(30, QLatin1Char('a'));
    QTest::addRow("30 characters stay whole") << thirty << thirty << QString();
    QTest::addRow("31 characters split at a word")
        << "The sun is a star and very hot" + QStringLiteral("!") << "The sun is a star and very "
        << "hot!";
    QTest::addRow("line ends before the word that reaches 30")
        << "aaaaaaaaa bbbbbbbbb ccccccccc ddd"
        << "aaaaaaaaa bbbbbbbbb "
        << "ccccccccc ddd";
    QTest::addRow("a long word is broken")
        << QString(35, QLatin1Char('x')) << QString(30, QLatin1Char('x'))
        << QString(5, QLatin1Char('x'));
    QTest::addRow("a long word after a short one moves whole")
        << "Hi " + QString(40, QLatin1Char('y')) << "Hi " << QString(40, QLatin1Char('y'));
}

void TestPrintLayout::splitPrintLine()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(QString, rest);
    const SplitLine split = SplitPrintLine(text);
    QCOMPARE(split.line, line);
    QCOMPARE(split.rest, rest);
    QCOMPARE(split.line + split.rest, text);
}

void TestPrintLayout::splitByWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("line");
    // Each letter is 10 wide, a capital W 20; blanks at a line's end take no room.
    QTest::addRow("fits") << "ab cd" << 50 << "ab cd";
    QTest::addRow("blank at the end is free") << "abcd efgh" << 40 << "abcd ";
    QTest::addRow("wide letters end the line sooner") << "WW WW WW" << 100 << "WW WW ";
    QTest::addRow("a word wider than the room is broken") << "WWWWWW" << 50 << "WW";
    QTest::addRow("no room still makes progress") << "abc" << 0 << "a";
    QTest::addRow("characters still count")
        << QString(40, QLatin1Char('a')) << 1000 << QString(30, QLatin1Char('a'));
}

void TestPrintLayout::splitByWidth()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(QString, line);
    const TextWidth widthOf = [](const QString& part) {
        return int(part.size() + part.count(QLatin1Char('W'))) * 10 -
               int(part.count(QLatin1Char(' '))) * 5;
    };
    const SplitLine split = SplitPrintLine(text, widthOf, room);
    QCOMPARE(split.line, line);
    QCOMPARE(split.line + split.rest, text);
}

void TestPrintLayout::splitAlwaysMakesProgress()
{
    // A 200-character word: the printout must end, in rows of at most 30 characters.
    const std::vector<TableRow> rows =
        BuildRows(Entries({QString(200, QLatin1Char('z'))}, {QString()}), 0);
    QCOMPARE(int(rows.size()), 7);
    QString joined;
    for (const TableRow& row : rows) {
        QVERIFY(row.question.size() <= kLineChars);
        joined += row.question;
    }
    QCOMPARE(joined, QString(200, QLatin1Char('z')));
}

void TestPrintLayout::seventyCharacterBackTakesThreeRows()
{
    const std::vector<TableRow> rows =
        BuildRows(Entries({QStringLiteral("Front")}, {SeventyCharacters()}), 0);
    QCOMPARE(int(rows.size()), 3);
    QCOMPARE(rows[0].number, 1);
    QCOMPARE(rows[1].number, 0);
    QCOMPARE(rows[2].number, 0);
    QCOMPARE(rows[0].question, QStringLiteral("Front"));
    QVERIFY(rows[1].question.isEmpty());
    QCOMPARE(rows[0].answer + rows[1].answer + rows[2].answer, SeventyCharacters());
    QVERIFY(!rows[0].endsQuestion && !rows[1].endsQuestion && rows[2].endsQuestion);
}

void TestPrintLayout::printChoiceBlanksOneColumn_data()
{
    QTest::addColumn<int>("printWhat");
    QTest::addColumn<bool>("questions");
    QTest::addColumn<bool>("answers");
    QTest::addRow("questions and answers") << int(PRINT_QUESTIONS_AND_ANSWERS) << true << true;
    QTest::addRow("questions only") << int(PRINT_QUESTIONS_ONLY) << true << false;
    QTest::addRow("answers only") << int(PRINT_ANSWERS_ONLY) << false << true;
}

void TestPrintLayout::printChoiceBlanksOneColumn()
{
    QFETCH(int, printWhat);
    QFETCH(bool, questions);
    QFETCH(bool, answers);
    const std::vector<TableRow> rows = BuildRows(
        Entries({"Front one", "Front two"}, {SeventyCharacters(), "Back two"}), printWhat);
    // The same rows whatever is printed, so the sheets line up.
    QCOMPARE(int(rows.size()), 4);
    QCOMPARE(rows[3].number, 2);
    QCOMPARE(!rows[0].question.isEmpty(), questions);
    QCOMPARE(!rows[3].question.isEmpty(), questions);
    QCOMPARE(!rows[0].answer.isEmpty(), answers);
    QCOMPARE(!rows[3].answer.isEmpty(), answers);
    QCOMPARE(rows[0].number, 1);
}

void TestPrintLayout::everyQuestionTakesARow()
{
    const std::vector<TableRow> rows = BuildRows(Entries({"", "Two"}, {"", ""}), 0);
    QCOMPARE(int(rows.size()), 2);
    QCOMPARE(rows[0].number, 1);
    QVERIFY(rows[0].endsQuestion);
}

void TestPrintLayout::paginate_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("pageRows");
    QTest::addRow("empty table") << 0 << QList<int>{0};
    QTest::addRow("one row") << 1 << QList<int>{1};
    QTest::addRow("a full page, no blank page after it") << 40 << QList<int>{40};
    QTest::addRow("41 rows") << 41 << QList<int>{40, 1};
    QTest::addRow("81 rows") << 81 << QList<int>{40, 40, 1};
}

void TestPrintLayout::paginate()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, pageRows);
    const std::vector<PageSpan> pages = Paginate(rows);
    QCOMPARE(int(pages.size()), pageRows.size());
    int first = 0;
    for (int p = 0; p < pageRows.size(); ++p) {
        QCOMPARE(pages[size_t(p)].firstRow, first);
        QCOMPARE(pages[size_t(p)].rowCount, pageRows[p]);
        first += pageRows[p];
    }
}

void TestPrintLayout::frameAndColumns()
{
    PrinterMetrics metrics;
    metrics.dpiX = 300;
    metrics.dpiY = 300;
    metrics.offsetX = 50;
    metrics.offsetY = 60;
    metrics.paperWidth = 2550; // Letter at 300 dpi
    metrics.paperHeight = 3300;
    const PageFrame frame = FrameOf(metrics);
    QCOMPARE(frame.left, 250);
    QCOMPARE(frame.right, 2550 - 50 - 300);
    QCOMPARE(frame.top, 240);

    const TableColumns columns = ColumnsOf(frame);
    QCOMPARE(columns.x1, 250 + 300 + 2);
    QCOMPARE(columns.x2, 250 + 1200 + 2);
    QCOMPARE(columns.right, frame.right);

    QCOMPARE(TitleFontPixels(300), 58);
    QCOMPARE(TextFontPixels(300), 41);
    QCOMPARE(RowHeight(47, 300), 56);
    const TableRows rows = TableRowsOf(frame, 56);
    QCOMPARE(rows.y0, 240 + 205);
    QCOMPARE(rows.headTop, 240 + 205 + 112);
    QCOMPARE(rows.ybase, 240 + 205 + 168);
    QCOMPARE(rows.RowTop(40), rows.ybase + 40 * 56);
}

void TestPrintLayout::bannerStaysInsideTheFrame()
{
    PageFrame wide{100, 3000, 100, 300, 300};
    QCOMPARE(BannerRect(wide), QRect(100, 100, 2000, 200));
    PageFrame a4{300, 2180, 300, 300, 300}; // A4 at 300 dpi: 1880 pixels between margins
    QCOMPARE(BannerRect(a4), QRect(300, 300, 1880, 200));
    // A 720 x 60 banner keeps its proportions: as wide as the box, less high.
    QCOMPARE(FitPicture(QSize(720, 60), BannerRect(wide)), QRect(100, 100, 2000, 166));
    QCOMPARE(FitPicture(QSize(300, 300), QRect(0, 0, 600, 600)), QRect(0, 0, 600, 600));
    QCOMPARE(FitPicture(QSize(100, 200), QRect(5, 5, 2000, 200)), QRect(5, 5, 100, 200));
    QCOMPARE(FitPicture(QSize(), QRect(5, 5, 20, 20)).size(), QSize(0, 0));
}

void TestPrintLayout::answerTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("printed");
    QTest::addRow("true") << int(QUIZ_TRUE_FALSE) << "Ice is cold" << 0 << ""
                          << "True";
    QTest::addRow("false") << int(QUIZ_TRUE_FALSE) << "Fish fly" << 1 << ""
                           << "False";
    QTest::addRow("math") << int(QUIZ_MATH) << "57+41" << 0 << ""
                          << "98.00";
    QTest::addRow("math precedence") << int(QUIZ_MATH) << "2+3*4" << 0 << ""
                                     << "14.00";
    QTest::addRow("math small") << int(QUIZ_MATH) << "1/200" << 0 << ""
                                << "0.005     ";
    QTest::addRow("flash card keeps its case")
        << int(QUIZ_FLASH_CARD) << "Capital of France" << 0 << "Paris"
        << "Paris";
    QTest::addRow("spelling") << int(QUIZ_SPELLING) << "because" << 0 << ""
                              << "";
}

void TestPrintLayout::answerTexts()
{
    QFETCH(int, type);
    QFETCH(QString, question);
    QFETCH(int, answer);
    QFETCH(QString, back);
    QFETCH(QString, printed);
    CQuestion q;
    q.m_strQuestion = question;
    q.m_nAnswer = answer;
    q.m_strAnswer = back;
    QCOMPARE(AnswerText(type, q), printed);
}

void TestPrintLayout::scoreSheet_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("percentLine");
    QTest::addRow("perfect") << 4 << 4 << int(IDB_PRINTED_PERFECT_SCORE) << "That equals 100%.";
    QTest::addRow("three of four") << 4 << 3 << int(IDB_PRINTED_SCORE) << "That equals 75%.";
    QTest::addRow("two of three") << 3 << 2 << int(IDB_PRINTED_SCORE) << "That equals 67%.";
    QTest::addRow("none") << 2 << 0 << int(IDB_PRINTED_SCORE) << "That equals 0%.";
    QTest::addRow("empty quiz") << 0 << 0 << int(IDB_PRINTED_SCORE) << "That equals 0%.";
}

void TestPrintLayout::scoreSheet()
{
    QFETCH(int, questions);
    QFETCH(int, right);
    QFETCH(int, picture);
    QFETCH(QString, percentLine);
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_TRUE_FALSE);
    doc.m_strQuizName = QStringLiteral("Animals %2.qiz");
    for (int i = 0; i < questions; ++i) {
        CQuestion* q = doc.AddQuestion();
        q->m_nAnswer = 0;
        q->m_nResponse = i < right ? 0 : 1;
    }
    const ScoreSheet sheet = ScoreSheetOf(doc);
    QCOMPARE(sheet.correct, right);
    QCOMPARE(sheet.pictureId, picture);
    QCOMPARE(sheet.percentLine, percentLine);
    // The quiz name is taken as it is, even when it looks like a placeholder.
    QCOMPARE(sheet.scoreLine, QStringLiteral("In quiz file Animals %2.qiz you got ") +
                                  QString::number(right) + QStringLiteral(" out of ") +
                                  QString::number(questions) + QStringLiteral(" right."));
}

void TestPrintLayout::fileForJob_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("job");
    QTest::addColumn<QString>("file");
    QTest::addRow("first job") << "/tmp/quiz.pdf" << 1 << "/tmp/quiz.pdf";
    QTest::addRow("second job") << "/tmp/quiz.pdf" << 2 << "/tmp/quiz-2.pdf";
    QTest::addRow("dotted name") << "/tmp/my.quiz.pdf" << 3 << "/tmp/my.quiz-3.pdf";
    QTest::addRow("no suffix") << "/tmp/quiz" << 2 << "/tmp/quiz-2";
    QTest::addRow("no file") << "" << 2 << "";
}

void TestPrintLayout::fileForJob()
{
    QFETCH(QString, chosen);
    QFETCH(int, job);
    QFETCH(QString, file);
    QCOMPARE(CJobPrinters::FileForJob(chosen, job), file);
}

QTEST_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
