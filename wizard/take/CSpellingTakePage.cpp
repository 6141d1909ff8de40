#include "CSpellingTakePage.h"

#include "CPictureButton.h"
#include "CQuestion.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace TakeLayout;

namespace {
const QRect kInstructionRect(kContentLeft, kContentTop, kColumnWidth, 150);
const QRect kProgressRect(kContentLeft, kContentTop + 170, kColumnWidth, 90);
const QRect kAnswerFrameRect(kRightColumnLeft, kContentTop - 8, kColumnWidth, 84);
// The two speakers side by side below the answer, each above its words: the word as it is
// said, and the word said slowly.
constexpr int kSpeakerSide = 100;
constexpr int kSpeakerTop = 200;
constexpr int kSpeakerTextTop = kSpeakerTop + kSpeakerSide + 6;
constexpr int kSpeakerTextHeight = 60;
constexpr int kHalfColumn = kColumnWidth / 2;
constexpr int kSlowLeft = kRightColumnLeft + kHalfColumn;
const QRect kSpeakerRect(kRightColumnLeft + (kHalfColumn - kSpeakerSide) / 2, kSpeakerTop,
                         kSpeakerSide, kSpeakerSide);
const QRect kSlowSpeakerRect(kSlowLeft + (kHalfColumn - kSpeakerSide) / 2, kSpeakerTop,
                             kSpeakerSide, kSpeakerSide);
const QRect kSpeakerTextRect(kRightColumnLeft, kSpeakerTextTop, kHalfColumn, kSpeakerTextHeight);
const QRect kSlowSpeakerTextRect(kSlowLeft, kSpeakerTextTop, kHalfColumn, kSpeakerTextHeight);
constexpr int kAnswerPixelSize = 20;
} // namespace

CSpellingTakePage::CSpellingTakePage(CWizardContext& context, QWidget* parent)
    : CQuestionPage(context, QUIZ_SPELLING, IDB_SPELLING_QUIZ_BANNER, IDB_SPELLING_SIDE, parent)
{
    setObjectName(QStringLiteral("spellingTakePage"));
    AddLabel(tr("Click on the picture of the speaker and the computer will say a spelling word. "
                "If you want to hear the word a second time, click the speaker again. Type your "
                "answer in the Answer box. To find out if your spelling is correct, click the "
                "Next button."),
             kInstructionRect, false);
    AddProgressLabel(kProgressRect);

    auto* frame = new QGroupBox(tr("Answer"), this);
    frame->setGeometry(kAnswerFrameRect);
    frame->setFont(m_context.m_fontNormal);
    auto* layout = new QVBoxLayout(frame);
    m_pAnswer = new QLineEdit(frame);
    m_pAnswer->setObjectName(QStringLiteral("answerBox"));
    m_pAnswer->setAccessibleName(tr("Answer"));
    QFont answerFont = m_context.m_fontBold;
    answerFont.setPixelSize(kAnswerPixelSize);
    m_pAnswer->setFont(answerFont);
    layout->addWidget(m_pAnswer);
    connect(m_pAnswer, &QLineEdit::textEdited, this, &CSpellingTakePage::ShowAsCapitals);
    connect(m_pAnswer, &QLineEdit::textChanged, this, &CSpellingTakePage::FollowAnswer);

    // The word's speaker is there whatever the computer can do, as it always was.
    AddSpeakerButton({IDB_SPEAKER_BUTTON, IDB_SPEAKER_BUTTON, tr("&Speaker"),
                      tr("A loudspeaker: hear the spelling word again."), kSpeakerRect,
                      tr("Click here to hear the sound"), kSpeakerTextRect, true});
    const QString slowly = tr("Say it s&lowly");
    AddSpeakerButton({IDB_SLOW_SPEAKER_BUTTON, IDB_SLOW_SPEAKER_BUTTON, slowly,
                      tr("A loudspeaker and a snail: hear the word slowly, a part at a time."),
                      kSlowSpeakerRect, QString(slowly).remove(u'&'), kSlowSpeakerTextRect});
}

CSpellingTakePage::~CSpellingTakePage() = default;

QString CSpellingTakePage::CapitalLetters(const QString& text)
{
    QString capitals = text;
    for (QChar& c : capitals)
        c = c.toUpper();
    return capitals;
}

void CSpellingTakePage::ShowAsCapitals(const QString& typed)
{
    const QString capitals = CapitalLetters(typed);
    if (capitals == typed)
        return;
    const int cursor = m_pAnswer->cursorPosition();
    m_pAnswer->setText(capitals);
    m_pAnswer->setCursorPosition(cursor);
}

void CSpellingTakePage::ShowQuestion(CQuestion& question)
{
    ResetPictureButtons();
    // Every visit says the word: a new word, or the same one for a second try.
    Voice().SetText(question.m_strQuestion);
    Voice().Say();
    m_pAnswer->setText(question.m_strResponse);
    FollowAnswer(question.m_strResponse);
    m_pAnswer->setFocus();
}

void CSpellingTakePage::OnPictureButton(int id)
{
    if (id == IDB_SPEAKER_BUTTON)
        Voice().Say();
    else if (id == IDB_SLOW_SPEAKER_BUTTON)
        Voice().Say(CSpeechSynthesizer::Pace::Slow);
}

void CSpellingTakePage::StoreAnswer(CQuestion& question)
{
    question.m_strResponse = m_pAnswer->text();
}

QString CSpellingTakePage::ProgressFormat(int answered, int left) const
{
    const QString done = answered == 1
                             ? tr("So far, you have spelled %n word.", nullptr, answered)
                             : tr("So far, you have spelled %n words.", nullptr, answered);
    const QString rest =
        left == 1 ? tr("After you spell this word, you will have %n word left.", nullptr, left)
                  : tr("After you spell this word, you will have %n words left.", nullptr, left);
    return done + QLatin1Char('\n') + rest;
}
