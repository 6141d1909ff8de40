#include "CTakeDriver.h"
#include "QuizType.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
constexpr int kToolMilliseconds = 60000;
const QString kRoot = QStringLiteral(TUTORAMA_INSTALL_ROOT);
const QString kAppId = QStringLiteral(TUTORAMA_APP_ID);
const QString kQuizType = QStringLiteral("application/x-tutorama-quiz");

QString Installed(const QString& relative)
{
    return kRoot + QLatin1Char('/') + relative;
}

// Runs a checking tool; its output on failure.
bool RunTool(const QString& tool, const QStringList& arguments, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(kToolMilliseconds))
        return false;
    *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// What `cmake --install` puts where a desktop finds it (installed afresh into the build folder).
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void theFilesAreInTheirPlaces_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addRow("program") << QStringLiteral("bin/tutorama");
        QTest::addRow("desktop entry")
            << QStringLiteral("share/applications/%1.desktop").arg(kAppId);
        QTest::addRow("metainfo") << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId);
        QTest::addRow("file type") << QStringLiteral("share/mime/packages/tutorama-quiz.xml");
        QTest::addRow("scalable icon")
            << QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId);
        QTest::addRow("scalable file icon") << QStringLiteral(
            "share/icons/hicolor/scalable/mimetypes/application-x-tutorama-quiz.svg");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QTest::addRow("icon %d", size)
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
            QTest::addRow("file icon %d", size)
                << QStringLiteral("share/icons/hicolor/%1x%1/mimetypes/"
                                  "application-x-tutorama-quiz.png")
                       .arg(size);
        }
        QTest::addRow("help") << QStringLiteral("share/doc/tutorama/help/index.html");
        QTest::addRow("German help") << QStringLiteral("share/doc/tutorama/help/index_de.html");
        QTest::addRow("French help") << QStringLiteral("share/doc/tutorama/help/index_fr.html");
        QTest::addRow("Spanish help") << QStringLiteral("share/doc/tutorama/help/index_es.html");
        QTest::addRow("copyright") << QStringLiteral("share/doc/tutorama/copyright");
        QTest::addRow("changelog") << QStringLiteral("share/doc/tutorama/changelog.gz");
        QTest::addRow("manual page") << QStringLiteral("share/man/man1/tutorama.1.gz");
    }

    // What Debian's policy asks of a package, checked here as lintian does.
    void thePackageDocumentsItself()
    {
        const QString copyright =
            QString::fromUtf8(ReadAll(Installed(QStringLiteral("share/doc/tutorama/copyright"))));
        QVERIFY(copyright.startsWith(QStringLiteral(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
        // Code, pictures and sounds each name their licence, and so do the fonts relied on.
        for (const char* files :
             {"Files: *\n", "Files: resources/bitmaps/*", "Files: resources/waves/*"})
            QVERIFY2(copyright.contains(QLatin1String(files)), files);
        QVERIFY(copyright.contains(QStringLiteral("\nLicense: GPL-3+\n This program is free")));
        QVERIFY(copyright.contains(QStringLiteral("SIL Open Font License 1.1")));

        QString output;
        QVERIFY2(RunTool(QStringLiteral("gzip"),
                         {QStringLiteral("-t"),
                          Installed(QStringLiteral("share/doc/tutorama/changelog.gz"))},
                         &output),
                 qPrintable(output));
        QVERIFY2(
            RunTool(
                QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("MANWIDTH=80 man --warnings -E UTF-8 -l \"$1\" 2>&1 >/dev/null"),
                 QStringLiteral("man"), Installed(QStringLiteral("share/man/man1/tutorama.1.gz"))},
                &output),
            qPrintable(output));
        QVERIFY2(output.trimmed().isEmpty(), qPrintable(output)); // groff has nothing to say

        // The package's description is one text, not a list joined with ";".
        const QString cpack =
            QString::fromUtf8(ReadAll(QStringLiteral(TUTORAMA_BUILD_DIR "/CPackConfig.cmake")));
        const qsizetype at = cpack.indexOf(QStringLiteral("set(CPACK_PACKAGE_DESCRIPTION \""));
        QVERIFY(at >= 0);
        const QString description = cpack.mid(at, cpack.indexOf(QLatin1Char(')'), at) - at);
        QVERIFY2(!description.contains(QLatin1Char(';')), qPrintable(description));
    }

    void theFilesAreInTheirPlaces()
    {
        QFETCH(QString, path);
        const QFileInfo info(Installed(path));
        QVERIFY2(info.isFile(), qPrintable(info.filePath()));
        QVERIFY(info.size() > 0);
        if (path.startsWith(QStringLiteral("bin/")))
            QVERIFY(info.isExecutable());
    }

    // Sound and printing load from modules on first use: they go to the program's private lib
    // folder, which is where the installed program looks, whatever the prefix.
    void theModulesAreWhereTheProgramLooks_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addRow("sound and speech") << QStringLiteral("libtutorama-sound.so");
        QTest::addRow("printing") << QStringLiteral("libtutorama-print.so");
    }

    void theModulesAreWhereTheProgramLooks()
    {
        QFETCH(QString, module);
        const QFileInfo installed(Installed(QStringLiteral(TUTORAMA_MODULE_LIBDIR "/") + module));
        QVERIFY2(installed.isFile(), qPrintable(installed.filePath()));
        const QDir looked(
            QDir::cleanPath(Installed(QStringLiteral("bin/" TUTORAMA_MODULE_RELDIR))));
        QCOMPARE(looked.absoluteFilePath(module), installed.absoluteFilePath());
    }

    void iconsHaveTheirSizes()
    {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QImageReader reader(Installed(
                QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId)));
            QCOMPARE(reader.size(), QSize(size, size));
        }
    }

    // Where the desktop does not find the icon through the desktop entry, the window has it.
    void theProgramCarriesItsIcon()
    {
        for (int size : {16, 32, 48, 256}) {
            const QImage icon(QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(kAppId));
            QCOMPARE(icon.size(), QSize(size, size));
        }
    }

    void adviceDocumentsGoWithTheProgram()
    {
        const QDir source(QStringLiteral(TUTORAMA_SOURCE_DIR "/resources/advice"));
        // The English documents and those of every language folder beside them.
        QStringList documents;
        QDirIterator found(source.path(), {QStringLiteral("*.rtf")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (found.hasNext())
            documents.append(source.relativeFilePath(found.next()));
        if (documents.isEmpty())
            QSKIP("the advice documents are not in the sources yet");
        QVERIFY2(documents.contains(QStringLiteral("fr/tfq.rtf")), qPrintable(documents.join(' ')));
        for (const QString& name : documents) {
            const QString installed = Installed(QStringLiteral("share/tutorama/advice/") + name);
            QCOMPARE(ReadAll(installed), ReadAll(source.filePath(name)));
        }
    }

    void theDesktopEntryOpensQuizzes()
    {
        const QString entry = QString::fromUtf8(
            ReadAll(Installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId))));
        QVERIFY(entry.contains(QStringLiteral("\nExec=tutorama %f\n")));
        QVERIFY(entry.contains(QStringLiteral("\nIcon=%1\n").arg(kAppId)));
        QVERIFY(entry.contains(QStringLiteral("\nMimeType=%1;\n").arg(kQuizType)));
        QString output;
        const QString validate =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validate.isEmpty())
            QSKIP("desktop-file-validate is not installed (desktop-file-utils)");
        QVERIFY2(RunTool(validate,
                         {Installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId))},
                         &output),
                 qPrintable(output));
        QVERIFY2(output.trimmed().isEmpty(), qPrintable(output));
    }

    void theMetainfoIsValid()
    {
        const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (appstream.isEmpty())
            QSKIP("appstreamcli is not installed (appstream)");
        QString output;
        QVERIFY2(RunTool(appstream,
                         {QStringLiteral("validate"), QStringLiteral("--no-net"),
                          Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId))},
                         &output),
                 qPrintable(output));
    }

    // The installed type is read by Qt's own MIME database (XDG_DATA_DIRS names the install).
    void aQuizIsKnownByItsNameAndByItsContents()
    {
        QTemporaryDir dir;
        const QString named = dir.filePath(QStringLiteral("Week 3.qiz"));
        CTakeDriver::WriteQuiz(named, QUIZ_TRUE_FALSE, {{QStringLiteral("Ice is cold."), 0, {}}});
        const QByteArray bytes = ReadAll(named);
        QVERIFY(bytes.startsWith(QByteArray("\x05TU1.0")));

        const QMimeDatabase mime;
        QCOMPARE(mime.mimeTypeForFile(named, QMimeDatabase::MatchExtension).name(), kQuizType);
        QCOMPARE(mime.mimeTypeForData(bytes).name(), kQuizType);
        // Renamed without its extension, the contents still tell.
        const QString unnamed = dir.filePath(QStringLiteral("quiz-from-an-email"));
        QVERIFY(QFile::copy(named, unnamed));
        QCOMPARE(mime.mimeTypeForFile(unnamed).name(), kQuizType);
        QVERIFY(mime.mimeTypeForData(QByteArray("\x05TU2.0 something else")).name() != kQuizType);
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
