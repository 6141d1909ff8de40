// Walks every picture, sound and numbered text the program uses and checks that it is compiled
// in and has the form the pages, the sound player and the printed layouts rely on.
#include "CStringTable.h"
#include "ResourcePaths.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

namespace {

struct BitmapInfo
{
    bool valid = false;
    quint32 dataOffset = 0;
    quint32 headerSize = 0;
    qint32 width = 0;
    qint32 height = 0;
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
};

template <typename T> T ReadLittle(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteSize = 256 * 4;

BitmapInfo ParseBitmap(const QByteArray& bytes)
{
    BitmapInfo info;
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || !bytes.startsWith("BM")) {
        return info;
    }
    info.dataOffset = ReadLittle<quint32>(bytes, 10);
    info.headerSize = ReadLittle<quint32>(bytes, 14);
    info.width = ReadLittle<qint32>(bytes, 18);
    info.height = ReadLittle<qint32>(bytes, 22);
    info.planes = ReadLittle<quint16>(bytes, 26);
    info.bitCount = ReadLittle<quint16>(bytes, 28);
    info.compression = ReadLittle<quint32>(bytes, 30);
    info.coloursUsed = ReadLittle<quint32>(bytes, 46);
    info.valid = true;
    return info;
}

QByteArray ReadResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The colours a 256-colour display keeps for itself: the picture loader puts them into
// entries 0-9 and 246-255 whatever a picture holds there, so the pictures hold them too.
QRgb FixedColour(int index)
{
    static constexpr QRgb kLow[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                                    0x800080, 0x008080, 0xc0c0c0, 0xc0dcc0, 0xa6caf0};
    static constexpr QRgb kHigh[] = {0xfffbf0, 0xa0a0a4, 0x808080, 0xff0000, 0x00ff00,
                                     0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
    return index < 10 ? kLow[index] : kHigh[index - 246];
}

struct WaveInfo
{
    bool valid = false;
    quint16 format = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    QByteArray samples;
};

WaveInfo ParseWave(const QByteArray& bytes)
{
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return info;
    }
    bool haveFormat = false;
    int offset = 12;
    while (offset + 8 <= bytes.size()) {
        const QByteArray chunk = bytes.mid(offset, 4);
        const auto size = ReadLittle<quint32>(bytes, offset + 4);
        const int body = offset + 8;
        if (qint64(body) + size > bytes.size()) {
            return info;
        }
        if (chunk == "fmt " && size >= 16) {
            info.format = ReadLittle<quint16>(bytes, body);
            info.channels = ReadLittle<quint16>(bytes, body + 2);
            info.sampleRate = ReadLittle<quint32>(bytes, body + 4);
            info.bitsPerSample = ReadLittle<quint16>(bytes, body + 14);
            haveFormat = true;
        } else if (chunk == "data") {
            info.samples = bytes.mid(body, int(size));
            info.valid = haveFormat;
            return info;
        }
        offset = body + int(size) + int(size & 1);
    }
    return info;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void bitmapIsAn8BitUncompressedBmpOfItsSize_data();
    void bitmapIsAn8BitUncompressedBmpOfItsSize();
    void waveIs8BitMono22050HzAndClean_data();
    void waveIs8BitMono22050HzAndClean();
    void stringHasItsExactText_data();
    void stringHasItsExactText();
    void unknownStringIdGivesAnEmptyText();
};

void TestResources::bitmapIsAn8BitUncompressedBmpOfItsSize_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    constexpr int kBannerWidth = 720;
    constexpr int kBannerHeight = 60;
    const int banners[] = {150, 151, 152, 153, 212, 213, 214, 215, 216, 217, 218, 219,
                           220, 221, 224, 226, 227, 228, 229, 230, 231, 232, 233};
    for (int id : banners) {
        QTest::addRow("%d banner", id) << id << kBannerWidth << kBannerHeight;
    }
    for (int id : {155, 159, 162, 165}) {
        QTest::addRow("%d quiz kind", id) << id << 160 << 140;
    }
    for (int id : {157, 158, 160, 163}) {
        QTest::addRow("%d start button", id) << id << 180 << 120;
    }
    QTest::addRow("142 disk") << 142 << 128 << 128;
    for (int id : {260, 262}) {
        QTest::addRow("%d card top", id) << id << 352 << 28;
    }
    for (int id : {261, 309}) {
        QTest::addRow("%d card bottom", id) << id << 352 << 20;
    }
    for (int id : {263, 310, 311, 312}) {
        QTest::addRow("%d card edge", id) << id << 16 << 160;
    }
    for (int id : {279, 280, 291, 287, 288, 289}) {
        QTest::addRow("%d feedback", id) << id << 150 << 150;
    }
    for (int id : {281, 290}) {
        QTest::addRow("%d true false button", id) << id << 140 << 60;
    }
    for (int id : {284, 285}) {
        QTest::addRow("%d speaker", id) << id << 96 << 96;
    }
    for (int id : {292, 294}) {
        QTest::addRow("%d answer box top", id) << id << 220 << 30;
    }
    for (int id : {293, 317}) {
        QTest::addRow("%d answer box bottom", id) << id << 220 << 16;
    }
    QTest::addRow("295 statement label") << 295 << 300 << 36;
    QTest::addRow("296 word box top") << 296 << 300 << 36;
    QTest::addRow("297 word box bottom") << 297 << 300 << 20;
    QTest::addRow("316 calculator") << 316 << 244 << 250;
    for (int id : {344, 341, 340, 339, 338, 337, 342}) {
        QTest::addRow("%d score frame", id) << id << 183 << 165;
    }
    for (int id : {347, 348}) {
        QTest::addRow("%d printed score", id) << id << 300 << 300;
    }
}

void TestResources::bitmapIsAn8BitUncompressedBmpOfItsSize()
{
    QFETCH(int, id);
    QFETCH(int, width);
    QFETCH(int, height);

    const QByteArray bytes = ReadResource(BitmapResourcePath(id));
    QVERIFY2(!bytes.isEmpty(), qPrintable(BitmapResourcePath(id)));
    const BitmapInfo info = ParseBitmap(bytes);
    QVERIFY(info.valid);
    QCOMPARE(info.headerSize, quint32(kInfoHeaderSize));
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, height); // positive: rows are stored bottom-up
    QCOMPARE(info.planes, quint16(1));
    QCOMPARE(info.bitCount, quint16(8));
    QCOMPARE(info.compression, quint32(0));
    QVERIFY(info.coloursUsed == 0 || info.coloursUsed == 256);
    QCOMPARE(info.dataOffset, quint32(kFileHeaderSize + kInfoHeaderSize + kPaletteSize));
    const int stride = (width + 3) / 4 * 4;
    QVERIFY(qint64(bytes.size()) >= qint64(info.dataOffset) + qint64(stride) * height);

    // A standard decoder reads it too, as a 256-colour picture of the same size.
    QImage decoded;
    QVERIFY(decoded.loadFromData(bytes, "BMP"));
    QCOMPARE(decoded.size(), QSize(width, height));
    QCOMPARE(decoded.format(), QImage::Format_Indexed8);

    for (int index : {0, 7, 9, 246, 248, 255}) {
        const int entry = kFileHeaderSize + kInfoHeaderSize + 4 * index;
        const QRgb colour =
            qRgb(quint8(bytes[entry + 2]), quint8(bytes[entry + 1]), quint8(bytes[entry]));
        QCOMPARE(colour & 0xffffff, FixedColour(index));
    }
}

void TestResources::waveIs8BitMono22050HzAndClean_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");

    QTest::addRow("208 card flip") << 208 << 0.1 << 1.0;
    QTest::addRow("246 paste") << 246 << 0.05 << 0.5;
    QTest::addRow("303 perfect score") << 303 << 9.0 << 11.0;
    QTest::addRow("306 score") << 306 << 6.0 << 8.0;
}

void TestResources::waveIs8BitMono22050HzAndClean()
{
    QFETCH(int, id);
    QFETCH(double, shortest);
    QFETCH(double, longest);

    const QByteArray bytes = ReadResource(WaveResourcePath(id));
    QVERIFY2(!bytes.isEmpty(), qPrintable(WaveResourcePath(id)));
    const WaveInfo info = ParseWave(bytes);
    QVERIFY(info.valid);
    QCOMPARE(info.format, quint16(1)); // PCM
    QCOMPARE(info.channels, quint16(1));
    QCOMPARE(info.sampleRate, quint32(22050));
    QCOMPARE(info.bitsPerSample, quint16(8));
    const double seconds = double(info.samples.size()) / info.sampleRate;
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));

    // Starting and ending at the silent level keeps the sound free of clicks; no sample at
    // either end of the range means nothing was clipped.
    constexpr int kSilence = 128;
    constexpr int kNearSilence = 2;
    QVERIFY(qAbs(quint8(info.samples.front()) - kSilence) <= kNearSilence);
    QVERIFY(qAbs(quint8(info.samples.back()) - kSilence) <= kNearSilence);
    int loudest = 0;
    for (char sample : info.samples) {
        loudest = qMax(loudest, qAbs(quint8(sample) - kSilence));
    }
    QVERIFY2(loudest < 127, "clipped");
    QVERIFY2(loudest > 40, "too quiet to hear");
}

void TestResources::stringHasItsExactText_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");

    QTest::addRow("7")
        << 7
        << QStringLiteral("To make a True-False quiz, type a series of statements, each one either "
                          "true or false. Later, when you take the quiz, you will see each "
                          "statement and you will determine whether it is true or false. Click the "
                          "Advice button for more help in creating a True-False quiz.");
    QTest::addRow("8")
        << 8
        << QStringLiteral("To make a flash card quiz, fill in both the front and the back sides of "
                          "each flash card. When you take the quiz, you can determine whether you "
                          "want to see the fronts of the cards, or the backs.  When you see a "
                          "card, type the information you think belongs on the other side. Click "
                          "the Advice button for more help in creating a flash card quiz.");
    QTest::addRow("9")
        << 9
        << QStringLiteral(
               "To make a math quiz, you will enter math problems using an on-screen calculator "
               "keypad. When you take the quiz, you will see each problem and should type in the "
               "answer. Click the Advice button for more help in creating a math quiz.");
    QTest::addRow("10")
        << 10
        << QStringLiteral(
               "To make a spelling quiz, enter a list of spelling words. When you take the "
               "spelling quiz, the computer will read the words to you and you type in the correct "
               "spelling. Click the Advice button for more help in creating a spelling quiz.");
    QTest::addRow("12") << 12 << QStringLiteral("Are you sure you want to delete this question?");
    QTest::addRow("13") << 13 << QStringLiteral("Do you want to take this quiz now?");
    QTest::addRow("15")
        << 15
        << QStringLiteral("To start making your true-false quiz, click the add a statement button");
    QTest::addRow("16")
        << 16
        << QStringLiteral(
               "To start making your flash card quiz, click the Add a Flash Card button.");
    QTest::addRow("17") << 17
                        << QStringLiteral(
                               "To start making your spelling quiz, click the Add a Word  button.");
    QTest::addRow("18")
        << 18
        << QStringLiteral("To start making your mathematics quiz, click the Add a Problem button.");
    QTest::addRow("19") << 19 << QStringLiteral("Do you want to save this question ?");
    QTest::addRow("20") << 20
                        << QStringLiteral("Do you want to finish this question before you quit?");
    QTest::addRow("21")
        << 21
        << QStringLiteral("If you change the quiz type you will lose your questions. Continue?");
    QTest::addRow("22")
        << 22
        << QStringLiteral("There is a problem with the equation you entered. The equation must be "
                          "a number, then either \"+,-,* or /\", followed by another number");
    QTest::addRow("23") << 23
                        << QStringLiteral(
                               "If you want to add another statement to your quiz, click the Add a "
                               "Statement button. If you want to delete or modify a statement, "
                               "select the statement then click the appropriate button.");
    QTest::addRow("24") << 24
                        << QStringLiteral(
                               "If you want to add another flash card to your quiz, click the Add "
                               "a Flash Card button. If you want to delete or modify a flash card, "
                               "select the flash card then click the appropriate button.");
    QTest::addRow("25") << 25
                        << QStringLiteral(
                               "If you want to add another word to your quiz, click the Add a Word "
                               "button. If you want to delete or modify a word, select the word "
                               "then click the appropriate button.");
    QTest::addRow("26") << 26
                        << QStringLiteral(
                               "If you want to add another problem to your quiz, click the Add a "
                               "Problem button. If you want to delete or modify a problem, select "
                               "the problem then click the appropriate button.");
    QTest::addRow("29")
        << 29
        << QStringLiteral("The Tutorama helps you make\npractice quizzes to use to study\nfor "
                          "tests at school.\n\nThis wizard will lead you step-by-\nstep through "
                          "the process of \nmaking and then taking quizzes.\n\nYou can make three "
                          "types of\nquestions:\n<T>• True/False\n• Flash Cards\n• Mathematics");
    QTest::addRow("30")
        << 30
        << QStringLiteral(
               "<B>Tips:<N>\n<T>•Try to use only one or a few \nwords on either side of the "
               "\nflash card to make it easier \nfor the computer to judge your \nanswer.\n• When "
               "you take the quiz, you\nwill be shown all the flash\ncards, so make only as "
               "many\nas you'll want to be quizzed\non later.\n");
    QTest::addRow("31")
        << 31
        << QStringLiteral("To make a flash card quiz, fill in both \nthe front and back of each "
                          "flash card. \nWhen you take the quiz, you'll choose \nwhether you want "
                          "to see the fronts or \nthe backs of the cards. When you see \na card, "
                          "type the information that you\nthink belongs on the other side.\n");
    QTest::addRow("32")
        << 32
        << QStringLiteral(
               "They will appear in random order; \ninstead of the order in which you \nwrote "
               "them. Before you start the \nquiz, decide whether you want to see:\n\n<T>•The "
               "fronts of the cards and type \nyour responses on the backs.\n•The backs of the "
               "cards and type\n your responses on the fronts.");
    QTest::addRow("33") << 33
                        << QStringLiteral(
                               "Read the information on the <B>Front<N> \nof each flash card, then "
                               "type your \nanswer in the <B>Back<N> box. \n\nTo find out of your "
                               "answer is correct, \nclick the <B>Next<N> button.\n");
    QTest::addRow("34")
        << 34
        << QStringLiteral(
               "Use the screen to create your flash \ncard quiz. Enter the information for \nthe "
               "front side of a card in the space \nat the right. Click the <B>Flip Card<N> button "
               "\nto enter the information for the back \nside.\n\nAfter you finish both sides of "
               "the card, \nclick the <B>New ?<N> button to make another \ncard. When you are done "
               "making flash \ncards, click the <B>Finish<N> button.\n");
    QTest::addRow("35")
        << 35
        << QStringLiteral("Use this screen to make your \nmathematics quiz. After you finish \na "
                          "problem, click the <B>New ?<N> button to \nmake another problem. When "
                          "you \nare done entering problems, click the \n<B>Finish<N> button.\n");
    QTest::addRow("37")
        << 37
        << QStringLiteral(
               "To make a mathematics quiz, enter \nmath problems using an on-screen \ncalculator "
               "keypad. When you take \nthe quiz, you will see each problem \nand type in the "
               "answer.\n\n\n<T><B>Example:<B>\n<T>Question: 57 + 41 = \nAnswer:    98\n");
    QTest::addRow("38")
        << 38
        << QStringLiteral(
               "<B>Tips:<N> \n<T>•The problems you write must be \nbasic addition, subtraction, "
               "\nmultiplication or division.\n•When you make a problem,\nyour computer will "
               "automatically \ncalculate the  answer.\nYou may not enter equations that have "
               "\nanswers with more than 8 decimal places.\n•When you take the quiz, you will \nbe "
               "shown all the problems, so\nmake only as many as you want \nto be quizzed on "
               "later.\n");
    QTest::addRow("39")
        << 39
        << QStringLiteral("They will appear in random order;\n instead of in the order in which "
                          "you\n wrote them. Type your answer \nin the Answer box.\n\n You will "
                          "find out right away whether \nyour answer is correct. If your answer "
                          "\nis incorrect, you can try the problem\n a second time.");
    QTest::addRow("40")
        << 40
        << QStringLiteral(
               "After you have done all the\nproblems, you will see your score. \nAt that time, "
               "you may take the quiz \nagain to see if you can achieve a \nhigher score. If you "
               "don't want\nto take the quiz again, you can \nreview the problems and answers. "
               "\n\nClick the <B>Next<N> button to continue.\n");
    QTest::addRow("41")
        << 41
        << QStringLiteral(
               "Click the <B>New Word<N> button to add \nanother word. When you have entered \nall "
               "the words in your spelling list, click \nthe <B>Finish<N> button to return to the "
               "Spelling \nQuiz Manager.\n\nIf you are modifying a word, make your \nchanges, then "
               "click the <B>Finish<N> button.");
    QTest::addRow("42")
        << 42
        << QStringLiteral(
               "To make a spelling quiz, you will\nenter a list of spelling words. \nWhen you take "
               "the spelling quiz, \nthe computer will read each word \nto you and you must type "
               "in the \nspelling. Click the <B>Test Sound<N> \nbutton below to make sure your "
               "\ncomputer can read the spelling \nwords to you.\n");
    QTest::addRow("43")
        << 43
        << QStringLiteral(
               "<B>Tips:<N>\n<T>•Your computer must be able to play sound,\nor you will not be "
               "able to take the spelling quiz.\n•Be sure you spell the words correctly when\nyou "
               "enter them. Use the word list that your\nteacher gave you.\n•When you take the "
               "quiz, the computer will\nspeak all the words you have entered, so\nenter only as "
               "many as you want to be quizzed\non later. If you have a lot of words you may\nwant "
               "to put some of them in a second quiz.\n");
    QTest::addRow("44")
        << 44
        << QStringLiteral(
               "They will be spoken in random order; \ninstead of the order in which you wrote "
               "\nthem. Your computer will read a spelling \nword and you will type that word in "
               "the \nanswer box. You will find out right away \nwhether you spelled each word "
               "correctly. \nIf your spelling is incorrect, you can try the\nword a second time.");
    QTest::addRow("45")
        << 45
        << QStringLiteral(
               "After you have spelled all the words in the \nquiz, you will see your score. At "
               "that time, \nyou may take the quiz again to see if you \ncan achieve a higher "
               "score. If you don't \nwant to take the quiz again, you can review \nyour spelling "
               "word list. \n\nClick the <B>Next<N> button to continue.\n");
    QTest::addRow("46")
        << 46
        << QStringLiteral(
               "<B>Tips:<N>\n<T>• Don't worry about the order of your\ntrue and false statements. "
               "When\nyou take the test, they will appear\nrandomly.\n•Write statements that are "
               "brief and \nclear.\n•When you take the quiz, you will\nbe shown all the "
               "statements, so \nmake only as many as you'll\nwant to be quizzed on later.");
    QTest::addRow("47")
        << 47
        << QStringLiteral(
               "To make your true-false quiz \nstatements, use this screen. \nAfter you finish "
               "writing a \nstatement, click the <B>New ?<N>\nbutton to write another question. "
               "\nWhen you are done writing \nquestions, click the Finish \nbutton.\n");
    QTest::addRow("48") << 48
                        << QStringLiteral("The quiz you have opened contains no questions. You "
                                          "need to add questions before you can take the quiz ");
    QTest::addRow("49") << 49
                        << QStringLiteral(
                               "Read the information on the <B>Back<N> \nof each flash card, then "
                               "type your \nanswer in the <B>Front<N> box. \n\nTo find out of your "
                               "answer is correct, \nclick the <B>Next<N> button.\n");
    QTest::addRow("50") << 50
                        << QStringLiteral(
                               "The Tutorama does not support dividing numbers by zero.");
    QTest::addRow("51") << 51 << QStringLiteral("The number is too large.");
}

void TestResources::stringHasItsExactText()
{
    QFETCH(int, id);
    QFETCH(QString, text);

    QVERIFY(CStringTable::Contains(id));
    QCOMPARE(CStringTable::Get(id), text);
}

void TestResources::unknownStringIdGivesAnEmptyText()
{
    for (int id : {0, 6, 11, 14, 27, 28, 36, 52, -1}) {
        QVERIFY(!CStringTable::Contains(id));
        QVERIFY(CStringTable::Get(id).isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
