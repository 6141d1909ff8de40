#pragma once

#include "CQuestionPage.h"

class QLineEdit;
class QPlainTextEdit;

// Page 16: one math problem at a time; the pupil types the answer as a number.
class CMathTakePage : public CQuestionPage
{
    Q_OBJECT

public:
    explicit CMathTakePage(CWizardContext& context, QWidget* parent = nullptr);

    QString Problem() const;

protected:
    void ShowQuestion(CQuestion& question) override;
    bool AcceptsAnswer(CQuestion& question) override;
    void StoreAnswer(CQuestion& question) override;
    QString ProgressFormat(int answered, int left) const override;

private:
    // Under a language that writes a decimal comma, answers are typed and shown with it, and
    // kept and judged with the point as every rule of the program reads numbers.
    static bool WritesDecimalComma();
    static QString AsRead(QString typed);
    static QString AsTyped(QString stored);

    QPlainTextEdit* m_pProblem;
    QLineEdit* m_pAnswer;
};
