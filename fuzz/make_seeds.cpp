// Writes the .qiz seed corpus with the quiz core itself, so the fuzzer starts
// from files exactly as the program saves them: every kind, texts that need
// the long and the wide string forms, and an empty file.
//   fuzz_make_seeds <folder>
#include "CTU_QuizDoc.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

struct Item
{
    const char16_t* question;
    int answer;
    const char16_t* back;
};

bool Write(const QDir& folder, const char* fileName, int kind, const char16_t* name,
           std::initializer_list<Item> items)
{
    CTU_QuizDoc doc;
    doc.SetQuizType(kind);
    doc.m_strQuizName = QString::fromUtf16(name);
    for (const Item& item : items) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = QString::fromUtf16(item.question);
        question->m_nAnswer = item.answer;
        question->m_strAnswer = QString::fromUtf16(item.back);
    }
    const bool saved = doc.OnSaveDocument(folder.filePath(QString::fromLatin1(fileName)));
    if (!saved)
        std::fprintf(stderr, "fuzz_make_seeds: could not write %s\n", fileName);
    return saved;
}

bool WriteLongQuestion(const QDir& folder)
{
    // 300 characters need the three-byte length prefix.
    CTU_QuizDoc doc;
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.m_strQuizName = QStringLiteral("long.qiz");
    CQuestion* question = doc.AddQuestion();
    question->m_strQuestion = QString(300, u'a');
    question->m_strAnswer = QStringLiteral("b");
    return doc.OnSaveDocument(folder.filePath(QStringLiteral("long.qiz")));
}

bool WriteEmptyFile(const QDir& folder)
{
    QFile file(folder.filePath(QStringLiteral("empty.qiz")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    ok &= Write(folder, "new.qiz", QUIZ_NEW, u"new.qiz", {});
    ok &= Write(folder, "truefalse.qiz", QUIZ_TRUE_FALSE, u"animals.qiz",
                {{u"A whale is a fish.", 1, u""},
                 {u"Bees make honey.", 0, u""},
                 {u"Spiders have six legs.", 1, u""}});
    ok &= Write(folder, "flashcards.qiz", QUIZ_FLASH_CARD, u"capitals.qiz",
                {{u"France", 0, u"Paris"},
                 {u"Espa\u00f1a", 0, u"Madrid"},
                 {u"The price \u20ac5 \u2013 \u201cquoted\u201d", 0, u"caf\u00e9"}});
    ok &= Write(folder, "spelling.qiz", QUIZ_SPELLING, u"words.qiz",
                {{u"because", 0, u""}, {u"friend", 0, u""}, {u"necessary", 0, u""}});
    ok &= Write(folder, "math.qiz", QUIZ_MATH, u"sums.qiz",
                {{u"57+41", 0, u""},
                 {u"5*-3", 0, u""},
                 {u"1/8", 0, u""},
                 {u"1/800", 0, u""},
                 {u"1234.5678+1", 0, u""}});
    ok &=
        Write(folder, "wide.qiz", QUIZ_FLASH_CARD, u"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1.qiz",
              {{u"\u03b1\u03b2\u03b3", 0, u"alpha beta gamma"}, {u"\u4e2d\u6587", 0, u"Chinese"}});
    ok &= WriteLongQuestion(folder);
    ok &= WriteEmptyFile(folder);
    return ok ? 0 : 1;
}
