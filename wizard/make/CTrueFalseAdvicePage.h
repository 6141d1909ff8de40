#pragma once

#include "CAdvicePage.h"

// Page 18: advice on making a true/false quiz.
class CTrueFalseAdvicePage : public CAdvicePage
{
    Q_OBJECT

public:
    explicit CTrueFalseAdvicePage(CWizardContext& context, QWidget* parent = nullptr);
};
