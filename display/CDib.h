#pragma once

#include "CPalette.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>

class QPainter;

// One picture of the program, loaded from the bitmap resource ":/bitmaps/<id>.bmp"
// (an uncompressed BMP). It keeps the packed picture (info header, colour table,
// bits), the palette made from it, and a ready screen image, so painting only
// copies. A missing or unreadable resource raises CResourceException.
class CDib
{
public:
    // Loads the bitmap resource with this id (decoded once, then shared).
    explicit CDib(int resourceId);
    // Reads a picture from the bytes of a BMP file; the id names it in errors.
    CDib(int resourceId, const QByteArray& bmpFile);

    static QString ResourcePath(int resourceId);

    int ResourceId() const { return m_nResourceId; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    QSize Size() const { return QSize(m_nWidth, m_nHeight); }
    int BitCount() const { return m_nBitCount; }
    // The colours-used field, else 2^bit count up to 8 bits; below 16 taken as 256.
    int ColorCount() const { return m_nColorCount; }

    // The packed picture and the offsets of its parts, counted from its start.
    const QByteArray& Info() const { return m_info; }
    int HeaderSize() const { return m_nHeaderSize; }
    int ColorTableOffset() const { return m_nHeaderSize; }
    int BitsOffset() const { return m_nBitsOffset; }
    // The colours of the picture's own table, as many as the table holds.
    const QList<QRgb>& ColorTable() const { return m_colorTable; }

    const CPalette& Palette() const { return m_palette; }
    const QImage& Image() const { return m_image; }

    // Draws the picture at its own size with its top-left corner at (x, y).
    void Draw(QPainter& painter, int x, int y) const;
    // Draws the whole picture scaled into the rectangle (printing).
    void StretchDraw(QPainter& painter, const QRect& target) const;

    // The colour count rule on the fields of an info header.
    static int ColorCountFor(int bitCount, int colorsUsed);

private:
    void Load(const QByteArray& bmpFile);
    void ReadInfoHeader();
    void ReadColorTable();
    void BuildImage();
    [[noreturn]] void Fail(const char* reason) const;

    int m_nResourceId;
    QByteArray m_info;
    int m_nHeaderSize = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool m_bBottomUp = true;
    int m_nBitCount = 0;
    int m_nColorsUsed = 0;
    int m_nTableEntries = 0;
    int m_nColorCount = 0;
    int m_nBitsOffset = 0;
    QList<QRgb> m_colorTable;
    CPalette m_palette;
    QImage m_image;
};
