#include "CEnglishTexts.h"
#include "CPageTour.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTranslations.h"
#include "QuizType.h"

#include <QtTest>

#include <memory>

// A teacher in Germany: with a German system the whole program speaks German.
class TestGerman : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_pTranslations = std::make_unique<CTranslations>(QLocale());
        QVERIFY(m_pTranslations->HasProgramTexts());
        m_pEnglish = std::make_unique<CEnglishTexts>(QStringLiteral(TUTORAMA_TS_FILE));
        QVERIFY(m_pEnglish->Count() > 150);
    }

    void cleanupTestCase()
    {
        m_pTranslations.reset();
        QLocale::setDefault(QLocale::c());
    }

    void noEnglishTextIsLeftOnAnyPage()
    {
        CSheetHarness harness;
        CPageTour tour(harness);
        QStringList english;
        QSet<QString> reported;
        int checked = 0;
        tour.Run([&](const QString& where, QWidget* shown) {
            for (const QString& text : CEnglishTexts::ShownTexts(shown)) {
                checked += text.isEmpty() ? 0 : 1;
                if (m_pEnglish->IsEnglish(text) && !reported.contains(text)) {
                    reported.insert(text);
                    english.append(QStringLiteral("%1: \"%2\"").arg(where, text));
                }
            }
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
        QVERIFY2(checked > 300, qPrintable(QString::number(checked)));
    }

    // Without the translation the same check finds the English texts, so it can see them.
    void theCheckSeesEnglishWhenItIsThere()
    {
        m_pTranslations.reset();
        {
            CSheetHarness harness;
            const QStringList texts = CEnglishTexts::ShownTexts(harness.Sheet());
            QVERIFY(std::count_if(texts.cbegin(), texts.cend(), [this](const QString& text) {
                        return m_pEnglish->IsEnglish(text);
                    }) > 5);
        }
        m_pTranslations = std::make_unique<CTranslations>(QLocale());
    }

    void countsHaveTheirPluralForms_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::addRow("one") << 1 << QStringLiteral("Dieses Quiz hat 1 Aussage.");
        QTest::addRow("two") << 2 << QStringLiteral("Dieses Quiz hat 2 Aussagen.");
        QTest::addRow("none") << 0 << QStringLiteral("Dieses Quiz hat 0 Aussagen.");
    }

    void countsHaveTheirPluralForms()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QCOMPARE(QCoreApplication::translate("CTrueFalseIntroPage",
                                             "This quiz has %n statement(s).", nullptr, count),
                 expected);
    }

    void qtsOwnTextsAreGermanToo()
    {
        if (!m_pTranslations->HasQtTexts())
            QSKIP("qt6-translations-l10n is not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    }

private:
    std::unique_ptr<CTranslations> m_pTranslations;
    std::unique_ptr<CEnglishTexts> m_pEnglish;
};

QTEST_MAIN(TestGerman)
#include "tst_german.moc"
