#include "CQuizApp.h"

#include "CFlashCardAdvicePage.h"
#include "CFlashCardEditPage.h"
#include "CFlashCardIntroPage.h"
#include "CFlashCardTakePage.h"
#include "CHelpWindow.h"
#include "CMarkupRenderer.h"
#include "CMathAdvicePage.h"
#include "CMathEditPage.h"
#include "CMathIntroPage.h"
#include "CMathTakePage.h"
#include "CNameQuizPage.h"
#include "CPaletteState.h"
#include "CPrintModule.h"
#include "CPrintService.h"
#include "CPrompt.h"
#include "CQuestionManagerPage.h"
#include "CQuizFormatPage.h"
#include "CQuizSheet.h"
#include "CQuizVoice.h"
#include "CRenderAhead.h"
#include "CScorePage.h"
#include "CSoundPlayer.h"
#include "CSpeechRegistry.h"
#include "CSpellingAdvicePage.h"
#include "CSpellingEditPage.h"
#include "CSpellingIntroPage.h"
#include "CSpellingTakePage.h"
#include "CStartQuizPage.h"
#include "CStringTable.h"
#include "CSystemSpeechRegistry.h"
#include "CTU_QuizDoc.h"
#include "CTrueFalseAdvicePage.h"
#include "CTrueFalseEditPage.h"
#include "CTrueFalseIntroPage.h"
#include "CTrueFalseTakePage.h"
#include "CWelcomePage.h"
#include "CWidgetPrompt.h"
#include "IsSpeechEngineInstalled.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>

#include <chrono>
#include <csignal>

#ifndef TUTORAMA_DATA_DIR
#define TUTORAMA_DATA_DIR "/usr/share/tutorama"
#endif

namespace {

// The clock to the nanosecond: two starts in the same second differ too.
unsigned StartSeed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<unsigned>(ticks ^ (ticks >> 32));
}

template <typename TPage> CQuizSheet::PageMaker MakerOf(CWizardContext& context)
{
    return [&context] { return new TPage(context); };
}

} // namespace

CQuizApp::CQuizApp() : CQuizApp(Options{}) {}

CQuizApp::CQuizApp(const Options& options) : m_options(options)
{
    // A save past the user's file-size limit (ulimit -f) must fail like a full
    // disk, with a message, instead of the system ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
}

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
    // An installed program finds its data under its own prefix, wherever that was installed.
    const QString underPrefix = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                QStringLiteral("/../share/tutorama/advice")) +
                                QLatin1Char('/');
    if (QFileInfo(underPrefix).isDir())
        return underPrefix;
    return QStringLiteral(TUTORAMA_DATA_DIR "/advice/");
}

CQuizSheet* CQuizApp::BuildSheet()
{
    m_pBannerAhead = std::make_unique<CRenderAhead>(IDB_WELCOME_BANNER);
    // Speech first: the format page offers spelling only with an engine.
    const CSystemSpeechRegistry systemSpeech;
    const CSpeechRegistry& speech = m_options.m_pSpeech ? *m_options.m_pSpeech : systemSpeech;
    m_context.m_bSpeechAvailable = IsSpeechEngineInstalled(speech);

    m_context.m_strQuizDir =
        m_options.m_strQuizDir.isEmpty() ? QDir::currentPath() : m_options.m_strQuizDir;

    m_pDoc = std::make_unique<CTU_QuizDoc>();
    // Seeded once here, so each start asks in its own order; the feedback
    // dialogs seed again from the clock as they open.
    m_pDoc->SeedRandom(StartSeed());
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
    m_pVoice = std::make_unique<CQuizVoice>(m_options.m_strSettingsFile);
    m_context.m_pVoice = m_pVoice.get();
    m_context.m_strAdviceDir = FindAdviceDir();

    m_pSheet = std::make_unique<CQuizSheet>(m_pDoc.get());
    if (m_pWidgetPrompt)
        m_pWidgetPrompt->SetParent(m_pSheet.get());
    AddPages();
    m_pSheet->SetPrintHandler([this](CQuizSheet* sheet) { OpenPrintChoice(sheet); });
    auto* help = new QShortcut(QKeySequence::HelpContents, m_pSheet.get());
    help->setContext(Qt::ApplicationShortcut);
    QObject::connect(help, &QShortcut::activated, [this] { ShowHelp(); });
    m_pSheet->Start();
    return m_pSheet.get();
}

void CQuizApp::AddPages()
{
    // The order is fixed: pages find each other by index (editor = 4 + kind ...). Only the
    // welcome page is made now; each other page is made on its first visit.
    CQuizSheet& sheet = *m_pSheet;
    sheet.AddPage(new CWelcomePage(m_context));
    sheet.AddPage(MakerOf<CStartQuizPage>(m_context));
    sheet.AddPage(MakerOf<CNameQuizPage>(m_context));
    sheet.AddPage(MakerOf<CQuizFormatPage>(m_context));
    sheet.AddPage(MakerOf<CQuestionManagerPage>(m_context));
    sheet.AddPage(MakerOf<CTrueFalseEditPage>(m_context));
    sheet.AddPage(MakerOf<CFlashCardEditPage>(m_context));
    sheet.AddPage(MakerOf<CSpellingEditPage>(m_context));
    sheet.AddPage(MakerOf<CMathEditPage>(m_context));
    sheet.AddPage(MakerOf<CTrueFalseIntroPage>(m_context));
    sheet.AddPage(MakerOf<CFlashCardIntroPage>(m_context));
    sheet.AddPage(MakerOf<CSpellingIntroPage>(m_context));
    sheet.AddPage(MakerOf<CMathIntroPage>(m_context));
    sheet.AddPage(MakerOf<CTrueFalseTakePage>(m_context));
    sheet.AddPage(MakerOf<CFlashCardTakePage>(m_context));
    sheet.AddPage(MakerOf<CSpellingTakePage>(m_context));
    sheet.AddPage(MakerOf<CMathTakePage>(m_context));
    sheet.AddPage(MakerOf<CScorePage>(m_context));
    sheet.AddPage(MakerOf<CTrueFalseAdvicePage>(m_context));
    sheet.AddPage(MakerOf<CFlashCardAdvicePage>(m_context));
    sheet.AddPage(MakerOf<CSpellingAdvicePage>(m_context));
    sheet.AddPage(MakerOf<CMathAdvicePage>(m_context));
}

CPrintService* CQuizApp::PrintService() const
{
    return m_options.m_pPrint ? m_options.m_pPrint : CPrintModule::Get();
}

void CQuizApp::OpenPrintChoice(CQuizSheet* sheet)
{
    CPrintService* print = PrintService();
    if (!print) {
        // A broken install: say so rather than let the Print button do nothing.
        m_pDoc->Prompt()->ShowWarning(QCoreApplication::translate(
            "CQuizApp", "Printing is not available: a part of Tutorama is missing. "
                        "Installing Tutorama again mends it."));
        return;
    }
    if (m_pWidgetPrompt)
        m_pWidgetPrompt->SetPrintService(print);
    print->OpenChoice(m_pDoc.get(), m_context.m_strAdviceDir, m_pPalette.get(), sheet);
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

void CQuizApp::OpenQuiz(const QString& path)
{
    if (!m_pSheet)
        BuildSheet();
    // As if Take Quiz had been pressed and the file chosen.
    static_cast<CWelcomePage*>(m_pSheet->Page(PAGE_WELCOME))->TakeQuizFrom(path);
}
