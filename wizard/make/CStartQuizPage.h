#pragma once

#include "CPictureChoicePage.h"

class CDib;
class CPictureButton;
class QLabel;

// Page 1: a new quiz or an existing one.
class CStartQuizPage : public CPictureChoicePage
{
    Q_OBJECT

public:
    explicit CStartQuizPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CStartQuizPage() override;

    void OnSetActive() override;
    int OnWizardBack() override;
    int OnWizardNext() override;
    bool OnQueryCancel() override;

    // The last choice: -1 none yet, 3 New Quiz, 4 Existing Quiz, 0 shown again since.
    int m_nLastChoice = -1;

protected:
    void OnPictureButton(int id) override;
    void PaintPage(QPainter& painter) override;

private:
    void NewQuiz();
    void ExistingQuiz();
    void TellReadOnly();

    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pNewFace;
    std::unique_ptr<CDib> m_pExistingFace;
    CPictureButton* m_pNewButton;
    CPictureButton* m_pExistingButton;
};
