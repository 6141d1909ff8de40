#include "CScriptedPrompt.h"

#include <QPrinter>

CPrompt::Reply CScriptedPrompt::AskYesNo(const QString& text, Reply defaultReply)
{
    m_questions.append(text);
    m_defaultReplies.append(defaultReply);
    if (m_yesNo.isEmpty()) {
        m_unanswered.append(QStringLiteral("yes/no: ") + text);
        return Reply::No;
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

bool CScriptedPrompt::ChoosePrinter(QPrinter* printer)
{
    m_dialogs.append(QStringLiteral("printer"));
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
    m_defaultReplies.clear();
    m_messages.clear();
    m_dialogs.clear();
    m_unanswered.clear();
    m_yesNo.clear();
    m_files.clear();
    m_printers.clear();
}
