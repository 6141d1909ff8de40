#pragma once

#include "CAdvicePage.h"

// Page 21: advice on making a math quiz.
class CMathAdvicePage : public CAdvicePage
{
    Q_OBJECT

public:
    explicit CMathAdvicePage(CWizardContext& context, QWidget* parent = nullptr);
};
