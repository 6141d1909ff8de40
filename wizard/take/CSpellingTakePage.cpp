#include "CSpellingTakePage.h"

#include "CActorSvr.h"
#include "CDib.h"
#include "CPictureButton.h"
#include "CQuestion.h"
#include "CQuizVoice.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace TakeLayout;

namespace {
const QRect kInstructionRect(kContentLeft, kContentTop, kColumnWidth, 150);
const QRect kProgressRect(kContentLeft, kContentTop + 170, kColumnWidth, 90);
const QRect kAnswerFrameRect(kRightColumnLeft, kContentTop - 8, kColumnWidth, 84);
constexpr int kSpeakerSide = 100;
const QRect kSpeakerRect(kRightColumnLeft + (kColumnWidth - kSpeakerSide) / 2, 200, kSpeakerSide,
                         kSpeakerSide);
const QRect kSpeakerTextRect(kRightColumnLeft, 306, kColumnWidth, 24);
constexpr int kAnswerPixelSize = 20;
} // namespace

CSpellingTakePage::CSpellingTakePage(CWizardContext& context, QWidget* parent)
    : CQuestionPage(context, QUIZ_SPELLING, IDB_SPELLING_QUIZ_BANNER, IDB_SPELLING_SIDE, parent),
      m_pActor(std::make_unique<CActorSvr>())
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

    m_pSpeaker = AddPictureButton(IDB_SPEAKER_BUTTON, tr("&Speaker"),
                                  tr("A loudspeaker: hear the spelling word again."), kSpeakerRect);
    m_pSpeaker->SetMode(CPictureButton::kMomentary);
    auto* speakerText = new QLabel(tr("Click here to hear the sound"), this);
    speakerText->setGeometry(kSpeakerTextRect);
    speakerText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    speakerText->setFont(m_context.m_fontNormal);
}

CSpellingTakePage::~CSpellingTakePage() = default;

void CSpellingTakePage::SetActor(std::unique_ptr<CActorSvr> actor)
{
    m_pActor = std::move(actor);
}

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

void CSpellingTakePage::LoadPagePictures()
{
    m_pSpeakerFace = std::make_unique<CDib>(IDB_SPEAKER_BUTTON);
    m_pSpeaker->AttachPicture(m_pSpeakerFace.get());
}

void CSpellingTakePage::ShowQuestion(CQuestion& question)
{
    ResetPictureButtons();
    // Every visit says the word: a new word, or the same one for a second try.
    if (m_pActor) {
        if (m_context.m_pVoice)
            m_pActor->SetLanguage(m_context.m_pVoice->SpokenLanguage(m_pDoc->m_strQuizPath));
        m_pActor->SetText(question.m_strQuestion);
        m_pActor->Speak();
    }
    m_pAnswer->setText(question.m_strResponse);
    FollowAnswer(question.m_strResponse);
    m_pAnswer->setFocus();
}

void CSpellingTakePage::OnPictureButton(int id)
{
    if (id == IDB_SPEAKER_BUTTON && m_pActor)
        m_pActor->Speak();
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
