// Printing the quiz report (questions and answers) of 1,000 and 10,000
// questions to PDF, against plain QPainter calls that put the same texts in
// the same fonts on as many rows per page of the same printer.
//
// Floor: plain painter = for each question its number, question and answer
// with drawText and one rule under the row, a new page every kRowsPerPage.
// Targets: the report of 10,000 <= 2x the plain painter, and its cost per
// question <= 1.5x that at 1,000. Exit status 1 if missed.

#include "BenchSupport.h"
#include "CQuizPrinter.h"
#include "CTU_QuizDoc.h"
#include "PrintLayout.h"
#include "QuizType.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace bench;

namespace {

constexpr int kSmall = 1000;
constexpr int kLarge = 10000;
constexpr int kRuns = 3;
constexpr double kTargetRatio = 2.0;
constexpr double kGrowthRatio = 1.5;

void Fail(const char* what)
{
    std::fprintf(stderr, "bench_print: %s\n", what);
    std::exit(2);
}

void FillQuiz(CTU_QuizDoc& doc, int questions)
{
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.m_strQuizName = QStringLiteral("report.qiz");
    for (int i = 0; i < questions; ++i) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = QStringLiteral("Capital of country %1?").arg(i);
        question->m_strAnswer = QStringLiteral("City number %1").arg(i);
    }
    doc.m_nQuestionCount = questions;
}

void SetUp(QPrinter& printer, const QString& pdf)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
}

double PrintReport(const CTU_QuizDoc& doc, const QString& pdf)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, pdf);
    const auto start = Clock::now();
    CQuizPrinter report(&printer, nullptr);
    if (!report.PrintQuiz(doc, PrintLayout::PRINT_QUESTIONS_AND_ANSWERS))
        Fail("the report did not print");
    return Milliseconds(Clock::now() - start);
}

double PrintPlain(const CTU_QuizDoc& doc, const QString& pdf)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, pdf);
    const auto start = Clock::now();
    QPainter painter;
    if (!painter.begin(&printer))
        Fail("the plain painter did not start");
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(PrintLayout::TextFontPixels(printer.resolution()));
    painter.setFont(font);
    const int rowHeight = painter.fontMetrics().height() * 2;
    const int width = painter.viewport().width();
    int row = 0;
    for (const auto& question : doc.Questions()) {
        if (row == PrintLayout::kRowsPerPage) {
            printer.newPage();
            row = 0;
        }
        const int y = (row + 2) * rowHeight;
        painter.drawText(0, y, QString::number(row + 1));
        painter.drawText(width / 8, y, question->m_strQuestion);
        painter.drawText(width / 2, y, question->m_strAnswer);
        painter.drawLine(0, y + rowHeight / 2, width, y + rowHeight / 2);
        ++row;
    }
    painter.end();
    return Milliseconds(Clock::now() - start);
}

struct Figures
{
    double report = 0;
    double plain = 0;
    qint64 reportBytes = 0;
};

Figures Measure(int questions, const QString& folder)
{
    CTU_QuizDoc doc;
    FillQuiz(doc, questions);
    const QString reportPdf = folder + QStringLiteral("/report-%1.pdf").arg(questions);
    const QString plainPdf = folder + QStringLiteral("/plain-%1.pdf").arg(questions);
    std::vector<double> report, plain;
    for (int run = 0; run < kRuns; ++run) {
        report.push_back(PrintReport(doc, reportPdf));
        plain.push_back(PrintPlain(doc, plainPdf));
    }
    return {Median(report), Median(plain), QFile(reportPdf).size()};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench_print-XXXXXX"));
    if (!folder.isValid())
        Fail("cannot make a folder here");
    const Figures small = Measure(kSmall, folder.path());
    const Figures large = Measure(kLarge, folder.path());
    if (large.reportBytes <= 0)
        Fail("the report is empty");

    const double ratio = large.report / large.plain;
    const double growth = (large.report / kLarge) / (small.report / kSmall);
    PrintHeading("Printing the quiz report to PDF");
    PrintRow("report of 1,000 questions to PDF", Ms(small.report), Ms(small.plain),
             small.report / small.plain, "(info)", true);
    PrintRow("report of 10,000 questions to PDF", Ms(large.report), Ms(large.plain), ratio, "<= 2",
             ratio <= kTargetRatio);
    PrintRow("report per question, 10,000 vs 1,000",
             QStringLiteral("%1 us").arg(large.report * 1000 / kLarge, 0, 'f', 0),
             QStringLiteral("%1 us").arg(small.report * 1000 / kSmall, 0, 'f', 0), growth, "<= 1.5",
             growth <= kGrowthRatio);
    return ratio <= kTargetRatio && growth <= kGrowthRatio ? 0 : 1;
}
