#include "CPageTour.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTranslations.h"
#include "QuizType.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {
// The English texts of the program whose German differs (names such as "Tutorama" stay).
struct EnglishTexts
{
    QSet<QString> m_exact;
    QList<QRegularExpression> m_patterns; // texts with %1 ... or %n
};

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&')).trimmed();
}

void AddEnglish(EnglishTexts* english, const QString& source)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    const QString plain = Plain(source);
    if (!plain.contains(placeholder)) {
        english->m_exact.insert(plain);
        return;
    }
    QString pattern = QRegularExpression::escape(plain);
    pattern.replace(QRegularExpression(QStringLiteral("%(\\d|n)")), QStringLiteral(".*"));
    english->m_patterns.append(QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                                  QRegularExpression::DotMatchesEverythingOption));
}

EnglishTexts ReadEnglish(const QString& tsPath)
{
    EnglishTexts english;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return english;
    QXmlStreamReader xml(&file);
    QString source;
    QStringList translations;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            source.clear();
            translations.clear();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && (xml.name() == QLatin1String("translation") ||
                                            xml.name() == QLatin1String("numerusform"))) {
            const QString text =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!text.isEmpty())
                translations.append(text);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (!translations.contains(source.trimmed()))
                AddEnglish(&english, source);
        }
    }
    return english;
}

bool IsEnglish(const EnglishTexts& english, const QString& text)
{
    const QString plain = Plain(text);
    if (plain.isEmpty())
        return false;
    if (english.m_exact.contains(plain))
        return true;
    return std::any_of(
        english.m_patterns.cbegin(), english.m_patterns.cend(),
        [&plain](const QRegularExpression& re) { return re.match(plain).hasMatch(); });
}

// Every text a pupil sees below a window.
QStringList ShownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts.append(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts.append(button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts.append(group->title());
        else if (auto* message = qobject_cast<QPlainTextEdit*>(widget);
                 message && message->isReadOnly())
            texts.append(message->toPlainText());
        texts.append(widget->accessibleName());
        texts.append(widget->accessibleDescription());
        texts.append(widget->toolTip());
    }
    return texts;
}
} // namespace

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
        m_english = ReadEnglish(QStringLiteral(TUTORAMA_TS_FILE));
        QVERIFY(m_english.m_exact.size() > 150);
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
            for (const QString& text : ShownTexts(shown)) {
                checked += text.isEmpty() ? 0 : 1;
                if (IsEnglish(m_english, text) && !reported.contains(text)) {
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
            const QStringList texts = ShownTexts(harness.Sheet());
            QVERIFY(std::count_if(texts.cbegin(), texts.cend(), [this](const QString& text) {
                        return IsEnglish(m_english, text);
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
    EnglishTexts m_english;
};

QTEST_MAIN(TestGerman)
#include "tst_german.moc"
