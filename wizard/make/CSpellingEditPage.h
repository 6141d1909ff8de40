#pragma once

#include "CEditPage.h"

class CCellEdit;
class CVoiceChoice;

// Page 7: one spelling word per visit, typed into letter cells in lower case.
// It has no Advice or Print, stores whatever it holds, and Cancel always asks
// whether to save.
class CSpellingEditPage : public CEditPage
{
    Q_OBJECT

public:
    explicit CSpellingEditPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CSpellingEditPage() override;

    QPushButton* DefaultButton() const override;

protected:
    void ShowQuestion(const CQuestion& question) override;
    void ShowEmptyQuestion() override;
    void FillQuestion(CQuestion& question) const override;
    bool IsComplete() const override;
    void FocusEditor() override;
    void LoadOwnPictures() override;
    bool BackStoresIncomplete() const override { return true; }
    bool CancelAlwaysAsksToSave() const override { return true; }
    void PaintPage(QPainter& painter) override;

private:
    void OnWordChanged(const QString& word);
    void OnPaste();

    CCellEdit* m_pWord;
    QPushButton* m_pPaste;
    CVoiceChoice* m_pVoice;
    bool m_bWordFontMade = false;
    std::unique_ptr<CDib> m_pBoxTop;
    std::unique_ptr<CDib> m_pBoxBottom;
};
