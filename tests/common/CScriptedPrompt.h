#pragma once

#include "CPrompt.h"

#include <QQueue>
#include <QStringList>

// A prompt for tests: answers every modal question from queues filled by the
// test, and records what was asked. A question with no queued answer is
// answered No (a Yes/No question) or Cancel (a dialog) and recorded in
// m_unanswered, so a test never blocks.
class CScriptedPrompt : public CPrompt
{
public:
    void QueueYesNo(bool yes) { m_yesNo.enqueue(yes ? Reply::Yes : Reply::No); }
    // The next Yes/No question is closed with Escape or the close box.
    void QueueCancel() { m_yesNo.enqueue(Reply::Cancel); }
    // The next open or save-as dialog returns this path; an empty path cancels.
    void QueueFile(const QString& path) { m_files.enqueue(path); }
    // The next printer dialog prints to this PDF file; an empty path cancels.
    void QueuePrinter(const QString& pdfPath) { m_printers.enqueue(pdfPath); }

    Reply AskYesNo(const QString& text, Reply defaultReply) override;
    void ShowMessage(const QString& text) override;
    QString GetOpenFileName(const QString& folder, const QString& filter) override;
    QString GetSaveFileName(const QString& folder, const QString& filter,
                            const QString& defaultSuffix) override;
    bool ChoosePrinter(QPrinter* printer) override;

    bool AllAnswersUsed() const
    {
        return m_yesNo.isEmpty() && m_files.isEmpty() && m_printers.isEmpty();
    }
    void Clear();

    QStringList m_questions;       // texts of Yes/No questions, in order
    QList<Reply> m_defaultReplies; // what Enter would have answered each of them
    QStringList m_messages;        // texts of OK messages, in order
    QStringList m_dialogs; // "open <folder> <filter>", "save <folder> <filter> <suffix>", "printer"
    QStringList m_unanswered; // calls that found no queued answer

private:
    QString NextFile(const QString& what);

    QQueue<Reply> m_yesNo;
    QQueue<QString> m_files;
    QQueue<QString> m_printers;
};
