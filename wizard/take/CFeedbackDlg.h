#pragma once

#include "CFeedbackBase.h"

class QPushButton;

// The verdict on a typed answer (flash card, spelling, math). A wrong first
// try may be tried again or its correct answer viewed; a wrong second try
// shows the correct answer at once.
class CFeedbackDlg : public CFeedbackBase
{
    Q_OBJECT

public:
    // What exec() returns; Enter and Escape give Accepted and Rejected,
    // which mean "Next ?" as well.
    static constexpr int kTryAgain = -1;
    static constexpr int kNext = 1;

    CFeedbackDlg(QWidget* parent, CTU_QuizDoc* doc, CQuestion* question,
                 CPaletteState* palette = nullptr);

    bool IsCorrect() const { return m_bCorrect; }

private:
    QPushButton* AddButton(const QString& caption, const QString& name, int column);
    void ViewCorrectAnswer();

    bool m_bCorrect;
    QPushButton* m_pTryAgain;
    QPushButton* m_pViewAnswer;
    QPushButton* m_pNext;
};
