#pragma once

#include "CPictureChoicePage.h"

class CDib;
class CPictureButton;
class QLabel;

// Page 0: make a quiz or take one.
class CWelcomePage : public CPictureChoicePage
{
    Q_OBJECT

public:
    explicit CWelcomePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CWelcomePage() override;

    void OnSetActive() override;
    // Take Quiz with a file already chosen (the dialog's, or the command line's).
    void TakeQuizFrom(const QString& path);
    bool OnQueryCancel() override { return true; } // "Close" ends the program

protected:
    void OnPictureButton(int id) override;
    void PaintPage(QPainter& painter) override;

private:
    void MakeQuiz();
    void TakeQuiz();

    CMarkupLabel* m_pHelp = nullptr;
    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pMakeFace;
    std::unique_ptr<CDib> m_pTakeFace;
    CPictureButton* m_pMakeButton;
    CPictureButton* m_pTakeButton;
};
