#include "CSpellingEditPage.h"

#include "CCellEdit.h"
#include "CDib.h"
#include "CListImport.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "CTU_QuizDoc.h"
#include "CVoiceChoice.h"
#include "ResourceIds.h"

#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kBoxLeft = 290;
constexpr int kBoxWidth = 300;
const QPoint kBoxTopAt(kBoxLeft, 120);
const QRect kWordRect(kBoxLeft, 156, kBoxWidth, 44);
const QPoint kBoxBottomAt(kBoxLeft, 200);
const QRect kPasteRect(kBoxLeft + 90, 246, 120, 34);
const QRect kVoiceRect(kBoxLeft - 60, 300, kBoxWidth + 120, 30);
} // namespace

CSpellingEditPage::CSpellingEditPage(CWizardContext& context, QWidget* parent)
    : CEditPage(context, QUIZ_SPELLING,
                {IDB_SPELLING_QUIZ_BANNER, IDB_SPELLING_SIDE, IDS_SPELLING_EDIT_HELP}, parent),
      m_pWord(new CCellEdit(this)), m_pPaste(new QPushButton(tr("Paste"), this)),
      m_pVoice(new CVoiceChoice(context.m_pVoice, context.m_fontNormal, this))
{
    setObjectName(QStringLiteral("spellingEditPage"));
    m_pWord->setObjectName(QStringLiteral("wordEdit"));
    m_pWord->setGeometry(kWordRect);
    m_pWord->setFrame(false);
    m_pWord->setAccessibleName(tr("Spelling word"));
    m_pWord->SetLowerCase(true);
    m_pPaste->setObjectName(QStringLiteral("pasteButton"));
    m_pPaste->setGeometry(kPasteRect);
    m_pPaste->setAccessibleDescription(tr("Puts the word you copied into the word box."));
    m_pVoice->setGeometry(kVoiceRect);

    connect(m_pWord, &CCellEdit::textChanged, this, &CSpellingEditPage::OnWordChanged);
    connect(m_pPaste, &QPushButton::clicked, this, &CSpellingEditPage::OnPaste);
}

CSpellingEditPage::~CSpellingEditPage() = default;

void CSpellingEditPage::LoadOwnPictures()
{
    LoadPicture(m_pBoxTop, IDB_WORD_BOX_TOP);
    LoadPicture(m_pBoxBottom, IDB_WORD_BOX_BOTTOM);
    if (!m_bWordFontMade) {
        m_pWord->setFont(CCellEdit::CellFont());
        m_bWordFontMade = true;
    }
}

void CSpellingEditPage::OnWordChanged(const QString& word)
{
    // The box lowers what is typed and pasted; anything else that brings
    // capitals (a drop) is lowered here, at the cost of the undo history.
    const QString lower = CListImport::SpellingWord(word);
    if (lower != word) {
        const int cursor = m_pWord->cursorPosition();
        m_pWord->setText(lower); // comes back here once with the lower-case word
        m_pWord->setCursorPosition(cursor);
        return;
    }
    ApplyButtonRule();
}

void CSpellingEditPage::OnPaste()
{
    PlayWave(IDW_PASTE);
    m_pWord->PasteFromButton();
    m_pWord->setFocus();
}

void CSpellingEditPage::ShowQuestion(const CQuestion& question)
{
    const QSignalBlocker quiet(m_pWord);
    m_pWord->setText(question.m_strQuestion);
    m_pVoice->ShowQuiz(m_pDoc->m_strQuizPath);
}

void CSpellingEditPage::ShowEmptyQuestion()
{
    const QSignalBlocker quiet(m_pWord);
    m_pWord->clear();
    m_pVoice->ShowQuiz(m_pDoc->m_strQuizPath);
}

void CSpellingEditPage::FillQuestion(CQuestion& question) const
{
    question.m_strQuestion = m_pWord->text();
}

bool CSpellingEditPage::IsComplete() const
{
    return !m_pWord->text().isEmpty();
}

void CSpellingEditPage::FocusEditor()
{
    m_pWord->setFocus();
}

QPushButton* CSpellingEditPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_SHEET_FINISH) : nullptr;
}

void CSpellingEditPage::PaintPage(QPainter& painter)
{
    CEditPage::PaintPage(painter);
    DrawPicture(painter, m_pBoxTop.get(), kBoxTopAt);
    DrawPicture(painter, m_pBoxBottom.get(), kBoxBottomAt);
}
