#pragma once

#include "CQuizPage.h"
#include "QuizType.h"

// The advice on making one kind of quiz: a header, the kind's picture and two
// help texts. Next makes the quiz one of this kind; Back and Cancel return to
// the page that opened the advice, resuming an editor's question.
class CAdvicePage : public CQuizPage
{
    Q_OBJECT

public:
    struct Looks
    {
        int m_nQuizType;
        int m_nHeaderId;
        int m_nSideId;
        int m_nLeftTextId; // 0: the page shows a static text of its own instead
        int m_nRightTextId;
    };

    CAdvicePage(CWizardContext& context, const Looks& looks, QWidget* parent);
    ~CAdvicePage() override;

    void OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;
    bool OnQueryCancel() override;
    QPushButton* DefaultButton() const override;

protected:
    void PaintPage(QPainter& painter) override;
    // Where the page returns to; the spelling page is never opened from an editor.
    virtual void ReturnToOpener();
    // The area below the side picture, where the left text goes.
    static QRect LeftTextRect();

private:
    Looks m_looks;
    CMarkupLabel* m_pLeftText = nullptr;
    CMarkupLabel* m_pRightText;
    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pSide;
};
