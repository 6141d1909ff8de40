#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Writes 8-bit unsigned mono PCM samples as a RIFF WAVE file.
class CWaveWriter
{
public:
    static QByteArray Encode(const std::vector<unsigned char>& samples, int sampleRate);
    static bool Write(const std::vector<unsigned char>& samples, int sampleRate,
                      const QString& path);
};
