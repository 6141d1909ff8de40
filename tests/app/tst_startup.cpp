#include "CPrintModule.h"
#include "CPrintService.h"
#include "CQuizApp.h"
#include "CQuizSheet.h"
#include "CSoundPlayer.h"
#include "CSpeechSynthesizer.h"
#include "ResourceIds.h"

#include <QDialog>
#include <QFile>
#include <QTest>

namespace {

// The file names of the libraries mapped into this process now.
QString MappedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
}

} // namespace

// The welcome page comes up without the sound and printing libraries, which are many and
// slow to load; they load from the program's own modules on the first sound, word or print.
// Built without the test support library, which links Qt's printing library.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_app.BuildSheet()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_app.Sheet()));
    }

    void theWelcomePageLoadsNoSoundNorPrinting_data()
    {
        QTest::addColumn<QString>("library");
        for (const char* library :
             {"libQt6Multimedia", "libQt6Network", "libpulse", "libespeak-ng", "libsndfile",
              "libQt6PrintSupport", "libtutorama-sound", "libtutorama-print"})
            QTest::addRow("%s", library) << QString::fromLatin1(library);
    }

    void theWelcomePageLoadsNoSoundNorPrinting()
    {
        QFETCH(QString, library);
        QVERIFY(m_app.Sheet()->isVisible());
        QVERIFY2(!MappedLibraries().contains(library), qPrintable(library));
    }

    void theFirstSoundAndWordLoadTheSoundModule()
    {
        CSoundPlayer player;
        QVERIFY(player.Play(IDW_SCORE)); // heard where there is a sound device
        QVERIFY(MappedLibraries().contains(QStringLiteral("libtutorama-sound.so")));
        const CSpeechSynthesizer::Audio audio =
            CSpeechSynthesizer::Synthesize(QStringLiteral("cat"));
        QVERIFY2(audio.Seconds() > 0.1, qPrintable(QString::number(audio.Seconds())));
        QVERIFY(MappedLibraries().contains(QStringLiteral("libespeak-ng")));
    }

    void theFirstPrintLoadsThePrintModule()
    {
        CPrintService* print = CPrintModule::Get();
        QVERIFY(print);
        QVERIFY(MappedLibraries().contains(QStringLiteral("libQt6PrintSupport")));
        QDialog* dialog = print->OpenChoice(m_app.Doc(), CQuizApp::FindAdviceDir(),
                                            m_app.Context().m_pPalette, m_app.Sheet());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Tutorama Print Dialog"));
        QVERIFY(dialog->isVisible());
        dialog->close();
    }

private:
    CQuizApp m_app;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
