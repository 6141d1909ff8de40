#include "CFlashCardIntroPage.h"

#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

using namespace TakeLayout;

namespace {
const QRect kFeedbackRect(kIntroRightLeft, kIntroColumnTop, kIntroRightWidth, 58);
const QRect kScoreRect(kIntroRightLeft, kIntroColumnTop + 62, kIntroRightWidth, 90);
const QRect kContinueRect(kIntroRightLeft, kIntroColumnTop + 160, kIntroRightWidth, 24);
// The choice stands beside the side picture, under the count line.
const QRect kSelectRect(kContentLeft, kContentTop + 40, kContentWidth, 24);
constexpr int kChoiceWidth = 170; // the whole width answers a click
const QRect kShowFrontsRect(kContentLeft + 16, kContentTop + 68, kChoiceWidth, 26);
const QRect kShowBacksRect(kContentLeft + 16, kContentTop + 96, kChoiceWidth, 26);
} // namespace

CFlashCardIntroPage::CFlashCardIntroPage(CWizardContext& context, QWidget* parent)
    : CQuizIntroPage(context, QUIZ_FLASH_CARD, IDB_FLASH_CARD_INTRO_BANNER, IDB_FLASH_CARD_SIDE,
                     parent),
      m_pShowFronts(new QRadioButton(tr("Show Fronts"), this)),
      m_pShowBacks(new QRadioButton(tr("Show Backs"), this))
{
    setObjectName(QStringLiteral("flashCardIntroPage"));
    AddCountLabel(QRect(kContentLeft, kContentTop, kContentWidth, kLineHeight));
    SetHelpTexts(IDS_FLASH_CARD_INTRO_HELP, 0);
    AddLabel(tr("You will find out right away whether each answer is correct. If your answer is "
                "incorrect, you can try the question a second time."),
             kFeedbackRect, false);
    AddLabel(tr("After you have completed all of the flash cards, you will see your score. At "
                "that time you may take the quiz again to see if you can get a higher score. If "
                "you don't want to take the quiz again, you can review the flash cards."),
             kScoreRect, false);
    AddLabel(tr("Click the Next button to continue."), kContinueRect, false);
    AddLabel(tr("Make your selection below:"), kSelectRect, false);

    m_pShowFronts->setObjectName(QStringLiteral("showFronts"));
    m_pShowBacks->setObjectName(QStringLiteral("showBacks"));
    m_pShowFronts->setGeometry(kShowFrontsRect);
    m_pShowBacks->setGeometry(kShowBacksRect);
    // A longer translation widens its choice, never past what it needs to answer a click.
    for (QRadioButton* choice : {m_pShowFronts, m_pShowBacks})
        choice->resize(std::max(kChoiceWidth, choice->sizeHint().width()), choice->height());
    auto* group = new QButtonGroup(this);
    group->addButton(m_pShowFronts);
    group->addButton(m_pShowBacks);
    // The two radios are exclusive, so following one follows the choice, however it was made.
    connect(m_pShowFronts, &QRadioButton::toggled, this,
            [this](bool checked) { m_pDoc->m_bShowFronts = checked; });
}

QString CFlashCardIntroPage::CountText(int count) const
{
    return tr("This quiz has %n flash cards(s).", nullptr, count);
}

void CFlashCardIntroPage::OnActivated()
{
    m_pShowFronts->setFont(m_context.m_fontBold);
    m_pShowBacks->setFont(m_context.m_fontBold);
    // The choice stays as the pupil left it; the first visit starts with fronts.
    if (m_pShowBacks->isChecked()) {
        m_pDoc->m_bShowFronts = false;
    } else {
        m_pShowFronts->setChecked(true);
        m_pDoc->m_bShowFronts = true;
    }
}
