#include "CWaveSound.h"

#include <QtEndian>

namespace {

constexpr int kRiffHeaderSize = 12;
constexpr int kChunkHeaderSize = 8;
constexpr int kFmtMinSize = 16;
constexpr quint16 kPcmFormat = 1;
constexpr quint32 kMaxSampleRate = 192000;

quint32 U32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 U16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

} // namespace

std::optional<CWaveSound> CWaveSound::FromData(const QByteArray& wavFile)
{
    if (wavFile.size() < kRiffHeaderSize || !wavFile.startsWith("RIFF") ||
        wavFile.mid(8, 4) != "WAVE")
        return std::nullopt;
    CWaveSound sound;
    bool haveFormat = false;
    qsizetype pos = kRiffHeaderSize;
    while (pos + kChunkHeaderSize <= wavFile.size()) {
        const QByteArray id = wavFile.mid(pos, 4);
        const qsizetype size = U32(wavFile.constData() + pos + 4);
        const qsizetype body = pos + kChunkHeaderSize;
        const qsizetype available = std::min<qsizetype>(size, wavFile.size() - body);
        if (id == "fmt ") {
            if (available < kFmtMinSize)
                return std::nullopt;
            const char* fmt = wavFile.constData() + body;
            const quint16 channels = U16(fmt + 2);
            const quint32 rate = U32(fmt + 4);
            const quint16 bits = U16(fmt + 14);
            if (U16(fmt) != kPcmFormat || channels < 1 || channels > 2 || rate == 0 ||
                rate > kMaxSampleRate || (bits != 8 && bits != 16))
                return std::nullopt;
            sound.m_format.setSampleRate(static_cast<int>(rate));
            sound.m_format.setChannelCount(channels);
            sound.m_format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            sound.m_pcm = wavFile.mid(body, available);
            return sound;
        }
        pos = body + size + (size & 1); // chunks are padded to even sizes
    }
    return std::nullopt;
}

qint64 CWaveSound::DurationMs() const
{
    // Worked out here: the audio library that could tell is loaded only to play.
    const qint64 frames = m_format.isValid() ? m_pcm.size() / m_format.bytesPerFrame() : 0;
    return frames > 0 ? frames * 1000 / m_format.sampleRate() : 0;
}
