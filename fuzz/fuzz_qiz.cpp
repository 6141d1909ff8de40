// Opens arbitrary bytes as a quiz file, the way a pupil opens a file a
// classmate passed on: through CTU_QuizDoc::OnOpenDocument from disk. A
// failed open must tell the user and leave the document empty; a successful
// one must hold a consistent document that saves and reads back unchanged.
#include "CPrompt.h"
#include "CQuizFile.h"
#include "CTU_QuizDoc.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Keeps every message the document shows instead of opening a box.
class RecordingPrompt : public CPrompt
{
public:
    Reply AskYesNo(const QString&, Reply) override { return Reply::Cancel; }
    void ShowMessage(const QString& text) override { m_messages.append(text); }
    QString GetOpenFileName(const QString&, const QString&) override { return {}; }
    QString GetSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool ChoosePrinter(QPrinter*) override { return false; }

    QStringList m_messages;
};

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_qiz: broken invariant: %s\n", what);
        std::abort();
    }
}

// A folder in memory when the machine has one, so each input costs no disk write.
QTemporaryDir* WorkDir()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        auto made = std::make_unique<QTemporaryDir>(
            QDir(shm).exists() ? shm + QStringLiteral("/fuzz_qiz-XXXXXX") : QString());
        if (!made->isValid())
            made = std::make_unique<QTemporaryDir>();
        return made;
    }();
    return dir.get();
}

bool SameQuestions(const CTU_QuizDoc& doc, const CQuizFile::Contents& contents)
{
    const auto& questions = doc.Questions();
    if (questions.size() != contents.questions.size())
        return false;
    for (size_t i = 0; i < questions.size(); ++i) {
        const CQuestion& a = *questions[i];
        const CQuestion& b = *contents.questions[i];
        if (a.m_strQuestion != b.m_strQuestion || a.m_nAnswer != b.m_nAnswer ||
            a.m_strAnswer != b.m_strAnswer)
            return false;
    }
    return true;
}

void CheckRoundTrip(const CTU_QuizDoc& doc)
{
    CQuizFile::Contents again;
    const QByteArray bytes = CQuizFile::Serialize(doc);
    Require(CQuizFile::Parse(bytes, &again) == CQuizFile::Status::Ok, "a saved quiz reads back");
    Require(again.strQuizName == doc.m_strQuizName, "the name survives a save");
    Require(again.strQuizPath == doc.m_strQuizPath, "the path survives a save");
    Require(again.nQuizType == doc.m_nQuizType, "the kind survives a save");
    Require(again.nStoredQuestionCount == doc.m_nQuestionCount, "the count survives a save");
    Require(SameQuestions(doc, again), "every question survives a save");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = WorkDir()->filePath(QStringLiteral("input.qiz"));
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input can be written");
        Require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                "the whole input is written");
    }

    RecordingPrompt prompt;
    CTU_QuizDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetQuizType(QUIZ_NEW);
    const bool opened = doc.OnOpenDocument(path);

    CQuizFile::Contents parsed;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool parses = CQuizFile::Parse(bytes, &parsed) == CQuizFile::Status::Ok;
    Require(opened == parses, "opening a file and parsing its bytes agree");

    if (!opened) {
        Require(prompt.m_messages.size() == 1, "a failed open says so once");
        Require(!prompt.m_messages.first().isEmpty(), "the failure message is not empty");
        Require(doc.Questions().empty(), "a failed open adds no question");
        Require(doc.m_nQuizType == QUIZ_NEW, "a failed open keeps the kind");
        return 0;
    }
    Require(prompt.m_messages.isEmpty(), "a good open shows no message");
    Require(doc.m_strQuizPath == path, "the document takes the real path");
    Require(doc.m_nQuestionCount == static_cast<int>(doc.Questions().size()),
            "the question count equals the list length");
    if (!parsed.bEmptyFile)
        Require(SameQuestions(doc, parsed), "the document holds what the file holds");
    CheckRoundTrip(doc);
    return 0;
}
