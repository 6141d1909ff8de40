#pragma once

#include "CQuizIntroPage.h"

class CVoiceChoice;
// Page 11: what a spelling quiz is like, before a run starts.
class CSpellingIntroPage : public CQuizIntroPage
{
    Q_OBJECT

public:
    explicit CSpellingIntroPage(CWizardContext& context, QWidget* parent = nullptr);

protected:
    QString CountText(int count) const override;
    void OnActivated() override;

private:
    CVoiceChoice* m_pVoice;
};
