#pragma once

#include <QImage>
#include <QString>

// Writes a 256-colour picture as an uncompressed 8-bit BMP file: BITMAPINFOHEADER, a full
// 256-entry colour table (colours-used 0) and bottom-up rows padded to four bytes, the form the
// program's bitmap loader reads.
class CBmpWriter
{
public:
    static QByteArray Encode(const QImage& indexed);
    static bool Write(const QImage& indexed, const QString& path);
};
