#pragma once

class CPaletteState;
class CTU_QuizDoc;
class QDialog;
class QPrinter;
class QString;
class QWidget;

// What printing offers the rest of the program. The program reaches it through the print
// module (libtutorama-print.so), loaded on the first print, so that start-up does not load
// Qt's printing library; tests link it in.
class CPrintService
{
public:
    // The print choice dialog, opened modally over the sheet; it deletes itself when closed.
    virtual QDialog* OpenChoice(CTU_QuizDoc* doc, const QString& adviceDir, CPaletteState* palette,
                                QWidget* parent) = 0;
    // The printer dialog: false when it was cancelled.
    virtual bool ChoosePrinter(QPrinter* printer, QWidget* parent) = 0;

protected:
    ~CPrintService() = default; // owned by the module or the test
};

// The function the print module exports, CPrintService* TutoramaPrintService(), found by name.
inline constexpr const char* kPrintServiceEntry = "TutoramaPrintService";
