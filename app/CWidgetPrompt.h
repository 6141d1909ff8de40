#pragma once

#include "CPrompt.h"

class CPrintService;
class QWidget;

// The real modal questions: message boxes and the standard file and printer dialogs.
class CWidgetPrompt : public CPrompt
{
public:
    void SetParent(QWidget* parent) { m_pParent = parent; }
    // Where the printer dialog comes from (the print module's service).
    void SetPrintService(CPrintService* print) { m_pPrint = print; }

    Reply AskYesNo(const QString& text, Reply defaultReply) override;
    void ShowMessage(const QString& text) override;
    void ShowWarning(const QString& text) override;
    int AskChoice(const QString& text, const QStringList& choices, int cancelChoice) override;
    QString GetOpenFileName(const QString& folder, const QString& filter) override;
    QString GetSaveFileName(const QString& folder, const QString& filter,
                            const QString& defaultSuffix) override;
    bool ChoosePrinter(QPrinter* printer) override;

private:
    QWidget* m_pParent = nullptr;
    CPrintService* m_pPrint = nullptr;
};
