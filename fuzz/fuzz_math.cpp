// Feeds arbitrary problem texts and typed answers to the math rules, under a
// decimal-comma locale as a pupil's machine may have. Every rule must return,
// and an answer the program shows as correct must be judged correct.
#include "MathRules.h"

#include <QString>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool condition, const char* what, const QString& problem, const QString& answer)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_math: broken invariant: %s\n  problem \"%s\"\n  answer \"%s\"\n",
                     what, qPrintable(problem), qPrintable(answer));
        std::abort();
    }
}

bool IsProblemCode(int code)
{
    return code >= MathRules::PROBLEM_INVALID && code <= MathRules::PROBLEM_NUMBER_TOO_LONG;
}

// The two-decimal form must be what the judge accepts. The tiny form (eight
// decimals, for values below 0.01) shows up to eight digits and is judged to
// two significant ones, so it is only checked to be typeable.
void CheckShownAnswerIsAccepted(const QString& problem)
{
    const double value = MathRules::EvaluateProblem(problem);
    if (!std::isfinite(value))
        return;
    const QString shown = MathRules::FormatMathAnswer(value);
    Require(MathRules::IsValidAnswerNumber(shown), "the shown answer can be typed", problem, shown);
    if (!MathRules::IsSmallAnswer(value))
        Require(MathRules::IsMathAnswerCorrect(problem, shown),
                "the shown answer is judged correct", problem, shown);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt programs run under the user's locale; the rules must not notice.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        std::setlocale(LC_ALL, "C.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The input is "problem\nanswer"; without a line break the answer is empty.
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf(u'\n');
    const QString problem = split < 0 ? input : input.left(split);
    const QString answer = split < 0 ? QString() : input.mid(split + 1);

    const int code = MathRules::ValidateProblem(problem);
    Require(IsProblemCode(code), "ValidateProblem gives a known code", problem, answer);
    Require(IsProblemCode(MathRules::CheckNumber(problem)), "CheckNumber gives a known code",
            problem, answer);
    Require(!MathRules::ProblemMessage(code).isEmpty() || code == MathRules::PROBLEM_VALID,
            "every refusal has a message", problem, answer);

    const double value = MathRules::EvaluateProblem(problem);
    MathRules::IsMathAnswerCorrect(problem, answer);
    MathRules::IsValidAnswerNumber(answer);
    MathRules::IsSmallAnswer(value);
    MathRules::FormatSmallAnswer(value);
    MathRules::ReadNumberOrZero(answer);
    if (code == MathRules::PROBLEM_VALID)
        CheckShownAnswerIsAccepted(problem);
    return 0;
}
