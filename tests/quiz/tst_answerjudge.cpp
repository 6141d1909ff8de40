#include "AnswerJudge.h"
#include "CQuestion.h"
#include "CTU_QuizDoc.h"

#include "MathRules.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace AnswerJudge;

// Judging typed and chosen answers, and the sentences the feedback shows.
class TestAnswerJudge : public QObject
{
    Q_OBJECT

private slots:
    void judgeAnswer_data();
    void judgeAnswer();
    void judgingLeavesStoredTextsAlone();
    void correctAnswerText_data();
    void correctAnswerText();
    void shownMathAnswerIsJudgedCorrect();
    void verdictTexts();
    void trueFalseVerdict_data();
    void trueFalseVerdict();
};

void TestAnswerJudge::judgeAnswer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("showFronts");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("response");
    QTest::addColumn<bool>("correct");
    QTest::addRow("card lower case against capital") << int(QUIZ_FLASH_CARD) << true << "France"
                                                     << "Paris"
                                                     << "paris" << true;
    QTest::addRow("card wrong") << int(QUIZ_FLASH_CARD) << true << "France"
                                << "Paris"
                                << "Rome" << false;
    QTest::addRow("card backs shown, front expected") << int(QUIZ_FLASH_CARD) << false << "France"
                                                      << "Paris"
                                                      << "FRANCE" << true;
    QTest::addRow("card backs shown, back typed") << int(QUIZ_FLASH_CARD) << false << "France"
                                                  << "Paris"
                                                  << "Paris" << false;
    QTest::addRow("card empty answer") << int(QUIZ_FLASH_CARD) << true << "France"
                                       << "Paris"
                                       << "" << false;
    QTest::addRow("spelling exact") << int(QUIZ_SPELLING) << true << "because"
                                    << ""
                                    << "because" << true;
    QTest::addRow("spelling upper case") << int(QUIZ_SPELLING) << true << "because"
                                         << ""
                                         << "BECAUSE" << true;
    QTest::addRow("spelling trailing blank") << int(QUIZ_SPELLING) << true << "because"
                                             << ""
                                             << "because " << false;
    QTest::addRow("spelling leading blank") << int(QUIZ_SPELLING) << true << "because"
                                            << ""
                                            << " because" << false;
    // Only a to z are folded, as the comparison always did.
    QTest::addRow("accented letter keeps its case")
        << int(QUIZ_SPELLING) << true << QString::fromUtf8("café") << ""
        << QString::fromUtf8("CAFÉ") << false;
    QTest::addRow("greek exact") << int(QUIZ_SPELLING) << true << QString::fromUtf8("λόγος") << ""
                                 << QString::fromUtf8("λόγος") << true;
    QTest::addRow("math right") << int(QUIZ_MATH) << true << "57+41"
                                << ""
                                << "98" << true;
    QTest::addRow("math wrong") << int(QUIZ_MATH) << true << "57+41"
                                << ""
                                << "97" << false;
    QTest::addRow("math tiny") << int(QUIZ_MATH) << true << "1/400"
                               << ""
                               << "0.00251" << true;
}

void TestAnswerJudge::judgeAnswer()
{
    QFETCH(int, kind);
    QFETCH(bool, showFronts);
    QFETCH(QString, front);
    QFETCH(QString, back);
    QFETCH(QString, response);
    QFETCH(bool, correct);
    CTU_QuizDoc doc;
    doc.SetQuizType(kind);
    doc.m_bShowFronts = showFronts;
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = front;
    question->m_strAnswer = back;
    question->m_strResponse = response;
    QCOMPARE(JudgeAnswer(doc, *question), correct);
}

void TestAnswerJudge::judgingLeavesStoredTextsAlone()
{
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_FLASH_CARD);
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = "France";
    question->m_strAnswer = "Paris";
    question->m_strResponse = "paris";
    QVERIFY(JudgeAnswer(doc, *question));
    QCOMPARE(question->m_strAnswer, QString("Paris"));
    QCOMPARE(question->m_strQuestion, QString("France"));
    QCOMPARE(question->m_strResponse, QString("paris"));
    QCOMPARE(CorrectAnswerText(doc, *question), QString(" The correct answer is Paris."));
    QCOMPARE(doc.CountCorrect(), 1);
}

void TestAnswerJudge::correctAnswerText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("showFronts");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("text");
    const QString twoPlaces = ".  Although this answer display shows two decimal places, the "
                              "Tutorama accepts any correct answer rounded to two or more decimal "
                              "places.";
    QTest::addRow("card back") << int(QUIZ_FLASH_CARD) << true << "France"
                               << "Paris"
                               << " The correct answer is Paris.";
    QTest::addRow("card front") << int(QUIZ_FLASH_CARD) << false << "France"
                                << "Paris"
                                << " The correct answer is France.";
    QTest::addRow("spelling") << int(QUIZ_SPELLING) << true << "because"
                              << ""
                              << " The correct answer is because.";
    QTest::addRow("math whole") << int(QUIZ_MATH) << true << "57+41"
                                << ""
                                << " The correct answer is 57+41 = 98.00" + twoPlaces;
    QTest::addRow("math third") << int(QUIZ_MATH) << true << "1/3"
                                << ""
                                << " The correct answer is 1/3 = 0.33" + twoPlaces;
    QTest::addRow("math zero") << int(QUIZ_MATH) << true << "5-5"
                               << ""
                               << " The correct answer is 5-5 = 0.00" + twoPlaces;
    QTest::addRow("math tiny") << int(QUIZ_MATH) << true << "1/400"
                               << ""
                               << " The correct answer is 1/400 = 0.0025    ";
    QTest::addRow("math 0.005") << int(QUIZ_MATH) << true << "1/200"
                                << ""
                                << " The correct answer is 1/200 = 0.005     ";
    QTest::addRow("math 0.01 is not tiny") << int(QUIZ_MATH) << true << "1/100"
                                           << ""
                                           << " The correct answer is 1/100 = 0.01" + twoPlaces;
    // Eight decimals hold too few digits of these: the value as judged is shown.
    QTest::addRow("math below eight decimals") << int(QUIZ_MATH) << true << "1 / 30000000"
                                               << ""
                                               << " The correct answer is 1 / 30000000 = "
                                                  "0.000000033";
    QTest::addRow("math rounded twice") << int(QUIZ_MATH) << true << "3 / 923915"
                                        << ""
                                        << " The correct answer is 3 / 923915 = 0.0000032";
    QTest::addRow("math with no digit in eight decimals")
        << int(QUIZ_MATH) << true << "0.000001 / 99999999"
        << ""
        << " The correct answer is 0.000001 / 99999999 = 0.00000000000001 ";
    QTest::addRow("math eight decimals kept where they are judged right")
        << int(QUIZ_MATH) << true << "-1 / 800"
        << ""
        << " The correct answer is -1 / 800 = -0.00125   ";
}

void TestAnswerJudge::correctAnswerText()
{
    QFETCH(int, kind);
    QFETCH(bool, showFronts);
    QFETCH(QString, front);
    QFETCH(QString, back);
    QFETCH(QString, text);
    CTU_QuizDoc doc;
    doc.SetQuizType(kind);
    doc.m_bShowFronts = showFronts;
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = front;
    question->m_strAnswer = back;
    QCOMPARE(CorrectAnswerText(doc, *question), text);
}

namespace {

// A number as the math editor's keypad builds it: at most eight characters,
// nine with a point, sometimes with a minus sign.
QString RandomNumber(QRandomGenerator& random)
{
    const int digits = 1 + int(random.bounded(8));
    QString number;
    for (int i = 0; i < digits; ++i)
        number += QChar(u'0' + int(random.bounded(10)));
    if (random.bounded(2) == 0)
        number.insert(int(random.bounded(digits + 1)), u'.');
    if (random.bounded(8) == 0 && digits < 8)
        number.prepend(u'-');
    return number;
}

// Mostly a short number divided by a long one, where the tiny answers are.
QString RandomProblem(QRandomGenerator& random)
{
    static const QString kOperators = QStringLiteral("+-*/");
    const QChar op = random.bounded(4) == 0 ? kOperators.at(int(random.bounded(3))) : u'/';
    QString left = RandomNumber(random);
    if (op == u'/' && random.bounded(2) == 0)
        left.truncate(1 + int(random.bounded(2)));
    return left + u' ' + op + u' ' + RandomNumber(random);
}

} // namespace

void TestAnswerJudge::shownMathAnswerIsJudgedCorrect()
{
    // Whatever answer the feedback shows, typed as shown, is judged correct.
    constexpr int kProblems = 120000;
    QRandomGenerator random(20261208);
    const QRegularExpression shownAnswer(QStringLiteral(" = (-?[0-9]+\\.[0-9]+)"));
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_MATH);
    CQuestion* question = doc.AddQuestion();
    int problems = 0;
    int tiny = 0;
    while (problems < kProblems) {
        question->m_strQuestion = RandomProblem(random);
        if (MathRules::ValidateProblem(question->m_strQuestion) != MathRules::PROBLEM_VALID)
            continue;
        ++problems;
        const QString sentence = CorrectAnswerText(doc, *question);
        const QRegularExpressionMatch match = shownAnswer.match(sentence);
        QVERIFY2(match.hasMatch(), qPrintable(sentence));
        question->m_strResponse = match.captured(1);
        QVERIFY2(MathRules::IsValidAnswerNumber(question->m_strResponse), qPrintable(sentence));
        QVERIFY2(JudgeAnswer(doc, *question), qPrintable(sentence));
        if (MathRules::IsSmallAnswer(MathRules::EvaluateProblem(question->m_strQuestion)))
            ++tiny;
    }
    // The draw reaches the tiny answers often enough to matter.
    QVERIFY2(tiny > kProblems / 10, qPrintable(QString::number(tiny)));
}

void TestAnswerJudge::verdictTexts()
{
    QCOMPARE(VerdictText(true), QString("Correct. You got it right!"));
    QCOMPARE(VerdictText(false), QString("No. That is not correct."));
}

void TestAnswerJudge::trueFalseVerdict_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("response");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("text");
    QTest::addRow("true answered true") << 0 << 0 << true << "Correct. You got it right!";
    QTest::addRow("false answered false") << 1 << 1 << true << "Correct. You got it right!";
    QTest::addRow("true answered false") << 0 << 1 << false << "No. The correct answer is True.";
    QTest::addRow("false answered true") << 1 << 0 << false << "No. The correct answer is False.";
}

void TestAnswerJudge::trueFalseVerdict()
{
    QFETCH(int, answer);
    QFETCH(int, response);
    QFETCH(bool, correct);
    QFETCH(QString, text);
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_TRUE_FALSE);
    CQuestion* question = doc.AddQuestion();
    question->m_nAnswer = answer;
    question->m_nResponse = response;
    QCOMPARE(JudgeAnswer(doc, *question), correct);
    QCOMPARE(TrueFalseVerdictText(*question), text);
}

QTEST_GUILESS_MAIN(TestAnswerJudge)
#include "tst_answerjudge.moc"
