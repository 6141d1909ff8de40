#pragma once

#include "CPrompt.h"

class QWidget;

// The real modal questions: message boxes and the standard file and printer dialogs.
class CWidgetPrompt : public CPrompt
{
public:
    void SetParent(QWidget* parent) { m_pParent = parent; }

    Reply AskYesNo(const QString& text, Reply defaultReply) override;
    void ShowMessage(const QString& text) override;
    QString GetOpenFileName(const QString& folder, const QString& filter) override;
    QString GetSaveFileName(const QString& folder, const QString& filter,
                            const QString& defaultSuffix) override;
    bool ChoosePrinter(QPrinter* printer) override;

private:
    QWidget* m_pParent = nullptr;
};
