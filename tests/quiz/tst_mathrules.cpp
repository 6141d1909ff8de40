#include "MathRules.h"

#include <QTest>

#include <clocale>
#include <cstdlib>

using namespace MathRules;

// The math rules, run under a locale with a decimal comma when the machine
// has one, so every row also proves the rules ignore the user's locale.
class TestMathRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void decimalCommaLocaleIsActive();
    void checkNumber_data();
    void checkNumber();
    void validateProblem_data();
    void validateProblem();
    void problemMessages();
    void evaluateProblem_data();
    void evaluateProblem();
    void isMathAnswerCorrect_data();
    void isMathAnswerCorrect();
    void isValidAnswerNumber_data();
    void isValidAnswerNumber();
    void formatAnswers_data();
    void formatAnswers();

private:
    bool m_decimalComma = false;
};

void TestMathRules::initTestCase()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name)) {
            m_decimalComma = true;
            break;
        }
    }
    if (!m_decimalComma)
        qInfo("No German locale here (make one with: localedef -i de_DE -f UTF-8 de_DE.UTF-8)");
}

void TestMathRules::cleanupTestCase()
{
    std::setlocale(LC_ALL, "C");
}

void TestMathRules::decimalCommaLocaleIsActive()
{
    if (!m_decimalComma)
        QSKIP("no locale with a decimal comma is installed");
    // The C library itself now reads "0,5" and stops at "0.5": the rules below must not.
    QCOMPARE(std::strtod("0,5", nullptr), 0.5);
    QCOMPARE(std::strtod("0.5", nullptr), 0.0);
}

void TestMathRules::checkNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addRow("null") << QString() << 0;
    QTest::addRow("empty") << QString("") << 0;
    QTest::addRow("lone number") << "12" << 1;
    QTest::addRow("followed by operator") << "12+3" << 1;
    QTest::addRow("signed") << "-12+3" << 1;
    QTest::addRow("eight digits") << "12345678" << 1;
    QTest::addRow("nine digits") << "123456789" << 3;
    QTest::addRow("nine with point") << "1234.5678" << 1;
    QTest::addRow("ten with point") << "12345678.9" << 3;
    QTest::addRow("sign counts") << "-12345678+1" << 3;
    QTest::addRow("letter e") << "1e5+1" << 0;
    QTest::addRow("operator first") << "*5" << 0;
}

void TestMathRules::checkNumber()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(CheckNumber(text), code);
}

void TestMathRules::validateProblem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addRow("lone number") << "12" << 0;
    QTest::addRow("dangling operator") << "12+" << 0;
    QTest::addRow("with spaces") << "12 + 3" << 1;
    QTest::addRow("chain") << "1+2+3" << 1;
    QTest::addRow("keypad form") << "57+41" << 1;
    QTest::addRow("divide by zero") << "5/0" << 2;
    QTest::addRow("divide by 0.0") << "5/0.0" << 2;
    QTest::addRow("divide by spaced zero") << "5 / 0" << 2;
    QTest::addRow("zero in chain") << "12/0+1" << 2;
    QTest::addRow("first too long") << "123456789+1" << 3;
    QTest::addRow("signed too long") << "-12345678+1" << 3;
    QTest::addRow("second too long") << "12+123456789" << 3;
    QTest::addRow("nine with point") << "1234.5678+1" << 1;
    QTest::addRow("exponent") << "1e5+1" << 0;
    QTest::addRow("empty") << "" << 0;
    QTest::addRow("only spaces") << "   " << 0;
    QTest::addRow("signed second") << "5*-3" << 1;
    QTest::addRow("double minus") << "5--3" << 1;
    QTest::addRow("two points") << "1.2.3+1" << 0;
    QTest::addRow("letter operator") << "12x3" << 0;
    QTest::addRow("non-latin digit") << QString::fromUtf8("1\u0663+2") << 0;
}

void TestMathRules::validateProblem()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(ValidateProblem(text), code);
}

void TestMathRules::problemMessages()
{
    QCOMPARE(ProblemMessage(PROBLEM_INVALID),
             QString("There is a problem with the equation you entered. The equation must be a "
                     "number, then either \"+,-,* or /\", followed by another number"));
    QCOMPARE(ProblemMessage(PROBLEM_DIVIDE_BY_ZERO),
             QString("The Tutorama does not support dividing numbers by zero."));
    QCOMPARE(ProblemMessage(PROBLEM_NUMBER_TOO_LONG), QString("The number is too large."));
}

void TestMathRules::evaluateProblem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addRow("sum") << "57+41" << 98.0;
    QTest::addRow("precedence") << "2+3*4" << 14.0;
    QTest::addRow("left to right division") << "8/2/2" << 2.0;
    QTest::addRow("signed factor") << "5*-3" << -15.0;
    QTest::addRow("minus negative") << "5--3" << 8.0;
    QTest::addRow("leading minus") << "-5+3" << -2.0;
    QTest::addRow("divide by zero") << "7/0" << 0.0;
    QTest::addRow("decimals") << "1.5*2" << 3.0;
    QTest::addRow("spaces") << " 10 / 4 " << 2.5;
    QTest::addRow("two products") << "2*3+4*5" << 26.0;
    QTest::addRow("two differences") << "12-3-4" << 5.0;
    QTest::addRow("zero") << "5-5" << 0.0;
    QTest::addRow("empty") << "" << 0.0;
    // Longer than the editor can make: evaluated whole, not cut short.
    QTest::addRow("121 characters") << QString("1+").repeated(60) + "1" << 61.0;
}

void TestMathRules::evaluateProblem()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(EvaluateProblem(text), value);
}

void TestMathRules::isMathAnswerCorrect_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("response");
    QTest::addColumn<bool>("correct");
    QTest::addRow("1/3 0.33") << "1/3"
                              << "0.33" << true;
    QTest::addRow("1/3 .333") << "1/3"
                              << ".333" << true;
    QTest::addRow("1/3 0.3333333") << "1/3"
                                   << "0.3333333" << true;
    QTest::addRow("1/3 0.34") << "1/3"
                              << "0.34" << false;
    QTest::addRow("1/800 0.00125") << "1/800"
                                   << "0.00125" << true;
    QTest::addRow("1/800 0.0013") << "1/800"
                                  << "0.0013" << true;
    QTest::addRow("1/800 0.0012") << "1/800"
                                  << "0.0012" << false;
    QTest::addRow("5-5 0") << "5-5"
                           << "0" << true;
    QTest::addRow("5-5 0.004") << "5-5"
                               << "0.004" << true;
    QTest::addRow("5-5 -0.001") << "5-5"
                                << "-0.001" << true;
    QTest::addRow("5-5 0.005") << "5-5"
                               << "0.005" << false;
    QTest::addRow("5-5 empty") << "5-5"
                               << "" << true;
    QTest::addRow("98 98") << "57+41"
                           << "98" << true;
    QTest::addRow("98 98.00") << "57+41"
                              << "98.00" << true;
    QTest::addRow("98 98.004") << "57+41"
                               << "98.004" << true;
    QTest::addRow("98 98.005") << "57+41"
                               << "98.005" << false;
    QTest::addRow("98 comma") << "57+41"
                              << "98,5" << true;
    QTest::addRow("98 97") << "57+41"
                           << "97" << false;
    QTest::addRow("10/4 2.5") << "10/4"
                              << "2.5" << true;
    QTest::addRow("10/4 2.50") << "10/4"
                               << "2.50" << true;
    QTest::addRow("10/4 2.499") << "10/4"
                                << "2.499" << true;
    QTest::addRow("10/4 2.494") << "10/4"
                                << "2.494" << false;
    QTest::addRow("10/4 -2.5") << "10/4"
                               << "-2.5" << false;
    QTest::addRow("1/400 0.0025") << "1/400"
                                  << "0.0025" << true;
    QTest::addRow("1/400 0.00251") << "1/400"
                                   << "0.00251" << true;
    QTest::addRow("1/400 0.0024") << "1/400"
                                  << "0.0024" << false;
    QTest::addRow("1/400 0.003") << "1/400"
                                 << "0.003" << false;
    QTest::addRow("negative right") << "5-8"
                                    << "-3" << true;
    QTest::addRow("negative sign missing") << "5-8"
                                           << "3" << false;
    QTest::addRow("leading blank") << "57+41"
                                   << " 98" << true;
}

void TestMathRules::isMathAnswerCorrect()
{
    QFETCH(QString, problem);
    QFETCH(QString, response);
    QFETCH(bool, correct);
    QCOMPARE(IsMathAnswerCorrect(problem, response), correct);
}

void TestMathRules::isValidAnswerNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addRow("whole") << "98" << true;
    QTest::addRow("negative decimal") << "-4.5" << true;
    QTest::addRow("leading blank") << " -4.5" << true;
    QTest::addRow("point first") << ".5" << true;
    QTest::addRow("letter") << "98a" << false;
    QTest::addRow("plus sign") << "+5" << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("blanks") << "   " << false;
    QTest::addRow("minus alone") << "-" << false;
    QTest::addRow("point alone") << "." << false;
    QTest::addRow("decimal comma") << "4,5" << false;
}

void TestMathRules::isValidAnswerNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IsValidAnswerNumber(text), valid);
}

void TestMathRules::formatAnswers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("math");
    QTest::addColumn<QString>("small");
    QTest::addRow("98") << 98.0 << "98.00"
                        << "98.        ";
    QTest::addRow("0") << 0.0 << "0.00"
                       << "0.        ";
    QTest::addRow("0.005") << 0.005 << "0.005     "
                           << "0.005     ";
    QTest::addRow("0.00125") << 0.00125 << "0.00125   "
                             << "0.00125   ";
    QTest::addRow("2.5") << 2.5 << "2.50"
                         << "2.5       ";
    QTest::addRow("one third") << 1.0 / 3.0 << "0.33"
                               << "0.33333333";
    QTest::addRow("negative") << -3.0 << "-3.00"
                              << "-3.        ";
    QTest::addRow("negative tiny") << -0.0025 << "-0.0025    "
                                   << "-0.0025    ";
}

void TestMathRules::formatAnswers()
{
    QFETCH(double, value);
    QFETCH(QString, math);
    QFETCH(QString, small);
    QCOMPARE(FormatMathAnswer(value), math);
    QCOMPARE(FormatSmallAnswer(value), small);
}

QTEST_GUILESS_MAIN(TestMathRules)
#include "tst_mathrules.moc"
