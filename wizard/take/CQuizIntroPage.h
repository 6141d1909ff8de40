#pragma once

#include "CQuizPage.h"

#include <memory>

class CDib;
class CMarkupLabel;
class QLabel;

// What the four introduction pages share: the count line, the banner and side
// pictures, and the moves. Next starts a run of the page's own kind of quiz.
class CQuizIntroPage : public CQuizPage
{
    Q_OBJECT

public:
    CQuizIntroPage(CWizardContext& context, int quizType, int bannerId, int sideId,
                   QWidget* parent = nullptr);
    ~CQuizIntroPage() override;

    void OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;
    bool OnQueryCancel() override;
    QPushButton* DefaultButton() const override;

    QString CountText() const;

protected:
    // The count line for that many questions (a %n text, so each language has its plural forms).
    virtual QString CountText(int count) const = 0;
    // Page-specific work at the end of activation.
    virtual void OnActivated() {}
    // Help texts and other drawing after the pictures.
    virtual void PaintContent(QPainter& /*painter*/) {}
    void PaintPage(QPainter& painter) final;

    // Places the count line (bold, the first text of the page).
    void AddCountLabel(const QRect& geometry);
    // Help texts from the string table, drawn in the frames of the two columns
    // below the count line; 0 leaves a column to the page's own texts.
    void SetHelpTexts(int leftId, int rightId);
    static QRect LeftHelpRect();
    static QRect RightHelpRect();

    const int m_nQuizType;

private:
    const int m_nBannerId;
    const int m_nSideId;
    std::unique_ptr<CDib> m_pBanner;
    std::unique_ptr<CDib> m_pSide;
    QLabel* m_pCount = nullptr;
    int m_nLeftHelpId = 0;
    int m_nRightHelpId = 0;
    CMarkupLabel* m_pLeftHelp = nullptr;
    CMarkupLabel* m_pRightHelp = nullptr;
};
