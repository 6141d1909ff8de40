#include "CQuizPage.h"

#include "CDib.h"
#include "CMarkupLabel.h"
#include "CPaletteState.h"
#include "CQuizSheet.h"

#include "CPrompt.h"
#include "CTU_QuizDoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>

namespace {
const char* const kQuizFilter = QT_TRANSLATE_NOOP("CQuizPage", "Quiz Files (*.qiz)");
const QString kQuizSuffix = QStringLiteral("qiz");
} // namespace

CQuizPage::CQuizPage(CWizardContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_pDoc(context.m_pDoc)
{
}

CQuizPage::~CQuizPage() = default;

void CQuizPage::Post(int message, std::intptr_t wParam, std::intptr_t nParam)
{
    if (m_pSheet)
        QCoreApplication::postEvent(m_pSheet, new CMessageEvent(message, wParam, nParam));
}

void CQuizPage::PostNextPage()
{
    if (m_pSheet)
        QCoreApplication::postEvent(m_pSheet, new CMessageEvent(WM_SHEET_NEXT_PAGE, 0, this));
}

void CQuizPage::PostPrevPage()
{
    if (m_pSheet)
        QCoreApplication::postEvent(m_pSheet, new CMessageEvent(WM_SHEET_PREV_PAGE, 0, this));
}

void CQuizPage::PostGoToPage(int index)
{
    if (m_pSheet)
        QCoreApplication::postEvent(m_pSheet, new CMessageEvent(WM_SHEET_GOTO_PAGE, index, this));
}

void CQuizPage::PostEnableButton(int id, bool focus)
{
    Post(WM_SHEET_ENABLE_BUTTON, focus ? 1 : 0, id);
}

void CQuizPage::PostDisableButton(int id)
{
    Post(WM_SHEET_DISABLE_BUTTON, 0, id);
}

void CQuizPage::GoToPage(int index)
{
    if (m_pSheet)
        m_pSheet->GoToPage(index);
}

void CQuizPage::SetTitle(const QString& title)
{
    if (m_pSheet)
        m_pSheet->setWindowTitle(title);
}

void CQuizPage::LoadPicture(std::unique_ptr<CDib>& slot, int bitmapId)
{
    slot = std::make_unique<CDib>(bitmapId);
    if (m_context.m_pPalette)
        m_context.m_pPalette->SetCurrent(slot->Palette());
}

void CQuizPage::DrawPicture(QPainter& painter, const CDib* picture, const QPoint& topLeft) const
{
    if (picture)
        picture->Draw(painter, topLeft.x(), topLeft.y());
}

CMarkupLabel* CQuizPage::AddHelpText(const QRect& frame)
{
    auto* label = new CMarkupLabel(*m_context.m_pMarkup, frame, this);
    label->setFont(m_context.m_fontNormal);
    m_normalLabels.append(label);
    return label;
}

void CQuizPage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    PaintPage(painter);
}

QLabel* CQuizPage::AddLabel(const QString& text, const QRect& geometry, bool bold)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (bold ? m_boldLabels : m_normalLabels).append(label);
    label->setFont(bold ? m_context.m_fontBold : m_context.m_fontNormal);
    return label;
}

void CQuizPage::ApplyFonts()
{
    for (QLabel* label : std::as_const(m_boldLabels))
        label->setFont(m_context.m_fontBold);
    for (QLabel* label : std::as_const(m_normalLabels))
        label->setFont(m_context.m_fontNormal);
}

QString CQuizPage::AskOpenQuizPath()
{
    CPrompt* prompt = m_pDoc->Prompt();
    return prompt ? prompt->GetOpenFileName(m_context.m_strQuizDir, tr(kQuizFilter)) : QString();
}

QString CQuizPage::AskSaveQuizPath()
{
    CPrompt* prompt = m_pDoc->Prompt();
    return prompt ? prompt->GetSaveFileName(m_context.m_strQuizDir, tr(kQuizFilter), kQuizSuffix)
                  : QString();
}

bool CQuizPage::MayLeaveQuiz()
{
    enum Choice
    {
        SAVE_ELSEWHERE,
        LEAVE,
        STAY
    };
    CPrompt* prompt = m_pDoc->Prompt();
    if (!prompt || !m_pDoc->HasUnsavedQuestions())
        return true;
    const QString text =
        tr("Some of your questions are not saved: the quiz could not be saved to %1.\n\n"
           "Do you want to save the quiz under another name or in another folder before you "
           "leave it?")
            .arg(QDir::toNativeSeparators(m_pDoc->m_strQuizPath));
    const int choice = prompt->AskChoice(
        text, {tr("&Save As..."), tr("&Leave Without Saving"), tr("S&tay Here")}, STAY);
    if (choice == LEAVE)
        return true;
    if (choice != SAVE_ELSEWHERE)
        return false;
    const QString path = AskSaveQuizPath();
    // A save that fails has said why; the pupil stays with the questions.
    return !path.isEmpty() && m_pDoc->OnSaveDocument(path);
}

bool CQuizPage::OpenQuizFromDialog()
{
    const QString path = AskOpenQuizPath();
    return !path.isEmpty() && m_pDoc->OnOpenDocument(path);
}
