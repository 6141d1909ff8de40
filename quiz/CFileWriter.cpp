#include "CFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char LEFTOVER_MARK[] = ".tutorama-";
constexpr mode_t NEW_FILE_MODE = 0666; // less the user's umask, as any new file
constexpr mode_t PERMISSION_BITS = 07777;

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// Writes the whole buffer at offset, going on after short writes, so that a
// refusal comes back with its reason (a full disk, a size limit).
bool WriteAt(int fd, const QByteArray& bytes, off_t offset)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, data, size_t(left), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
        offset += written;
    }
    return true;
}

bool ReadWhole(const QString& path, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool IsRefusedPlace(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// A name beside path that no other write uses: the writer's process id and a count.
QString FreshName(const QString& path)
{
    static int s_nCount = 0;
    return CFileWriter::LeftoverPrefix(path) +
           QStringLiteral("%1-%2.tmp").arg(::getpid()).arg(++s_nCount);
}

// Gives an unnamed file a name beside path; false when the system cannot.
bool NameUnnamed(int fd, const QString& name)
{
    const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(name).constData(),
                    AT_SYMLINK_FOLLOW) == 0;
}

bool IsRunning(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

QString CFileWriter::LeftoverPrefix(const QString& path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() +
           QLatin1String(LEFTOVER_MARK);
}

void CFileWriter::TidyLeftovers(const QString& path)
{
    const QFileInfo prefix(LeftoverPrefix(path));
    const QDir folder = prefix.absoluteDir();
    const QStringList names = folder.entryList({prefix.fileName() + QLatin1String("*.tmp")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        // The writer's id is the number after the mark; a write still running keeps its file.
        const QString rest = name.mid(prefix.fileName().size());
        bool ok = false;
        const pid_t writer = pid_t(rest.section(QLatin1Char('-'), 0, 0).toLongLong(&ok));
        if (ok && writer > 0 && (writer == ::getpid() || !IsRunning(writer)))
            ::unlink(Native(folder.filePath(name)).constData());
    }
}

CFileWriter::Result CFileWriter::Write(const QString& path, const QByteArray& bytes)
{
    // A link to a quiz stays a link: the file it names is the one replaced.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString target = canonical.isEmpty() ? path : canonical;
    struct stat info
    {
    };
    const bool existed = ::stat(Native(target).constData(), &info) == 0;
    if (existed && !S_ISREG(info.st_mode))
        return {Outcome::NotWritten, ENODEV, true};
    // A file the user may not change is not replaced either.
    if (existed && ::access(Native(target).constData(), W_OK) != 0)
        return {Outcome::NotWritten, errno, true};
    TidyLeftovers(target);
    const int mode = existed ? int(info.st_mode & PERMISSION_BITS) : -1;
    Result result = WriteBeside(target, bytes, existed ? &mode : nullptr);
    // A class folder the pupil may not write to, holding a file the pupil may.
    if (result.outcome == Outcome::NotWritten && existed && IsRefusedPlace(result.nError))
        result = WriteInPlace(target, bytes);
    result.bFileExisted = existed;
    return result;
}

CFileWriter::Result CFileWriter::WriteBeside(const QString& path, const QByteArray& bytes,
                                             const int* mode)
{
    const QByteArray folder = Native(QFileInfo(path).absolutePath());
    QString name;
    int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, NEW_FILE_MODE);
    const bool unnamed = fd >= 0;
    if (!unnamed) {
        name = FreshName(path);
        fd = ::open(Native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    NEW_FILE_MODE);
        if (fd < 0)
            return {Outcome::NotWritten, errno, false};
    }
    if (mode)
        ::fchmod(fd, mode_t(*mode)); // the new file keeps the old one's permissions
    bool ok = WriteAt(fd, bytes, 0) && ::fdatasync(fd) == 0;
    if (ok && unnamed) {
        name = FreshName(path);
        ok = NameUnnamed(fd, name);
    }
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(Native(name).constData(), Native(path).constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        if (!name.isEmpty())
            ::unlink(Native(name).constData());
        // Without /proc an unnamed file cannot be named: write a named one instead.
        if (unnamed && error == ENOENT)
            return WriteBeside(path, bytes, mode);
        return {Outcome::NotWritten, error, false};
    }
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {Outcome::Written, 0, false};
}

CFileWriter::Result CFileWriter::WriteInPlace(const QString& path, const QByteArray& bytes)
{
    QByteArray old;
    if (!ReadWhole(path, &old))
        return {Outcome::NotWritten, EACCES, true};
    const int fd = ::open(Native(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return {Outcome::NotWritten, errno, true};
    // Room first: a full disk or a size limit refuses here, before a byte changes.
    if (bytes.size() > old.size() && ::fallocate(fd, 0, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        const int error = errno;
        ::ftruncate(fd, off_t(old.size()));
        ::close(fd);
        return {Outcome::NotWritten, error, true};
    }
    if (WriteAt(fd, bytes, 0) && ::ftruncate(fd, off_t(bytes.size())) == 0 &&
        ::fdatasync(fd) == 0) {
        ::close(fd);
        return {Outcome::Written, 0, true};
    }
    const int error = errno;
    const bool restored =
        WriteAt(fd, old, 0) && ::ftruncate(fd, off_t(old.size())) == 0 && ::fdatasync(fd) == 0;
    ::close(fd);
    return {restored ? Outcome::NotWritten : Outcome::Damaged, error, true};
}
