#pragma once

#include "CQuizPage.h"

// A page slot whose page is still being built: it shows its title and the
// sheet's button row, and lets the user go back.
class CBlankPage : public CQuizPage
{
    Q_OBJECT

public:
    CBlankPage(CWizardContext& context, const QString& title, QWidget* parent = nullptr);

    void OnSetActive() override { Arm(); }
    bool OnQueryCancel() override;
};
