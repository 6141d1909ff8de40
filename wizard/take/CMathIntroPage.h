#pragma once

#include "CQuizIntroPage.h"

// Page 12: what a math quiz is like, before a run starts.
class CMathIntroPage : public CQuizIntroPage
{
    Q_OBJECT

public:
    explicit CMathIntroPage(CWizardContext& context, QWidget* parent = nullptr);

protected:
    QString CountText(int count) const override;
};
