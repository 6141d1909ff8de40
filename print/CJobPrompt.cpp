#include "CJobPrompt.h"

#include "CJobPrinters.h"

CJobPrompt::CJobPrompt(CPrompt* prompt, CJobPrinters* printers)
    : m_pPrompt(prompt), m_pPrinters(printers)
{
}

CPrompt::Reply CJobPrompt::AskYesNo(const QString& text, Reply defaultReply)
{
    return m_pPrompt ? m_pPrompt->AskYesNo(text, defaultReply) : Reply::Cancel;
}

void CJobPrompt::ShowMessage(const QString& text)
{
    if (m_pPrompt)
        m_pPrompt->ShowMessage(text);
}

QString CJobPrompt::GetOpenFileName(const QString& folder, const QString& filter)
{
    return m_pPrompt ? m_pPrompt->GetOpenFileName(folder, filter) : QString();
}

QString CJobPrompt::GetSaveFileName(const QString& folder, const QString& filter,
                                    const QString& defaultSuffix)
{
    return m_pPrompt ? m_pPrompt->GetSaveFileName(folder, filter, defaultSuffix) : QString();
}

bool CJobPrompt::ChoosePrinter(QPrinter* printer)
{
    m_bPrinterAsked = true;
    m_bPrinterChosen = m_pPrinters->Choose(printer);
    return m_bPrinterChosen;
}
