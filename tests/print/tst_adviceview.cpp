#include "CAdviceView.h"
#include "CScriptedPrompt.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kAdviceDir = QStringLiteral(TUTORAMA_ADVICE_DIR);
const QString kNotFound = QStringLiteral("Unable to find advice file for printing");
const QString kNotPrinted = QStringLiteral("Unable to print advice file");
constexpr int kMaxAdvicePages = 3;

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf)
{
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfTitle(const QString& pdf)
{
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Title:\\s+(.*)$"), QRegularExpression::MultilineOption)
            .match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

// The words of a text, so that line breaks and tabs do not matter.
QString Words(const QString& text)
{
    return text.simplified();
}

QString PdfText(const QString& pdf, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << QStringLiteral("-layout") << pdf << QStringLiteral("-");
    return Words(RunTool(QStringLiteral("pdftotext"), arguments));
}

// Each paragraph of the document must be found in the printout, after the one before it.
void VerifyParagraphsInOrder(const QTextDocument& document, const QString& printed)
{
    qsizetype from = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString paragraph = Words(block.text());
        if (paragraph.isEmpty())
            continue;
        const qsizetype at = printed.indexOf(paragraph, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing or out of order: ") + paragraph));
        from = at + paragraph.size();
    }
}

QByteArray NumberedLines(int count)
{
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 ";
    for (int i = 1; i <= count; ++i)
        rtf += "Line " + QByteArray::number(i) + " of the long advice.\\par\n";
    return rtf + "}";
}

} // namespace

class TestAdviceView : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void LoadsEveryAdviceDocument_data();
    void LoadsEveryAdviceDocument();
    void TranslatedAdviceKeepsTheEnglishLayout_data();
    void TranslatedAdviceKeepsTheEnglishLayout();
    void RejectsFilesWithoutAdvice_data();
    void RejectsFilesWithoutAdvice();
    void RectanglesCountWholeInchesAndOneInchMargins_data();
    void RectanglesCountWholeInchesAndOneInchMargins();
    void PrintsEveryAdviceDocument_data();
    void PrintsEveryAdviceDocument();
    void LongDocumentContinuesOnTheNextPage();
    void PageBreakStartsANewPage();
    void WidowControlKeepsTwoLinesOnEachSide();
    void HugeTextStillMovesOn();
    void MissingAdviceFileIsReported_data();
    void MissingAdviceFileIsReported();
    void CancelledPrinterIsReported();
    void PrintsWithoutDialogOnTheGivenPrinter();

private:
    QString Write(const QString& name, const QByteArray& data)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return {};
        return file.fileName();
    }

    // Prints the RTF to a Letter-sized PDF and answers its path.
    QString PrintRtf(const QString& name, const QByteArray& rtf)
    {
        CAdviceView view;
        if (!view.LoadFile(Write(name + QStringLiteral(".rtf"), rtf)))
            return {};
        const QString pdf = m_dir.filePath(name + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return view.Print(&printer) ? pdf : QString();
    }

    QTemporaryDir m_dir;
};

void TestAdviceView::LoadsEveryAdviceDocument_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addRow("true/false") << "tfq.rtf"
                                << "How to Write Good True/False Statements"
                                << "What makes a good statement?";
    QTest::addRow("flash cards") << "fcq.rtf"
                                 << "How to Make Good Flash Cards"
                                 << "Tips for good flash cards";
    QTest::addRow("spelling") << "sq.rtf"
                              << "How to Make a Good Spelling List"
                              << "Making your list";
    QTest::addRow("math") << "mq.rtf"
                          << "How to Make Good Math Problems"
                          << "Tips for good problems";
    QTest::addRow("French true/false") << "fr/tfq.rtf"
                                       << "Comment écrire de bonnes affirmations"
                                       << "Qu’est-ce qu’une bonne affirmation";
    QTest::addRow("French flash cards") << "fr/fcq.rtf"
                                        << "Comment faire de bonnes cartes mémoire"
                                        << "Astuces pour de bonnes cartes";
    QTest::addRow("French spelling") << "fr/sq.rtf"
                                     << "Comment faire une bonne liste de dictée"
                                     << "Faire ta liste";
    QTest::addRow("French math") << "fr/mq.rtf"
                                 << "Comment faire de bons calculs"
                                 << "Astuces pour de bons calculs";
    QTest::addRow("Spanish true/false") << "es/tfq.rtf"
                                        << "Cómo escribir buenas afirmaciones de Verdadero o Falso"
                                        << "¿Qué es una buena afirmación?";
    QTest::addRow("Spanish flash cards") << "es/fcq.rtf"
                                         << "Cómo hacer buenas tarjetas"
                                         << "Trucos para hacer buenas tarjetas";
    QTest::addRow("Spanish spelling") << "es/sq.rtf"
                                      << "Cómo hacer una buena lista de dictado"
                                      << "Hacer tu lista";
    QTest::addRow("Spanish math") << "es/mq.rtf"
                                  << "Cómo hacer buenas operaciones"
                                  << "Trucos para hacer buenas operaciones";
}

void TestAdviceView::LoadsEveryAdviceDocument()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    CAdviceView view;
    QVERIFY(view.LoadFile(kAdviceDir + file));
    QCOMPARE(view.FilePath(), kAdviceDir + file);
    QVERIFY(view.isReadOnly());

    const QTextBlock first = view.document()->begin();
    QCOMPARE(first.text(), title);
    QCOMPARE(first.blockFormat().alignment(), Qt::AlignHCenter);
    const QTextCharFormat titleFormat = first.begin().fragment().charFormat();
    QCOMPARE(titleFormat.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    QCOMPARE(titleFormat.fontWeight(), int(QFont::Bold));

    const QString text = view.toPlainText();
    QVERIFY(text.contains(heading));
    QVERIFY2(text.count(QChar(0x2022)) >= 3, "bulleted tips");
    QVERIFY(!text.contains(QLatin1Char('\\')) && !text.contains(QLatin1Char('{')));
    QVERIFY2(!text.contains(QChar::ReplacementCharacter), "a letter the code page lacks");
}

// A translated advice document is laid out like the English one, paragraph for paragraph.
void TestAdviceView::TranslatedAdviceKeepsTheEnglishLayout_data()
{
    QTest::addColumn<QString>("file");
    for (const char* language : {"fr", "es"}) {
        for (const char* file : {"tfq.rtf", "fcq.rtf", "sq.rtf", "mq.rtf"})
            QTest::addRow("%s/%s", language, file) << QStringLiteral("%1/%2").arg(language, file);
    }
}

void TestAdviceView::TranslatedAdviceKeepsTheEnglishLayout()
{
    QFETCH(QString, file);
    CAdviceView english;
    QVERIFY(english.LoadFile(kAdviceDir + file.section(QLatin1Char('/'), 1)));
    CAdviceView translated;
    QVERIFY(translated.LoadFile(kAdviceDir + file));
    QCOMPARE(translated.document()->blockCount(), english.document()->blockCount());
    QTextBlock theirs = english.document()->begin();
    for (QTextBlock ours = translated.document()->begin(); ours.isValid();
         ours = ours.next(), theirs = theirs.next()) {
        const QString where = ours.text().left(40);
        QVERIFY2(ours.text().isEmpty() == theirs.text().isEmpty(), qPrintable(where));
        QVERIFY2(ours.blockFormat().alignment() == theirs.blockFormat().alignment(),
                 qPrintable(where));
        QVERIFY2(ours.blockFormat().leftMargin() == theirs.blockFormat().leftMargin(),
                 qPrintable(where));
        QVERIFY2(ours.blockFormat().textIndent() == theirs.blockFormat().textIndent(),
                 qPrintable(where));
        const QTextCharFormat ourStart = ours.begin().fragment().charFormat();
        const QTextCharFormat theirStart = theirs.begin().fragment().charFormat();
        QVERIFY2(ourStart.fontWeight() == theirStart.fontWeight(), qPrintable(where));
        QVERIFY2(ourStart.foreground() == theirStart.foreground(), qPrintable(where));
    }
}

void TestAdviceView::RejectsFilesWithoutAdvice_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addRow("empty file") << QByteArray();
    QTest::addRow("plain text") << QByteArray("Just some words, not rich text.");
    QTest::addRow("no text") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\par\\par}");
    QTest::addRow("only hidden text") << QByteArray("{\\rtf1 {\\v secret}}");
}

void TestAdviceView::RejectsFilesWithoutAdvice()
{
    QFETCH(QByteArray, data);
    CAdviceView view;
    const QString path = Write(QStringLiteral("advice.rtf"), data);
    QVERIFY(!path.isEmpty());
    QVERIFY(!view.LoadFile(path));
    QVERIFY(!view.LoadFile(m_dir.filePath(QStringLiteral("no such file.rtf"))));
}

void TestAdviceView::RectanglesCountWholeInchesAndOneInchMargins_data()
{
    QTest::addColumn<CAdviceView::PrinterMetrics>("metrics");
    QTest::addColumn<CAdviceView::TwipsRect>("page");
    QTest::addColumn<CAdviceView::TwipsRect>("print");
    // 600 dpi, printable 4800 x 6600 on 5100 x 6800 paper, offsets of 100 pixels.
    QTest::addRow("600 dpi") << CAdviceView::PrinterMetrics{4800, 6600, 600, 600,
                                                            5100, 6800, 100, 100}
                             << CAdviceView::TwipsRect{0, 0, 11520, 15840}
                             << CAdviceView::TwipsRect{1200, 1200, 10560, 14640};
    // Only whole inches of the printable area count for the page.
    QTest::addRow("part inches") << CAdviceView::PrinterMetrics{4850, 6550, 600, 600,
                                                                5100, 6600, 125, 25}
                                 << CAdviceView::TwipsRect{0, 0, 11520, 14400}
                                 << CAdviceView::TwipsRect{1140, 1380, 10500, 14340};
    QTest::addRow("no margins at 1200 dpi")
        << CAdviceView::PrinterMetrics{9920, 14030, 1200, 1200, 9920, 14030, 0, 0}
        << CAdviceView::TwipsRect{0, 0, 11520, 15840}
        << CAdviceView::TwipsRect{1440, 1440, 10464, 15396};
    QTest::addRow("no resolution")
        << CAdviceView::PrinterMetrics{} << CAdviceView::TwipsRect{} << CAdviceView::TwipsRect{};
}

void TestAdviceView::RectanglesCountWholeInchesAndOneInchMargins()
{
    QFETCH(CAdviceView::PrinterMetrics, metrics);
    QFETCH(CAdviceView::TwipsRect, page);
    QFETCH(CAdviceView::TwipsRect, print);
    QVERIFY(CAdviceView::PageRectTwips(metrics) == page);
    QVERIFY(CAdviceView::PrintRectTwips(metrics) == print);
}

void TestAdviceView::PrintsEveryAdviceDocument_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    for (const char* file : {"tfq.rtf", "fcq.rtf", "sq.rtf", "mq.rtf"}) {
        QTest::addRow("%s on Letter", file) << file << QPageSize::Letter;
        QTest::addRow("%s on A4", file) << file << QPageSize::A4;
        // Translations run longer than English: they must still fit the same pages.
        for (const char* language : {"fr", "es"}) {
            QTest::addRow("%s/%s on Letter", language, file)
                << QStringLiteral("%1/%2").arg(language, file) << QPageSize::Letter;
        }
    }
}

void TestAdviceView::PrintsEveryAdviceDocument()
{
    QFETCH(QString, file);
    QFETCH(QPageSize::PageSizeId, paper);
    const QString pdf = m_dir.filePath(QString(file).replace(QLatin1Char('/'), QLatin1Char('_')) +
                                       QStringLiteral(".pdf"));
    CScriptedPrompt prompt;
    prompt.QueuePrinter(pdf);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(paper));

    QVERIFY(CAdviceView::PrintAdvice(prompt, &printer, kAdviceDir, file, true));
    QCOMPARE(prompt.m_messages, QStringList());
    QCOMPARE(prompt.m_dialogs, QStringList{QStringLiteral("printer")});

    const int pages = PageCount(pdf);
    QVERIFY2(pages >= 1 && pages <= kMaxAdvicePages, qPrintable(QString::number(pages)));
    QCOMPARE(PdfTitle(pdf), QStringLiteral("Advice"));

    CAdviceView view;
    QVERIFY(view.LoadFile(kAdviceDir + file));
    VerifyParagraphsInOrder(*view.document(), PdfText(pdf));
    if (QTest::currentTestFailed())
        return;
    // The pages share out the text: together they hold it once, in order.
    QString pagesJoined;
    for (int page = 1; page <= pages; ++page)
        pagesJoined += PdfText(pdf, page) + QLatin1Char(' ');
    QCOMPARE(Words(pagesJoined), PdfText(pdf));
}

void TestAdviceView::LongDocumentContinuesOnTheNextPage()
{
    constexpr int kLines = 150;
    const QString path = Write(QStringLiteral("long.rtf"), NumberedLines(kLines));
    const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
    CAdviceView view;
    QVERIFY(view.LoadFile(path));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(view.Print(&printer));

    const int pages = PageCount(pdf);
    QVERIFY2(pages >= 3 && pages <= 5, qPrintable(QString::number(pages)));
    int expected = 1;
    for (int page = 1; page <= pages; ++page) {
        const QString text = PdfText(pdf, page);
        const QRegularExpression line(QStringLiteral("Line (\\d+) of the long advice\\."));
        int onPage = 0;
        for (const QRegularExpressionMatch& match : line.globalMatch(text)) {
            QCOMPARE(match.captured(1).toInt(), expected);
            ++expected;
            ++onPage;
        }
        QVERIFY2(onPage > 0, "every page holds text");
    }
    QCOMPARE(expected, kLines + 1);
}

void TestAdviceView::WidowControlKeepsTwoLinesOnEachSide()
{
    const QRegularExpression filler(QStringLiteral("Line \\d+ of the long advice\\."));
    const QString full = PrintRtf(QStringLiteral("full"), NumberedLines(100));
    const int linesPerPage = int(PdfText(full, 1).count(filler));
    QVERIFY(linesPerPage > 10);

    // A paragraph of about five lines after ever more one-line paragraphs meets the page's
    // end at each of its lines in turn.
    QByteArray paragraph;
    for (int i = 0; i < 10; ++i)
        paragraph += "Read the question twice before you answer it. ";
    int splits = 0;
    for (int fillers = linesPerPage - 6; fillers <= linesPerPage; ++fillers) {
        QByteArray rtf = NumberedLines(fillers);
        rtf.replace("{\\rtf1\\ansi", "{\\rtf1\\ansi\\widowctrl");
        rtf.insert(rtf.size() - 1, paragraph + "\\par");
        const QString pdf = PrintRtf(QStringLiteral("widows%1").arg(fillers), rtf);
        QVERIFY(!pdf.isEmpty());
        QList<int> paragraphLines; // per page
        for (int page = 1; page <= PageCount(pdf); ++page) {
            const QStringList lines =
                RunTool(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                         QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")})
                    .split(QLatin1Char('\n'));
            paragraphLines << int(std::count_if(lines.begin(), lines.end(), [&](const QString& l) {
                return !l.trimmed().isEmpty() && !filler.match(l).hasMatch();
            }));
        }
        const int withParagraph = int(std::count_if(paragraphLines.begin(), paragraphLines.end(),
                                                    [](int n) { return n > 0; }));
        if (withParagraph < 2)
            continue;
        ++splits;
        QString seen = QStringLiteral("%1 fillers, paragraph lines per page:").arg(fillers);
        for (int n : paragraphLines)
            seen += QLatin1Char(' ') + QString::number(n);
        for (int n : paragraphLines)
            QVERIFY2(n == 0 || n >= 2, qPrintable(seen));
    }
    QVERIFY(splits >= 2); // the page's end fell inside the paragraph
}

void TestAdviceView::PageBreakStartsANewPage()
{
    const QString path =
        Write(QStringLiteral("break.rtf"), "{\\rtf1 First page.\\par\\page Second page.\\par}");
    const QString pdf = m_dir.filePath(QStringLiteral("break.pdf"));
    CAdviceView view;
    QVERIFY(view.LoadFile(path));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(view.Print(&printer));
    QCOMPARE(PageCount(pdf), 2);
    QCOMPARE(PdfText(pdf, 1), QStringLiteral("First page."));
    QCOMPARE(PdfText(pdf, 2), QStringLiteral("Second page."));
}

void TestAdviceView::HugeTextStillMovesOn()
{
    // Letters far taller than the page: each page takes one line, and printing ends.
    const QString path = Write(QStringLiteral("huge.rtf"), "{\\rtf1\\fs99999 A B C}");
    const QString pdf = m_dir.filePath(QStringLiteral("huge.pdf"));
    CAdviceView view;
    QVERIFY(view.LoadFile(path));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(view.Print(&printer));
    const int pages = PageCount(pdf);
    QVERIFY2(pages >= 1 && pages <= 3, qPrintable(QString::number(pages)));
}

void TestAdviceView::MissingAdviceFileIsReported_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addRow("missing folder") << "/nonexistent/advice/"
                                    << "tfq.rtf";
    QTest::addRow("missing file") << kAdviceDir << "nothere.rtf";
    QTest::addRow("no file name") << kAdviceDir << "";
}

void TestAdviceView::MissingAdviceFileIsReported()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    CScriptedPrompt prompt;
    prompt.QueuePrinter(m_dir.filePath(QStringLiteral("never.pdf")));
    QPrinter printer(QPrinter::HighResolution);
    QVERIFY(!CAdviceView::PrintAdvice(prompt, &printer, folder, file, true));
    QCOMPARE(prompt.m_messages, QStringList{kNotFound});
    QCOMPARE(prompt.m_dialogs, QStringList()); // nothing to print, so no printer is asked for
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.pdf"))));
}

void TestAdviceView::CancelledPrinterIsReported()
{
    CScriptedPrompt prompt;
    prompt.QueuePrinter(QString());
    QPrinter printer(QPrinter::HighResolution);
    QVERIFY(
        !CAdviceView::PrintAdvice(prompt, &printer, kAdviceDir, QStringLiteral("sq.rtf"), true));
    QCOMPARE(prompt.m_messages, QStringList{kNotPrinted});
    QCOMPARE(prompt.m_dialogs, QStringList{QStringLiteral("printer")});
}

void TestAdviceView::PrintsWithoutDialogOnTheGivenPrinter()
{
    // A later job of the same print click reuses the printer chosen by the first.
    const QString pdf = m_dir.filePath(QStringLiteral("second.pdf"));
    CScriptedPrompt prompt;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(
        CAdviceView::PrintAdvice(prompt, &printer, kAdviceDir, QStringLiteral("mq.rtf"), false));
    QCOMPARE(prompt.m_dialogs, QStringList());
    QCOMPARE(prompt.m_messages, QStringList());
    QVERIFY(PdfText(pdf).startsWith(QStringLiteral("How to Make Good Math Problems")));
}

QTEST_MAIN(TestAdviceView)
#include "tst_adviceview.moc"
