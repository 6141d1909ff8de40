#include "CDib.h"
#include "CDibManager.h"
#include "CPaletteState.h"
#include "CResourceException.h"

#include <QPainter>
#include <QTest>
#include <QtEndian>

namespace {

constexpr int kTestPicture = 9001; // 60 x 50, 8 bits, colours-used 0
constexpr int kMissingPicture = 9999;
constexpr int kInfoHeaderSize = 40;

// The bytes of a BMP file, so every rule can be tried on a picture made for it.
struct BmpLayout
{
    int width = 4;
    int height = 2; // negative: rows stored top first
    int bitCount = 8;
    int colorsUsed = 0;
    int tableEntries = 256;
    int compression = 0;
    QList<int> pixels; // palette indexes, row by row from the top
};

void Put32(QByteArray& data, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    data.append(bytes, 4);
}

void Put16(QByteArray& data, qint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    data.append(bytes, 2);
}

// Table colour i: red = i, green = 255 - i, blue = 7 (never a fixed colour).
QRgb TableColor(int i)
{
    return qRgb(i, 255 - i, 7);
}

QByteArray MakeBmp(const BmpLayout& layout)
{
    const int rows = std::abs(layout.height);
    const int stride = ((layout.width * layout.bitCount + 31) / 32) * 4;
    QByteArray bits(stride * rows, '\0');
    for (int y = 0; y < rows; ++y) {
        const int storedRow = layout.height > 0 ? rows - 1 - y : y;
        for (int x = 0; x < layout.width && layout.bitCount <= 8; ++x) {
            const int index = layout.pixels.value(y * layout.width + x, 0);
            const int bitPos = x * layout.bitCount;
            char& byte = bits[storedRow * stride + bitPos / 8];
            byte = static_cast<char>(byte | (index << (8 - layout.bitCount - bitPos % 8)));
        }
    }
    QByteArray info;
    Put32(info, kInfoHeaderSize);
    Put32(info, layout.width);
    Put32(info, layout.height);
    Put16(info, 1);
    Put16(info, static_cast<qint16>(layout.bitCount));
    Put32(info, layout.compression);
    Put32(info, static_cast<qint32>(bits.size()));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, layout.colorsUsed);
    Put32(info, 0);
    for (int i = 0; i < layout.tableEntries; ++i) {
        const QRgb rgb = TableColor(i);
        info.append(char(qBlue(rgb)))
            .append(char(qGreen(rgb)))
            .append(char(qRed(rgb)))
            .append('\0');
    }
    QByteArray file("BM");
    Put32(file, 14 + static_cast<qint32>(info.size() + bits.size()));
    Put32(file, 0);
    Put32(file, 14 + static_cast<qint32>(info.size()));
    return file + info + bits;
}

} // namespace

class TestDib : public QObject
{
    Q_OBJECT

private slots:
    void colorCountRule_data();
    void colorCountRule();
    void eightBitPictureHasFullTableBeforeBits();
    void fixedEntriesAlwaysWin_data();
    void fixedEntriesAlwaysWin();
    void pictureEntriesKeepNoCollapse();
    void entriesPastTableStayBlack();
    void pixelsFollowTheRowOrder_data();
    void pixelsFollowTheRowOrder();
    void smallTableDoesNotMoveBits();
    void damagedPictureThrows_data();
    void damagedPictureThrows();
    void loadsProgramResource();
    void missingResourceThrows();
    void drawCopiesUnscaled();
    void stretchDrawFillsRectangle();
    void managerOwnsPictures();
    void paletteStateKeepsCurrent();
};

void TestDib::colorCountRule_data()
{
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<int>("colorsUsed");
    QTest::addColumn<int>("expected");
    QTest::addRow("8 bits, colours-used 0") << 8 << 0 << 256;
    QTest::addRow("8 bits, colours-used 200") << 8 << 200 << 200;
    QTest::addRow("8 bits, colours-used 16") << 8 << 16 << 16;
    QTest::addRow("8 bits, colours-used 15 taken as 256") << 8 << 15 << 256;
    QTest::addRow("4 bits, colours-used 0") << 4 << 0 << 16;
    QTest::addRow("1 bit, 2 colours taken as 256") << 1 << 0 << 256;
    QTest::addRow("24 bits, no table") << 24 << 0 << 0;
}

void TestDib::colorCountRule()
{
    QFETCH(int, bitCount);
    QFETCH(int, colorsUsed);
    QFETCH(int, expected);
    QCOMPARE(CDib::ColorCountFor(bitCount, colorsUsed), expected);
}

void TestDib::eightBitPictureHasFullTableBeforeBits()
{
    const CDib dib(1, MakeBmp({}));
    QCOMPARE(dib.ColorCount(), 256);
    QCOMPARE(dib.ColorTable().size(), 256);
    QCOMPARE(dib.HeaderSize(), kInfoHeaderSize);
    QCOMPARE(dib.ColorTableOffset(), kInfoHeaderSize);
    QCOMPARE(dib.BitsOffset() - dib.HeaderSize(), 1024);
    QCOMPARE(dib.Width(), 4);
    QCOMPARE(dib.Height(), 2);
}

void TestDib::fixedEntriesAlwaysWin_data()
{
    QTest::addColumn<int>("colorsUsed");
    QTest::addRow("full table") << 0;
    QTest::addRow("short table of 100") << 100;
    QTest::addRow("table of 250") << 250;
}

void TestDib::fixedEntriesAlwaysWin()
{
    QFETCH(int, colorsUsed);
    BmpLayout layout;
    layout.colorsUsed = colorsUsed;
    layout.tableEntries = colorsUsed == 0 ? 256 : colorsUsed;
    const CDib dib(1, MakeBmp(layout));
    const CPalette& palette = dib.Palette();
    QCOMPARE(palette.Version(), 0x300);
    for (int i : {0, 1, 7, 9, 246, 247, 250, 255}) {
        QCOMPARE(palette.Entry(i), CPalette::FixedEntry(i));
        QCOMPARE(palette.Entry(i).flags, 0);
    }
    QCOMPARE(palette.Color(0), QColor(0, 0, 0));
    QCOMPARE(palette.Color(8), QColor(192, 220, 192));
    QCOMPARE(palette.Color(9), QColor(166, 202, 240));
    QCOMPARE(palette.Color(246), QColor(255, 251, 240));
    QCOMPARE(palette.Color(247), QColor(160, 160, 164));
    QCOMPARE(palette.Color(255), QColor(255, 255, 255));
}

void TestDib::pictureEntriesKeepNoCollapse()
{
    const CDib dib(1, MakeBmp({}));
    for (int i : {10, 11, 128, 245}) {
        const CPaletteEntry& entry = dib.Palette().Entry(i);
        QCOMPARE(dib.Palette().Color(i).rgb(), TableColor(i));
        QCOMPARE(entry.flags, CPalette::kNoCollapse);
    }
}

void TestDib::entriesPastTableStayBlack()
{
    BmpLayout layout;
    layout.colorsUsed = 20;
    layout.tableEntries = 20;
    const CDib dib(1, MakeBmp(layout));
    QCOMPARE(dib.ColorCount(), 20);
    QCOMPARE(dib.Palette().Color(19).rgb(), TableColor(19));
    QCOMPARE(dib.Palette().Entry(20), CPaletteEntry{});
    QCOMPARE(dib.Palette().Entry(245), CPaletteEntry{});
}

void TestDib::pixelsFollowTheRowOrder_data()
{
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<int>("height");
    QTest::addRow("8 bits, bottom row first") << 8 << 2;
    QTest::addRow("8 bits, top row first") << 8 << -2;
    QTest::addRow("4 bits") << 4 << 2;
    QTest::addRow("1 bit") << 1 << 2;
}

void TestDib::pixelsFollowTheRowOrder()
{
    QFETCH(int, bitCount);
    QFETCH(int, height);
    BmpLayout layout;
    layout.bitCount = bitCount;
    layout.height = height;
    layout.width = 5; // rows need padding
    layout.tableEntries = 1 << bitCount;
    const int top = bitCount == 1 ? 1 : 3;
    layout.pixels = {top, 0, top, 0, top, 0, 0, 0, 0, top};
    const CDib dib(1, MakeBmp(layout));
    QCOMPARE(dib.Height(), 2);
    const QImage& image = dib.Image();
    QCOMPARE(image.pixel(0, 0), TableColor(top));
    QCOMPARE(image.pixel(1, 0), TableColor(0));
    QCOMPARE(image.pixel(4, 0), TableColor(top));
    QCOMPARE(image.pixel(0, 1), TableColor(0));
    QCOMPARE(image.pixel(4, 1), TableColor(top));
}

void TestDib::smallTableDoesNotMoveBits()
{
    // Eight colours count as 256 for the palette, but the bits follow the
    // eight-entry table the picture really has.
    BmpLayout layout;
    layout.colorsUsed = 8;
    layout.tableEntries = 8;
    layout.pixels = {5, 6, 7, 1, 2, 3, 4, 5};
    const CDib dib(1, MakeBmp(layout));
    QCOMPARE(dib.ColorCount(), 256);
    QCOMPARE(dib.BitsOffset(), kInfoHeaderSize + 8 * 4);
    QCOMPARE(dib.Image().pixel(0, 0), TableColor(5));
    QCOMPARE(dib.Image().pixel(3, 1), TableColor(5));
}

void TestDib::damagedPictureThrows_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = MakeBmp({});
    BmpLayout compressed;
    compressed.compression = 1;
    BmpLayout huge;
    huge.width = 100000;
    BmpLayout tooManyColours;
    tooManyColours.colorsUsed = 300;
    BmpLayout noWidth;
    noWidth.width = 0;
    BmpLayout sixteenBits;
    sixteenBits.bitCount = 16;
    sixteenBits.tableEntries = 0;
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("not a BMP") << QByteArray("GIF89a").append(100, '\0');
    QTest::addRow("header only") << good.left(14 + kInfoHeaderSize);
    QTest::addRow("table cut short") << good.left(14 + kInfoHeaderSize + 500);
    QTest::addRow("bits cut short") << good.left(good.size() - 1);
    QTest::addRow("compressed") << MakeBmp(compressed);
    QTest::addRow("huge width") << MakeBmp(huge);
    QTest::addRow("300 colours in 8 bits") << MakeBmp(tooManyColours);
    QTest::addRow("zero width") << MakeBmp(noWidth);
    QTest::addRow("16 bits") << MakeBmp(sixteenBits);
}

void TestDib::damagedPictureThrows()
{
    QFETCH(QByteArray, data);
    QVERIFY_THROWS_EXCEPTION(CResourceException, CDib(42, data).Width());
    try {
        CDib dib(42, data);
    } catch (const CResourceException& error) {
        QCOMPARE(error.ResourceId(), 42);
    }
}

void TestDib::loadsProgramResource()
{
    const CDib dib(kTestPicture);
    QCOMPARE(dib.ResourceId(), kTestPicture);
    QCOMPARE(dib.Size(), QSize(60, 50));
    QCOMPARE(dib.BitCount(), 8);
    QCOMPARE(dib.ColorCount(), 256);
    QCOMPARE(dib.BitsOffset() - dib.HeaderSize(), 1024);
    // The picture's table has its own colours at 0-9; the palette does not.
    QVERIFY(dib.ColorTable().at(5) != qRgb(128, 0, 128));
    QCOMPARE(dib.Palette().Color(5), QColor(128, 0, 128));
    QCOMPARE(dib.Image().pixel(30, 25), dib.ColorTable().at(100));
    QCOMPARE(dib.Image().pixel(0, 0), dib.ColorTable().at(20));
    QCOMPARE(dib.Image().pixel(59, 49), dib.ColorTable().at(80));
}

void TestDib::missingResourceThrows()
{
    QVERIFY_THROWS_EXCEPTION(CResourceException, CDib{kMissingPicture});
    CDibManager manager;
    QVERIFY_THROWS_EXCEPTION(CResourceException, manager.Load(kMissingPicture));
    QCOMPARE(manager.Count(), 0);
}

void TestDib::drawCopiesUnscaled()
{
    const CDib dib(kTestPicture);
    QImage target(100, 100, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        dib.Draw(painter, 7, 9);
    }
    QCOMPARE(target.pixel(6, 9), qRgb(255, 255, 255));
    QCOMPARE(target.pixel(7, 9), dib.Image().pixel(0, 0));
    QCOMPARE(target.pixel(7 + 30, 9 + 25), dib.Image().pixel(30, 25));
    QCOMPARE(target.pixel(7 + 59, 9 + 49), dib.Image().pixel(59, 49));
    QCOMPARE(target.pixel(7 + 60, 9 + 49), qRgb(255, 255, 255));
}

void TestDib::stretchDrawFillsRectangle()
{
    const CDib dib(kTestPicture);
    QImage target(240, 200, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        dib.StretchDraw(painter, QRect(0, 0, 120, 100));
    }
    QCOMPARE(target.pixel(1, 1), dib.Image().pixel(0, 0));
    QCOMPARE(target.pixel(118, 98), dib.Image().pixel(59, 49));
    QCOMPARE(target.pixel(121, 50), qRgb(255, 255, 255));
}

void TestDib::managerOwnsPictures()
{
    CDibManager manager;
    CDib* first = manager.Load(kTestPicture);
    CDib* second = manager.Add(std::make_unique<CDib>(1, MakeBmp({})));
    QCOMPARE(manager.Count(), 2);
    QCOMPARE(manager.At(0), first);
    QCOMPARE(manager.At(1), second);
    manager.DeleteAll();
    QCOMPARE(manager.Count(), 0);
}

void TestDib::paletteStateKeepsCurrent()
{
    CPaletteState state;
    QVERIFY(!state.HasCurrent());
    const CDib picture(kTestPicture);
    const CDib other(1, MakeBmp({}));
    state.SetCurrent(picture.Palette());
    QVERIFY(state.HasCurrent());
    QCOMPARE(state.Current(), picture.Palette());
    state.SetCurrent(other.Palette());
    QCOMPARE(state.Current(), other.Palette());
    QVERIFY(!(state.Current() == picture.Palette()));
    QCOMPARE(state.ChangeCount(), 2);
}

QTEST_GUILESS_MAIN(TestDib)
#include "tst_dib.moc"
