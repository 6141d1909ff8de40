#include "CScorePage.h"

#include "CDib.h"
#include "CPaletteState.h"
#include "CQuizSheet.h"
#include "CSoundPlayer.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {
const QPoint kPictureAt(30, 160);
constexpr int kTextLeft = 240;
constexpr int kTextWidth = 460;
const QRect kScoreRect(kTextLeft, 140, kTextWidth, 48);
const QRect kAdviceRect(kTextLeft, 200, kTextWidth, 110);
constexpr int kButtonTop = 330;
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 36;
const QRect kRetakeRect(kTextLeft, kButtonTop, kButtonWidth, kButtonHeight);
const QRect kReviewRect(kTextLeft + kButtonWidth + 30, kButtonTop, kButtonWidth, kButtonHeight);
constexpr float kPerfect = 100.0f;

constexpr std::array<int, CScorePage::kFrameCount> kFrameBitmaps{
    IDB_SCORE_FRAME_0, IDB_SCORE_FRAME_1, IDB_SCORE_FRAME_2, IDB_SCORE_FRAME_3,
    IDB_SCORE_FRAME_4, IDB_SCORE_FRAME_5, IDB_SCORE_FRAME_6};
} // namespace

CScorePage::CScorePage(CWizardContext& context, QWidget* parent)
    : CQuizPage(context, parent), m_pRetake(new QPushButton(tr("Retake Quiz"), this)),
      m_pReview(new QPushButton(tr("Review Quiz"), this)), m_pTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("scorePage"));
    m_pScore = AddLabel(QString(), kScoreRect, true);
    m_pScore->setObjectName(QStringLiteral("scoreText"));
    // The score is where the page starts, so a screen reader says it first; Enter still
    // presses the default button.
    m_pScore->setFocusPolicy(Qt::TabFocus);
    AddLabel(tr("If you want to take the quiz again, click the Retake Quiz button. If you want to "
                "review or make changes to the quiz, click the Review Quiz button. Click the "
                "Finish button to return to the main quiz screen, or the Close button to leave "
                "the Tutorama."),
             kAdviceRect, false);
    m_pRetake->setObjectName(QStringLiteral("retakeButton"));
    m_pReview->setObjectName(QStringLiteral("reviewButton"));
    m_pRetake->setGeometry(kRetakeRect);
    m_pReview->setGeometry(kReviewRect);
    m_pRetake->setAutoDefault(false);
    m_pReview->setAutoDefault(false);
    connect(m_pRetake, &QPushButton::clicked, this, &CScorePage::Retake);
    connect(m_pReview, &QPushButton::clicked, this, &CScorePage::Review);

    m_pTimer->setInterval(kTickMilliseconds);
    connect(m_pTimer, &QTimer::timeout, this, &CScorePage::Tick);
}

CScorePage::~CScorePage() = default;

int CScorePage::FrameBitmap(int frame)
{
    return kFrameBitmaps.at(static_cast<size_t>(frame));
}

QString CScorePage::FormatPercentage(float percentage)
{
    // A whole number has no decimal point, so the C library's rounding is
    // the same in every locale.
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(percentage));
    return QString::fromLatin1(text);
}

QString CScorePage::ScoreText() const
{
    return m_pScore->text();
}

bool CScorePage::IsAnimating() const
{
    return m_pTimer->isActive();
}

void CScorePage::OnSetActive()
{
    LoadPicture(m_pBanner, IDB_SCORE_BANNER);
    ApplyFonts();
    m_pReview->setEnabled(true);

    const int correct = m_pDoc->CountCorrect();
    const int count = m_pDoc->m_nQuestionCount;
    // A quiz without questions scores nothing rather than dividing by zero.
    m_fPercentage =
        count > 0 ? static_cast<float>(static_cast<double>(correct) / count * 100.0) : 0.0f;
    m_pScore->setText(tr("You answered %1 out of %2 correctly. That equals %3%.")
                          .arg(correct)
                          .arg(count)
                          .arg(FormatPercentage(m_fPercentage)));
    // A screen reader says the score at once, though the focus is elsewhere.
    QAccessibleEvent alert(m_pScore, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    m_pScore->setFocus();

    if (!m_pScorePicture)
        m_pScorePicture = std::make_unique<CDib>(IDB_SCORE_PICTURE);
    if (IsPerfect()) {
        StartAnimation();
        if (m_context.m_pSound)
            m_context.m_pSound->Play(IDW_PERFECT_SCORE);
    } else {
        m_pTimer->stop();
        if (m_context.m_pPalette)
            m_context.m_pPalette->SetCurrent(m_pScorePicture->Palette());
        if (m_context.m_pSound)
            m_context.m_pSound->Play(IDW_SCORE);
    }
    Arm();
}

void CScorePage::StartAnimation()
{
    for (size_t i = 0; i < m_frames.size(); ++i) {
        if (!m_frames[i])
            m_frames[i] = std::make_unique<CDib>(kFrameBitmaps[i]);
    }
    m_nFrame = 0;
    m_nSweep = 0;
    m_pTimer->start();
}

void CScorePage::Tick()
{
    if (m_bForward) {
        if (++m_nFrame == kFrameCount) {
            m_nFrame = kFrameCount - 1;
            m_bForward = false;
        }
    } else if (--m_nFrame < 0) {
        m_nFrame = 1;
        m_bForward = true;
        if (m_nSweep == kLastSweep) {
            m_pTimer->stop();
            m_nSweep = 0;
        } else {
            ++m_nSweep;
        }
    }
    update();
}

void CScorePage::hideEvent(QHideEvent* event)
{
    // Nobody watches the dance on another page.
    m_pTimer->stop();
    CQuizPage::hideEvent(event);
}

int CScorePage::OnWizardBack()
{
    const int type = m_pDoc->m_nQuizType;
    if (!IsQuizKind(type)) {
        GoToPage(PAGE_WELCOME);
    } else if (m_pDoc->m_nQuestionCount <= 0) {
        GoToPage(IntroPage(type));
    } else {
        // The last position of the order comes back to be answered again.
        m_pDoc->m_nCurrent = m_pDoc->m_nQuestionCount - 1;
        if (m_pDoc->m_nAnswered > 0)
            --m_pDoc->m_nAnswered;
        GoToPage(QuestionPage(type));
    }
    return WIZ_STAY;
}

void CScorePage::OnCommand(int id)
{
    if (id == ID_SHEET_FINISH)
        GoToPage(PAGE_WELCOME);
}

void CScorePage::Retake()
{
    const int type = m_pDoc->m_nQuizType;
    GoToPage(IsQuizKind(type) ? IntroPage(type) : PAGE_WELCOME);
}

void CScorePage::Review()
{
    GoToPage(PAGE_QUESTION_MANAGER);
}

QPushButton* CScorePage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_SHEET_FINISH) : nullptr;
}

void CScorePage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pBanner.get(), TakeLayout::kBannerAt);
    // A perfect score shows the dance, which ends on the score picture.
    const CDib* picture =
        IsPerfect() ? m_frames[static_cast<size_t>(m_nFrame)].get() : m_pScorePicture.get();
    DrawPicture(painter, picture, kPictureAt);
}
