#include "CJobPrinters.h"

#include "CPrompt.h"

#include <QDir>
#include <QFileInfo>

CJobPrinters::CJobPrinters(CPrompt* prompt, const QString& documentName)
    : m_pPrompt(prompt), m_strDocumentName(documentName)
{
}

std::unique_ptr<QPrinter> CJobPrinters::ForJob(bool ask)
{
    if (ask) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!Choose(printer.get()))
            return nullptr;
        return printer;
    }
    if (m_bChosen)
        return LikeChosen();
    return DefaultPrinter();
}

bool CJobPrinters::Choose(QPrinter* printer)
{
    // Each job names its print document itself once it prints.
    printer->setDocName(m_strDocumentName);
    if (!m_pPrompt || !m_pPrompt->ChoosePrinter(printer))
        return false;
    m_bChosen = true;
    m_nJobs = 1;
    m_strPrinterName = printer->printerName();
    m_outputFormat = printer->outputFormat();
    m_strOutputFile = printer->outputFileName();
    m_pageLayout = printer->pageLayout();
    m_nCopies = printer->copyCount();
    m_colorMode = printer->colorMode();
    m_duplex = printer->duplex();
    return true;
}

QString CJobPrinters::FileForJob(const QString& chosenFile, int job)
{
    if (job <= 1 || chosenFile.isEmpty())
        return chosenFile;
    const QFileInfo info(chosenFile);
    QString name = info.completeBaseName() + QLatin1Char('-') + QString::number(job);
    if (!info.suffix().isEmpty())
        name += QLatin1Char('.') + info.suffix();
    return info.dir().filePath(name);
}

std::unique_ptr<QPrinter> CJobPrinters::LikeChosen()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_outputFormat == QPrinter::NativeFormat) {
        printer->setPrinterName(m_strPrinterName);
    } else {
        printer->setOutputFormat(m_outputFormat);
    }
    const int job = ++m_nJobs;
    if (!m_strOutputFile.isEmpty())
        printer->setOutputFileName(FileForJob(m_strOutputFile, job));
    printer->setPageLayout(m_pageLayout);
    printer->setCopyCount(m_nCopies);
    printer->setColorMode(m_colorMode);
    printer->setDuplex(m_duplex);
    return printer;
}

std::unique_ptr<QPrinter> CJobPrinters::DefaultPrinter() const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer->outputFormat() == QPrinter::NativeFormat && !printer->isValid())
        return nullptr;
    return printer;
}
