#pragma once

#include <QString>
#include <QStringList>

// What a printed PDF file says, read with poppler's pdftotext and pdfinfo.
class CPdfText
{
public:
    // The text of every page, laid out as on paper; one entry per page.
    static QStringList Pages(const QString& pdfPath);
    static QString Text(const QString& pdfPath) { return Pages(pdfPath).join(QLatin1Char('\f')); }
    static int PageCount(const QString& pdfPath);
    // The document's title (its print document name).
    static QString Title(const QString& pdfPath);
    // The non-blank lines of a page, with runs of blanks squeezed to one.
    static QStringList Lines(const QString& pageText);

private:
    static QString Run(const QString& program, const QStringList& arguments);
    static QString InfoField(const QString& pdfPath, const QString& field);
};
