#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QString>

#include <memory>

class CPrompt;

// The printers of the jobs of one click on "Print". The first job asks for the
// printer; every later job of the same click prints where the user chose,
// without asking again. When the choice was a file, each later job gets a file
// of its own beside it ("quiz.pdf", "quiz-2.pdf", ...), so no job overwrites
// another.
class CJobPrinters
{
public:
    // The printer dialog names the printout documentName (a file printed to takes the name).
    CJobPrinters(CPrompt* prompt, const QString& documentName);

    // A printer for the next job: shows the printer dialog when ask is set,
    // else one like the printer chosen earlier in this click (the system's
    // default printer when none was). Null when the dialog was cancelled or
    // there is no printer.
    std::unique_ptr<QPrinter> ForJob(bool ask);

    // Shows the printer dialog on printer and, when confirmed, remembers the choice.
    bool Choose(QPrinter* printer);
    bool HasChosen() const { return m_bChosen; }

    // The file the job with this 1-based number writes when the choice is a file.
    static QString FileForJob(const QString& chosenFile, int job);

private:
    std::unique_ptr<QPrinter> LikeChosen();
    std::unique_ptr<QPrinter> DefaultPrinter() const;

    CPrompt* m_pPrompt;
    QString m_strDocumentName;
    bool m_bChosen = false;
    int m_nJobs = 0;
    QString m_strPrinterName;
    QPrinter::OutputFormat m_outputFormat = QPrinter::NativeFormat;
    QString m_strOutputFile;
    QPageLayout m_pageLayout;
    int m_nCopies = 1;
    QPrinter::ColorMode m_colorMode = QPrinter::Color;
    QPrinter::DuplexMode m_duplex = QPrinter::DuplexNone;
};
