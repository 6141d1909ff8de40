#include "CPrinterDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QPrinter>

CPrinterDialog::CPrinterDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent)
{
    if (!printer->docName().isEmpty())
        m_strSuggestedFile = QDir::current().filePath(printer->docName() + QStringLiteral(".pdf"));
    setObjectName(QStringLiteral("printerDialog"));
    // Every printout prints whole: a page range or a selection would be ignored.
    setOption(PrintPageRange, false);
    setOption(PrintSelection, false);
    setOption(PrintCurrentPage, false);
    setOption(PrintToFile, true);
}

void CPrinterDialog::showEvent(QShowEvent* event)
{
    QPrintDialog::showEvent(event);
    ConfineChoices();
}

void CPrinterDialog::ConfineChoices()
{
    // Qt's dialog opens its page range choices on showing whatever the options say, and
    // names the file "print.pdf" on some window systems and nothing on others. Its controls
    // are reached by their names; a dialog without them keeps its own.
    for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
        if (auto* control = findChild<QWidget*>(QLatin1String(name)))
            control->setEnabled(false);
    }
    for (const char* name : {"printSelection", "printCurrentPage"}) {
        if (auto* control = findChild<QWidget*>(QLatin1String(name)))
            control->hide();
    }
    auto* file = findChild<QLineEdit*>(QStringLiteral("filename"));
    if (file && !m_strSuggestedFile.isEmpty())
        file->setText(QDir::toNativeSeparators(m_strSuggestedFile));
}
