// Pictures of every page for the help, taken from the real pages on the offscreen platform:
//   TUTORAMA_HELP_SHOTS=resources/help TUTORAMA_HELP_LANG=de QT_QPA_PLATFORM=offscreen
//   build/tests/desktop/tutorama_helpshots
// writes page-NN.png (page-NN_de.png in German), feedback.png and print.png.
#include "CPageTour.h"
#include "CSheetHarness.h"
#include "CTranslations.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {
// Wide enough to read in the help window, small enough to keep the program small.
constexpr int kShotWidth = 480;
} // namespace

class HelpShots : public QObject
{
    Q_OBJECT

private slots:
    void pictureEveryPage()
    {
        const QString folder = qEnvironmentVariable("TUTORAMA_HELP_SHOTS");
        if (folder.isEmpty())
            QSKIP("TUTORAMA_HELP_SHOTS names no folder");
        const QString language = qEnvironmentVariable("TUTORAMA_HELP_LANG");
        const QString suffix = language.isEmpty() ? QString() : QLatin1Char('_') + language;
        std::unique_ptr<CTranslations> translations;
        if (!language.isEmpty()) {
            QLocale::setDefault(QLocale(language));
            translations = std::make_unique<CTranslations>(QLocale());
        }
        QVERIFY(QDir().mkpath(folder));

        CSheetHarness harness;
        CPageTour tour(harness);
        QSet<QString> taken;
        tour.Run([&](const QString& where, QWidget* shown) {
            QString name = QStringLiteral("page-%1").arg(harness.Index(), 2, 10, QLatin1Char('0'));
            if (where.endsWith(QStringLiteral("feedback")))
                name = QStringLiteral("feedback");
            else if (where.endsWith(QStringLiteral("print dialog")))
                name = QStringLiteral("print");
            if (taken.contains(name))
                return;
            taken.insert(name);
            const QImage shot =
                shown->grab().toImage().scaledToWidth(kShotWidth, Qt::SmoothTransformation);
            QVERIFY(shot.save(QDir(folder).filePath(name + suffix + QStringLiteral(".png"))));
        });
        QVERIFY(!QTest::currentTestFailed());
        qInfo("%lld pictures in %s", qlonglong(taken.size()), qPrintable(folder));
    }
};

QTEST_MAIN(HelpShots)
#include "helpshots.moc"
