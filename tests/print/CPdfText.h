#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// What a printed PDF file says, read with poppler's pdftotext and pdfinfo.
class CPdfText
{
public:
    // The text of every page, laid out as on paper; one entry per page.
    static QStringList Pages(const QString& pdfPath);
    static QString Text(const QString& pdfPath) { return Pages(pdfPath).join(QLatin1Char('\f')); }
    static int PageCount(const QString& pdfPath);
    // The paper's width in points.
    static double PageWidth(const QString& pdfPath);
    // The document's title (its print document name).
    static QString Title(const QString& pdfPath);
    // The non-blank lines of a page, with runs of blanks squeezed to one.
    static QStringList Lines(const QString& pageText);

    // A printed word and where it stands, in points from the page's top-left corner.
    struct Word
    {
        int page = 0; // from 0
        QString text;
        QRectF box;
    };
    static std::vector<Word> Words(const QString& pdfPath);
    // The first page as the paper would look, in grey, at this many pixels per inch.
    static QImage Render(const QString& pdfPath, int dpi);
    // A picture placed on a page, as poppler's pdfimages lists it: its own pixels and how many
    // of them fall on an inch of paper.
    struct Image
    {
        int page = 0;
        QSize pixels;
        int ppiX = 0;
        int ppiY = 0;
    };
    static QList<Image> Images(const QString& pdfPath);

private:
    static QString Run(const QString& program, const QStringList& arguments);
    static QString InfoField(const QString& pdfPath, const QString& field);
};
