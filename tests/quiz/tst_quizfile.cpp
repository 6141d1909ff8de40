#include "AnswerJudge.h"
#include "CFileWriter.h"
#include "CQuizFile.h"
#include "CScriptedPrompt.h"
#include "CTU_QuizDoc.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray U16(quint16 value)
{
    return QByteArray(1, char(value & 0xFF)) + char(value >> 8);
}

QByteArray U32(quint32 value)
{
    return U16(quint16(value & 0xFFFF)) + U16(quint16(value >> 16));
}

// A short string as stored: one length byte, then the bytes.
QByteArray Str(const QByteArray& text)
{
    return char(text.size()) + text;
}

const QByteArray CLASS_RECORD = QByteArray::fromHex("ffff0000"
                                                    "0900") +
                                "CQuestion";
const QByteArray LATER_TAG = QByteArray::fromHex("0180");

QByteArray Header(int kind, int questionCount, int listCount, const QByteArray& path = "p.qiz",
                  const QByteArray& name = "p.qiz")
{
    return Str("TU1.0") + Str(path) + Str(name) + U32(quint32(kind)) + U32(quint32(questionCount)) +
           U16(quint16(listCount));
}

QByteArray Body(const QByteArray& text, int answer = 0, const QByteArray& back = "")
{
    return Str(text) + U32(quint32(answer)) + Str(back);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct QuestionText
{
    QString front;
    int answer = 0;
    QString back;
};

// A string too long for the one-byte length: FF FF FF and a u32.
QByteArray LongStr(const QByteArray& text)
{
    return QByteArray::fromHex("ffffff") + U32(quint32(text.size())) + text;
}

QString Grouped(qint64 number)
{
    return QLocale().toString(number);
}

} // namespace

Q_DECLARE_METATYPE(QList<QuestionText>)

// The .qiz file: exact bytes, round trips, damaged and hostile files, and
// saves that fail without harming the file already on disk.
class TestQuizFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exampleBytes_data();
    void exampleBytes();
    void savedFileHasExampleBytes();
    void stringForms_data();
    void stringForms();
    void everyByteRoundTrips();
    void roundTrip_data();
    void roundTrip();
    void longListCount();
    void lineBreaks_data();
    void lineBreaks();
    void savedLineBreaks_data();
    void savedLineBreaks();
    void zeroLengthFileOpensEmpty();
    void countsDisagree_data();
    void countsDisagree();
    void damagedFiles_data();
    void damagedFiles();
    void cutShortAtEveryOffset();
    void unreadableFiles_data();
    void unreadableFiles();
    void failedSaveReports_data();
    void failedSaveReports();
    void readOnlyFolderKeepsOldFile();
    void fullDiskKeepsOldFile();
    void specialFilesNeverBlock_data();
    void specialFilesNeverBlock();
    void limitsAreNamed_data();
    void limitsAreNamed();
    void valuesOutsideTheFormat_data();
    void valuesOutsideTheFormat();
    void saveStaysWithinLimits_data();
    void saveStaysWithinLimits();
    void leftoversOfOwnSavesAreTidied();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    CScriptedPrompt m_prompt;
};

void TestQuizFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_prompt.Clear();
}

void TestQuizFile::exampleBytes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray header = Str("TU1.0") + Str("C:\\a.qiz") + Str("a.qiz");
    QTest::addRow("empty true/false quiz") << int(QUIZ_TRUE_FALSE) << QStringList{}
                                           << header + QByteArray::fromHex("01000000"
                                                                           "00000000"
                                                                           "0000");
    QTest::addRow("one math problem") << int(QUIZ_MATH) << QStringList{"57+41"}
                                      << header +
                                             QByteArray::fromHex("04000000"
                                                                 "01000000"
                                                                 "0100") +
                                             CLASS_RECORD + Str("57+41") +
                                             QByteArray::fromHex("00000000"
                                                                 "00");
    QTest::addRow("class named once")
        << int(QUIZ_SPELLING) << QStringList{"cat", "dog", "owl"}
        << header +
               QByteArray::fromHex("03000000"
                                   "03000000"
                                   "0300") +
               CLASS_RECORD + Body("cat") + LATER_TAG + Body("dog") + LATER_TAG + Body("owl");
}

void TestQuizFile::exampleBytes()
{
    QFETCH(int, kind);
    QFETCH(QStringList, problems);
    QFETCH(QByteArray, bytes);
    CTU_QuizDoc doc;
    doc.SetQuizType(kind);
    doc.m_strQuizPath = "C:\\a.qiz";
    doc.m_strQuizName = "a.qiz";
    for (const QString& problem : problems)
        doc.AddQuestion()->m_strQuestion = problem;
    QCOMPARE(CQuizFile::Serialize(doc).toHex(' '), bytes.toHex(' '));
}

void TestQuizFile::savedFileHasExampleBytes()
{
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_TRUE_FALSE);
    doc.m_strQuizName = "a.qiz";
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = "Fish can fly";
    question->m_nAnswer = 1;
    const QString path = Path("a.qiz");
    QVERIFY(doc.OnSaveDocument(path));
    QCOMPARE(doc.m_strQuizPath, path);
    const QByteArray expected = Str("TU1.0") + Str(path.toLatin1()) + Str("a.qiz") +
                                QByteArray::fromHex("01000000"
                                                    "01000000"
                                                    "0100") +
                                CLASS_RECORD + Body("Fish can fly", 1);
    QCOMPARE(ReadFile(path).toHex(' '), expected.toHex(' '));
    QVERIFY(m_prompt.m_messages.isEmpty());
}

void TestQuizFile::stringForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("prefix");
    QTest::addRow("empty") << QString() << QByteArray::fromHex("00");
    QTest::addRow("254 characters") << QString(254, 'a') << QByteArray::fromHex("fe");
    QTest::addRow("255 characters") << QString(255, 'a') << QByteArray::fromHex("ffff00");
    QTest::addRow("65533 characters") << QString(65533, 'a') << QByteArray::fromHex("fffdff");
    QTest::addRow("65534 characters") << QString(65534, 'a')
                                      << QByteArray::fromHex("ffffff"
                                                             "feff0000");
    QTest::addRow("70000 characters") << QString(70000, 'a')
                                      << QByteArray::fromHex("ffffff"
                                                             "70110100");
    QTest::addRow("euro and quotes") << QString::fromUtf8("€“”™")
                                     << QByteArray::fromHex("04"
                                                            "809394"
                                                            "99");
    QTest::addRow("latin-1 letters") << QString::fromUtf8("éÿ") << QByteArray::fromHex("02e9ff");
    QTest::addRow("undefined byte kept") << QString(QChar(0x81)) << QByteArray::fromHex("0181");
    QTest::addRow("greek is wide") << QString::fromUtf8("Γα")
                                   << QByteArray::fromHex("fffeff"
                                                          "02"
                                                          "9303b103");
    QTest::addRow("c1 control is wide") << QString(QChar(0x80))
                                        << QByteArray::fromHex("fffeff"
                                                               "01"
                                                               "8000");
    QTest::addRow("emoji is wide") << QString::fromUtf8("\U0001F600")
                                   << QByteArray::fromHex("fffeff"
                                                          "02"
                                                          "3dd800de");
    QTest::addRow("long wide text") << QString(300, QChar(0x4E2D))
                                    << QByteArray::fromHex("fffeff"
                                                           "ff2c01");
}

void TestQuizFile::stringForms()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, prefix);
    QByteArray bytes;
    CQuizFile::AppendString(bytes, text);
    QCOMPARE(bytes.left(prefix.size()).toHex(' '), prefix.toHex(' '));
    const bool wide = prefix.startsWith(QByteArray::fromHex("fffeff"));
    const qsizetype lengthBytes = wide ? 3 + (text.size() < 255 ? 1 : 3) : prefix.size();
    const qsizetype expected = wide ? lengthBytes + 2 * text.size()
                                    : (text.size() < 255 ? 1 : prefix.size()) + text.size();
    QCOMPARE(bytes.size(), expected);
}

void TestQuizFile::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = CQuizFile::DecodeWindows1252(all.constData(), all.size());
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    QCOMPARE(text.at(0xE9), QChar(0x00E9));
    QByteArray bytes;
    CQuizFile::AppendString(bytes, text);
    QCOMPARE(bytes.toHex(' '), (QByteArray::fromHex("ff0001") + all).toHex(' '));
}

void TestQuizFile::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QuestionText>>("questions");
    const QString longText = QString("The quick brown fox ").repeated(13).left(255);
    QTest::addRow("empty true/false") << int(QUIZ_TRUE_FALSE) << "tf.qiz" << QList<QuestionText>{};
    QTest::addRow("empty flash cards") << int(QUIZ_FLASH_CARD) << "fc.qiz" << QList<QuestionText>{};
    QTest::addRow("empty spelling") << int(QUIZ_SPELLING) << "sp.qiz" << QList<QuestionText>{};
    QTest::addRow("empty math") << int(QUIZ_MATH) << "m.qiz" << QList<QuestionText>{};
    QTest::addRow("new, no kind") << int(QUIZ_NEW) << "new.qiz" << QList<QuestionText>{};
    QTest::addRow("true/false") << int(QUIZ_TRUE_FALSE) << "tf.qiz"
                                << QList<QuestionText>{{"The sun is a star", 0, ""},
                                                       {"Fish can fly", 1, ""}};
    QTest::addRow("flash cards 255 characters")
        << int(QUIZ_FLASH_CARD) << "cards.qiz"
        << QList<QuestionText>{{longText, 0, longText}, {"France", 0, "Paris"}};
    QTest::addRow("flash cards non-latin")
        << int(QUIZ_FLASH_CARD) << QString::fromUtf8("Καρτέλες.qiz")
        << QList<QuestionText>{{QString::fromUtf8("γάτα"), 0, QString::fromUtf8("猫")},
                               {QString::fromUtf8("smile \U0001F600"), 0, "happy"},
                               {QString::fromUtf8("€ „quote“ — ™"), 0, QString(QChar(0x81))}};
    QTest::addRow("spelling") << int(QUIZ_SPELLING) << "words.qiz"
                              << QList<QuestionText>{{"because", 0, ""},
                                                     {QString::fromUtf8("naïve"), 0, ""},
                                                     {QString(QChar(0x4E2D)).repeated(255), 0, ""}};
    QTest::addRow("math") << int(QUIZ_MATH) << "sums.qiz"
                          << QList<QuestionText>{{"57+41", 0, ""}, {"1/800", 0, ""}};
    QTest::addRow("very long text")
        << int(QUIZ_FLASH_CARD) << "long.qiz"
        << QList<QuestionText>{{QString(CQuizFile::MAX_TEXT_CHARS, 'x'), 0, "y"}};
    QTest::addRow("any answer value kept")
        << int(QUIZ_SPELLING) << "odd.qiz" << QList<QuestionText>{{"odd", -7, ""}};
}

void TestQuizFile::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QList<QuestionText>, questions);
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(kind);
    doc.m_strQuizName = name;
    for (const QuestionText& text : questions) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = text.front;
        question->m_nAnswer = text.answer;
        question->m_strAnswer = text.back;
        question->m_strResponse = "typed";
        question->m_bGivenUp = true;
    }
    const QString savedAs = Path("saved.qiz");
    QVERIFY(doc.OnSaveDocument(savedAs));
    const QString movedTo = Path("moved.qiz");
    QVERIFY(QFile::rename(savedAs, movedTo));

    CTU_QuizDoc read;
    read.SetPrompt(&m_prompt);
    QVERIFY(read.OnOpenDocument(movedTo));
    QCOMPARE(read.m_strQuizPath, movedTo);
    QCOMPARE(read.m_strQuizName, name);
    QCOMPARE(read.m_nQuizType, kind);
    QCOMPARE(read.m_nQuestionCount, int(questions.size()));
    QCOMPARE(int(read.Questions().size()), int(questions.size()));
    for (int i = 0; i < questions.size(); ++i) {
        const CQuestion* question = read.Question(i);
        QCOMPARE(question->m_strQuestion, questions[i].front);
        QCOMPARE(question->m_nAnswer, questions[i].answer);
        QCOMPARE(question->m_strAnswer, questions[i].back);
        QVERIFY(question->IsOpen());
    }
    QVERIFY(m_prompt.m_messages.isEmpty());
}

void TestQuizFile::lineBreaks_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("text");
    QTest::addRow("CR LF") << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
    QTest::addRow("LF alone") << QByteArray("one\ntwo") << "one\ntwo";
    QTest::addRow("both") << QByteArray("\none\r\ntwo") << "\none\ntwo";
    QTest::addRow("CR alone stays") << QByteArray("one\rtwo") << "one\rtwo";
}

void TestQuizFile::lineBreaks()
{
    // Line breaks are CR LF in the file, as other readers of the format
    // expect; files with LF alone are read too.
    QFETCH(QByteArray, stored);
    QFETCH(QString, text);
    const QString path = Path("breaks.qiz");
    QVERIFY(
        WriteFile(path, Header(QUIZ_FLASH_CARD, 1, 1) + CLASS_RECORD + Body(stored, 0, stored)));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.Question(0)->m_strQuestion, text);
    QCOMPARE(doc.Question(0)->m_strAnswer, text);

    QVERIFY(doc.OnSaveDocument(path));
    QByteArray written = text.toLatin1();
    written.replace("\n", "\r\n");
    QCOMPARE(ReadFile(path), Header(QUIZ_FLASH_CARD, 1, 1, path.toLocal8Bit()) + CLASS_RECORD +
                                 Body(written, 0, written));
}

void TestQuizFile::savedLineBreaks_data()
{
    // Each LF gains a CR in the file, and the length before the text counts them.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::addRow("LF first") << "\nx" << QByteArray::fromHex("030d0a78");
    QTest::addRow("CR LF kept as it is") << "a\r\nb" << QByteArray::fromHex("04610d0a62");
    QTest::addRow("CR grows the length past one byte")
        << QString(253, 'a') + '\n'
        << QByteArray::fromHex("ffff00") + QByteArray(253, 'a') + "\r\n";
    QTest::addRow("wide text") << QString::fromUtf8("Γ\nα")
                               << QByteArray::fromHex("fffeff04"
                                                      "93030d000a00b103");
    QTest::addRow("wide after the LF") << QString::fromUtf8("\nΓ")
                                       << QByteArray::fromHex("fffeff03"
                                                              "0d000a009303");
}

void TestQuizFile::savedLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.m_strQuizName = "p.qiz";
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = text;
    question->m_strAnswer = text;
    const QString path = Path("breaks.qiz");
    QVERIFY(doc.OnSaveDocument(path));
    QCOMPARE(ReadFile(path).toHex(' '), (Header(QUIZ_FLASH_CARD, 1, 1, path.toLocal8Bit()) +
                                         CLASS_RECORD + stored + U32(0) + stored)
                                            .toHex(' '));
    CTU_QuizDoc read;
    read.SetPrompt(&m_prompt);
    QVERIFY(read.OnOpenDocument(path));
    QCOMPARE(read.Question(0)->m_strQuestion, QString(text).replace("\r\n", "\n"));
}

void TestQuizFile::longListCount()
{
    // From 65535 questions on, the list count needs its four-byte form.
    constexpr int COUNT = 70000;
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_MATH);
    for (int i = 0; i < COUNT; ++i)
        doc.AddQuestion()->m_strQuestion = QString::number(i) + "+1";
    const QByteArray bytes = CQuizFile::Serialize(doc);
    const QByteArray header = Str("TU1.0") + Str("") + Str("") + U32(QUIZ_MATH) + U32(COUNT);
    QCOMPARE(bytes.mid(header.size(), 6).toHex(' '), (U16(0xFFFF) + U32(COUNT)).toHex(' '));
    CQuizFile::Contents contents;
    QCOMPARE(CQuizFile::Parse(bytes, &contents), CQuizFile::Status::Ok);
    QCOMPARE(int(contents.questions.size()), COUNT);
    QCOMPARE(contents.questions.back()->m_strQuestion, QString("69999+1"));
}

void TestQuizFile::zeroLengthFileOpensEmpty()
{
    const QString path = Path("empty.qiz");
    QVERIFY(WriteFile(path, {}));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_SPELLING);
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.m_nQuizType, int(QUIZ_SPELLING));
    QCOMPARE(doc.m_nQuestionCount, 0);
    QCOMPARE(doc.m_strQuizPath, path);
    QVERIFY(m_prompt.m_messages.isEmpty());
}

void TestQuizFile::countsDisagree_data()
{
    QTest::addColumn<int>("storedCount");
    QTest::addRow("count says more") << 5;
    QTest::addRow("count says none") << 0;
    QTest::addRow("count negative") << -3;
}

void TestQuizFile::countsDisagree()
{
    QFETCH(int, storedCount);
    const QString path = Path("counts.qiz");
    QVERIFY(WriteFile(path, Header(QUIZ_SPELLING, storedCount, 2) + CLASS_RECORD + Body("cat") +
                                LATER_TAG + Body("dog")));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    QVERIFY(doc.OnOpenDocument(path));
    QCOMPARE(doc.m_nQuestionCount, 2);
    QCOMPARE(doc.Question(1)->m_strQuestion, QString("dog"));
}

void TestQuizFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message");
    const QString damaged = "damaged";
    const QByteArray one = Header(QUIZ_SPELLING, 1, 1);
    const QByteArray two = Header(QUIZ_SPELLING, 2, 2) + CLASS_RECORD + Body("cat");
    QTest::addRow("magic TU1.1") << Str("TU1.1") + Str("") + Str("") << false
                                 << "Unrecognized File Format";
    QTest::addRow("lower-case magic") << Str("tu1.0") << false << "Unrecognized File Format";
    QTest::addRow("text file") << QByteArray("Shopping list:\nmilk\n") << false
                               << "Unrecognized File Format";
    QTest::addRow("wide magic") << QByteArray::fromHex("fffeff05") +
                                       QByteArray("T\0U\0001\0.\0000\0", 10) +
                                       Header(QUIZ_SPELLING, 0, 0).mid(6)
                                << true << "";
    QTest::addRow("huge list count")
        << Header(QUIZ_SPELLING, 1, 0xFFFF) + U32(0xFFFFFFF0) + CLASS_RECORD + Body("cat") << false
        << damaged;
    QTest::addRow("list count beyond file")
        << Header(QUIZ_SPELLING, 9, 9) + CLASS_RECORD + Body("cat") << false << damaged;
    QTest::addRow("huge string length")
        << one + CLASS_RECORD + QByteArray::fromHex("ffffffffffff7f") + "cat" << false << damaged;
    QTest::addRow("huge wide length")
        << one + CLASS_RECORD + QByteArray::fromHex("fffeffffffffffff7f") + "cat" << false
        << damaged;
    QTest::addRow("wide inside wide")
        << one + CLASS_RECORD + QByteArray::fromHex("fffefffffeff01") + "c\0" << false << damaged;
    QTest::addRow("null entry") << one + U16(0) + Body("cat") << false << damaged;
    QTest::addRow("back reference") << two + U16(2) + Body("dog") << false << damaged;
    QTest::addRow("class used before defined") << one + LATER_TAG + Body("cat") << false << damaged;
    QTest::addRow("class index 2") << two + U16(0x8002) + Body("dog") << false << damaged;
    QTest::addRow("class index 0") << two + U16(0x8000) + Body("dog") << false << damaged;
    QTest::addRow("class defined twice") << two + CLASS_RECORD + Body("dog") << false << damaged;
    QTest::addRow("other class name")
        << one + QByteArray::fromHex("ffff00000900") + "CQuestioX" + Body("cat") << false
        << damaged;
    QTest::addRow("other name length")
        << one + QByteArray::fromHex("ffff00000a00") + "CQuestions" + Body("cat") << false
        << damaged;
    QTest::addRow("other schema") << one + QByteArray::fromHex("ffff01000900") + "CQuestion" +
                                         Body("cat")
                                  << false << damaged;
    QTest::addRow("unknown kind") << Header(9, 0, 0) << false << damaged;
    QTest::addRow("big class tag")
        << two + U16(0x7FFF) + U32(0x80000001) + Body("dog") << true << "";
    QTest::addRow("big object tag") << two + U16(0x7FFF) + U32(2) + Body("dog") << false << damaged;
    QTest::addRow("wide text read") << one + CLASS_RECORD +
                                           QByteArray::fromHex("fffeff02"
                                                               "9303b103") +
                                           U32(0) + Str("")
                                    << true << "";
    QTest::addRow("trailing bytes ignored")
        << one + CLASS_RECORD + Body("cat") + "extra" << true << "";
}

void TestQuizFile::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    const QString path = Path("damaged.qiz");
    QVERIFY(WriteFile(path, bytes));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_FLASH_CARD);
    QCOMPARE(doc.OnOpenDocument(path), opens);
    if (opens) {
        QVERIFY(m_prompt.m_messages.isEmpty());
        QCOMPARE(doc.m_strQuizPath, path);
        return;
    }
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY2(m_prompt.m_messages.first().contains(message),
             qPrintable(m_prompt.m_messages.first()));
    // A failed open leaves the document as it was.
    QCOMPARE(doc.m_nQuizType, int(QUIZ_FLASH_CARD));
    QCOMPARE(doc.m_nQuestionCount, 0);
    QVERIFY(doc.Questions().empty());
    QVERIFY(doc.m_strQuizPath.isEmpty());
}

void TestQuizFile::cutShortAtEveryOffset()
{
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.m_strQuizPath = "/home/pupil/cards.qiz";
    doc.m_strQuizName = "cards.qiz";
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = "France";
    question->m_strAnswer = "Paris";
    question = doc.AddQuestion();
    question->m_strQuestion = QString(300, 'w');
    question->m_strAnswer = QString::fromUtf8("Γειά σου");
    question = doc.AddQuestion();
    question->m_strQuestion = QString::fromUtf8("猫");
    const QByteArray whole = CQuizFile::Serialize(doc);
    const QString path = Path("cut.qiz");
    for (qsizetype size = 1; size < whole.size(); ++size) {
        QVERIFY(WriteFile(path, whole.left(size)));
        CTU_QuizDoc read;
        read.SetPrompt(&m_prompt);
        m_prompt.Clear();
        QVERIFY2(!read.OnOpenDocument(path), qPrintable(QString::number(size)));
        QCOMPARE(m_prompt.m_messages.size(), 1);
        QVERIFY(read.Questions().empty());
        QCOMPARE(read.m_nQuizType, int(QUIZ_NONE));
    }
    QVERIFY(WriteFile(path, whole));
    CTU_QuizDoc read;
    QVERIFY(read.OnOpenDocument(path));
    QCOMPARE(read.m_nQuestionCount, 3);
}

void TestQuizFile::unreadableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("missing file") << "missing.qiz";
    QTest::addRow("folder") << "folder.qiz";
}

void TestQuizFile::unreadableFiles()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkdir("folder.qiz"));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    QVERIFY(!doc.OnOpenDocument(Path(name)));
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY2(m_prompt.m_messages.first().contains(QDir::toNativeSeparators(Path(name))),
             qPrintable(m_prompt.m_messages.first()));
    QVERIFY(doc.m_strQuizPath.isEmpty());
}

void TestQuizFile::failedSaveReports_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("missing folder") << "no such folder/quiz.qiz";
    QTest::addRow("folder is a file") << "plain.txt/quiz.qiz";
    QTest::addRow("path is a folder") << "folder.qiz";
}

void TestQuizFile::failedSaveReports()
{
    QFETCH(QString, name);
    QVERIFY(WriteFile(Path("plain.txt"), "notes"));
    QVERIFY(QDir(m_dir->path()).mkdir("folder.qiz"));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_SPELLING);
    doc.AddQuestion()->m_strQuestion = "because";
    const QString path = Path(name);
    QVERIFY(!doc.OnSaveDocument(path));
    QCOMPARE(doc.m_strQuizPath, path);
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY2(m_prompt.m_messages.first().startsWith("The quiz could not be saved to " +
                                                    QDir::toNativeSeparators(path)),
             qPrintable(m_prompt.m_messages.first()));
    QCOMPARE(ReadFile(Path("plain.txt")), QByteArray("notes"));
    QVERIFY(QFileInfo(Path("folder.qiz")).isDir());
    // The document itself is whole and saves fine elsewhere.
    QVERIFY(doc.OnSaveDocument(Path("good.qiz")));
    QCOMPARE(doc.m_nQuestionCount, 1);
}

void TestQuizFile::readOnlyFolderKeepsOldFile()
{
    const QString folder = Path("locked");
    QVERIFY(QDir(m_dir->path()).mkdir("locked"));
    const QString path = folder + "/quiz.qiz";
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_SPELLING);
    doc.AddQuestion()->m_strQuestion = "because";
    QVERIFY(doc.OnSaveDocument(path));
    const QByteArray old = ReadFile(path);
    // The file too: a writable file in a locked folder is written in place.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const bool locked = ::access(folder.toLocal8Bit().constData(), W_OK) != 0;
    if (locked) {
        doc.AddQuestion()->m_strQuestion = "friend";
        QVERIFY(!doc.OnSaveDocument(path));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!locked)
        QSKIP("this user may write into read-only folders (root)");
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY(m_prompt.m_messages.first().contains("was not changed"));
}

void TestQuizFile::fullDiskKeepsOldFile()
{
    // A file size limit makes writes fail as a full disk does, even for root.
    const QString path = Path("quiz.qiz");
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_SPELLING);
    doc.AddQuestion()->m_strQuestion = "because";
    QVERIFY(doc.OnSaveDocument(path));
    const QByteArray old = ReadFile(path);
    for (int i = 0; i < 1000; ++i)
        doc.AddQuestion()->m_strQuestion = "word number " + QString::number(i);

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved1 = doc.OnSaveDocument(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved1);
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY(m_prompt.m_messages.first().contains("was not changed"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"quiz.qiz"});
}

void TestQuizFile::specialFilesNeverBlock_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("message");
    const QString special = "is not an ordinary file";
    const QString large = "larger than " + Grouped(CQuizFile::MAX_FILE_BYTES / 1024 / 1024) + " MB";
    QTest::addRow("pipe") << "fifo" << special;
    QTest::addRow("link to /dev/zero") << "/dev/zero" << special;
    QTest::addRow("link to /dev/urandom") << "/dev/urandom" << special;
    QTest::addRow("folder") << "folder" << special;
    QTest::addRow("sparse 40 GB file") << "sparse" << large;
    QTest::addRow("one byte over the limit") << "over" << large;
}

void TestQuizFile::specialFilesNeverBlock()
{
    QFETCH(QString, what);
    QFETCH(QString, message);
    const QString path = Path("x.qiz");
    const QByteArray native = QFile::encodeName(path);
    if (what == "fifo")
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    else if (what == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (what.startsWith('/'))
        QVERIFY(QFile::link(what, path));
    else {
        constexpr qint64 FORTY_GB = 40LL * 1024 * 1024 * 1024;
        QVERIFY(WriteFile(path, Header(QUIZ_SPELLING, 0, 0)));
        QVERIFY(QFile::resize(path, what == "sparse" ? FORTY_GB : CQuizFile::MAX_FILE_BYTES + 1));
    }
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    QVERIFY(!doc.OnOpenDocument(path));
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY2(m_prompt.m_messages.first().contains(message),
             qPrintable(m_prompt.m_messages.first()));
    QVERIFY(m_prompt.m_messages.first().contains(QDir::toNativeSeparators(path)));
    QVERIFY(doc.Questions().empty());
}

void TestQuizFile::limitsAreNamed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const int tooMany = CQuizFile::MAX_QUESTIONS + 1;
    QByteArray many =
        Header(QUIZ_SPELLING, tooMany, 0xFFFF) + U32(quint32(tooMany)) + CLASS_RECORD + Body("");
    for (int i = 1; i < tooMany; ++i)
        many += LATER_TAG + Body("");
    const QByteArray longest(CQuizFile::MAX_TEXT_CHARS, 'a');
    const QByteArray one = Header(QUIZ_FLASH_CARD, 1, 1) + CLASS_RECORD;
    const QString questions = "more than " + Grouped(CQuizFile::MAX_QUESTIONS) + " questions";
    const QString text = "longer than " + Grouped(CQuizFile::MAX_TEXT_CHARS) + " characters";
    QTest::addRow("one question too many") << many << questions;
    QTest::addRow("front one character too long")
        << one + LongStr(longest + 'a') + U32(0) + Str("") << text;
    QTest::addRow("back one character too long")
        << one + Str("front") + U32(0) + LongStr(longest + 'a') << text;
    QTest::addRow("name one character too long")
        << Str("TU1.0") + Str("") + LongStr(longest + 'a') + U32(QUIZ_SPELLING) + U32(0) + U16(0)
        << text;
    QTest::addRow("longest texts open")
        << one + LongStr(longest) + U32(0) + LongStr(longest) << QString();
}

void TestQuizFile::limitsAreNamed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = Path("big.qiz");
    QVERIFY(WriteFile(path, bytes));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    QCOMPARE(doc.OnOpenDocument(path), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(m_prompt.m_messages.isEmpty());
        return;
    }
    QCOMPARE(m_prompt.m_messages.size(), 1);
    QVERIFY2(m_prompt.m_messages.first().contains(message),
             qPrintable(m_prompt.m_messages.first()));
    QVERIFY(doc.Questions().empty());
}

void TestQuizFile::valuesOutsideTheFormat_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("readAnswer");
    QTest::addRow("true/false answer 5")
        << int(QUIZ_TRUE_FALSE) << QByteArray("Owls hoot") << 5 << true << 1;
    QTest::addRow("true/false answer -1")
        << int(QUIZ_TRUE_FALSE) << QByteArray("Owls hoot") << -1 << true << 1;
    QTest::addRow("true/false answer 0")
        << int(QUIZ_TRUE_FALSE) << QByteArray("Owls hoot") << 0 << true << 0;
    QTest::addRow("math inf-inf") << int(QUIZ_MATH) << QByteArray("inf-inf") << 0 << false << 0;
    QTest::addRow("math 1e400*1e400")
        << int(QUIZ_MATH) << QByteArray("1e400*1e400") << 0 << false << 0;
    QTest::addRow("math nan+1") << int(QUIZ_MATH) << QByteArray("nan+1") << 0 << false << 0;
    QTest::addRow("math 7/0") << int(QUIZ_MATH) << QByteArray("7/0") << 0 << false << 0;
    QTest::addRow("math lone number") << int(QUIZ_MATH) << QByteArray("12") << 0 << false << 0;
    QTest::addRow("math number too long")
        << int(QUIZ_MATH) << QByteArray("123456789+1") << 0 << false << 0;
    QTest::addRow("math 12 + 3") << int(QUIZ_MATH) << QByteArray("12 + 3") << 9 << true << 9;
}

void TestQuizFile::valuesOutsideTheFormat()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, text);
    QFETCH(int, answer);
    QFETCH(bool, opens);
    QFETCH(int, readAnswer);
    const QString path = Path("odd.qiz");
    QVERIFY(WriteFile(path, Header(kind, 1, 1) + CLASS_RECORD + Body(text, answer)));
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    QCOMPARE(doc.OnOpenDocument(path), opens);
    if (!opens) {
        QCOMPARE(m_prompt.m_messages.size(), 1);
        QVERIFY2(m_prompt.m_messages.first().contains("damaged"),
                 qPrintable(m_prompt.m_messages.first()));
        return;
    }
    CQuestion* question = doc.Question(0);
    QCOMPARE(question->m_nAnswer, readAnswer);
    if (kind != QUIZ_TRUE_FALSE)
        return;
    // The answer read is the one judged: exactly one of True and False scores.
    question->m_nResponse = 0;
    const bool trueScores = AnswerJudge::JudgeAnswer(doc, *question);
    question->m_nResponse = 1;
    const bool falseScores = AnswerJudge::JudgeAnswer(doc, *question);
    QCOMPARE(trueScores, readAnswer == 0);
    QCOMPARE(falseScores, readAnswer == 1);
}

void TestQuizFile::saveStaysWithinLimits_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addRow("new file") << false;
    QTest::addRow("existing file") << true;
}

void TestQuizFile::saveStaysWithinLimits()
{
    QFETCH(bool, fileExists);
    const QString path = Path("cards.qiz");
    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.AddQuestion()->m_strQuestion = "France";
    if (fileExists)
        QVERIFY(doc.OnSaveDocument(path));
    const QByteArray old = ReadFile(path);
    doc.AddQuestion()->m_strAnswer = QString(CQuizFile::MAX_TEXT_CHARS + 1, 'x');
    QVERIFY(!doc.OnSaveDocument(path));
    QCOMPARE(m_prompt.m_messages.size(), 1);
    const QString message = m_prompt.m_messages.first();
    QVERIFY2(message.contains("longer than " + Grouped(CQuizFile::MAX_TEXT_CHARS)),
             qPrintable(message));
    // Each message says what is true of the disk.
    QCOMPARE(message.endsWith("The quiz file on disk was not changed."), fileExists);
    QCOMPARE(message.endsWith("No quiz file was made there."), !fileExists);
    QCOMPARE(QFileInfo::exists(path), fileExists);
    QCOMPARE(ReadFile(path), old);
    QVERIFY(doc.HasUnsavedQuestions());
    // The same quiz failing again at once is not told twice.
    QVERIFY(!doc.OnSaveDocument(path));
    QCOMPARE(m_prompt.m_messages.size(), 1);
}

void TestQuizFile::leftoversOfOwnSavesAreTidied()
{
    const QString path = Path("quiz.qiz");
    const QString prefix = CFileWriter::LeftoverPrefix(path);
    // A process that has ended: its leftovers go; a running one keeps its file.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    int status = 0;
    QCOMPARE(::waitpid(ended, &status, 0), ended);
    const QString stale = prefix + QString("%1-1.tmp").arg(ended);
    const QString running = prefix + QString("%1-1.tmp").arg(::getppid());
    const QString foreign = path + ".backup";
    for (const QString& name : {stale, running, foreign})
        QVERIFY(WriteFile(name, "half a quiz"));

    CTU_QuizDoc doc;
    doc.SetPrompt(&m_prompt);
    doc.SetQuizType(QUIZ_SPELLING);
    doc.AddQuestion()->m_strQuestion = "owl";
    QVERIFY(doc.OnSaveDocument(path));
    QVERIFY(!QFileInfo::exists(stale));
    QVERIFY(QFileInfo::exists(running));
    QVERIFY(QFileInfo::exists(foreign));

    // Opening tidies too.
    QVERIFY(WriteFile(stale, "half a quiz"));
    CTU_QuizDoc read;
    QVERIFY(read.OnOpenDocument(path));
    QVERIFY(!QFileInfo::exists(stale));
    QCOMPARE(read.Question(0)->m_strQuestion, QString("owl"));
}

QTEST_GUILESS_MAIN(TestQuizFile)
#include "tst_quizfile.moc"
