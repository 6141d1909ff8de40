#include "BenchSupport.h"

#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace bench {

long long ResidentBytes()
{
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    long long size = 0;
    long long resident = 0;
    const int read = std::fscanf(statm, "%lld %lld", &size, &resident);
    std::fclose(statm);
    return read == 2 ? resident * ::sysconf(_SC_PAGESIZE) : 0;
}

bool PlainAtomicWrite(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".tmp";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() &&
                         ::fdatasync(fd) == 0;
    return ::close(fd) == 0 && written && ::rename(temporary.constData(), target.constData()) == 0;
}

QByteArray PlainRead(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes(::lseek(fd, 0, SEEK_END), Qt::Uninitialized);
    ::lseek(fd, 0, SEEK_SET);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got <= 0)
            break;
        done += got;
    }
    ::close(fd);
    bytes.truncate(done);
    return bytes;
}

std::vector<PlainQuestion> MinimalParse(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const auto* end = p + bytes.size();
    auto text = [&p](QString* out) {
        qsizetype length = *p++;
        if (length == 0xFF) {
            length = p[0] | (p[1] << 8);
            p += 2;
        }
        *out = QString::fromLatin1(reinterpret_cast<const char*>(p), length);
        p += length;
    };
    QString skipped;
    text(&skipped);
    text(&skipped);
    text(&skipped);
    p += 8;
    qsizetype count = p[0] | (p[1] << 8);
    p += 2;
    if (count == 0xFFFF) {
        count = qsizetype(p[0]) | (qsizetype(p[1]) << 8) | (qsizetype(p[2]) << 16) |
                (qsizetype(p[3]) << 24);
        p += 4;
    }
    std::vector<PlainQuestion> questions(static_cast<size_t>(count));
    for (auto& question : questions) {
        if (end - p < 2)
            break;
        p += p[0] == 0xFF && p[1] == 0xFF ? 15 : 2;
        text(&question.front);
        question.answer = int(p[0] | (p[1] << 8) | (p[2] << 16) | (p[3] << 24));
        p += 4;
        text(&question.back);
    }
    return questions;
}

void PrintHeading(const char* title)
{
    std::printf("%s\n", title);
    std::printf("%-52s %13s %13s %8s %10s\n", "benchmark (median of runs)", "figure", "floor",
                "ratio", "target");
}

void PrintRow(const char* what, const QString& figure, const QString& floor, double ratio,
              const char* target, bool met)
{
    std::printf("%-52s %13s %13s %8.2f %10s%s\n", what, qPrintable(figure), qPrintable(floor),
                ratio, target, met ? "" : "  MISSED");
    std::fflush(stdout);
}

QString Ms(double milliseconds)
{
    return QStringLiteral("%1 ms").arg(milliseconds, 0, 'f', milliseconds < 10 ? 3 : 1);
}

QString MiB(double bytes)
{
    return QStringLiteral("%1 MiB").arg(bytes / (1024.0 * 1024.0), 0, 'f', 1);
}

} // namespace bench

#include <cstdlib>
#include <sys/wait.h>

namespace bench {

long long InChild(const std::function<long long()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        const long long value = work();
        const bool sent = ::write(channel[1], &value, sizeof value) == sizeof value;
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    long long value = -1;
    if (::read(channel[0], &value, sizeof value) != sizeof value)
        value = -1;
    ::close(channel[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return value;
}

} // namespace bench
