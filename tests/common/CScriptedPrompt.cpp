#include "CScriptedPrompt.h"

#include <QPrinter>

bool CScriptedPrompt::AskYesNo(const QString& text)
{
    m_questions.append(text);
    if (m_yesNo.isEmpty()) {
        m_unanswered.append(QStringLiteral("yes/no: ") + text);
        return false;
    }
    return m_yesNo.dequeue();
}

void CScriptedPrompt::ShowMessage(const QString& text)
{
    m_messages.append(text);
}

QString CScriptedPrompt::NextFile(const QString& what)
{
    m_dialogs.append(what);
    if (m_files.isEmpty()) {
        m_unanswered.append(what);
        return {};
    }
    return m_files.dequeue();
}

QString CScriptedPrompt::GetOpenFileName(const QString& folder, const QString& filter)
{
    return NextFile(QStringLiteral("open %1 %2").arg(folder, filter));
}

QString CScriptedPrompt::GetSaveFileName(const QString& folder, const QString& filter,
                                         const QString& defaultSuffix)
{
    return NextFile(QStringLiteral("save %1 %2 %3").arg(folder, filter, defaultSuffix));
}

bool CScriptedPrompt::ChoosePrinter(QPrinter* printer, const QString& suggestedFile)
{
    m_dialogs.append(QStringLiteral("printer"));
    m_suggestedFiles.append(suggestedFile);
    if (m_printers.isEmpty()) {
        m_unanswered.append(QStringLiteral("printer"));
        return false;
    }
    const QString path = m_printers.dequeue();
    if (path.isEmpty())
        return false;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return true;
}

void CScriptedPrompt::Clear()
{
    m_questions.clear();
    m_messages.clear();
    m_dialogs.clear();
    m_unanswered.clear();
    m_suggestedFiles.clear();
    m_yesNo.clear();
    m_files.clear();
    m_printers.clear();
}
