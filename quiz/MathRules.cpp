#include "MathRules.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace MathRules {

namespace {

constexpr char SPACE = ' ';
constexpr double HUNDREDTHS = 100.0;
constexpr double TINY_TARGET = 10.0;
constexpr double TINY_TOLERANCE = 0.00001;
// A double has no more than this many decimal steps below 10.
constexpr int MAX_TINY_STEPS = 400;
constexpr int SMALL_DECIMALS = 8;
constexpr int ANSWER_DECIMALS = 2;
// From 2^53 on a double holds whole numbers only: nothing left to round.
constexpr double EXACT_WHOLE_NUMBERS = 9007199254740992.0;

bool IsOperator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/';
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Problem texts are plain ASCII; any other character becomes a byte that no
// rule accepts, so it can never pass for a digit or an operator.
QByteArray ToAscii(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        bytes[i] = c < 0x80 ? static_cast<char>(c) : '\x7f';
    }
    return bytes;
}

QByteArray WithoutSpaces(const QString& text)
{
    QByteArray bytes = ToAscii(text);
    bytes.removeIf([](char c) { return c == SPACE; });
    return bytes;
}

// Cuts the text at the first c unless c is its first character.
void CutAtFirst(QByteArray& text, char c)
{
    const qsizetype pos = text.indexOf(c);
    if (pos > 0)
        text.truncate(pos);
}

// Rounds a magnitude half up to a whole number.
double RoundHalfUp(double magnitude)
{
    const double whole = std::floor(magnitude);
    return magnitude - whole >= 0.5 ? whole + 1.0 : whole;
}

double Sign(double value)
{
    return value < 0 ? -1.0 : 1.0;
}

QString Fixed(double value, int decimals)
{
    // Large enough for the longest fixed form of a double, and for
    // MAX_TINY_STEPS decimals.
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// The fewest decimals that read back as exactly this value.
QString ShortestFixed(double value)
{
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// The operator that applies to the token starting at pos, and whether the
// token's number is negated by a sign right behind another operator (5*-3).
struct TokenOperator
{
    char op = 0;
    bool negate = false;
};

TokenOperator OperatorBefore(const QByteArray& text, qsizetype pos)
{
    if (pos == 0)
        return {};
    if (pos == 1)
        return {text[0], false};
    const char c1 = text[pos - 1];
    const char c0 = text[pos - 2];
    if ((c1 == '+' || c1 == '-') && IsOperator(c0))
        return {c0, c1 == '-'};
    return {c1, false};
}

// What strtod gives for a number a double cannot hold: HUGE_VAL when it is
// too large, 0 when it is too small.
double OutOfRangeValue(const char* begin, const char* end)
{
    const char* exponent = std::find_if(begin, end, [](char c) { return c == 'e' || c == 'E'; });
    if (exponent != end)
        return exponent + 1 < end && exponent[1] == '-' ? 0.0 : HUGE_VAL;
    const char* point = std::find(begin, end, '.');
    const bool wholePart = std::any_of(begin, point, [](char c) { return c >= '1' && c <= '9'; });
    return wholePart ? HUGE_VAL : 0.0;
}

// The judge of a typed answer's value: equal to the hundredth, rounded half
// up, or for values below 0.005 equal to two significant digits.
bool IsAnswerValueCorrect(double correct, double typed)
{
    const double sC = Sign(correct);
    const double sR = Sign(typed);
    double magC = std::fabs(correct);
    double magR = std::fabs(typed);
    const double ci = RoundHalfUp(magC * HUNDREDTHS);
    const double ri = RoundHalfUp(magR * HUNDREDTHS);
    if (ci != 0.0 || correct == 0.0)
        return sC * ci == sR * ri;
    // A tiny value is matched to two significant digits: scale both by the
    // same power of ten until the correct value reaches 10.
    for (int steps = 0; magC < TINY_TARGET && steps < MAX_TINY_STEPS; ++steps) {
        magC *= 10.0;
        magR *= 10.0;
    }
    const double cs = sC * RoundHalfUp(magC);
    const double rs = sR * RoundHalfUp(magR);
    const float difference = std::fabs(static_cast<float>(cs - rs));
    return difference <= std::fabs(cs) * TINY_TOLERANCE;
}

// A tiny value as the judge sees it: rounded half up to two significant
// digits, written with just the decimals that takes.
QString TwoSignificantDigits(double value)
{
    int decimals = 0;
    double magnitude = std::fabs(value);
    for (; magnitude < TINY_TARGET && decimals < MAX_TINY_STEPS; ++decimals)
        magnitude *= 10.0;
    return Fixed(Sign(value) * RoundHalfUp(magnitude) / std::pow(10.0, decimals), decimals);
}

// Turns the trailing zeros of a fixed-point text into blanks, keeping its width.
QString BlankTrailingZeros(QString text)
{
    for (qsizetype i = text.size() - 1; i >= 0 && text.at(i) == u'0'; --i)
        text[i] = u' ';
    return text;
}

} // namespace

double ReadNumber(const char* begin, const char* end, int* consumed)
{
    *consumed = 0;
    const char* p = begin;
    while (p < end && IsCSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // from_chars takes no sign of its own here: a second sign is no number.
    if (p == end || *p == '+' || *p == '-')
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(p, end, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range)
        value = OutOfRangeValue(p, result.ptr);
    *consumed = static_cast<int>(result.ptr - begin);
    return negative ? -value : value;
}

double ReadNumberOrZero(const QString& text)
{
    const QByteArray bytes = ToAscii(text);
    int consumed = 0;
    return ReadNumber(bytes.constData(), bytes.constData() + bytes.size(), &consumed);
}

int CheckNumber(const QString& text)
{
    if (text.isNull())
        return PROBLEM_INVALID;
    QByteArray number = ToAscii(text);
    for (const char op : {'+', '-', '/', '*'})
        CutAtFirst(number, op);
    if (number.isEmpty())
        return PROBLEM_INVALID;
    for (const char c : number) {
        if (!IsAsciiDigit(c) && c != '+' && c != '-' && c != '.')
            return PROBLEM_INVALID;
    }
    const int allowed = MAX_NUMBER_CHARS + (number.contains('.') ? 1 : 0);
    return number.size() > allowed ? PROBLEM_NUMBER_TOO_LONG : PROBLEM_VALID;
}

int ValidateProblem(const QString& text)
{
    const QByteArray problem = WithoutSpaces(text);
    if (problem.isEmpty())
        return PROBLEM_INVALID;
    const char* p = problem.constData();
    const char* const end = p + problem.size();
    const int first = CheckNumber(QString::fromLatin1(problem));
    if (first != PROBLEM_VALID)
        return first;
    int consumed = 0;
    ReadNumber(p, end, &consumed);
    p += consumed;
    if (p == end)
        return PROBLEM_INVALID;
    for (;;) {
        const char op = *p++;
        if (!IsOperator(op) || p == end)
            return PROBLEM_INVALID;
        const int next = CheckNumber(QString::fromLatin1(p, end - p));
        if (next != PROBLEM_VALID)
            return next;
        const double value = ReadNumber(p, end, &consumed);
        if (op == '/' && value == 0.0)
            return PROBLEM_DIVIDE_BY_ZERO;
        p += consumed;
        if (p == end)
            return PROBLEM_VALID;
    }
}

QString ProblemMessage(int code)
{
    switch (code) {
    case PROBLEM_DIVIDE_BY_ZERO:
        return QCoreApplication::translate(
            "MathRules", "The Tutorama does not support dividing numbers by zero.");
    case PROBLEM_NUMBER_TOO_LONG:
        return QCoreApplication::translate("MathRules", "The number is too large.");
    default:
        return QCoreApplication::translate(
            "MathRules", "There is a problem with the equation you entered. The equation must be "
                         "a number, then either \"+,-,* or /\", followed by another number");
    }
}

double EvaluateProblem(const QString& text)
{
    // The whole text is evaluated, however long: cutting it would give a
    // wrong value without a word.
    const QByteArray problem = WithoutSpaces(text);
    const char* const data = problem.constData();
    double sum = 0.0;
    double term = 0.0;
    qsizetype pos = 0;
    while (pos < problem.size()) {
        if (IsOperator(problem[pos])) {
            ++pos;
            continue;
        }
        qsizetype tokenEnd = pos;
        while (tokenEnd < problem.size() && !IsOperator(problem[tokenEnd]))
            ++tokenEnd;
        int consumed = 0;
        double num = ReadNumber(data + pos, data + tokenEnd, &consumed);
        const TokenOperator before = OperatorBefore(problem, pos);
        if (before.negate)
            num = -num;
        switch (before.op) {
        case '*':
            num = term * num;
            break;
        case '/':
            num = num != 0.0 ? term / num : 0.0;
            break;
        case '-':
            num = -num;
            break;
        default:
            break;
        }
        if (before.op != '*' && before.op != '/')
            sum += term;
        term = num;
        pos = tokenEnd;
    }
    return sum + term;
}

bool IsMathAnswerCorrect(const QString& problem, const QString& response)
{
    return IsAnswerValueCorrect(EvaluateProblem(problem), ReadNumberOrZero(response));
}

bool IsValidAnswerNumber(const QString& text)
{
    const QByteArray bytes = ToAscii(text);
    for (const char c : bytes) {
        if (!IsAsciiDigit(c) && c != SPACE && c != '-' && c != '.')
            return false;
    }
    int consumed = 0;
    ReadNumber(bytes.constData(), bytes.constData() + bytes.size(), &consumed);
    return consumed > 0;
}

QString FormatSmallAnswer(double value)
{
    return BlankTrailingZeros(Fixed(value, SMALL_DECIMALS));
}

QString FormatTinyAnswer(double value)
{
    // Eight decimals hold too few digits of the smallest values, and they
    // round once more than the judge does (3.247e-6 shows as 0.00000325);
    // where that form would be judged wrong, the value is shown as judged.
    QString eightDecimals = FormatSmallAnswer(value);
    if (IsAnswerValueCorrect(value, ReadNumberOrZero(eightDecimals)))
        return eightDecimals;
    return BlankTrailingZeros(TwoSignificantDigits(value));
}

bool IsSmallAnswer(double value)
{
    return std::trunc(value * HUNDREDTHS) == 0.0 && value != 0.0;
}

QString FormatMathAnswer(double value)
{
    if (IsSmallAnswer(value))
        return FormatTinyAnswer(value);
    // Hundredths are rounded half up, as the judge rounds them, so the answer
    // shown for 1/8 is 0.13 and typing it is correct; "%.2f" would show 0.12.
    const double hundredths = std::fabs(value) * HUNDREDTHS;
    if (hundredths >= EXACT_WHOLE_NUMBERS)
        return Fixed(value, ANSWER_DECIMALS);
    const QString text = Fixed(Sign(value) * RoundHalfUp(hundredths) / HUNDREDTHS, ANSWER_DECIMALS);
    // Near the end of a double's precision the hundredths of the text read
    // back may round the other way; the value's own digits are judged right.
    return IsAnswerValueCorrect(value, ReadNumberOrZero(text)) ? text : ShortestFixed(value);
}

} // namespace MathRules
