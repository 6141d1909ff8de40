#include "CWaveWriter.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

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

QByteArray CWaveWriter::Encode(const std::vector<unsigned char>& samples, int sampleRate)
{
    const auto dataSize = quint32(samples.size());
    const quint32 padding = dataSize & 1;
    QByteArray bytes;
    bytes.append("RIFF", 4);
    Put32(bytes, 4 + (8 + 16) + (8 + dataSize + padding));
    bytes.append("WAVE", 4);
    bytes.append("fmt ", 4);
    Put32(bytes, 16);
    Put16(bytes, 1); // PCM
    Put16(bytes, 1); // mono
    Put32(bytes, quint32(sampleRate));
    Put32(bytes, quint32(sampleRate)); // bytes per second: one byte per sample
    Put16(bytes, 1);                   // block align
    Put16(bytes, 8);                   // bits per sample
    bytes.append("data", 4);
    Put32(bytes, dataSize);
    bytes.append(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()));
    if (padding) {
        bytes.append(char(128));
    }
    return bytes;
}

bool CWaveWriter::Write(const std::vector<unsigned char>& samples, int sampleRate,
                        const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(Encode(samples, sampleRate));
    return file.commit();
}
