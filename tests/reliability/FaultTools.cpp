#include "FaultTools.h"

#include "CTU_QuizDoc.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace FaultTools {

namespace {

// Every so many cards one needs the wide form (a Greek word).
constexpr int WIDE_EVERY = 97;

QString Front(int index, int version)
{
    QString text = QStringLiteral("Card %1 of version %2: what is the capital of country %1?")
                       .arg(index)
                       .arg(version);
    if (index % WIDE_EVERY == 0)
        text += QStringLiteral(" \u0395\u03bb\u03bb\u03ac\u03b4\u03b1");
    return text;
}

QString Back(int index, int version)
{
    return QStringLiteral("The capital of country %1, learnt in version %2, caf\u00e9 \u20ac")
        .arg(index)
        .arg(version);
}

QString Name(int version)
{
    return QStringLiteral("capitals-%1.qiz").arg(version);
}

} // namespace

void FillQuiz(CTU_QuizDoc& doc, int count, int version)
{
    doc.ClearQuestions();
    doc.SetQuizType(QUIZ_FLASH_CARD);
    doc.m_strQuizName = Name(version);
    for (int i = 0; i < count; ++i) {
        CQuestion* question = doc.AddQuestion();
        question->m_strQuestion = Front(i, version);
        question->m_strAnswer = Back(i, version);
    }
}

bool HoldsQuiz(const CTU_QuizDoc& doc, int count, int version)
{
    if (doc.m_nQuizType != QUIZ_FLASH_CARD || doc.m_strQuizName != Name(version) ||
        doc.m_nQuestionCount != count || static_cast<int>(doc.Questions().size()) != count)
        return false;
    for (int i = 0; i < count; ++i) {
        const CQuestion& question = *doc.Question(i);
        if (question.m_strQuestion != Front(i, version) || question.m_strAnswer != Back(i, version))
            return false;
    }
    return true;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool SetImmutable(const QString& path, bool immutable)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool IgnoresPermissions()
{
    return ::geteuid() == 0;
}

} // namespace FaultTools
