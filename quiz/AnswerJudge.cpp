#include "AnswerJudge.h"

#include "CQuestion.h"
#include "CTU_QuizDoc.h"
#include "MathRules.h"

#include <QCoreApplication>

namespace AnswerJudge {

namespace {

constexpr int TRUE_FALSE_FALSE = 1;

char16_t UpperLetter(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("AnswerJudge", text);
}

QString MathAnswerText(const CQuestion& question)
{
    const double value = MathRules::EvaluateProblem(question.m_strQuestion);
    if (MathRules::IsSmallAnswer(value)) {
        return Tr(" The correct answer is %1 = %2")
            .arg(question.m_strQuestion, MathRules::FormatTinyAnswer(value));
    }
    return Tr(" The correct answer is %1 = %2.  Although this answer display shows two decimal "
              "places, the Tutorama accepts any correct answer rounded to two or more decimal "
              "places.")
        .arg(question.m_strQuestion, MathRules::FormatMathAnswer(value));
}

} // namespace

bool SameIgnoringLetterCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (UpperLetter(a.at(i).unicode()) != UpperLetter(b.at(i).unicode()))
            return false;
    }
    return true;
}

const QString& ExpectedFlashCardText(const CTU_QuizDoc& doc, const CQuestion& question)
{
    return doc.m_bShowFronts ? question.m_strAnswer : question.m_strQuestion;
}

bool JudgeAnswer(const CTU_QuizDoc& doc, const CQuestion& question)
{
    switch (doc.m_nQuizType) {
    case QUIZ_TRUE_FALSE:
        return question.m_nResponse == question.m_nAnswer;
    case QUIZ_FLASH_CARD:
        return SameIgnoringLetterCase(question.m_strResponse, ExpectedFlashCardText(doc, question));
    case QUIZ_MATH:
        return MathRules::IsMathAnswerCorrect(question.m_strQuestion, question.m_strResponse);
    default:
        return SameIgnoringLetterCase(question.m_strResponse, question.m_strQuestion);
    }
}

QString CorrectAnswerText(const CTU_QuizDoc& doc, const CQuestion& question)
{
    switch (doc.m_nQuizType) {
    case QUIZ_FLASH_CARD:
        return Tr(" The correct answer is %1.").arg(ExpectedFlashCardText(doc, question));
    case QUIZ_MATH:
        return MathAnswerText(question);
    default:
        return Tr(" The correct answer is %1.").arg(question.m_strQuestion);
    }
}

QString VerdictText(bool correct)
{
    return correct ? Tr("Correct. You got it right!") : Tr("No. That is not correct.");
}

QString TrueFalseVerdictText(const CQuestion& question)
{
    if (question.m_nResponse == question.m_nAnswer)
        return VerdictText(true);
    return question.m_nAnswer == TRUE_FALSE_FALSE ? Tr("No. The correct answer is False.")
                                                  : Tr("No. The correct answer is True.");
}

} // namespace AnswerJudge
