#pragma once

#include "CQuizIntroPage.h"

class QRadioButton;

// Page 10: what a flash card quiz is like, and whether the pupil sees the
// fronts of the cards (and types the backs) or the other way round.
class CFlashCardIntroPage : public CQuizIntroPage
{
    Q_OBJECT

public:
    explicit CFlashCardIntroPage(CWizardContext& context, QWidget* parent = nullptr);

protected:
    QString CountText(int count) const override;
    void OnActivated() override;

private:
    QRadioButton* m_pShowFronts;
    QRadioButton* m_pShowBacks;
};
