#include "CQuizFormatPage.h"

#include "CDib.h"
#include "CPrompt.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const QPoint kHeaderAt(0, 0);
const QRect kIntroRect(24, 76, 672, 44);
constexpr int kRadioLeft = 32;
constexpr int kRadioTop = 140;
constexpr int kRadioPitch = 40;
constexpr int kRadioWidth = 170;
constexpr int kRadioHeight = 30;
const QRect kSideRect(214, 136, 160, 140);
const QRect kDescriptionRect(394, 136, 302, 300);
const QColor kFrameGrey(192, 192, 192);

struct Kind
{
    int m_nCode;
    const char* m_caption;
    int m_nDescriptionId;
    int m_nSideId;
};
// Top to bottom as the radios are shown; spelling last, as it may be hidden.
constexpr std::array<Kind, 4> kKinds{{
    {QUIZ_TRUE_FALSE, QT_TRANSLATE_NOOP("CQuizFormatPage", "True/False"),
     IDS_TRUE_FALSE_DESCRIPTION, IDB_TRUE_FALSE_SIDE},
    {QUIZ_FLASH_CARD, QT_TRANSLATE_NOOP("CQuizFormatPage", "Flash Cards"),
     IDS_FLASH_CARD_DESCRIPTION, IDB_FLASH_CARD_SIDE},
    {QUIZ_MATH, QT_TRANSLATE_NOOP("CQuizFormatPage", "Mathematics"), IDS_MATH_DESCRIPTION,
     IDB_MATH_SIDE},
    {QUIZ_SPELLING, QT_TRANSLATE_NOOP("CQuizFormatPage", "Spelling"), IDS_SPELLING_DESCRIPTION,
     IDB_SPELLING_SIDE},
}};

const Kind& KindOf(int code)
{
    for (const Kind& kind : kKinds)
        if (kind.m_nCode == code)
            return kind;
    return kKinds.front();
}
} // namespace

CQuizFormatPage::CQuizFormatPage(CWizardContext& context, QWidget* parent)
    : CQuizPage(context, parent)
{
    setObjectName(QStringLiteral("quizFormatPage"));
    AddLabel(tr("Select the type of quiz you would like to make. All the questions in the quiz "
                "must be the same type."),
             kIntroRect, false);
    m_pDescription = AddLabel(tr("Choose Quiz Format"), kDescriptionRect, false);
    m_pDescription->setObjectName(QStringLiteral("formatDescription"));

    m_pGroup = new QButtonGroup(this);
    for (size_t row = 0; row < kKinds.size(); ++row) {
        const Kind& kind = kKinds[row];
        auto* radio = new QRadioButton(tr(kind.m_caption), this);
        radio->setObjectName(QStringLiteral("formatRadio%1").arg(kind.m_nCode));
        radio->setGeometry(kRadioLeft, kRadioTop + static_cast<int>(row) * kRadioPitch, kRadioWidth,
                           kRadioHeight);
        radio->setFont(m_context.m_fontNormal);
        radio->resize(radio->sizeHint().width(), kRadioHeight); // clicks land on its text
        m_pGroup->addButton(radio, kind.m_nCode);
        m_radios[static_cast<size_t>(kind.m_nCode - 1)] = radio;
        // However the radio got its check (mouse, keys, a screen reader), the page follows it.
        connect(radio, &QRadioButton::toggled, this, [this, code = kind.m_nCode](bool checked) {
            if (checked)
                Select(code);
        });
    }
    // Offered only when a speech engine can say the words.
    RadioOf(QUIZ_SPELLING)->hide();
    RadioOf(QUIZ_SPELLING)->setEnabled(false);
}

CQuizFormatPage::~CQuizFormatPage() = default;

QRadioButton* CQuizFormatPage::RadioOf(int kind) const
{
    return m_radios[static_cast<size_t>(kind - 1)];
}

void CQuizFormatPage::OnSetActive()
{
    m_nSelected = m_pDoc->m_nQuizType;
    if (m_pDoc->m_nQuizType == QUIZ_NONE)
        PostDisableButton(ID_WIZNEXT);
    else
        PostEnableButton(ID_WIZNEXT, true);
    ApplyFonts();
    LoadPicture(m_pHeader, IDB_QUIZ_FORMAT_BANNER);
    LoadPicture(m_pSide, IDB_TRUE_FALSE_SIDE);
    if (m_context.m_bSpeechAvailable) {
        RadioOf(QUIZ_SPELLING)->show();
        RadioOf(QUIZ_SPELLING)->setEnabled(true);
    }
    const int kind = IsQuizKind(m_pDoc->m_nQuizType) ? m_pDoc->m_nQuizType : QUIZ_TRUE_FALSE;
    {
        const QSignalBlocker blocker(RadioOf(kind)); // selected just below, once
        RadioOf(kind)->setChecked(true);
    }
    Select(kind);
    Arm();
}

void CQuizFormatPage::Select(int kind)
{
    PostEnableButton(ID_WIZNEXT, true);
    m_nSelected = kind;
    m_pDescription->setText(CStringTable::Get(KindOf(kind).m_nDescriptionId));
    m_pDescription->show();
    LoadPicture(m_pSide, KindOf(kind).m_nSideId);
    update(kSideRect);
    m_pDoc->m_nAdviceType = kind;
    m_pDoc->m_nReturnPage = PAGE_QUIZ_FORMAT;
}

bool CQuizFormatPage::StoreKind()
{
    // The radios are read when the page acts: they hold the choice, however it was made.
    if (IsQuizKind(m_pGroup->checkedId()))
        m_nSelected = m_pGroup->checkedId();
    // A quiz never holds questions of another kind: a change drops them, once confirmed.
    if (m_nSelected != m_pDoc->m_nQuizType && m_pDoc->m_nQuestionCount >= 1) {
        CPrompt* prompt = m_pDoc->Prompt();
        if (!prompt || prompt->AskYesNo(CStringTable::Get(IDS_CONFIRM_CHANGE_QUIZ_TYPE),
                                        CPrompt::Reply::No) != CPrompt::Reply::Yes)
            return false;
        m_pDoc->RemoveAllQuestions();
    }
    m_pDoc->SetQuizType(m_nSelected);
    m_pDoc->OnSaveDocument(m_pDoc->m_strQuizPath);
    return true;
}

int CQuizFormatPage::OnWizardNext()
{
    m_pDoc->m_nManagerBackPage = PAGE_QUIZ_FORMAT;
    if (StoreKind())
        PostNextPage();
    return WIZ_STAY;
}

int CQuizFormatPage::OnWizardBack()
{
    if (StoreKind())
        PostPrevPage();
    return WIZ_STAY;
}

bool CQuizFormatPage::OnQueryCancel()
{
    if (StoreKind())
        PostGoToPage(PAGE_WELCOME);
    return false;
}

void CQuizFormatPage::OnCommand(int id)
{
    if (id == ID_SHEET_ADVICE && StoreKind())
        GoToPage(AdvicePage(m_pDoc->m_nAdviceType));
}

QPushButton* CQuizFormatPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
}

void CQuizFormatPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pHeader.get(), kHeaderAt);
    painter.fillRect(kSideRect, kFrameGrey);
    DrawPicture(painter, m_pSide.get(), kSideRect.topLeft());
}
