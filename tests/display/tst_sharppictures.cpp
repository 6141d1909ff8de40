// The program's pictures drawn for dense screens and printers, and the words lettered over them.
#include "CDib.h"
#include "CPictureRenderer.h"
#include "CRenderAhead.h"
#include "EdgeSharpness.h"
#include "PictureWords.h"
#include "ResourceIds.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <QTranslator>

namespace {

// A language that says one text for every word on the pictures.
class COneWordTranslator : public QTranslator
{
public:
    explicit COneWordTranslator(QString text) : m_text(std::move(text)) {}

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(source);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return qstrcmp(context, "PictureWords") == 0 ? m_text : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString m_text;
};

// The part of the picture (in its own pixels) that differs between two renderings of it.
QRect ChangedArea(const QImage& a, const QImage& b, qreal scale)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(int(x / scale), int(y / scale), 1, 1);
        }
    }
    return changed;
}

} // namespace

class TestSharpPictures : public QObject
{
    Q_OBJECT

private slots:
    void renderedAtTheScaleAsked_data();
    void renderedAtTheScaleAsked();
    void sharperThanTheSmallPictureBlownUp_data();
    void sharperThanTheSmallPictureBlownUp();
    void printedAtThePrintersPixels();
    void wordsComeFromTheTranslation_data();
    void wordsComeFromTheTranslation();
    void madeAheadOnAnotherThread();
};

void TestSharpPictures::renderedAtTheScaleAsked_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QSize>("pixels");
    QTest::addRow("1x") << 1.0 << QSize(720, 60);
    QTest::addRow("1.25x") << 1.25 << QSize(900, 75);
    QTest::addRow("1.5x") << 1.5 << QSize(1080, 90);
    QTest::addRow("2x") << 2.0 << QSize(1440, 120);
    QTest::addRow("3x") << 3.0 << QSize(2160, 180);
}

void TestSharpPictures::renderedAtTheScaleAsked()
{
    QFETCH(qreal, scale);
    QFETCH(QSize, pixels);
    const CDib banner(IDB_WELCOME_BANNER);
    const QImage rendering = CPictureRenderer::Rendering(banner, scale);
    QCOMPARE(rendering.size(), pixels);
    QCOMPARE(rendering.devicePixelRatio(), scale);

    // Drawn on a device of that scale, the picture fills its own size in points, pixel for pixel.
    QImage device(QSize(800, 80) * scale, QImage::Format_RGB32);
    device.setDevicePixelRatio(scale);
    device.fill(Qt::white);
    {
        QPainter painter(&device);
        banner.Draw(painter, 0, 0);
    }
    QCOMPARE(device.copy(QRect(QPoint(0, 0), pixels)), rendering.convertToFormat(device.format()));
    QCOMPARE(device.pixel(pixels.width() + 2, 10), qRgb(255, 255, 255));
}

void TestSharpPictures::sharperThanTheSmallPictureBlownUp_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<qreal>("scale");
    QTest::addRow("banner 1.5x") << int(IDB_WELCOME_BANNER) << 1.5;
    QTest::addRow("banner 2x") << int(IDB_WELCOME_BANNER) << 2.0;
    QTest::addRow("banner 3x") << int(IDB_WELCOME_BANNER) << 3.0;
    QTest::addRow("score picture 2x") << int(IDB_SCORE_PICTURE) << 2.0;
    QTest::addRow("True button 2x") << int(IDB_TRUE_BUTTON) << 2.0;
}

void TestSharpPictures::sharperThanTheSmallPictureBlownUp()
{
    QFETCH(int, picture);
    QFETCH(qreal, scale);
    const CDib dib(picture);
    const QImage sharp = CPictureRenderer::Rendering(dib, scale);
    const QImage blownUp = CPictureRenderer::Rendering(dib, 1).scaled(
        sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double sharpSteps = EdgeSteepness(sharp);
    const double blownSteps = EdgeSteepness(blownUp);
    QVERIFY2(sharpSteps > 1.25 * blownSteps,
             qPrintable(QStringLiteral("%1 against %2").arg(sharpSteps).arg(blownSteps)));
    if (scale == 2.0) {
        // No 2 x 2 blocks: the rendering is not the small picture with its pixels doubled.
        QVERIFY(sharp != CPictureRenderer::Rendering(dib, 1).scaled(sharp.size()));
    }
}

void TestSharpPictures::printedAtThePrintersPixels()
{
    // A printer at 300 dots per inch stretches the banner over 2000 x 200 of its dots: the
    // picture is rendered with that many pixels, not stretched from its 720 x 60.
    const CDib banner(IDB_TRUE_FALSE_QUIZ_BANNER);
    QImage page(2100, 260, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        banner.StretchDraw(painter, QRect(50, 30, 2000, 200));
    }
    const QImage printed = page.copy(50, 30, 2000, 200);
    const QImage stretched = CPictureRenderer::Rendering(banner, 1).scaled(
        2000, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(EdgeSteepness(printed) > 1.25 * EdgeSteepness(stretched));
}

void TestSharpPictures::wordsComeFromTheTranslation_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("words");
    QTest::addColumn<qreal>("scale");
    const QString german = QStringLiteral("Richtig");
    const QString longWords =
        QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänsmützenabzeichen");
    QTest::addRow("True button, German") << int(IDB_TRUE_BUTTON) << german << 1.0;
    QTest::addRow("True button, long") << int(IDB_TRUE_BUTTON) << longWords << 1.0;
    QTest::addRow("True button, long, 2x") << int(IDB_TRUE_BUTTON) << longWords << 2.0;
    QTest::addRow("banner, long") << int(IDB_WELCOME_BANNER) << longWords + longWords << 1.0;
    QTest::addRow("card head, long") << int(IDB_CARD_FRONT_TOP) << longWords << 1.0;
    QTest::addRow("statement tab, long") << int(IDB_STATEMENT_LABEL) << longWords << 1.5;
    QTest::addRow("word box tab, long") << int(IDB_WORD_BOX_TOP) << longWords << 1.0;
}

void TestSharpPictures::wordsComeFromTheTranslation()
{
    QFETCH(int, picture);
    QFETCH(QString, words);
    QFETCH(qreal, scale);
    const CDib dib(picture);
    const QImage english = CPictureRenderer::Rendering(dib, scale);
    COneWordTranslator language(words);
    QCoreApplication::installTranslator(&language);
    const QImage translated = CPictureRenderer::Rendering(dib, scale);
    QCoreApplication::removeTranslator(&language);

    // Only the words change, and they stay in their place on the picture, however long.
    const QList<PictureWords::Word> places = PictureWords::For(picture);
    QCOMPARE(places.size(), 1);
    const PictureWords::Word& place = places.first();
    const qreal edge = place.outlineWidth + 1;
    const QRectF room = place.box.adjusted(-edge, -edge, edge, edge)
                            .united(place.box.translated(place.shadowOffset))
                            .adjusted(-edge, -edge, edge, edge);
    const QRect changed = ChangedArea(english, translated, scale);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(room.contains(QRectF(changed)), qPrintable(QStringLiteral("changed %1,%2 %3x%4")
                                                            .arg(changed.x())
                                                            .arg(changed.y())
                                                            .arg(changed.width())
                                                            .arg(changed.height())));
    // And back in English the picture is as before.
    QCOMPARE(CPictureRenderer::Rendering(dib, scale), english);
}

void TestSharpPictures::madeAheadOnAnotherThread()
{
    // Words no rendering has had yet, so none is kept from an earlier test.
    COneWordTranslator language(QStringLiteral("Made ahead"));
    QCoreApplication::installTranslator(&language);
    const CDib banner(IDB_WELCOME_BANNER);
    const QImage onThisThread = CPictureRenderer::MakeRendering(banner, banner.Size());
    {
        const CRenderAhead ahead(IDB_WELCOME_BANNER);
        QCOMPARE(CPictureRenderer::Rendering(banner, 1.0), onThisThread);
    }
    // One never taken is waited for when it goes.
    {
        const CRenderAhead unused(IDB_SCORE_BANNER);
    }
    QCoreApplication::removeTranslator(&language);
}

QTEST_MAIN(TestSharpPictures)
#include "tst_sharppictures.moc"
