#include "CMathTakePage.h"

#include "CPrompt.h"
#include "CQuestion.h"
#include "MathRules.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "TakeLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>

using namespace TakeLayout;

namespace {
const QRect kInstructionRect(kContentLeft, kContentTop, kColumnWidth, 110);
const QRect kProgressRect(kContentLeft, kContentTop + 130, kColumnWidth, 90);
const QRect kFrameRect(kRightColumnLeft, kContentTop - 8, kColumnWidth, 300);
constexpr int kInset = 14;
constexpr int kInnerWidth = kColumnWidth - 2 * kInset;
const QRect kProblemLabelRect(kInset, 24, kInnerWidth, 22);
const QRect kProblemRect(kInset, 48, kInnerWidth, 64);
const QRect kAnswerLabelRect(kInset, 124, kInnerWidth, 22);
const QRect kAnswerRect(kInset, 148, kInnerWidth, 32);
const QRect kRoundingRect(kInset, 194, kInnerWidth, 60);
constexpr int kProblemPixelSize = 22;
} // namespace

CMathTakePage::CMathTakePage(CWizardContext& context, QWidget* parent)
    : CQuestionPage(context, QUIZ_MATH, IDB_MATH_QUIZ_BANNER, IDB_MATH_SIDE, parent)
{
    setObjectName(QStringLiteral("mathTakePage"));
    AddLabel(tr("Read the problem. Solve the problem and type your answer in the Answer box. To "
                "find out if your answer is correct, click the Next button."),
             kInstructionRect, false);
    AddProgressLabel(kProgressRect);

    auto* frame = new QGroupBox(this);
    frame->setGeometry(kFrameRect);
    auto* problemLabel = new QLabel(tr("Problem:"), frame);
    problemLabel->setGeometry(kProblemLabelRect);
    problemLabel->setFont(m_context.m_fontBold);
    m_pProblem = new QPlainTextEdit(frame);
    m_pProblem->setObjectName(QStringLiteral("problemBox"));
    m_pProblem->setAccessibleName(tr("Problem"));
    m_pProblem->setGeometry(kProblemRect);
    m_pProblem->setReadOnly(true);
    m_pProblem->setFocusPolicy(Qt::NoFocus);
    QFont problemFont = m_context.m_fontBold;
    problemFont.setPixelSize(kProblemPixelSize);
    m_pProblem->setFont(problemFont);

    auto* answerLabel = new QLabel(tr("Answer:"), frame);
    answerLabel->setGeometry(kAnswerLabelRect);
    answerLabel->setFont(m_context.m_fontBold);
    m_pAnswer = new QLineEdit(frame);
    m_pAnswer->setObjectName(QStringLiteral("answerBox"));
    m_pAnswer->setGeometry(kAnswerRect);
    m_pAnswer->setAccessibleName(tr("Answer"));
    answerLabel->setBuddy(m_pAnswer);
    connect(m_pAnswer, &QLineEdit::textChanged, this, &CMathTakePage::FollowAnswer);

    auto* rounding = new QLabel(
        tr("The Tutorama accepts any correct answer rounded to two or more decimal places."),
        frame);
    rounding->setGeometry(kRoundingRect);
    rounding->setWordWrap(true);
    rounding->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rounding->setFont(m_context.m_fontNormal);
}

bool CMathTakePage::WritesDecimalComma()
{
    return QLocale().decimalPoint() == QLatin1String(",");
}

QString CMathTakePage::AsRead(QString typed)
{
    // A pupil whose language writes "2,5" may type it so; the point is always understood.
    if (WritesDecimalComma())
        typed.replace(QLatin1Char(','), QLatin1Char('.'));
    return typed;
}

QString CMathTakePage::AsTyped(QString stored)
{
    if (WritesDecimalComma())
        stored.replace(QLatin1Char('.'), QLatin1Char(','));
    return stored;
}

QString CMathTakePage::Problem() const
{
    return m_pProblem->toPlainText();
}

void CMathTakePage::ShowQuestion(CQuestion& question)
{
    m_pAnswer->setFont(m_context.m_fontNormal);
    m_pProblem->setPlainText(question.m_strQuestion);
    m_pAnswer->setText(AsTyped(question.m_strResponse));
    FollowAnswer(m_pAnswer->text());
    m_pAnswer->setFocus();
}

bool CMathTakePage::AcceptsAnswer(CQuestion& /*question*/)
{
    if (MathRules::IsValidAnswerNumber(AsRead(m_pAnswer->text())))
        return true;
    if (CPrompt* prompt = m_pDoc->Prompt())
        prompt->ShowMessage(tr("You Must Enter A Valid Number"));
    m_pAnswer->setFocus();
    return false;
}

void CMathTakePage::StoreAnswer(CQuestion& question)
{
    question.m_strResponse = AsRead(m_pAnswer->text());
}

QString CMathTakePage::ProgressFormat(int answered, int left) const
{
    const QString done = answered == 1
                             ? tr("So far, you have completed %n problem.", nullptr, answered)
                             : tr("So far, you have completed %n problems.", nullptr, answered);
    const QString rest =
        left == 1
            ? tr("After you answer this problem, you will have %n problem left.", nullptr, left)
            : tr("After you answer this problem, you will have %n problems left.", nullptr, left);
    return done + QLatin1Char('\n') + rest;
}
