#include "CActorSvr.h"
#include "CSpeechRegistry.h"

#include <QTemporaryDir>
#include <QTest>

// Where espeak-ng's data is decides both whether spelling quizzes are offered
// and whether the voice speaks. The engine is started once per process, so
// this runs on its own, with ESPEAK_DATA_PATH set before anything speaks.
class TestSpeechData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offeredMeansSpoken_data();
    void offeredMeansSpoken();

private:
    QTemporaryDir m_emptyFolder;
};

void TestSpeechData::initTestCase()
{
    QVERIFY(m_emptyFolder.isValid());
    // A folder that exists but holds no speech data.
    qputenv("ESPEAK_DATA_PATH", QFile::encodeName(m_emptyFolder.path()));
}

void TestSpeechData::offeredMeansSpoken_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("a word") << QStringLiteral("cat");
    QTest::addRow("a sentence") << QStringLiteral("Spell the word cat");
}

void TestSpeechData::offeredMeansSpoken()
{
    QFETCH(QString, text);
    QVERIFY(IsSpeechEngineInstalled());
    const CSpeechSynthesizer::Audio audio = CActorSvr::Synthesize(text);
    QVERIFY2(audio.Seconds() > 0.1, qPrintable(QString::number(audio.Seconds())));
}

QTEST_GUILESS_MAIN(TestSpeechData)
#include "tst_speechdata.moc"
