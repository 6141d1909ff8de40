#pragma once

#include "CEditPage.h"

#include <array>

class CRuledEdit;

// Page 6: one flash card per visit, front and back written in one box that
// Flip Card turns over.
class CFlashCardEditPage : public CEditPage
{
    Q_OBJECT

public:
    enum Side
    {
        SIDE_FRONT = 0,
        SIDE_BACK = 1,
    };

    explicit CFlashCardEditPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CFlashCardEditPage() override;

    QPushButton* DefaultButton() const override;
    int SideShown() const { return m_nSide; }
    // The bitmap ids of the four frame pieces now shown: top, bottom, right, left.
    std::array<int, 4> FramePieces() const;

protected:
    void ShowQuestion(const CQuestion& question) override;
    void ShowEmptyQuestion() override;
    void FillQuestion(CQuestion& question) const override;
    bool IsComplete() const override;
    void FocusEditor() override;
    void LoadOwnPictures() override;
    void PaintPage(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FlipCard();
    void ShowSide(int side);
    void KeepBoxText();
    void OnPaste();

    CRuledEdit* m_pCard;
    QPushButton* m_pFlip;
    QPushButton* m_pPaste;
    QString m_strFront;
    QString m_strBack;
    int m_nSide = SIDE_FRONT;
    bool m_bShowing = false; // the page itself is changing the box
    // Front and back look of each piece: top, bottom, right, left.
    std::array<std::unique_ptr<CDib>, 4> m_frontPieces;
    std::array<std::unique_ptr<CDib>, 4> m_backPieces;
};
