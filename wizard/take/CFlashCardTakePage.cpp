#include "CFlashCardTakePage.h"

#include "CDib.h"
#include "CMarkupLabel.h"
#include "CQuestion.h"
#include "CRuledEdit.h"
#include "CStringTable.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include "CQuizSheet.h"
#include <QKeyEvent>
#include <QPushButton>

using namespace TakeLayout;

namespace {
const QRect kHelpRect(kContentLeft, kContentTop, kContentWidth, 100);
// The boxes are as wide as the strips drawn above and below them.
constexpr int kBoxWidth = 220;
constexpr int kTopStripHeight = 30;
constexpr int kBottomStripHeight = 16;
constexpr int kBoxTop = 246;
constexpr int kBoxHeight = 100;
constexpr int kFrontLeft = kContentLeft + (kColumnWidth - kBoxWidth) / 2;
constexpr int kBackLeft = kRightColumnLeft + (kColumnWidth - kBoxWidth) / 2;
const QRect kFrontBoxRect(kFrontLeft, kBoxTop, kBoxWidth, kBoxHeight);
const QRect kBackBoxRect(kBackLeft, kBoxTop, kBoxWidth, kBoxHeight);
const QPoint kFrontTopAt(kFrontLeft, kBoxTop - kTopStripHeight);
const QPoint kBackTopAt(kBackLeft, kBoxTop - kTopStripHeight);
const QPoint kFrontBottomAt(kFrontLeft, kBoxTop + kBoxHeight);
const QPoint kBackBottomAt(kBackLeft, kBoxTop + kBoxHeight);
const QRect kProgressRect(kFrontLeft, kBoxTop + kBoxHeight + kBottomStripHeight + 10,
                          kContentRight - kFrontLeft, 44);
} // namespace

CFlashCardTakePage::CFlashCardTakePage(CWizardContext& context, QWidget* parent)
    : CQuestionPage(context, QUIZ_FLASH_CARD, IDB_FLASH_CARD_QUIZ_BANNER, IDB_FLASH_CARD_SIDE,
                    parent),
      m_pFront(AddCardBox(QStringLiteral("frontBox"), kFrontBoxRect)),
      m_pBack(AddCardBox(QStringLiteral("backBox"), kBackBoxRect))
{
    setObjectName(QStringLiteral("flashCardTakePage"));
    AddProgressLabel(kProgressRect);
    m_pHelp = AddHelpText(kHelpRect);
    AddReadAloudButton();
}

CFlashCardTakePage::~CFlashCardTakePage() = default;

CRuledEdit* CFlashCardTakePage::AddCardBox(const QString& name, const QRect& geometry)
{
    auto* box = new CRuledEdit(this);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setTabChangesFocus(true);
    box->installEventFilter(this);
    connect(box, &CRuledEdit::textChanged, this, [this, box] {
        if (box == AnswerBox())
            FollowAnswer(box->toPlainText());
    });
    return box;
}

QString CFlashCardTakePage::FrontText() const
{
    return m_pFront->toPlainText();
}

QString CFlashCardTakePage::BackText() const
{
    return m_pBack->toPlainText();
}

CRuledEdit* CFlashCardTakePage::AnswerBox() const
{
    return m_pDoc->m_bShowFronts ? m_pBack : m_pFront;
}

CRuledEdit* CFlashCardTakePage::ShownBox() const
{
    return m_pDoc->m_bShowFronts ? m_pFront : m_pBack;
}

QString CFlashCardTakePage::ReadAloudText() const
{
    return ShownBox()->toPlainText();
}

void CFlashCardTakePage::LoadPagePictures()
{
    m_pFrontTop = std::make_unique<CDib>(IDB_FRONT_BOX_TOP);
    m_pBackTop = std::make_unique<CDib>(IDB_BACK_BOX_TOP);
    m_pFrontBottom = std::make_unique<CDib>(IDB_FRONT_BOX_BOTTOM);
    m_pBackBottom = std::make_unique<CDib>(IDB_BACK_BOX_BOTTOM);
}

void CFlashCardTakePage::ShowQuestion(CQuestion& question)
{
    m_pFront->setFont(m_context.m_fontNormal);
    m_pBack->setFont(m_context.m_fontNormal);
    // The card side shown is there to read; only the other side takes typing.
    ShownBox()->setReadOnly(true);
    AnswerBox()->setReadOnly(false);
    NameBoxes();
    ShownBox()->setPlainText(m_pDoc->m_bShowFronts ? question.m_strQuestion : question.m_strAnswer);
    AnswerBox()->setPlainText(question.m_strResponse);
    AnswerBox()->moveCursor(QTextCursor::End);
    AnswerBox()->setFocus();
    m_pHelp->SetMarkup(CStringTable::Get(m_pDoc->m_bShowFronts ? IDS_FLASH_CARD_SHOW_FRONTS_HELP
                                                               : IDS_FLASH_CARD_SHOW_BACKS_HELP));
    FollowAnswer(question.m_strResponse);
    update();
}

void CFlashCardTakePage::NameBoxes()
{
    // Named for what they hold, so that a screen reader never says "Back" for a text
    // box beside the sheet's Back button.
    if (m_pDoc->m_bShowFronts) {
        m_pFront->setAccessibleName(tr("Front of the card"));
        m_pBack->setAccessibleName(tr("Your answer: the back of the card"));
    } else {
        m_pFront->setAccessibleName(tr("Your answer: the front of the card"));
        m_pBack->setAccessibleName(tr("Back of the card"));
    }
}

void CFlashCardTakePage::StoreAnswer(CQuestion& question)
{
    question.m_strResponse = AnswerBox()->toPlainText();
}

QString CFlashCardTakePage::ProgressFormat(int answered, int left) const
{
    const QString done = answered == 1
                             ? tr("So far, you have completed %n card.", nullptr, answered)
                             : tr("So far, you have completed %n cards.", nullptr, answered);
    const QString rest =
        left == 1 ? tr("After you complete this card, you will have %n card left", nullptr, left)
                  : tr("After you complete this card, you will have %n cards left", nullptr, left);
    return done + QLatin1Char('\n') + rest;
}

bool CFlashCardTakePage::eventFilter(QObject* watched, QEvent* event)
{
    // Enter checks the answer as in every other answer box; a line break in
    // a card side takes Shift+Enter, so a stray Enter never spoils an answer.
    if (watched == AnswerBox() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers() == Qt::NoModifier) {
            QPushButton* next = Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
            if (next && next->isEnabled())
                next->click();
            return true;
        }
    }
    return CQuestionPage::eventFilter(watched, event);
}

void CFlashCardTakePage::PaintContent(QPainter& painter)
{
    DrawPicture(painter, m_pFrontTop.get(), kFrontTopAt);
    DrawPicture(painter, m_pBackTop.get(), kBackTopAt);
    DrawPicture(painter, m_pFrontBottom.get(), kFrontBottomAt);
    DrawPicture(painter, m_pBackBottom.get(), kBackBottomAt);
}
