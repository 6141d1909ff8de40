#pragma once

#include "CFeedbackBase.h"

class CQuizPage;
class QPushButton;

// The verdict on a true/false choice: one try only, so just "Next".
class CTrueFalseFeedbackDlg : public CFeedbackBase
{
    Q_OBJECT

public:
    static constexpr int kNext = 1;

    CTrueFalseFeedbackDlg(CQuizPage* page, CTU_QuizDoc* doc, CQuestion* question,
                          CPaletteState* palette = nullptr);

private:
    QPushButton* m_pNext;
};
