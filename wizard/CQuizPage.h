#pragma once

#include "CWizardContext.h"
#include "SheetMessages.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class CDib;
class CMarkupLabel;
class CQuizSheet;
class QLabel;
class QPushButton;

// The base of every wizard page. A page handles its own Back, Next, Cancel,
// Advice and Finish, then asks the sheet to move. It is armed once per
// activation, so a move request only moves it once.
class CQuizPage : public QWidget
{
    Q_OBJECT

public:
    explicit CQuizPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CQuizPage() override;

    // Becoming the visible page. Pages that ask for next/previous moves end with Arm().
    virtual void OnSetActive() {}
    // WIZ_STAY when the page has asked for its own move; WIZ_DEFAULT_MOVE lets the sheet move.
    virtual int OnWizardBack() { return WIZ_DEFAULT_MOVE; }
    virtual int OnWizardNext() { return WIZ_DEFAULT_MOVE; }
    // true lets the sheet close (only the welcome and score pages do).
    virtual bool OnQueryCancel() { return false; }
    // The sheet's Advice and Finish buttons.
    virtual void OnCommand(int /*id*/) {}
    // The button that Enter presses on this page; null for none.
    virtual QPushButton* DefaultButton() const { return nullptr; }

    // Before the quiz in the document is left (for the welcome page, a new or
    // another quiz, or the end of the program): when it holds questions that
    // are not on disk, asks whether to save it elsewhere, leave it anyway or
    // stay. True when it may be left.
    bool MayLeaveQuiz();

    void SetSheet(CQuizSheet* sheet) { m_pSheet = sheet; }
    CQuizSheet* Sheet() const { return m_pSheet; }

    bool m_bMoveArmed = false;

protected:
    void Arm() { m_bMoveArmed = true; }

    // Requests to the sheet; they are queued and handled in the order posted.
    void PostNextPage();
    void PostPrevPage();
    void PostGoToPage(int index);
    void PostEnableButton(int id, bool focus);
    void PostDisableButton(int id);
    // A direct, synchronous move.
    void GoToPage(int index);
    void SetTitle(const QString& title);

    // Loads a picture into slot (replacing what it held) and makes its palette current.
    void LoadPicture(std::unique_ptr<CDib>& slot, int bitmapId);
    void DrawPicture(QPainter& painter, const CDib* picture, const QPoint& topLeft) const;
    // A help text drawn with the markup renderer from the top-left corner of frame, in the
    // shared normal font; the page gives it its text (SetMarkup) on activation.
    CMarkupLabel* AddHelpText(const QRect& frame);

    // A static text of the page in the shared bold or normal font (applied on activation).
    QLabel* AddLabel(const QString& text, const QRect& geometry, bool bold);
    void ApplyFonts();

    // The quiz file dialogs; an empty path means cancelled.
    QString AskOpenQuizPath();
    QString AskSaveQuizPath();
    // Runs the open dialog and reads the chosen quiz into the (cleared) document.
    bool OpenQuizFromDialog();

    // Pages paint their pictures and help texts here.
    virtual void PaintPage(QPainter& /*painter*/) {}
    void paintEvent(QPaintEvent* event) override;

    CWizardContext& m_context;
    CTU_QuizDoc* m_pDoc;

private:
    void Post(int message, std::intptr_t wParam, std::intptr_t nParam);

    CQuizSheet* m_pSheet = nullptr;
    QList<QLabel*> m_boldLabels;
    QList<QLabel*> m_normalLabels;
};
