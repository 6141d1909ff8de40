#pragma once

#include <QString>

// A small tmpfs mounted on a folder for one test, so a full disk or a
// read-only file system is real and not simulated. Mounting needs root (or
// CAP_SYS_ADMIN); IsMounted() tells whether it worked, so tests can skip.
class CScratchMount
{
public:
    CScratchMount(const QString& folder, qint64 sizeBytes);
    ~CScratchMount();
    CScratchMount(const CScratchMount&) = delete;
    CScratchMount& operator=(const CScratchMount&) = delete;

    bool IsMounted() const { return m_bMounted; }
    // Why mounting failed, for the skip message.
    QString Error() const { return m_strError; }
    QString Folder() const { return m_strFolder; }

    // Makes the file system read-only or writable again, files kept.
    bool SetReadOnly(bool readOnly);

private:
    QString m_strFolder;
    QString m_strError;
    qint64 m_nSize = 0;
    bool m_bMounted = false;
};
