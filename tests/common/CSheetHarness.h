#pragma once

#include "CQuizApp.h"
#include "CScriptedPrompt.h"

#include <QTemporaryDir>
#include <QWidget>

class CQuizPage;
class CQuizSheet;
class CTU_QuizDoc;
class QPushButton;

// The real sheet with its 22 pages, built as the program builds it, on the
// offscreen platform, with every modal question answered by a script.
class CSheetHarness
{
public:
    CSheetHarness();
    ~CSheetHarness();

    CScriptedPrompt m_prompt;
    QTemporaryDir m_dir; // the quiz folder

    CQuizSheet* Sheet() const { return m_pSheet; }
    CTU_QuizDoc* Doc() const { return m_app.Doc(); }
    CWizardContext& Context() { return m_app.Context(); }
    int Index() const;
    CQuizPage* Page() const;
    QString Title() const;
    // A path in the quiz folder.
    QString PathOf(const QString& fileName) const { return m_dir.filePath(fileName); }

    // Handles every posted message, as the event loop would between two user actions.
    static void Settle();

    // A button of the sheet's row (IDCANCEL, ID_WIZNEXT ... ID_SHEET_PRINT).
    QPushButton* Button(int id) const;
    // Whether a sheet button is shown and usable.
    bool IsShownEnabled(int id) const;
    // Clicks a sheet button with the mouse, then settles.
    void Click(int id);
    // Presses a picture button of the current page with the mouse, then settles.
    void PressPicture(int bitmapId);
    // Clicks any push button, radio button or check box of the current page by its text.
    void ClickPageButton(const QString& text);
    // A child of the current page by object name.
    template <typename T> T* Find(const QString& name) const
    {
        return PageWidget()->template findChild<T*>(name);
    }
    QWidget* PageWidget() const;

    // Opens a quiz named on the command line, then settles.
    void OpenFromCommandLine(const QString& path);

    // Make Quiz, New Quiz, Save As <fileName>: the format page is then shown.
    void StartNewQuiz(const QString& fileName);

private:
    CQuizApp m_app;
    CQuizSheet* m_pSheet = nullptr;
};
