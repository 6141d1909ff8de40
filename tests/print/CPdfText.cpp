#include "CPdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

QString CPdfText::Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList CPdfText::Pages(const QString& pdfPath)
{
    QStringList pages =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // pdftotext ends every page with a form feed
    return pages;
}

QString CPdfText::InfoField(const QString& pdfPath, const QString& field)
{
    const QStringList lines = Run(QStringLiteral("pdfinfo"), {pdfPath}).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    }
    return QString();
}

int CPdfText::PageCount(const QString& pdfPath)
{
    return InfoField(pdfPath, QStringLiteral("Pages")).toInt();
}

double CPdfText::PageWidth(const QString& pdfPath)
{
    // "612 x 792 pts (letter)"
    return InfoField(pdfPath, QStringLiteral("Page size"))
        .section(QLatin1Char(' '), 0, 0)
        .toDouble();
}

QString CPdfText::Title(const QString& pdfPath)
{
    return InfoField(pdfPath, QStringLiteral("Title"));
}

QStringList CPdfText::Lines(const QString& pageText)
{
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList lines;
    for (const QString& line : pageText.split(QLatin1Char('\n'))) {
        const QString squeezed = line.trimmed().replace(blanks, QStringLiteral(" "));
        if (!squeezed.isEmpty())
            lines.append(squeezed);
    }
    return lines;
}

std::vector<CPdfText::Word> CPdfText::Words(const QString& pdfPath)
{
    const QString html =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                       "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Word> words;
    int page = -1;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (found.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        const QPointF topLeft(found.captured(1).toDouble(), found.captured(2).toDouble());
        const QPointF bottomRight(found.captured(3).toDouble(), found.captured(4).toDouble());
        words.push_back({page, found.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

QImage CPdfText::Render(const QString& pdfPath, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
         QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"), pdfPath, stem});
    return QImage(stem + QStringLiteral(".pgm"));
}

QList<CPdfText::Image> CPdfText::Images(const QString& pdfPath)
{
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    QList<Image> images;
    const QStringList lines =
        Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdfPath}).split(u'\n');
    for (const QString& line : lines) {
        const QStringList fields = line.simplified().split(u' ');
        bool isRow = false;
        const int page = fields.value(0).toInt(&isRow);
        if (!isRow || fields.size() < 14 || fields.value(2) != QLatin1String("image"))
            continue;
        images.append({page, QSize(fields[3].toInt(), fields[4].toInt()), fields[12].toInt(),
                       fields[13].toInt()});
    }
    return images;
}
