#include "CRtfReader.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString kDataDir = QStringLiteral(TUTORAMA_PRINT_TEST_DATA "/");

// The paragraphs as they were read: U+2028 line breaks, tabs and no-break spaces kept.
QString Paragraphs(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    return paragraphs.join(QLatin1Char('\n'));
}

QStringList NonEmptyParagraphs(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text().trimmed();
        if (!text.isEmpty())
            paragraphs << text;
    }
    return paragraphs;
}

// Each run of text with its look: "b" bold, "i" italic, "u" underlined, then ":" and the text.
QStringList Runs(const QTextDocument& document)
{
    QStringList runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString look;
            if (format.fontWeight() >= QFont::Bold)
                look += QLatin1Char('b');
            if (format.fontItalic())
                look += QLatin1Char('i');
            if (format.fontUnderline())
                look += QLatin1Char('u');
            runs << look + QLatin1Char(':') + it.fragment().text();
        }
    }
    return runs;
}

QTextCharFormat FormatOf(const QTextDocument& document, const QString& text)
{
    QTextCursor found = document.find(text);
    if (found.isNull())
        return {};
    QTextCursor at(found);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QTextBlockFormat BlockFormatOf(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    return found.isNull() ? QTextBlockFormat() : found.block().blockFormat();
}

bool ReadRtf(QTextDocument& document, const QByteArray& rtf)
{
    return CRtfReader(&document).Read(rtf);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void ReadsConverterFiles_data();
    void ReadsConverterFiles();
    void KeepsBoldAndItalicRuns_data();
    void KeepsBoldAndItalicRuns();
    void IndentsListParagraphs_data();
    void IndentsListParagraphs();
    void ReadsCharacters_data();
    void ReadsCharacters();
    void SurvivesHostileInput_data();
    void SurvivesHostileInput();
    void RejectsWhatIsNotRtf_data();
    void RejectsWhatIsNotRtf();
    void ReadsCharacterFormats();
    void ReadsParagraphFormats();
    void ReadsFontTables_data();
    void ReadsFontTables();
    void StopsAtTheCharacterLimit();
};

void TestRtfReader::ReadsConverterFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("paragraphs");
    const QString heading = QStringLiteral("Größe and Café");
    const QString sentence = QStringLiteral("A naïve pupil wrote bold words and italic words in a "
                                            "“quoted” sentence — with an em-dash.");
    const QString last = QStringLiteral("Last paragraph: café, naïve, Größe – an en-dash.");
    const QStringList numbers{QStringLiteral("1.\tOne"), QStringLiteral("2.\tTwo"),
                              QStringLiteral("3.\tThree")};
    const QStringList bullets{QStringLiteral("•\tFirst bullet"),
                              QStringLiteral("•\tSecond bullet with bold"),
                              QStringLiteral("•\tGreek: Ελληνικά αβγ")};
    const QStringList common = QStringList{heading, sentence, QStringLiteral("Lists")} + bullets +
                               numbers + QStringList{last};

    QTest::addRow("pandoc from markdown") << "pandoc-md.rtf" << common;
    QTest::addRow("LibreOffice from docx") << "libreoffice-docx.rtf" << common;
    QTest::addRow("LibreOffice from odt") << "libreoffice-odt.rtf" << common;
    QTest::addRow("LibreOffice from html") << "libreoffice-html.rtf" << common;
    QStringList latex = common;
    latex[5] = QStringLiteral("•\tGreek: αβγ"); // the source writes the letters in math mode
    QTest::addRow("latex2rtf") << "latex2rtf-tex.rtf" << latex;
}

void TestRtfReader::ReadsConverterFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, paragraphs);
    QFile input(kDataDir + file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(CRtfReader(&document).Read(&input));
    QCOMPARE(NonEmptyParagraphs(document), paragraphs);
}

void TestRtfReader::KeepsBoldAndItalicRuns_data()
{
    QTest::addColumn<QString>("file");
    for (const char* file : {"pandoc-md.rtf", "libreoffice-docx.rtf", "libreoffice-odt.rtf",
                             "libreoffice-html.rtf", "latex2rtf-tex.rtf"})
        QTest::addRow("%s", file) << file;
}

void TestRtfReader::KeepsBoldAndItalicRuns()
{
    QFETCH(QString, file);
    QFile input(kDataDir + file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(CRtfReader(&document).Read(&input));
    const QStringList runs = Runs(document);
    QVERIFY2(runs.contains(QStringLiteral("b:bold words")), qPrintable(runs.join('|')));
    QVERIFY(runs.contains(QStringLiteral("i:naïve")));
    QVERIFY(runs.contains(QStringLiteral("i:italic words")));
    QVERIFY(runs.contains(QStringLiteral("b:bold")));
    QCOMPARE(FormatOf(document, QStringLiteral("pupil wrote")).fontWeight(), int(QFont::Normal));
    QVERIFY(!FormatOf(document, QStringLiteral("pupil wrote")).fontItalic());
    QCOMPARE(FormatOf(document, QStringLiteral("Größe and")).fontWeight(), int(QFont::Bold));
    QVERIFY(FormatOf(document, QStringLiteral("Größe and")).fontPointSize() >
            FormatOf(document, QStringLiteral("pupil")).fontPointSize());
}

void TestRtfReader::IndentsListParagraphs_data()
{
    KeepsBoldAndItalicRuns_data();
}

void TestRtfReader::IndentsListParagraphs()
{
    QFETCH(QString, file);
    QFile input(kDataDir + file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(CRtfReader(&document).Read(&input));
    for (const char* item : {"First bullet", "Two"}) {
        const QTextBlockFormat format = BlockFormatOf(document, QString::fromUtf8(item));
        QVERIFY2(format.leftMargin() > 0, item);
        QVERIFY2(format.textIndent() < 0, item); // the marker hangs out to the left
        QVERIFY(!format.tabPositions().isEmpty());
    }
    QCOMPARE(BlockFormatOf(document, QStringLiteral("Last paragraph")).leftMargin(), 0.0);
}

void TestRtfReader::ReadsCharacters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addRow("plain") << QByteArray("{\\rtf1 Hello}") << "Hello";
    QTest::addRow("escaped symbols") << QByteArray("{\\rtf1 a\\~b\\-c\\_d \\\\ \\{ \\}}")
                                     << QStringLiteral("a\u00A0b\u00ADc\u2011d \\ { }");
    QTest::addRow("named punctuation")
        << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\lquote x\\rquote\\ldblquote y\\rdblquote}")
        << QStringLiteral("—–•‘x’“y”");
    QTest::addRow("cp1252 upper half")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'80\\'85\\'93\\'94"
                      "\\'96\\'97\\'99\\'9f\\'e9\\'fc\\'a0}")
        << QStringLiteral("€…“”–—™Ÿéü\u00A0");
    QTest::addRow("cp1252 hole") << QByteArray("{\\rtf1 a\\'81b}") << QStringLiteral("a\uFFFDb");
    QTest::addRow("8-bit text bytes") << QByteArray("{\\rtf1 caf\xe9}") << QStringLiteral("café");
    QTest::addRow("Cyrillic code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}") << "Привет";
    QTest::addRow("Greek font charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset161 Arial Greek;}}\\f0 \\'e1\\'e2\\'e3}")
        << "αβγ";
    QTest::addRow("unicode with fallback") << QByteArray("{\\rtf1 caf\\u233?!}") << "café!";
    QTest::addRow("unicode hex fallback")
        << QByteArray("{\\rtf1 \\u8220\\'93x\\u8221\\'94}") << "“x”";
    QTest::addRow("two fallback bytes") << QByteArray("{\\rtf1\\uc2 \\u8364??x}") << "€x";
    QTest::addRow("no fallback") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << "€x";
    QTest::addRow("fallback count per group")
        << QByteArray("{\\rtf1 {\\uc2 \\u233??}\\u233?}") << "éé";
    QTest::addRow("negative unicode")
        << QByteArray("{\\rtf1 \\u-32768?}") << QString(QChar(char16_t(0x8000)));
    QTest::addRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUcs4(U"\U0001F600");
    QTest::addRow("lone surrogate")
        << QByteArray("{\\rtf1 \\u-10179?x}") << QStringLiteral("\uFFFDx");
    QTest::addRow("unicode out of range") << QByteArray("{\\rtf1 \\u99999999999?x\\u0?y}") << "xy";
    QTest::addRow("symbol font bullet")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
                      "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}Item}")
        << "•\tItem";
    QTest::addRow("symbol font in the private area")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fnil Symbol;}}{\\f1 \\u61623?}{\\f1 p}}") << "•π";
    QTest::addRow("wingdings bullet")
        << QByteArray(
               "{\\rtf1{\\fonttbl{\\f2\\fnil\\fcharset2 Wingdings;}}{\\listtext\\f2 \\'a7\\tab}"
               "Square}")
        << "▪\tSquare";
    QTest::addRow("word list text")
        << QByteArray("{\\rtf1\\pard\\ls1\\ilvl0{\\listtext\\pard\\plain 1.\\tab}One\\par"
                      "{\\listtext\\pard\\plain 2.\\tab}Two\\par}")
        << "1.\tOne\n2.\tTwo";
    QTest::addRow("empty list text")
        << QByteArray("{\\rtf1 {\\listtext\\pard\\plain  \\tab}Title}") << "Title";
    QTest::addRow("skipped destinations")
        << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s1 Heading;}}"
                      "{\\*\\generator X;}{\\header H}{\\footer F}{\\pict\\pngblip 89504e47}"
                      "{\\*\\unknown secret}{\\*\\bkmkstart b}Body{\\footnote note}}")
        << "Body";
    QTest::addRow("unknown group keeps its text")
        << QByteArray("{\\rtf1 {\\foo bar} baz}") << "bar baz";
    QTest::addRow("binary data") << QByteArray("{\\rtf1 a{\\pict\\bin4 {{{{}b}") << "ab";
    QTest::addRow("field result") << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK "
                                                "\"http://x\"}{\\fldrslt link}}}")
                                  << "link";
    QTest::addRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}") << "abd";
    QTest::addRow("paragraphs and lines") << QByteArray("{\\rtf1 one\\par two\\line three\\\nfour}")
                                          << QStringLiteral("one\ntwo\u2028three\nfour");
    QTest::addRow("empty paragraphs kept") << QByteArray("{\\rtf1 a\\par\\par b\\par}") << "a\n\nb";
    QTest::addRow("tabs") << QByteArray("{\\rtf1 a\\tab b\tc}") << "a\tb\tc";
    QTest::addRow("file line breaks ignored") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
    QTest::addRow("control word ends at space")
        << QByteArray("{\\rtf1\\b bold\\b0  two}") << "bold two";
    QTest::addRow("table cells") << QByteArray(
                                        "{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl a\\cell "
                                        "b\\cell\\row after}")
                                 << "a\tb\t\nafter";
}

void TestRtfReader::ReadsCharacters()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(ReadRtf(document, rtf));
    QCOMPARE(Paragraphs(document), text);
}

void TestRtfReader::SurvivesHostileInput_data()
{
    constexpr int kDeep = 100000;
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addRow("extra closing braces") << QByteArray("{\\rtf1 a}}}} b") << "a";
    QTest::addRow("missing closing braces") << QByteArray("{\\rtf1 {\\b a{\\i b") << "ab";
    QTest::addRow("truncated in a control word")
        << QByteArray("{\\rtf1 abc\\par de\\pa") << "abc\nde";
    QTest::addRow("truncated in a hex escape") << QByteArray("{\\rtf1 abc\\'e") << "abc";
    QTest::addRow("truncated in unicode") << QByteArray("{\\rtf1 x\\u12") << "x";
    QTest::addRow("truncated after unicode") << QByteArray("{\\rtf1 x\\u233") << "xé";
    QTest::addRow("truncated font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << "";
    QTest::addRow("broken hex escape") << QByteArray("{\\rtf1 a\\'zzb}") << "azb";
    QTest::addRow("huge numbers")
        << QByteArray("{\\rtf1\\fs99999999999999999999999 a\\li-99999999999999\\sb99999999999 b"
                      "\\f99999999999 c\\cf2147483647 d\\uc99999999 e}")
        << "abcde";
    QTest::addRow("huge binary length") << QByteArray("{\\rtf1 a\\bin2147483647 bcd}") << "a";
    QTest::addRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
    QTest::addRow("very long control word")
        << QByteArray("{\\rtf1 a\\" + QByteArray(100000, 'x') + "5 b}") << "ab";
    QTest::addRow("very long number")
        << QByteArray("{\\rtf1 a\\fs" + QByteArray(100000, '9') + " b}") << "ab";
    QTest::addRow("deep nesting, closed") << QByteArray("{\\rtf1 start" + QByteArray(kDeep, '{') +
                                                        "deep" + QByteArray(kDeep, '}') + " end}")
                                          << "start end";
    QTest::addRow("deep nesting, never closed")
        << QByteArray("{\\rtf1 start" + QByteArray(kDeep, '{') + "deep") << "start";
    QTest::addRow("nesting at the limit")
        << QByteArray("{\\rtf1 " + QByteArray(CRtfReader::kMaxGroupDepth - 2, '{') + "inner" +
                      QByteArray(CRtfReader::kMaxGroupDepth - 2, '}') + "}")
        << "inner";
    QTest::addRow("control characters") << QByteArray("{\\rtf1 a\0b\x01"
                                                      "c\x1f"
                                                      "d}",
                                                      15)
                                        << "abcd";
    QTest::addRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::addRow("many colours and fonts")
        << QByteArray("{\\rtf1{\\colortbl" + QByteArray(20000, ';') + "}{\\fonttbl" +
                      QByteArray("\\f1 A;").repeated(20000) + "}\\cf19999 x}")
        << "x";
    QTest::addRow("star without destination") << QByteArray("{\\rtf1 {\\* hidden}a}") << " hiddena";
}

void TestRtfReader::SurvivesHostileInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(ReadRtf(document, rtf));
    QCOMPARE(Paragraphs(document), text);
}

void TestRtfReader::RejectsWhatIsNotRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("plain text") << QByteArray("hello world");
    QTest::addRow("html") << QByteArray("<html><body>hi</body></html>");
    QTest::addRow("group without rtf") << QByteArray("{\\ansi hello}");
    QTest::addRow("only a brace") << QByteArray("{");
}

void TestRtfReader::RejectsWhatIsNotRtf()
{
    QFETCH(QByteArray, data);
    QTextDocument document;
    document.setPlainText(QStringLiteral("old text"));
    QVERIFY(!ReadRtf(document, data));
    QVERIFY(document.isEmpty());
}

void TestRtfReader::ReadsCharacterFormats()
{
    QTextDocument document;
    QVERIFY(ReadRtf(document,
                    "{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
                    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                    "\\f1\\fs28 size {\\b bold {\\i both} \\b0 none} {\\ul under\\ulnone over} "
                    "{\\cf1 red} {\\highlight2 marked} {\\cf99 unknown} {\\strike gone}"
                    "{\\super up} \\plain plain\\fs99999 huge}"));
    QCOMPARE(FormatOf(document, "size").fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(FormatOf(document, "size").fontPointSize(), 14.0);
    QCOMPARE(FormatOf(document, "bold").fontWeight(), int(QFont::Bold));
    QVERIFY(FormatOf(document, "both").fontItalic());
    QCOMPARE(FormatOf(document, "both").fontWeight(), int(QFont::Bold));
    QCOMPARE(FormatOf(document, "none").fontWeight(), int(QFont::Normal));
    QVERIFY(FormatOf(document, "under").fontUnderline());
    QVERIFY(!FormatOf(document, "over").fontUnderline());
    QCOMPARE(FormatOf(document, "red").foreground().color(), QColor(255, 0, 0));
    QCOMPARE(FormatOf(document, "marked").background().color(), QColor(0, 0, 255));
    QCOMPARE(FormatOf(document, "unknown").foreground().style(), Qt::NoBrush);
    QVERIFY(FormatOf(document, "gone").fontStrikeOut());
    QCOMPARE(FormatOf(document, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    // \plain goes back to the default font (f0) at 12 points.
    QCOMPARE(FormatOf(document, "plain").fontFamilies().toStringList(),
             QStringList{"Times New Roman"});
    QCOMPARE(FormatOf(document, "plain").fontPointSize(), 12.0);
    QCOMPARE(FormatOf(document, "huge").fontPointSize(), 1638.0);
}

void TestRtfReader::ReadsParagraphFormats()
{
    QTextDocument document;
    QVERIFY(ReadRtf(document, "{\\rtf1\\pard\\qc centred\\par\\pard\\qr right\\par\\pard\\qj just"
                              "\\par\\pard\\li720\\ri360\\fi-360\\sb120\\sa240 indented\\par"
                              "\\pard\\keepn\\keep kept\\par\\pard\\ql\\tx1440 left\\tab x\\par"
                              "\\pard\\sl360\\slmult1 spaced\\par}"));
    QCOMPARE(BlockFormatOf(document, "centred").alignment(), Qt::AlignHCenter);
    QCOMPARE(BlockFormatOf(document, "right").alignment(), Qt::AlignRight);
    QCOMPARE(BlockFormatOf(document, "just").alignment(), Qt::AlignJustify);
    const QTextBlockFormat indented = BlockFormatOf(document, "indented");
    QCOMPARE(indented.alignment(), Qt::AlignLeft);
    // Lengths are pixels at 96 per inch: 15 twips each.
    QCOMPARE(indented.leftMargin(), 48.0);
    QCOMPARE(indented.rightMargin(), 24.0);
    QCOMPARE(indented.textIndent(), -24.0);
    QCOMPARE(indented.topMargin(), 8.0);
    QCOMPARE(indented.bottomMargin(), 16.0);
    // The hanging first line starts at 360 twips; its implied stop at the indent is 24 px on.
    QCOMPARE(indented.tabPositions().size(), 1);
    QCOMPARE(indented.tabPositions().first().position, 24.0);
    const QTextBlockFormat kept = BlockFormatOf(document, "kept");
    QVERIFY(kept.boolProperty(CRtfReader::kKeepWithNextProperty));
    QVERIFY(kept.boolProperty(CRtfReader::kKeepTogetherProperty));
    QVERIFY(!indented.boolProperty(CRtfReader::kKeepWithNextProperty));
    QCOMPARE(BlockFormatOf(document, "left").tabPositions().first().position, 96.0);
    QCOMPARE(BlockFormatOf(document, "spaced").lineHeight(), 150.0);
    QCOMPARE(BlockFormatOf(document, "spaced").lineHeightType(),
             int(QTextBlockFormat::ProportionalHeight));
}

void TestRtfReader::ReadsFontTables_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("family");
    QTest::addRow("entries in groups") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier "
                                                     "New;}}\\f1 x}")
                                       << "Courier New";
    QTest::addRow("entries without groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\fmodern Courier New;}\\f1 x}")
        << "Courier New";
    QTest::addRow("entry without semicolon")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial}{\\f1 Verdana}}\\f0 x}") << "Arial";
    QTest::addRow("alternative names skipped")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss{\\*\\panose 020b0604020202020204}Arial"
                      "{\\*\\falt Helvetica};}}\\f0 x}")
        << "Arial";
    QTest::addRow("default font") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 "
                                                "Georgia;}}x}")
                                  << "Georgia";
    QTest::addRow("accented name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Caf\\'e9 Sans;}}\\f0 x}") << "Café Sans";
}

void TestRtfReader::ReadsFontTables()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, family);
    QTextDocument document;
    QVERIFY(ReadRtf(document, rtf));
    QCOMPARE(document.toPlainText(), QStringLiteral("x"));
    QCOMPARE(FormatOf(document, "x").fontFamilies().toStringList(), QStringList{family});
}

void TestRtfReader::StopsAtTheCharacterLimit()
{
    const QByteArray line = QByteArray(99, 'a') + "\\par\n";
    const qsizetype lines = CRtfReader::kMaxCharacters / 100 + 1000;
    QTextDocument document;
    QVERIFY(ReadRtf(document, "{\\rtf1 " + line.repeated(lines) + "}"));
    QVERIFY(document.characterCount() <= CRtfReader::kMaxCharacters + 1);
    QVERIFY(document.characterCount() >= CRtfReader::kMaxCharacters - 100);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
