#pragma once

#include "CQuizPage.h"
#include "QuizType.h"

#include <array>

class QButtonGroup;
class QRadioButton;

// Page 3: the kind of the quiz. A kind change drops the questions, so it is
// confirmed first, whichever way the user leaves the page.
class CQuizFormatPage : public CQuizPage
{
    Q_OBJECT

public:
    explicit CQuizFormatPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CQuizFormatPage() override;

    void OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;
    bool OnQueryCancel() override;
    void OnCommand(int id) override;
    QPushButton* DefaultButton() const override;

    int SelectedKind() const { return m_nSelected; }

protected:
    void PaintPage(QPainter& painter) override;

private:
    void Select(int kind);
    // Stores the selected kind and saves; false when the user keeps the questions.
    bool StoreKind();
    QRadioButton* RadioOf(int kind) const;

    QButtonGroup* m_pGroup;
    std::array<QRadioButton*, 4> m_radios{}; // by kind - 1
    QLabel* m_pDescription;
    int m_nSelected = QUIZ_TRUE_FALSE;
    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pSide;
};
