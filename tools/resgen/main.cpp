// resgen: draws every picture and synthesises every sound of the program, and writes them under
// the resources folder given on the command line: the 256-colour pictures of record
// (bitmaps/<id>.bmp), the same drawings at 2 and 3 times their size for dense screens and printers
// (bitmaps@2x/<id>.png, bitmaps@3x/<id>.png) and the sounds (waves/<id>.wav), together with a
// contact sheet of the 2x pictures and the picture and sound tables of its README. Pictures are
// drawn without words; the program letters their words from its translation when it shows them.
#include "CArtStyle.h"
#include "CBmpWriter.h"
#include "CContactSheet.h"
#include "CLettering.h"
#include "CPaletteQuantizer.h"
#include "CPictureCatalog.h"
#include "CSoundCatalog.h"
#include "CSynth.h"
#include "CWaveWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kContactSheetWidth = 2400;
const char* const kTableStart = "<!-- generated tables: start -->";
const char* const kTableEnd = "<!-- generated tables: end -->";

constexpr int kSharperScales[] = {2, 3};
constexpr int kContactSheetScale = 2;

QImage Render(const CPictureCatalog::Picture& picture, int scale)
{
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    CArtStyle::Prepare(painter);
    painter.scale(scale, scale);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(picture.size)));
    painter.end();
    return image;
}

// The picture as the English program shows it: with its words lettered over it.
QImage WithWords(QImage image, int id, int scale)
{
    QPainter painter(&image);
    painter.scale(scale, scale);
    CLettering::DrawPictureWords(painter, id);
    return image;
}

bool WriteSharperPictures(const QDir& out, const CPictureCatalog::Picture& picture,
                          QList<CContactSheet::Entry>& sheet)
{
    for (int scale : kSharperScales) {
        const QImage image = Render(picture, scale).convertToFormat(QImage::Format_RGB32);
        const QString path =
            out.filePath(QStringLiteral("bitmaps@%1x/%2.png").arg(scale).arg(picture.id));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
            return false;
        }
        if (scale == kContactSheetScale)
            sheet.append({picture.id, picture.description, WithWords(image, picture.id, scale)});
    }
    return true;
}

bool WritePictures(const QDir& out, QList<CContactSheet::Entry>& sheet)
{
    for (const CPictureCatalog::Picture& picture : CPictureCatalog::All()) {
        const QImage indexed = CPaletteQuantizer::Quantize(Render(picture, 1));
        const QString path = out.filePath(QStringLiteral("bitmaps/%1.bmp").arg(picture.id));
        if (!CBmpWriter::Write(indexed, path)) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
            return false;
        }
        // Read back what was written, so a broken picture of record is caught here.
        const QImage stored(path);
        if (stored.isNull() || stored.size() != picture.size) {
            std::fprintf(stderr, "resgen: %s does not read back\n", qPrintable(path));
            return false;
        }
        if (!WriteSharperPictures(out, picture, sheet))
            return false;
    }
    return true;
}

bool WriteSounds(const QDir& out)
{
    for (const CSoundCatalog::Sound& sound : CSoundCatalog::All()) {
        const QString path = out.filePath(QStringLiteral("waves/%1.wav").arg(sound.id));
        if (!CWaveWriter::Write(sound.samples, CSynth::kSampleRate, path)) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

QString Tables()
{
    QString text;
    QTextStream stream(&text);
    stream << kTableStart << "\n\n";
    stream << "### Bitmaps (256-colour uncompressed BMP, `:/bitmaps/<id>.bmp`)\n\n";
    stream << "| id | size | shown on | what it shows |\n|---|---|---|---|\n";
    for (const CPictureCatalog::Picture& picture : CPictureCatalog::ById()) {
        stream << "| " << picture.id << " | " << picture.size.width() << " x "
               << picture.size.height() << " | " << picture.role << " | " << picture.description
               << " |\n";
    }
    stream << "\n### Waves (8-bit mono PCM, 22,050 Hz, `:/waves/<id>.wav`)\n\n";
    stream << "| id | length | played by | what it sounds like |\n|---|---|---|---|\n";
    for (const CSoundCatalog::Sound& sound : CSoundCatalog::All()) {
        stream << "| " << sound.id << " | "
               << QString::number(double(sound.samples.size()) / CSynth::kSampleRate, 'f', 2)
               << " s | " << sound.role << " | " << sound.description << " |\n";
    }
    stream << "\n" << kTableEnd;
    return text;
}

// Replaces the generated part of the README, keeping the hand-written text around it.
bool UpdateReadme(const QDir& out)
{
    const QString path = out.filePath(QStringLiteral("README.md"));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "resgen: %s is missing\n", qPrintable(path));
        return false;
    }
    QString readme = QString::fromUtf8(in.readAll());
    in.close();
    const auto start = readme.indexOf(QLatin1String(kTableStart));
    const auto end = readme.indexOf(QLatin1String(kTableEnd));
    if (start < 0 || end < start) {
        std::fprintf(stderr, "resgen: %s has no generated-tables markers\n", qPrintable(path));
        return false;
    }
    readme.replace(start, end + qsizetype(qstrlen(kTableEnd)) - start, Tables());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(readme.toUtf8());
    return file.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: resgen <resources folder>\n");
        return 2;
    }
    QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("bitmaps")) || !out.mkpath(QStringLiteral("bitmaps@2x")) ||
        !out.mkpath(QStringLiteral("bitmaps@3x")) || !out.mkpath(QStringLiteral("waves"))) {
        std::fprintf(stderr, "resgen: cannot create folders in %s\n", qPrintable(args[1]));
        return 1;
    }

    QList<CContactSheet::Entry> sheet;
    if (!WritePictures(out, sheet) || !WriteSounds(out)) {
        return 1;
    }
    const QString sheetPath = out.filePath(QStringLiteral("contact-sheet.png"));
    if (!CContactSheet::Compose(sheet, kContactSheetWidth, kContactSheetScale).save(sheetPath)) {
        std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    if (!UpdateReadme(out)) {
        return 1;
    }
    std::printf("resgen: %lld pictures and %lld sounds written to %s\n",
                static_cast<long long>(sheet.size()),
                static_cast<long long>(CSoundCatalog::All().size()), qPrintable(out.path()));
    return 0;
}
