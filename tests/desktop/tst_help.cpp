#include "CHelpWindow.h"
#include "QuizType.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

namespace {
QString ReadHelp(const QString& name)
{
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

// F1 explains every page, with its picture, in English, German, French and Spanish.
class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void everyPageIsExplainedWithItsPicture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pictureSuffix");
        QTest::addRow("English") << QStringLiteral("index.html") << QString();
        QTest::addRow("German") << QStringLiteral("index_de.html") << QStringLiteral("_de");
        QTest::addRow("French") << QStringLiteral("index_fr.html") << QStringLiteral("_fr");
        QTest::addRow("Spanish") << QStringLiteral("index_es.html") << QStringLiteral("_es");
    }

    void everyPageIsExplainedWithItsPicture()
    {
        QFETCH(QString, file);
        QFETCH(QString, pictureSuffix);
        const QString help = ReadHelp(file);
        QVERIFY2(!help.isEmpty(), qPrintable(file));
        for (int page = 0; page < PAGE_COUNT; ++page) {
            const QString anchor = QStringLiteral("name=\"page-%1\"").arg(page);
            QVERIFY2(help.contains(anchor), qPrintable(file + QStringLiteral(": ") + anchor));
        }
        const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
        int pictures = 0;
        for (const auto& match : image.globalMatch(help)) {
            const QString picture = match.captured(1);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + picture), qPrintable(picture));
            QVERIFY2(picture.endsWith(pictureSuffix + QStringLiteral(".png")), qPrintable(picture));
            ++pictures;
        }
        QVERIFY(pictures >= PAGE_COUNT);
    }

    // The help window itself finds every picture it names.
    void theHelpWindowShowsThePictures_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::addRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::addRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain);
    }

    void theHelpWindowShowsThePictures()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        CHelpWindow help;
        help.ShowContents();
        const QString html = help.Browser()->toHtml();
        const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
        int shown = 0;
        for (const auto& match : image.globalMatch(html)) {
            const QVariant picture =
                help.Browser()->loadResource(QTextDocument::ImageResource, QUrl(match.captured(1)));
            QVERIFY2(picture.isValid() && !picture.toByteArray().isEmpty(),
                     qPrintable(match.captured(1)));
            ++shown;
        }
        QVERIFY(shown >= PAGE_COUNT);
        QLocale::setDefault(QLocale::c());
    }

    void theHelpSpeaksTheLanguageOfTheSystem_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("file");
        QTest::addRow("English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << QStringLiteral("qrc:/help/index.html");
        QTest::addRow("German") << QLocale(QLocale::German, QLocale::Germany)
                                << QStringLiteral("qrc:/help/index_de.html");
        QTest::addRow("Austrian German") << QLocale(QLocale::German, QLocale::Austria)
                                         << QStringLiteral("qrc:/help/index_de.html");
        QTest::addRow("French") << QLocale(QLocale::French, QLocale::France)
                                << QStringLiteral("qrc:/help/index_fr.html");
        QTest::addRow("Canadian French") << QLocale(QLocale::French, QLocale::Canada)
                                         << QStringLiteral("qrc:/help/index_fr.html");
        QTest::addRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain)
                                 << QStringLiteral("qrc:/help/index_es.html");
        QTest::addRow("Mexican Spanish") << QLocale(QLocale::Spanish, QLocale::Mexico)
                                         << QStringLiteral("qrc:/help/index_es.html");
        QTest::addRow("Italian, no help of its own")
            << QLocale(QLocale::Italian, QLocale::Italy) << QStringLiteral("qrc:/help/index.html");
    }

    void theHelpSpeaksTheLanguageOfTheSystem()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, file);
        if (!QFile::exists(QUrl(file).path().prepend(QLatin1Char(':'))))
            QSKIP("this language's help is not written yet");
        QLocale::setDefault(locale);
        CHelpWindow help;
        help.ShowContents();
        QCOMPARE(help.Browser()->source().toString(), file);
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
