#pragma once

#include "CPrompt.h"

class CJobPrinters;

// Passes every question on to the program's prompt, except the printer
// dialog, which goes through the click's printers so that the choice made
// there serves the later jobs too. It also tells whether that dialog was shown
// and how it ended, for jobs that ask for the printer only once they know
// they have something to print.
class CJobPrompt : public CPrompt
{
public:
    CJobPrompt(CPrompt* prompt, CJobPrinters* printers);

    Reply AskYesNo(const QString& text, Reply defaultReply) override;
    void ShowMessage(const QString& text) override;
    QString GetOpenFileName(const QString& folder, const QString& filter) override;
    QString GetSaveFileName(const QString& folder, const QString& filter,
                            const QString& defaultSuffix) override;
    bool ChoosePrinter(QPrinter* printer) override;

    bool PrinterAsked() const { return m_bPrinterAsked; }
    bool PrinterCancelled() const { return m_bPrinterAsked && !m_bPrinterChosen; }

private:
    CPrompt* m_pPrompt;
    CJobPrinters* m_pPrinters;
    bool m_bPrinterAsked = false;
    bool m_bPrinterChosen = false;
};
