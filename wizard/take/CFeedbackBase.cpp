#include "CFeedbackBase.h"

#include "CDib.h"
#include "CPaletteState.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QAccessible>
#include <QPainter>
#include <QPlainTextEdit>

#include <array>
#include <ctime>

namespace {
constexpr int kWidth = 480;
constexpr int kMargin = 16;
constexpr int kPictureSide = 150;
constexpr int kMessageTop = kMargin + kPictureSide + 12;
constexpr int kMessageHeight = 96;
constexpr int kButtonGap = 12;
constexpr int kButtonHeight = 30;
constexpr int kHeight = kMessageTop + kMessageHeight + kButtonGap + kButtonHeight + kMargin;
constexpr int kMessagePixelSize = 16;

constexpr std::array<int, 3> kCorrectPictures{IDB_FEEDBACK_CORRECT_1, IDB_FEEDBACK_CORRECT_2,
                                              IDB_FEEDBACK_CORRECT_3};
constexpr std::array<int, 3> kWrongPictures{IDB_FEEDBACK_WRONG_1, IDB_FEEDBACK_WRONG_2,
                                            IDB_FEEDBACK_WRONG_3};
} // namespace

CFeedbackBase::CFeedbackBase(QWidget* parent, CTU_QuizDoc* doc, CQuestion* question,
                             CPaletteState* palette)
    : QDialog(parent), m_pDoc(doc), m_pQuestion(question), m_pPalette(palette),
      m_pictureFrame((kWidth - kPictureSide) / 2, kMargin, kPictureSide, kPictureSide),
      m_pMessage(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Tutorama Feedback"));
    // No close box: the pupil leaves by one of the dialog's own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kWidth, kHeight);

    m_pMessage->setObjectName(QStringLiteral("feedbackMessage"));
    m_pMessage->setReadOnly(true);
    m_pMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pMessage->setFocusPolicy(Qt::NoFocus);
    m_pMessage->setGeometry(kMargin, kMessageTop, kWidth - 2 * kMargin, kMessageHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kMessagePixelSize);
    font.setBold(true);
    m_pMessage->setFont(font);
    m_pMessage->setAccessibleName(tr("Feedback"));
}

CFeedbackBase::~CFeedbackBase() = default;

int CFeedbackBase::PictureFor(bool correct, int draw)
{
    const auto& pictures = correct ? kCorrectPictures : kWrongPictures;
    const int count = static_cast<int>(pictures.size());
    return pictures[static_cast<size_t>(((draw % count) + count) % count)];
}

void CFeedbackBase::ChoosePicture(bool correct)
{
    m_pDoc->SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    m_pPicture = std::make_unique<CDib>(PictureFor(correct, m_pDoc->Rand()));
    if (m_pPalette)
        m_pPalette->SetCurrent(m_pPicture->Palette());
}

int CFeedbackBase::PictureId() const
{
    return m_pPicture ? m_pPicture->ResourceId() : 0;
}

QString CFeedbackBase::Message() const
{
    return m_pMessage->toPlainText();
}

void CFeedbackBase::SetMessage(const QString& text)
{
    m_pMessage->setPlainText(text);
    m_pMessage->setAccessibleDescription(text);
    // The window's description is what a screen reader says with its title, before the
    // focused button.
    setAccessibleDescription(text);
    if (isVisible())
        AnnounceMessage();
}

void CFeedbackBase::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    AnnounceMessage();
}

void CFeedbackBase::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // The keyboard and the screen reader go back to the sheet, also where no window manager
    // hands them back (a kiosk, a bare X server).
    if (QWidget* sheet = parentWidget() ? parentWidget()->window() : nullptr)
        sheet->activateWindow();
}

void CFeedbackBase::AnnounceMessage()
{
    QAccessibleEvent alert(m_pMessage, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

int CFeedbackBase::ButtonTop() const
{
    return kMessageTop + kMessageHeight + kButtonGap;
}

void CFeedbackBase::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_pPicture)
        return;
    QPainter painter(this);
    m_pPicture->Draw(painter, m_pictureFrame.left(), m_pictureFrame.top());
}
