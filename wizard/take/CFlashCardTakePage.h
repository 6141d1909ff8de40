#pragma once

#include "CQuestionPage.h"

class CRuledEdit;

// Page 14: one side of a card is shown, the pupil types the other side.
class CFlashCardTakePage : public CQuestionPage
{
    Q_OBJECT

public:
    explicit CFlashCardTakePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CFlashCardTakePage() override;

    QString FrontText() const;
    QString BackText() const;

protected:
    void LoadPagePictures() override;
    void ShowQuestion(CQuestion& question) override;
    void StoreAnswer(CQuestion& question) override;
    QString ProgressFormat(int answered, int left) const override;
    void PaintContent(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString ReadAloudText() const override;

private:
    CRuledEdit* AddCardBox(const QString& name, const QRect& geometry);
    CRuledEdit* AnswerBox() const;
    CRuledEdit* ShownBox() const;
    void NameBoxes();

    CRuledEdit* m_pFront;
    CRuledEdit* m_pBack;
    CMarkupLabel* m_pHelp;
    std::unique_ptr<CDib> m_pFrontTop;
    std::unique_ptr<CDib> m_pFrontBottom;
    std::unique_ptr<CDib> m_pBackTop;
    std::unique_ptr<CDib> m_pBackBottom;
};
