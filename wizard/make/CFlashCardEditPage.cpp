#include "CFlashCardEditPage.h"

#include "CDib.h"
#include "CQuestion.h"
#include "CQuizFile.h"
#include "CRuledEdit.h"
#include "PictureLayout.h"
#include "ResourceIds.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {
using namespace PictureLayout;

constexpr int kCardLeft = 292;
constexpr int kCardTop = 84;
const QRect kTopRect(kCardLeft, kCardTop, kCardBoxWidth + 2 * kCardEdgeWidth, kCardTopHeight);
const QRect kBoxRect(kCardLeft + kCardEdgeWidth, kCardTop + kCardTopHeight, kCardBoxWidth,
                     kCardBoxHeight);
const QRect kLeftRect(kCardLeft, kBoxRect.top(), kCardEdgeWidth, kCardBoxHeight);
const QRect kRightRect(kBoxRect.right() + 1, kBoxRect.top(), kCardEdgeWidth, kCardBoxHeight);
const QRect kBottomRect(kCardLeft, kBoxRect.bottom() + 1, kTopRect.width(), kCardBottomHeight);
const QRect kFlipRect(kCardLeft + 56, kBottomRect.bottom() + 18, 130, 34);
const QRect kPasteRect(kFlipRect.right() + 16, kFlipRect.top(), 110, 34);
const QColor kFrameGrey(192, 192, 192);

enum Piece
{
    PIECE_TOP,
    PIECE_BOTTOM,
    PIECE_RIGHT,
    PIECE_LEFT,
    PIECE_COUNT
};
constexpr std::array<int, PIECE_COUNT> kFrontIds{IDB_CARD_FRONT_TOP, IDB_CARD_FRONT_BOTTOM,
                                                 IDB_CARD_FRONT_RIGHT, IDB_CARD_FRONT_LEFT};
constexpr std::array<int, PIECE_COUNT> kBackIds{IDB_CARD_BACK_TOP, IDB_CARD_BACK_BOTTOM,
                                                IDB_CARD_BACK_RIGHT, IDB_CARD_BACK_LEFT};
const std::array<QRect, PIECE_COUNT> kPieceRects{kTopRect, kBottomRect, kRightRect, kLeftRect};
} // namespace

CFlashCardEditPage::CFlashCardEditPage(CWizardContext& context, QWidget* parent)
    : CEditPage(context, QUIZ_FLASH_CARD,
                {IDB_FLASH_CARD_EDIT_BANNER, IDB_FLASH_CARD_SIDE, IDS_FLASH_CARD_EDIT_HELP},
                parent),
      m_pCard(new CRuledEdit(this)), m_pFlip(new QPushButton(tr("Flip Card"), this)),
      m_pPaste(new QPushButton(tr("Paste"), this))
{
    setObjectName(QStringLiteral("flashCardEditPage"));
    m_pCard->setObjectName(QStringLiteral("cardEdit"));
    m_pCard->SetMaxLength(CQuizFile::MAX_TEXT_CHARS);
    m_pCard->setGeometry(kBoxRect);
    m_pCard->setFrameShape(QFrame::NoFrame);
    m_pCard->setAccessibleName(tr("Flash card"));
    m_pCard->installEventFilter(this);
    m_pFlip->setObjectName(QStringLiteral("flipButton"));
    m_pFlip->setGeometry(kFlipRect);
    m_pFlip->setAccessibleDescription(tr("Turns the card over to write its other side."));
    m_pPaste->setObjectName(QStringLiteral("pasteButton"));
    m_pPaste->setGeometry(kPasteRect);
    m_pPaste->setAccessibleDescription(tr("Puts the text you copied on the card."));

    connect(m_pCard, &CRuledEdit::textChanged, this, [this] {
        if (m_bShowing)
            return;
        KeepBoxText();
        ApplyButtonRule();
    });
    connect(m_pFlip, &QPushButton::clicked, this, &CFlashCardEditPage::FlipCard);
    connect(m_pPaste, &QPushButton::clicked, this, &CFlashCardEditPage::OnPaste);
}

CFlashCardEditPage::~CFlashCardEditPage() = default;

void CFlashCardEditPage::LoadOwnPictures()
{
    for (int piece = 0; piece < PIECE_COUNT; ++piece) {
        LoadPicture(m_frontPieces[static_cast<size_t>(piece)],
                    kFrontIds[static_cast<size_t>(piece)]);
        LoadPicture(m_backPieces[static_cast<size_t>(piece)], kBackIds[static_cast<size_t>(piece)]);
    }
}

std::array<int, 4> CFlashCardEditPage::FramePieces() const
{
    return m_nSide == SIDE_FRONT ? kFrontIds : kBackIds;
}

void CFlashCardEditPage::KeepBoxText()
{
    (m_nSide == SIDE_FRONT ? m_strFront : m_strBack) = m_pCard->toPlainText();
}

void CFlashCardEditPage::ShowSide(int side)
{
    m_nSide = side;
    m_bShowing = true;
    m_pCard->setPlainText(side == SIDE_FRONT ? m_strFront : m_strBack);
    m_pCard->moveCursor(QTextCursor::End);
    m_bShowing = false;
    m_pCard->setAccessibleName(side == SIDE_FRONT ? tr("Front of the flash card")
                                                  : tr("Back of the flash card"));
    for (const QRect& rect : kPieceRects)
        update(rect);
}

void CFlashCardEditPage::ShowQuestion(const CQuestion& question)
{
    m_strFront = question.m_strQuestion;
    m_strBack = question.m_strAnswer;
    ShowSide(SIDE_FRONT);
}

void CFlashCardEditPage::ShowEmptyQuestion()
{
    m_strFront.clear();
    m_strBack.clear();
    ShowSide(SIDE_FRONT);
}

void CFlashCardEditPage::FillQuestion(CQuestion& question) const
{
    question.m_strQuestion = m_strFront;
    question.m_strAnswer = m_strBack;
}

bool CFlashCardEditPage::IsComplete() const
{
    return !m_strFront.isEmpty() && !m_strBack.isEmpty();
}

void CFlashCardEditPage::FocusEditor()
{
    m_pCard->setFocus();
}

void CFlashCardEditPage::FlipCard()
{
    KeepBoxText();
    ShowSide(m_nSide == SIDE_BACK ? SIDE_FRONT : SIDE_BACK);
    m_pCard->setFocus();
    PlayWave(IDW_CARD_FLIP);
}

void CFlashCardEditPage::OnPaste()
{
    PlayWave(IDW_PASTE);
    m_pCard->paste();
    m_pCard->setFocus();
}

bool CFlashCardEditPage::eventFilter(QObject* watched, QEvent* event)
{
    // A card side holds no line breaks: Enter turns the card, like the page's default.
    if (watched == m_pCard && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FlipCard();
            return true;
        }
    }
    return CEditPage::eventFilter(watched, event);
}

QPushButton* CFlashCardEditPage::DefaultButton() const
{
    return m_pFlip;
}

void CFlashCardEditPage::PaintPage(QPainter& painter)
{
    CEditPage::PaintPage(painter);
    const auto& pieces = m_nSide == SIDE_FRONT ? m_frontPieces : m_backPieces;
    for (int piece = 0; piece < PIECE_COUNT; ++piece) {
        const QRect& rect = kPieceRects[static_cast<size_t>(piece)];
        painter.fillRect(rect, kFrameGrey);
        DrawPicture(painter, pieces[static_cast<size_t>(piece)].get(), rect.topLeft());
    }
}
