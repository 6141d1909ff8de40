#include "CLinkedPrintService.h"

#include "CPrintChoiceDlg.h"
#include "CPrinterDialog.h"

QDialog* CLinkedPrintService::OpenChoice(CTU_QuizDoc* doc, const QString& adviceDir,
                                         CPaletteState* palette, QWidget* parent)
{
    return CPrintChoiceDlg::Open(doc, adviceDir, palette, parent);
}

bool CLinkedPrintService::ChoosePrinter(QPrinter* printer, QWidget* parent)
{
    CPrinterDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

CLinkedPrintService& CLinkedPrintService::Instance()
{
    static CLinkedPrintService service;
    return service;
}
