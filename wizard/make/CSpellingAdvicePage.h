#pragma once

#include "CAdvicePage.h"

class CActorSvr;

// Page 20: advice on making a spelling quiz, with a button that checks that
// the computer can speak.
class CSpellingAdvicePage : public CAdvicePage
{
    Q_OBJECT

public:
    explicit CSpellingAdvicePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CSpellingAdvicePage() override;

    CActorSvr* Actor() const { return m_pActor; }

protected:
    // Only the format page and the manager open this page.
    void ReturnToOpener() override;

private:
    void TestSound();

    CActorSvr* m_pActor;
};
