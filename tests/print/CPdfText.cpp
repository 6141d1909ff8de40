#include "CPdfText.h"

#include <QProcess>
#include <QRegularExpression>

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
