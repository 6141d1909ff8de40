// Every page of the sheet on a screen of the scale QT_SCALE_FACTOR gives (the test runs at 1x,
// 1.5x and 2x): the title banner across its top is drawn with the screen's own pixels, as sharp
// as the text beside it, not blown up from the small picture.
#include "CPageTour.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "EdgeSharpness.h"
#include "QuizType.h"

#include <QSet>
#include <QTest>

#include <cmath>

namespace {

constexpr QSize kBannerSize(720, 60);
// A banner drawn at the screen's scale loses this much edge steepness, at least, when it is
// squeezed to its own size and blown up again; one already blown up loses next to nothing.
constexpr double kSharpnessLost = 1.2;

} // namespace

class TestSharpPages : public QObject
{
    Q_OBJECT

private slots:
    void bannersAreAsSharpAsTheScreen()
    {
        CSheetHarness harness;
        const qreal scale = harness.Sheet()->devicePixelRatioF();
        QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        const QSize pixels(int(std::lround(kBannerSize.width() * scale)),
                           int(std::lround(kBannerSize.height() * scale)));
        CPageTour tour(harness);
        QStringList blurred;
        int banners = 0;
        tour.Run([&](const QString& where, QWidget* shown) {
            if (shown != harness.Sheet())
                return; // the feedback dialog has no banner
            const QImage shot =
                harness.PageWidget()->grab(QRect(QPoint(0, 0), kBannerSize)).toImage();
            QCOMPARE(shot.size(), pixels);
            ++banners;
            if (scale == 1.0)
                return;
            const QImage blownUp =
                shot.scaled(kBannerSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double lost = EdgeSteepness(shot) / EdgeSteepness(blownUp);
            if (lost < kSharpnessLost)
                blurred.append(QStringLiteral("%1: %2").arg(where).arg(lost));
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(blurred.isEmpty(), qPrintable(blurred.join(QLatin1Char('\n'))));
        QCOMPARE(QSet<int>(tour.PagesSeen().cbegin(), tour.PagesSeen().cend()).size(),
                 int(PAGE_COUNT));
        QVERIFY(banners >= PAGE_COUNT);
    }
};

QTEST_MAIN(TestSharpPages)
#include "tst_sharppages.moc"
