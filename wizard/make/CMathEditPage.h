#pragma once

#include "CEditPage.h"

class CLineEdit;

// Page 8: one arithmetic problem per visit, entered on a calculator keypad.
// Only the problem is stored; its answer is worked out when the quiz is taken.
class CMathEditPage : public CEditPage
{
    Q_OBJECT

public:
    explicit CMathEditPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CMathEditPage() override;

    QPushButton* DefaultButton() const override;

protected:
    void ShowQuestion(const CQuestion& question) override;
    void ShowEmptyQuestion() override;
    void FillQuestion(CQuestion& question) const override;
    bool IsComplete() const override;
    void FocusEditor() override;
    void LoadOwnPictures() override;
    void ApplyButtonRule() override;
    bool RefuseIncomplete() override;
    void PaintPage(QPainter& painter) override;

private:
    void AddKeypad();
    void PressKey(const QString& appended);
    void ClearProblem();
    void OnPaste();
    int CheckProblem() const;

    CLineEdit* m_pProblem;
    QPushButton* m_pClear;
    QPushButton* m_pPaste;
    std::unique_ptr<CDib> m_pCalculator;
};
