#pragma once

#include "CWizardContext.h"

#include <QString>

#include <memory>

class CHelpWindow;
class CMarkupRenderer;
class CPaletteState;
class CPrintService;
class CPrompt;
class CQuizVoice;
class CRenderAhead;
class CQuizSheet;
class CSoundPlayer;
class CSpeechRegistry;
class CTU_QuizDoc;
class CWidgetPrompt;

// The application: finds what varies between machines, builds the document,
// the fonts, the sheet and its 22 pages, and runs the sheet until it closes.
class CQuizApp
{
public:
    struct Options
    {
        CPrompt* m_pPrompt = nullptr;               // null: the real dialogs
        const CSpeechRegistry* m_pSpeech = nullptr; // null: the system's speech engines
        QString m_strQuizDir;                       // empty: the current folder
        QString m_strSettingsFile;                  // empty: the user's own settings
        CPrintService* m_pPrint = nullptr;          // null: the print module, on the first print
    };

    CQuizApp();
    explicit CQuizApp(const Options& options);
    ~CQuizApp();

    // Builds everything up to a sheet ready to show (tests stop here).
    CQuizSheet* BuildSheet();
    // Shows the sheet modally; returns when it closes.
    int Run();
    // Opens a quiz to take, as Take Quiz on the welcome page does: its introduction page
    // (the question manager for a quiz without questions; the welcome page if it cannot be read).
    void OpenQuiz(const QString& path);

    // F1: the help window at its contents page.
    void ShowHelp();
    CHelpWindow* HelpWindow() const { return m_pHelp; }

    CTU_QuizDoc* Doc() const { return m_pDoc.get(); }
    CQuizSheet* Sheet() const { return m_pSheet.get(); }
    CWizardContext& Context() { return m_context; }

    // The advice folder: beside the program, else the installed data folder.
    static QString FindAdviceDir();

private:
    void AddPages();
    CPrintService* PrintService() const;
    // The Print button: the print choice dialog over the sheet.
    void OpenPrintChoice(CQuizSheet* sheet);

    Options m_options;
    // The welcome page's banner, lettered on a second thread while the sheet is built.
    std::unique_ptr<CRenderAhead> m_pBannerAhead;
    std::unique_ptr<CWidgetPrompt> m_pWidgetPrompt;
    std::unique_ptr<CTU_QuizDoc> m_pDoc;
    std::unique_ptr<CMarkupRenderer> m_pMarkup;
    std::unique_ptr<CSoundPlayer> m_pSound;
    std::unique_ptr<CPaletteState> m_pPalette;
    std::unique_ptr<CQuizVoice> m_pVoice;
    CWizardContext m_context;
    std::unique_ptr<CQuizSheet> m_pSheet;
    CHelpWindow* m_pHelp = nullptr; // owned by the sheet
};
