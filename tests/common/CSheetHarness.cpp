#include "CSheetHarness.h"

#include "CLinkedPrintService.h"
#include "CPictureButton.h"
#include "CQuizPage.h"
#include "CQuizSheet.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

namespace {
CQuizApp::Options HarnessOptions(CScriptedPrompt* prompt, const QString& folder)
{
    CQuizApp::Options options;
    options.m_pPrompt = prompt;
    options.m_strQuizDir = folder;
    // Choices a test makes stay in its own folder, never in the user's settings.
    options.m_strSettingsFile = folder + QStringLiteral("/settings.ini");
    // Printing linked in, so a test reaches the print dialogs' own classes.
    options.m_pPrint = &CLinkedPrintService::Instance();
    return options;
}
} // namespace

CSheetHarness::CSheetHarness() : m_app(HarnessOptions(&m_prompt, m_dir.path()))
{
    m_pSheet = m_app.BuildSheet();
    m_pSheet->show();
    Settle();
}

CSheetHarness::~CSheetHarness() = default;

void CSheetHarness::Settle()
{
    for (int round = 0; round < 5; ++round)
        QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

int CSheetHarness::Index() const
{
    return m_pSheet->CurrentIndex();
}

CQuizPage* CSheetHarness::Page() const
{
    return m_pSheet->ActivePage();
}

QWidget* CSheetHarness::PageWidget() const
{
    return m_pSheet->ActivePage();
}

QString CSheetHarness::Title() const
{
    return m_pSheet->windowTitle();
}

QPushButton* CSheetHarness::Button(int id) const
{
    return m_pSheet->Button(id);
}

bool CSheetHarness::IsShownEnabled(int id) const
{
    const QPushButton* button = Button(id);
    return button && button->isVisible() && button->isEnabled();
}

void CSheetHarness::Click(int id)
{
    QPushButton* button = Button(id);
    QVERIFY2(button, "no such sheet button");
    QVERIFY2(button->isVisible() && button->isEnabled(),
             qPrintable(QStringLiteral("sheet button %1 is not usable").arg(button->text())));
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

void CSheetHarness::PressPicture(int bitmapId)
{
    auto* button = Find<CPictureButton>(QStringLiteral("pictureButton%1").arg(bitmapId));
    QVERIFY2(button, qPrintable(QStringLiteral("no picture button %1").arg(bitmapId)));
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
    Settle();
}

void CSheetHarness::ClickPageButton(const QString& text)
{
    const auto buttons = PageWidget()->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->text() == text && button->isVisible()) {
            QVERIFY2(button->isEnabled(), qPrintable(text + QStringLiteral(" is disabled")));
            QTest::mouseClick(button, Qt::LeftButton);
            Settle();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button \"%1\" on page %2").arg(text).arg(Index())));
}

void CSheetHarness::OpenFromCommandLine(const QString& path)
{
    m_app.OpenQuiz(path);
    Settle();
}

void CSheetHarness::StartNewQuiz(const QString& fileName)
{
    PressPicture(IDB_MAKE_QUIZ_BUTTON);
    PressPicture(IDB_NEW_QUIZ_BUTTON);
    m_prompt.QueueFile(PathOf(fileName));
    PressPicture(IDB_DISK_BUTTON);
}
