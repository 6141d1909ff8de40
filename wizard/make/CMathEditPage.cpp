#include "CMathEditPage.h"

#include "CDib.h"
#include "CLineEdit.h"
#include "CPrompt.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "MathRules.h"
#include "PictureLayout.h"
#include "ResourceIds.h"

#include <QPainter>
#include <QPushButton>

#include <array>

namespace {
using namespace PictureLayout;

constexpr int kRightLeft = 268; // clear of the help text's longest line
constexpr int kRightEdge = 696;
const QRect kInstructionRect(kRightLeft, 72, kRightEdge - kRightLeft, 44);
const QRect kProblemRect(kRightLeft, 120, kCalculatorWidth, 34);
const QPoint kCalculatorAt(kRightLeft, 162);
const QRect kClearRect(kRightLeft + kCalculatorWidth + 24, 162, 150, 34);
const QRect kPasteRect(kClearRect.left(), 206, 150, 34);
constexpr int kKeyFontPixels = 20;
constexpr int kProblemFontPixels = 18;

// One key of the keypad: what it shows, what it appends, what a screen reader says.
struct Key
{
    const char* m_label;
    const char* m_appended;
    const char* m_name;
    int m_nRow;
    int m_nColumn;
};
// Four rows; the bottom row has no key in its second column.
constexpr std::array<Key, 15> kKeys{{
    {"7", "7", QT_TRANSLATE_NOOP("CMathEditPage", "Seven"), 0, 0},
    {"8", "8", QT_TRANSLATE_NOOP("CMathEditPage", "Eight"), 0, 1},
    {"9", "9", QT_TRANSLATE_NOOP("CMathEditPage", "Nine"), 0, 2},
    {"/", " / ", QT_TRANSLATE_NOOP("CMathEditPage", "Divide"), 0, 3},
    {"4", "4", QT_TRANSLATE_NOOP("CMathEditPage", "Four"), 1, 0},
    {"5", "5", QT_TRANSLATE_NOOP("CMathEditPage", "Five"), 1, 1},
    {"6", "6", QT_TRANSLATE_NOOP("CMathEditPage", "Six"), 1, 2},
    {"*", " * ", QT_TRANSLATE_NOOP("CMathEditPage", "Times"), 1, 3},
    {"1", "1", QT_TRANSLATE_NOOP("CMathEditPage", "One"), 2, 0},
    {"2", "2", QT_TRANSLATE_NOOP("CMathEditPage", "Two"), 2, 1},
    {"3", "3", QT_TRANSLATE_NOOP("CMathEditPage", "Three"), 2, 2},
    {"-", " - ", QT_TRANSLATE_NOOP("CMathEditPage", "Minus"), 2, 3},
    {"0", "0", QT_TRANSLATE_NOOP("CMathEditPage", "Zero"), 3, 0},
    {".", ".", QT_TRANSLATE_NOOP("CMathEditPage", "Point"), 3, 2},
    {"+", " + ", QT_TRANSLATE_NOOP("CMathEditPage", "Plus"), 3, 3},
}};
} // namespace

CMathEditPage::CMathEditPage(CWizardContext& context, QWidget* parent)
    : CEditPage(context, QUIZ_MATH, {IDB_MATH_EDIT_BANNER, IDB_MATH_SIDE, IDS_MATH_EDIT_HELP},
                parent),
      m_pProblem(new CLineEdit(this)), m_pClear(new QPushButton(tr("Clear Problem"), this)),
      m_pPaste(new QPushButton(tr("Paste"), this))
{
    setObjectName(QStringLiteral("mathEditPage"));
    AddLabel(tr("Use the calculator keypad to enter a problem. If you make a mistake, click the "
                "Clear Problem button."),
             kInstructionRect, false);
    m_pProblem->setObjectName(QStringLiteral("problemEdit"));
    m_pProblem->setGeometry(kProblemRect);
    m_pProblem->setAccessibleName(tr("Math problem"));
    QFont problemFont = m_context.m_fontNormal;
    problemFont.setPixelSize(kProblemFontPixels);
    m_pProblem->setFont(problemFont);
    m_pClear->setObjectName(QStringLiteral("clearButton"));
    m_pClear->setGeometry(kClearRect);
    m_pPaste->setObjectName(QStringLiteral("pasteButton"));
    m_pPaste->setGeometry(kPasteRect);
    m_pPaste->setAccessibleDescription(tr("Puts the problem you copied into the problem box."));
    AddKeypad();

    connect(m_pProblem, &QLineEdit::textChanged, this, [this] { ApplyButtonRule(); });
    connect(m_pClear, &QPushButton::clicked, this, &CMathEditPage::ClearProblem);
    connect(m_pPaste, &QPushButton::clicked, this, &CMathEditPage::OnPaste);
}

CMathEditPage::~CMathEditPage() = default;

void CMathEditPage::AddKeypad()
{
    QFont keyFont = m_context.m_fontBold;
    keyFont.setPixelSize(kKeyFontPixels);
    for (const Key& key : kKeys) {
        auto* button = new QPushButton(QString::fromLatin1(key.m_label), this);
        button->setObjectName(QStringLiteral("key%1").arg(QString::fromLatin1(key.m_label)));
        button->setAccessibleName(tr(key.m_name));
        button->setFont(keyFont);
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(kCalculatorAt.x() + kKeyLeft + key.m_nColumn * kKeyPitchX,
                            kCalculatorAt.y() + kKeyTop + key.m_nRow * kKeyPitchY, kKeyWidth,
                            kKeyHeight);
        const QString appended = QString::fromLatin1(key.m_appended);
        connect(button, &QPushButton::clicked, this, [this, appended] { PressKey(appended); });
    }
}

void CMathEditPage::LoadOwnPictures()
{
    LoadPicture(m_pCalculator, IDB_CALCULATOR_BODY);
}

void CMathEditPage::PressKey(const QString& appended)
{
    m_pProblem->setText(m_pProblem->text() + appended);
    m_pProblem->setFocus();
    m_pProblem->end(false);
}

void CMathEditPage::ClearProblem()
{
    m_pProblem->clear();
    ApplyButtonRule(); // also when the box was empty already
    m_pProblem->setFocus();
}

void CMathEditPage::OnPaste()
{
    PlayWave(IDW_PASTE);
    m_pProblem->PasteFromButton();
    m_pProblem->setFocus();
}

void CMathEditPage::ShowQuestion(const CQuestion& question)
{
    const QSignalBlocker quiet(m_pProblem);
    m_pProblem->setText(question.m_strQuestion);
}

void CMathEditPage::ShowEmptyQuestion()
{
    const QSignalBlocker quiet(m_pProblem);
    m_pProblem->clear();
}

void CMathEditPage::FillQuestion(CQuestion& question) const
{
    question.m_strQuestion = m_pProblem->text();
}

int CMathEditPage::CheckProblem() const
{
    return MathRules::ValidateProblem(m_pProblem->text());
}

bool CMathEditPage::IsComplete() const
{
    return CheckProblem() == MathRules::PROBLEM_VALID;
}

bool CMathEditPage::RefuseIncomplete()
{
    int message = IDS_PROBLEM_MALFORMED;
    switch (CheckProblem()) {
    case MathRules::PROBLEM_DIVIDE_BY_ZERO:
        message = IDS_PROBLEM_DIVIDES_BY_ZERO;
        break;
    case MathRules::PROBLEM_NUMBER_TOO_LONG:
        message = IDS_PROBLEM_NUMBER_TOO_LARGE;
        break;
    default:
        break;
    }
    if (CPrompt* prompt = m_pDoc->Prompt())
        prompt->ShowMessage(CStringTable::Get(message));
    m_pProblem->setFocus();
    return true;
}

void CMathEditPage::ApplyButtonRule()
{
    // The problem is only checked when it is stored, so Finish always works
    // and tells what is wrong; New needs at least something typed.
    EnableStoreButtons(!m_pProblem->text().isEmpty(), true);
    MakeFinishDefault();
}

void CMathEditPage::FocusEditor()
{
    m_pProblem->setFocus();
}

QPushButton* CMathEditPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_SHEET_FINISH) : nullptr;
}

void CMathEditPage::PaintPage(QPainter& painter)
{
    CEditPage::PaintPage(painter);
    DrawPicture(painter, m_pCalculator.get(), kCalculatorAt);
}
