#pragma once

#include <QString>

// The arithmetic of math questions: which problem texts the editor accepts,
// their value, which typed answers count as numbers, when an answer is right
// and how the right answer is written out. Every number is read and written
// as in the "C" locale, whatever locale the user runs, so a quiz made on one
// machine is judged the same on another.
namespace MathRules {

// Result codes of CheckNumber and ValidateProblem.
enum ProblemCode : int
{
    PROBLEM_INVALID = 0,
    PROBLEM_VALID = 1,
    PROBLEM_DIVIDE_BY_ZERO = 2,
    PROBLEM_NUMBER_TOO_LONG = 3,
};

// Longest number the keypad allows, not counting a decimal point.
constexpr int MAX_NUMBER_CHARS = 8;

// Checks the number at the start of text (which may go on with an operator).
int CheckNumber(const QString& text);
// Checks a whole problem text: number, operator, number, ...
int ValidateProblem(const QString& text);
// The editor's message for a ValidateProblem code other than PROBLEM_VALID.
QString ProblemMessage(int code);
// The value of a problem, "*" and "/" before "+" and "-"; a division by zero
// makes that term 0.
double EvaluateProblem(const QString& text);
// Whether the typed response matches the problem's value: to the hundredth,
// or to two significant digits for values below 0.005.
bool IsMathAnswerCorrect(const QString& problem, const QString& response);
// Whether a typed answer is accepted as a number at all.
bool IsValidAnswerNumber(const QString& text);
// Eight decimals with the trailing zeros turned into blanks (tiny answers).
QString FormatSmallAnswer(double value);
// The answer shown for a non-zero value below 0.01: FormatSmallAnswer when
// typing that is judged correct, else the value to two significant digits,
// with as many decimals as that takes (0.000000033 for 1 / 30000000).
QString FormatTinyAnswer(double value);
// Two decimals, or FormatTinyAnswer for non-zero values below 0.01.
QString FormatMathAnswer(double value);
// True when FormatMathAnswer shows the value in its tiny form.
bool IsSmallAnswer(double value);

// Reads a number like the C library's strtod in the "C" locale: leading
// white space, an optional sign, digits with an optional point and exponent
// (no hexadecimal forms: no problem text or answer can hold one).
// Returns the value and sets *consumed to the characters read (0 = none).
double ReadNumber(const char* begin, const char* end, int* consumed);
// The C library's atof in the "C" locale: text that is no number reads as 0.
double ReadNumberOrZero(const QString& text);

} // namespace MathRules
