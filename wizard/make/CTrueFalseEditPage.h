#pragma once

#include "CEditPage.h"

class CRuledEdit;
class QRadioButton;

// Page 5: one true/false statement per visit, marked True or False.
class CTrueFalseEditPage : public CEditPage
{
    Q_OBJECT

public:
    static constexpr int kNoChoice = -1;
    static constexpr int kTrue = 0;
    static constexpr int kFalse = 1;

    explicit CTrueFalseEditPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CTrueFalseEditPage() override;

    QPushButton* DefaultButton() const override;

protected:
    void ShowQuestion(const CQuestion& question) override;
    void ShowEmptyQuestion() override;
    void FillQuestion(CQuestion& question) const override;
    bool IsComplete() const override;
    void FocusEditor() override;
    void LoadOwnPictures() override;
    void PaintPage(QPainter& painter) override;

private:
    int Choice() const;
    void ShowChoice(int choice);
    void OnChoiceMade();
    void OnPaste();
    QString Statement() const;

    CRuledEdit* m_pStatement;
    QRadioButton* m_pTrue;
    QRadioButton* m_pFalse;
    QPushButton* m_pPaste;
    std::unique_ptr<CDib> m_pLabel;
};
