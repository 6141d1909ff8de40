#pragma once

#include <QFont>
#include <QString>

class CTU_QuizDoc;
class CMarkupRenderer;
class CSoundPlayer;
class CPaletteState;
class CQuizSheet;
class CQuizVoice;

// What the application hands to the sheet and every page: the one document,
// the shared fonts and the few values found at start-up. Owned by the
// application, which outlives the sheet and the pages.
struct CWizardContext
{
    CTU_QuizDoc* m_pDoc = nullptr;
    CMarkupRenderer* m_pMarkup = nullptr; // help texts with the three text fonts
    CSoundPlayer* m_pSound = nullptr;     // the program's wave sounds
    CPaletteState* m_pPalette = nullptr;  // the current palette
    CQuizVoice* m_pVoice = nullptr;       // the language each quiz is spoken in
    QFont m_fontBold;
    QFont m_fontNormal;
    QString m_strQuizDir;   // first folder of the open and save-as dialogs
    QString m_strAdviceDir; // where the advice documents are
    bool m_bSpeechAvailable = false;
};
