#include "CDib.h"

#include "CPictureRenderer.h"
#include "CResourceException.h"

#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <cmath>
#include <unordered_map>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kMinInfoHeaderSize = 40;
constexpr int kUncompressed = 0;
constexpr int kPaletteColorsFloor = 16;
constexpr int kLargestSide = 16384; // far above any picture of the program
constexpr int kBytesPerTableEntry = 4;

std::uint32_t ReadU32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<std::uint32_t>(data.constData() + offset);
}

std::int32_t ReadI32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<std::int32_t>(data.constData() + offset);
}

std::uint16_t ReadU16(const QByteArray& data, int offset)
{
    return qFromLittleEndian<std::uint16_t>(data.constData() + offset);
}

QByteArray ReadResource(int resourceId)
{
    QFile file(CDib::ResourcePath(resourceId));
    if (!file.open(QIODevice::ReadOnly))
        throw CResourceException(resourceId, "bitmap resource not found");
    return file.readAll();
}

// The program's pictures never change while it runs, and pages load their
// pictures again on every visit: each is decoded once, and every later load
// shares the decoded picture's data.
const CDib& DecodedPicture(int resourceId)
{
    static std::unordered_map<int, CDib> decoded;
    auto found = decoded.find(resourceId);
    if (found == decoded.end())
        found = decoded.emplace(resourceId, CDib(resourceId, ReadResource(resourceId))).first;
    return found->second;
}

} // namespace

CDib::CDib(int resourceId) : CDib(DecodedPicture(resourceId)) {}

CDib::CDib(int resourceId, const QByteArray& bmpFile) : m_nResourceId(resourceId)
{
    Load(bmpFile);
}

QString CDib::ResourcePath(int resourceId)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(resourceId);
}

int CDib::ColorCountFor(int bitCount, int colorsUsed)
{
    int count = 0;
    if (colorsUsed != 0)
        count = colorsUsed;
    else if (bitCount <= 8)
        count = 1 << bitCount;
    // Small tables still get the full palette a 256-colour display works with.
    if (count < kPaletteColorsFloor && bitCount <= 8)
        count = CPalette::kEntryCount;
    return count;
}

void CDib::Fail(const char* reason) const
{
    throw CResourceException(m_nResourceId, reason);
}

void CDib::Load(const QByteArray& bmpFile)
{
    if (bmpFile.size() < kFileHeaderSize + kMinInfoHeaderSize || !bmpFile.startsWith("BM"))
        Fail("not a BMP picture");
    // The packed picture starts after the file header, as it would in a
    // resource section; offsets below count from there.
    m_info = bmpFile.mid(kFileHeaderSize);
    ReadInfoHeader();
    ReadColorTable();
    m_palette = CPalette::ForPicture(m_nColorCount, m_colorTable);
    BuildImage();
}

void CDib::ReadInfoHeader()
{
    m_nHeaderSize = static_cast<int>(ReadU32(m_info, 0));
    if (m_nHeaderSize < kMinInfoHeaderSize || m_nHeaderSize > m_info.size())
        Fail("unsupported info header");
    const std::int32_t width = ReadI32(m_info, 4);
    const std::int32_t height = ReadI32(m_info, 8);
    m_nBitCount = ReadU16(m_info, 14);
    const std::uint32_t compression = ReadU32(m_info, 16);
    const std::uint32_t colorsUsed = ReadU32(m_info, 32);
    if (width <= 0 || width > kLargestSide || height == 0 || height < -kLargestSide ||
        height > kLargestSide)
        Fail("picture size out of range");
    if (compression != kUncompressed)
        Fail("compressed pictures are not supported");
    if (m_nBitCount != 1 && m_nBitCount != 4 && m_nBitCount != 8 && m_nBitCount != 24 &&
        m_nBitCount != 32)
        Fail("unsupported bit count");
    const int maxTable = m_nBitCount <= 8 ? (1 << m_nBitCount) : CPalette::kEntryCount;
    if (colorsUsed > static_cast<std::uint32_t>(maxTable))
        Fail("colour table too large");
    m_nWidth = width;
    m_nHeight = height < 0 ? -height : height;
    m_bBottomUp = height > 0;
    m_nColorsUsed = static_cast<int>(colorsUsed);
    m_nColorCount = ColorCountFor(m_nBitCount, m_nColorsUsed);
    // The bits follow the table the picture really has: a table shorter than
    // 16 entries still counts as 256 colours, but does not move the bits.
    m_nTableEntries =
        m_nColorsUsed != 0 ? m_nColorsUsed : (m_nBitCount <= 8 ? (1 << m_nBitCount) : 0);
    m_nBitsOffset = m_nHeaderSize + kBytesPerTableEntry * m_nTableEntries;
}

void CDib::ReadColorTable()
{
    if (m_nBitsOffset > m_info.size())
        Fail("colour table cut short");
    m_colorTable.reserve(m_nTableEntries);
    for (int i = 0; i < m_nTableEntries; ++i) {
        const auto* entry =
            reinterpret_cast<const uchar*>(m_info.constData() + m_nHeaderSize + i * 4);
        m_colorTable.append(qRgb(entry[2], entry[1], entry[0])); // stored blue, green, red
    }
}

void CDib::BuildImage()
{
    const qsizetype stride = ((qsizetype(m_nWidth) * m_nBitCount + 31) / 32) * 4;
    if (m_info.size() - m_nBitsOffset < stride * m_nHeight)
        Fail("picture bits cut short");

    m_image = QImage(m_nWidth, m_nHeight, QImage::Format_RGB32);
    const auto* bits = reinterpret_cast<const uchar*>(m_info.constData() + m_nBitsOffset);
    for (int y = 0; y < m_nHeight; ++y) {
        const uchar* row = bits + stride * (m_bBottomUp ? m_nHeight - 1 - y : y);
        auto* out = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = 0; x < m_nWidth; ++x) {
            if (m_nBitCount <= 8) {
                const int bitPos = x * m_nBitCount;
                const int shift = 8 - m_nBitCount - bitPos % 8;
                const int index = (row[bitPos / 8] >> shift) & ((1 << m_nBitCount) - 1);
                out[x] = index < m_colorTable.size() ? m_colorTable.at(index) : qRgb(0, 0, 0);
            } else {
                const uchar* pixel = row + x * (m_nBitCount / 8);
                out[x] = qRgb(pixel[2], pixel[1], pixel[0]);
            }
        }
    }
}

void CDib::Draw(QPainter& painter, int x, int y) const
{
    StretchDraw(painter, QRect(QPoint(x, y), Size()));
}

void CDib::StretchDraw(QPainter& painter, const QRect& target) const
{
    const qreal scale = CPictureRenderer::DeviceScale(painter);
    const QSize pixels(int(std::lround(target.width() * scale)),
                       int(std::lround(target.height() * scale)));
    const QImage rendering = CPictureRenderer::Render(*this, pixels);
    painter.drawImage(target, rendering.isNull() ? m_image : rendering);
}
