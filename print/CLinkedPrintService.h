#pragma once

#include "CPrintService.h"

// Printing as this library does it: the print choice dialog and the platform's printer
// dialog. The print module hands it out; tests use it directly.
class CLinkedPrintService final : public CPrintService
{
public:
    QDialog* OpenChoice(CTU_QuizDoc* doc, const QString& adviceDir, CPaletteState* palette,
                        QWidget* parent) override;
    bool ChoosePrinter(QPrinter* printer, QWidget* parent) override;

    static CLinkedPrintService& Instance();
};
