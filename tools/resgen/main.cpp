// resgen: draws every picture and synthesises every sound of the program, and writes them under
// the resources folder given on the command line (bitmaps/<id>.bmp, waves/<id>.wav), together
// with a contact sheet of all pictures and the picture and sound tables of its README.
#include "CArtStyle.h"
#include "CBmpWriter.h"
#include "CContactSheet.h"
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

constexpr int kContactSheetWidth = 1400;
const char* const kTableStart = "<!-- generated tables: start -->";
const char* const kTableEnd = "<!-- generated tables: end -->";

QImage Render(const CPictureCatalog::Picture& picture)
{
    QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    CArtStyle::Prepare(painter);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(picture.size)));
    painter.end();
    return image;
}

bool WritePictures(const QDir& out, QList<CContactSheet::Entry>& sheet)
{
    for (const CPictureCatalog::Picture& picture : CPictureCatalog::All()) {
        const QImage indexed = CPaletteQuantizer::Quantize(Render(picture));
        const QString path = out.filePath(QStringLiteral("bitmaps/%1.bmp").arg(picture.id));
        if (!CBmpWriter::Write(indexed, path)) {
            std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
            return false;
        }
        // Read back what was written, so the sheet shows the stored 256-colour picture.
        const QImage stored(path);
        if (stored.isNull() || stored.size() != picture.size) {
            std::fprintf(stderr, "resgen: %s does not read back\n", qPrintable(path));
            return false;
        }
        sheet.append({picture.id, picture.description, stored});
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
    if (!out.mkpath(QStringLiteral("bitmaps")) || !out.mkpath(QStringLiteral("waves"))) {
        std::fprintf(stderr, "resgen: cannot create folders in %s\n", qPrintable(args[1]));
        return 1;
    }

    QList<CContactSheet::Entry> sheet;
    if (!WritePictures(out, sheet) || !WriteSounds(out)) {
        return 1;
    }
    const QString sheetPath = out.filePath(QStringLiteral("contact-sheet.png"));
    if (!CContactSheet::Compose(sheet, kContactSheetWidth).save(sheetPath)) {
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
