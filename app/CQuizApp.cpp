#include "CQuizApp.h"

#include "CBlankPage.h"
#include "CHelpWindow.h"
#include "CMarkupRenderer.h"
#include "CNameQuizPage.h"
#include "CPaletteState.h"
#include "CQuizSheet.h"
#include "CSoundPlayer.h"
#include "CSpeechRegistry.h"
#include "CStartQuizPage.h"
#include "CTU_QuizDoc.h"
#include "CWelcomePage.h"
#include "CWidgetPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>

#ifndef TUTORAMA_DATA_DIR
#define TUTORAMA_DATA_DIR "/usr/share/tutorama"
#endif

CQuizApp::CQuizApp() : CQuizApp(Options{}) {}

CQuizApp::CQuizApp(const Options& options) : m_options(options) {}

CQuizApp::~CQuizApp()
{
    // Pages and the sheet go first; the document outlives them.
    m_pSheet.reset();
}

QString CQuizApp::FindAdviceDir()
{
    const QString besideProgram =
        QCoreApplication::applicationDirPath() + QStringLiteral("/advice/");
    if (QFileInfo(besideProgram).isDir())
        return besideProgram;
    return QStringLiteral(TUTORAMA_DATA_DIR "/advice/");
}

CQuizSheet* CQuizApp::BuildSheet()
{
    // Speech first: the format page offers spelling only with an engine.
    const CSystemSpeechRegistry systemSpeech;
    const CSpeechRegistry& speech = m_options.m_pSpeech ? *m_options.m_pSpeech : systemSpeech;
    m_context.m_bSpeechAvailable = IsSpeechEngineInstalled(speech);

    m_context.m_strQuizDir =
        m_options.m_strQuizDir.isEmpty() ? QDir::currentPath() : m_options.m_strQuizDir;

    m_pDoc = std::make_unique<CTU_QuizDoc>();
    CPrompt* prompt = m_options.m_pPrompt;
    if (!prompt) {
        m_pWidgetPrompt = std::make_unique<CWidgetPrompt>();
        prompt = m_pWidgetPrompt.get();
    }
    m_pDoc->SetPrompt(prompt);
    m_context.m_pDoc = m_pDoc.get();
    m_context.m_fontBold = CMarkupRenderer::MakeFont(QFont::Bold, false);
    m_context.m_fontNormal = CMarkupRenderer::MakeFont(QFont::Normal, false);
    m_pMarkup = std::make_unique<CMarkupRenderer>();
    m_context.m_pMarkup = m_pMarkup.get();
    m_pSound = std::make_unique<CSoundPlayer>();
    m_context.m_pSound = m_pSound.get();
    m_pPalette = std::make_unique<CPaletteState>();
    m_context.m_pPalette = m_pPalette.get();
    m_context.m_strAdviceDir = FindAdviceDir();

    m_pSheet = std::make_unique<CQuizSheet>(m_pDoc.get());
    if (m_pWidgetPrompt)
        m_pWidgetPrompt->SetParent(m_pSheet.get());
    AddPages();
    auto* help = new QShortcut(QKeySequence::HelpContents, m_pSheet.get());
    help->setContext(Qt::ApplicationShortcut);
    QObject::connect(help, &QShortcut::activated, [this] { ShowHelp(); });
    m_pSheet->Start();
    return m_pSheet.get();
}

void CQuizApp::AddPages()
{
    CQuizSheet& sheet = *m_pSheet;
    auto blank = [this](const char* title) {
        return new CBlankPage(m_context, QCoreApplication::translate("CQuizApp", title));
    };
    sheet.AddPage(new CWelcomePage(m_context));
    sheet.AddPage(new CStartQuizPage(m_context));
    sheet.AddPage(new CNameQuizPage(m_context));
    sheet.AddPage(blank("Quiz Format"));
    sheet.AddPage(blank("Question Manager"));
    sheet.AddPage(blank("True/False Statements"));
    sheet.AddPage(blank("Flash Cards"));
    sheet.AddPage(blank("Spelling Words"));
    sheet.AddPage(blank("Math Problems"));
    sheet.AddPage(blank("True/False Quiz"));
    sheet.AddPage(blank("Flash Card Quiz"));
    sheet.AddPage(blank("Spelling Quiz"));
    sheet.AddPage(blank("Math Quiz"));
    sheet.AddPage(blank("True/False Question"));
    sheet.AddPage(blank("Flash Card Question"));
    sheet.AddPage(blank("Spelling Question"));
    sheet.AddPage(blank("Math Question"));
    sheet.AddPage(blank("Score"));
    sheet.AddPage(blank("True/False Advice"));
    sheet.AddPage(blank("Flash Card Advice"));
    sheet.AddPage(blank("Spelling Advice"));
    sheet.AddPage(blank("Math Advice"));
}

void CQuizApp::ShowHelp()
{
    if (!m_pHelp)
        m_pHelp = new CHelpWindow(m_pSheet.get());
    m_pHelp->ShowContents();
}

int CQuizApp::Run()
{
    if (!m_pSheet)
        BuildSheet();
    return m_pSheet->exec();
}
