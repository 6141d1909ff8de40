#pragma once

#include <QByteArray>
#include <QString>

// Puts new bytes in place of a file so that a failure or a kill at any
// moment leaves either the old file or the new one. The bytes go to a file
// beside the old one (unnamed while it is written, where the system allows)
// and replace it in one rename. Where the folder may not be written but the
// file may, the file is rewritten in place: its room is reserved first, the
// old bytes are kept and put back if the write fails, and the data is
// flushed to the disk before the write counts as done.
class CFileWriter
{
public:
    enum class Outcome
    {
        Written,
        NotWritten, // the file on disk (if there was one) is as it was
        Damaged,    // an in-place write failed and the old bytes could not be put back
    };
    struct Result
    {
        Outcome outcome = Outcome::NotWritten;
        int nError = 0;            // the system's error number of a failure
        bool bFileExisted = false; // whether there was a file before
    };

    static Result Write(const QString& path, const QByteArray& bytes);

    // Removes what interrupted writes of this program left beside the file:
    // files with the mark below whose writer is no longer running.
    static void TidyLeftovers(const QString& path);
    // The start of the names of the files a write makes beside path.
    static QString LeftoverPrefix(const QString& path);

private:
    static Result WriteBeside(const QString& path, const QByteArray& bytes, const int* mode);
    static Result WriteInPlace(const QString& path, const QByteArray& bytes);
};
