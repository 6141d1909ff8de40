#pragma once

#include <QPrintDialog>
#include <QString>

// The platform's printer dialog, offering only what the printouts honour: every page, on a
// printer or in a file, with the file named after the quiz.
class CPrinterDialog : public QPrintDialog
{
    Q_OBJECT

public:
    // Printing to a file suggests the printer's document name in the current (quiz) folder.
    explicit CPrinterDialog(QPrinter* printer, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ConfineChoices();

    QString m_strSuggestedFile;
};
