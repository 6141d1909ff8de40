#include "CScratchMount.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

QByteArray Options(qint64 sizeBytes)
{
    return "size=" + QByteArray::number(sizeBytes) + ",mode=0700";
}

} // namespace

CScratchMount::CScratchMount(const QString& folder, qint64 sizeBytes)
    : m_strFolder(folder), m_nSize(sizeBytes)
{
    const QByteArray target = folder.toLocal8Bit();
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                Options(sizeBytes).constData()) == 0) {
        m_bMounted = true;
    } else {
        m_strError = QString::fromLocal8Bit(std::strerror(errno));
    }
}

CScratchMount::~CScratchMount()
{
    if (m_bMounted)
        ::umount2(m_strFolder.toLocal8Bit().constData(), MNT_DETACH);
}

bool CScratchMount::SetReadOnly(bool readOnly)
{
    if (!m_bMounted)
        return false;
    unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV;
    if (readOnly)
        flags |= MS_RDONLY;
    return ::mount("tmpfs", m_strFolder.toLocal8Bit().constData(), "tmpfs", flags,
                   Options(m_nSize).constData()) == 0;
}
