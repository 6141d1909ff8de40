#pragma once

#include "CAdvicePage.h"

// Page 19: advice on making a flash card quiz.
class CFlashCardAdvicePage : public CAdvicePage
{
    Q_OBJECT

public:
    explicit CFlashCardAdvicePage(CWizardContext& context, QWidget* parent = nullptr);
};
