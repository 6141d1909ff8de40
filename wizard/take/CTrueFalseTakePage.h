#pragma once

#include "CQuestionPage.h"

class CPictureButton;
class QPlainTextEdit;

// Page 13: one statement at a time; the pupil clicks True or False.
class CTrueFalseTakePage : public CQuestionPage
{
    Q_OBJECT

public:
    explicit CTrueFalseTakePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CTrueFalseTakePage() override;

    QString Statement() const;

protected:
    void LoadPagePictures() override;
    void ShowQuestion(CQuestion& question) override;
    bool AcceptsAnswer(CQuestion& question) override;
    void StoreAnswer(CQuestion& /*question*/) override {}
    int RunFeedback(CQuestion& question) override;
    QString ProgressFormat(int answered, int left) const override;
    void OnPictureButton(int id) override;
    QString ReadAloudText() const override;
    // Enter is Next here: without an answer it does nothing; T, F or Space choose.
    bool EnterPressesFocusedPicture() const override { return false; }

private:
    void ShowChoice(int response);

    std::unique_ptr<CDib> m_pTrueFace;
    std::unique_ptr<CDib> m_pFalseFace;
    CPictureButton* m_pTrue;
    CPictureButton* m_pFalse;
    QPlainTextEdit* m_pStatement;
};
