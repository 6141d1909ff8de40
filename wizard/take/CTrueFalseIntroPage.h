#pragma once

#include "CQuizIntroPage.h"

// Page 9: what a true/false quiz is like, before a run starts.
class CTrueFalseIntroPage : public CQuizIntroPage
{
    Q_OBJECT

public:
    explicit CTrueFalseIntroPage(CWizardContext& context, QWidget* parent = nullptr);

protected:
    QString CountText(int count) const override;
    void OnActivated() override;
};
