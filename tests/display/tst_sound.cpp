#include "CRecordingOutput.h"
#include "CSoundPlayer.h"
#include "CWaveSound.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

namespace {

// The test waves: two 8-bit sounds and a 16-bit one, all 22,050 Hz mono.
constexpr int kShortWave = 9208; // 0.25 s
constexpr int kLongWave = 9246;  // 0.5 s
constexpr int kDeepWave = 9303;  // 16 bits, 0.2 s
constexpr int kMissingWave = 9999;

QByteArray ReadWave(int id)
{
    QFile file(CSoundPlayer::ResourcePath(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray WithU16At(QByteArray data, int offset, quint16 value)
{
    qToLittleEndian(value, data.data() + offset);
    return data;
}

// Counts the warnings Qt prints while it lives.
class CWarningCounter
{
public:
    CWarningCounter()
    {
        s_nCount = 0;
        m_previous = qInstallMessageHandler(&Count);
    }
    ~CWarningCounter() { qInstallMessageHandler(m_previous); }
    int Count() const { return s_nCount; }

private:
    static void Count(QtMsgType type, const QMessageLogContext&, const QString&)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            ++s_nCount;
    }
    static inline int s_nCount = 0;
    QtMessageHandler m_previous;
};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void readsWaveFiles_data();
    void readsWaveFiles();
    void refusesDamagedWaves_data();
    void refusesDamagedWaves();
    void playsWaveResource();
    void newSoundCutsOffTheLast();
    void missingWaveIsSilence();
    void noDeviceNeverBlocksOrFloods();
};

void TestSound::readsWaveFiles_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("bytesPerSample");
    QTest::addColumn<int>("durationMs");
    QTest::addRow("short 8-bit") << kShortWave << 1 << 250;
    QTest::addRow("long 8-bit") << kLongWave << 1 << 500;
    QTest::addRow("16-bit") << kDeepWave << 2 << 200;
}

void TestSound::readsWaveFiles()
{
    QFETCH(int, id);
    QFETCH(int, bytesPerSample);
    QFETCH(int, durationMs);
    const auto wave = CWaveSound::FromData(ReadWave(id));
    QVERIFY(wave.has_value());
    QCOMPARE(wave->Format().sampleRate(), 22050);
    QCOMPARE(wave->Format().channelCount(), 1);
    QCOMPARE(wave->Format().bytesPerSample(), bytesPerSample);
    QVERIFY(qAbs(wave->DurationMs() - durationMs) <= 1);
}

void TestSound::refusesDamagedWaves_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = ReadWave(kShortWave);
    constexpr int kFormatTag = 20;
    constexpr int kChannels = 22;
    constexpr int kBits = 34;
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("not RIFF") << QByteArray("RIFX").append(good.mid(4));
    QTest::addRow("not WAVE") << QByteArray(good).replace(8, 4, "AVI ");
    QTest::addRow("compressed") << WithU16At(good, kFormatTag, 2);
    QTest::addRow("six channels") << WithU16At(good, kChannels, 6);
    QTest::addRow("12 bits") << WithU16At(good, kBits, 12);
    QTest::addRow("no data chunk") << good.left(36);
    QTest::addRow("format cut short") << good.left(24);
}

void TestSound::refusesDamagedWaves()
{
    QFETCH(QByteArray, data);
    QVERIFY(!CWaveSound::FromData(data).has_value());
}

void TestSound::playsWaveResource()
{
    auto output = std::make_unique<CRecordingOutput>();
    CRecordingOutput* heard = output.get();
    CSoundPlayer player(std::move(output));
    QSignalSpy played(&player, &CSoundPlayer::played);
    QCOMPARE(player.LastPlayed(), -1);
    QVERIFY(player.Play(kShortWave));
    QCOMPARE(player.LastPlayed(), kShortWave);
    QCOMPARE(played.size(), 1);
    QCOMPARE(played.at(0).at(0).toInt(), kShortWave);
    QCOMPARE(heard->m_sounds.size(), 1);
    QCOMPARE(heard->m_sounds.at(0).format.sampleFormat(), QAudioFormat::UInt8);
    QCOMPARE(heard->m_sounds.at(0).pcm.size(), 5512);
}

void TestSound::newSoundCutsOffTheLast()
{
    auto output = std::make_unique<CRecordingOutput>();
    CRecordingOutput* heard = output.get();
    CSoundPlayer player(std::move(output));
    player.Play(kLongWave);
    player.Play(kShortWave);
    player.Play(kDeepWave);
    QCOMPARE(heard->m_nCutOff, 2);
    QCOMPARE(heard->m_sounds.size(), 3);
    QCOMPARE(heard->m_sounds.last().format.sampleFormat(), QAudioFormat::Int16);
    QCOMPARE(player.LastPlayed(), kDeepWave);
    QCOMPARE(player.PlayCount(), 3);
    player.Stop();
    QVERIFY(!heard->IsPlaying());
}

void TestSound::missingWaveIsSilence()
{
    auto output = std::make_unique<CRecordingOutput>();
    CRecordingOutput* heard = output.get();
    CSoundPlayer player(std::move(output));
    player.Play(kLongWave);
    QVERIFY(!player.Play(kMissingWave));
    QCOMPARE(player.LastPlayed(), kMissingWave);
    QCOMPARE(heard->m_sounds.size(), 1);
    QVERIFY(!heard->IsPlaying()); // the earlier sound stops all the same
}

void TestSound::noDeviceNeverBlocksOrFloods()
{
    // The real output. On a machine without sound every call returns at once;
    // Qt may say once that it found no sound server, but not on every sound.
    CWarningCounter warnings;
    CSoundPlayer player;
    for (int round = 0; round < 20; ++round) {
        QVERIFY(player.Play(round % 2 ? kShortWave : kLongWave));
        QCoreApplication::processEvents();
    }
    QTest::qWait(50);
    player.Stop();
    QVERIFY2(warnings.Count() <= 2, qPrintable(QString::number(warnings.Count())));
    QCOMPARE(player.PlayCount(), 20);
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
