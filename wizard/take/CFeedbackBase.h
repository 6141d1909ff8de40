#pragma once

#include <QDialog>

#include <memory>

class CDib;
class CPaletteState;
class CQuestion;
class CTU_QuizDoc;
class QPlainTextEdit;

// What both feedback dialogs share: a picture chosen at random for a right or
// a wrong answer, above a read-only message box that tells the verdict.
class CFeedbackBase : public QDialog
{
    Q_OBJECT

public:
    ~CFeedbackBase() override;

    QString Message() const;
    // The bitmap id of the picture shown.
    int PictureId() const;

    // The picture for a verdict and a random draw: one of three per verdict.
    static int PictureFor(bool correct, int draw);

protected:
    CFeedbackBase(QWidget* parent, CTU_QuizDoc* doc, CQuestion* question, CPaletteState* palette);

    // Seeds the document's random source from the clock, so every answer
    // shows a fresh picture, and loads one for the verdict.
    void ChoosePicture(bool correct);
    void SetMessage(const QString& text);
    // The top of the button row.
    int ButtonTop() const;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    CTU_QuizDoc* m_pDoc;
    CQuestion* m_pQuestion;

private:
    // Tells a screen reader the verdict, which it would not read from an unfocused box.
    void AnnounceMessage();

    CPaletteState* m_pPalette;
    std::unique_ptr<CDib> m_pPicture;
    QRect m_pictureFrame;
    QPlainTextEdit* m_pMessage;
};
