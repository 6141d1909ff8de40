#include "CBmpWriter.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kColourCount = 256;
constexpr int kPixelsPerMetre = 2835; // 72 dots per inch

void Put16(QByteArray& bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void Put32(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

} // namespace

QByteArray CBmpWriter::Encode(const QImage& indexed)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    const int width = indexed.width();
    const int height = indexed.height();
    const int stride = (width + 3) / 4 * 4;
    const quint32 dataOffset = kFileHeaderSize + kInfoHeaderSize + 4 * kColourCount;
    const quint32 dataSize = quint32(stride) * quint32(height);

    QByteArray bytes;
    bytes.reserve(int(dataOffset + dataSize));
    bytes.append("BM", 2);
    Put32(bytes, dataOffset + dataSize);
    Put32(bytes, 0);
    Put32(bytes, dataOffset);

    Put32(bytes, kInfoHeaderSize);
    Put32(bytes, quint32(width));
    Put32(bytes, quint32(height)); // positive height: bottom-up rows
    Put16(bytes, 1);
    Put16(bytes, 8);
    Put32(bytes, 0); // BI_RGB, uncompressed
    Put32(bytes, dataSize);
    Put32(bytes, kPixelsPerMetre);
    Put32(bytes, kPixelsPerMetre);
    Put32(bytes, 0); // colours used: 0 means all 256
    Put32(bytes, 0);

    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < kColourCount; ++i) {
        const QRgb colour = i < table.size() ? table[i] : 0;
        bytes.append(char(qBlue(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qRed(colour)));
        bytes.append(char(0));
    }

    const QByteArray padding(stride - width, '\0');
    for (int y = height - 1; y >= 0; --y) {
        bytes.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), width);
        bytes.append(padding);
    }
    return bytes;
}

bool CBmpWriter::Write(const QImage& indexed, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(Encode(indexed));
    return file.commit();
}
