#include "MathRules.h"

#include <QTest>

using namespace MathRules;

// What the fuzzers found, kept as tests so it cannot come back.
class TestFuzzFindings : public QObject
{
    Q_OBJECT

private slots:
    void shownAnswerIsJudgedCorrect_data();
    void shownAnswerIsJudgedCorrect();
};

void TestFuzzFindings::shownAnswerIsJudgedCorrect_data()
{
    // Values ending in an exact half hundredth: "%.2f" rounds them to even
    // (0.125 -> 0.12), the judge rounds half up, so the answer shown and
    // printed was judged wrong when typed.
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("shown");
    QTest::addRow("1/8") << "1/8"
                         << "0.13";
    QTest::addRow("5/8") << "5/8"
                         << "0.63";
    QTest::addRow("3/8") << "3/8"
                         << "0.38";
    QTest::addRow("-1/8") << "-1/8"
                          << "-0.13";
    QTest::addRow("1/8*-1") << "1/8*-1"
                            << "-0.13";
    QTest::addRow("10.125+0") << "10.125+0"
                              << "10.13";
    // 2.675 is stored a little below, but the judge's own product, 267.5,
    // decides: shown and judged alike.
    QTest::addRow("2.675+0") << "2.675+0"
                             << "2.68";
    QTest::addRow("98") << "98"
                        << "98.00";
    QTest::addRow("huge product") << "99999999*99999999*99999999"
                                  << "999999970000000239271936.00";
}

void TestFuzzFindings::shownAnswerIsJudgedCorrect()
{
    QFETCH(QString, problem);
    QFETCH(QString, shown);
    const double value = EvaluateProblem(problem);
    QCOMPARE(FormatMathAnswer(value), shown);
    QVERIFY(IsMathAnswerCorrect(problem, shown));
}

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
