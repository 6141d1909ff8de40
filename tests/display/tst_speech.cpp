#include "CActorSvr.h"
#include "CRecordingOutput.h"
#include "CSpeechRegistry.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// A registry made of the keys a test gives it.
class CTestRegistry : public CSpeechRegistry
{
public:
    std::optional<Values> OpenKey(const QString& path) const override
    {
        const auto it = m_keys.constFind(path);
        if (it == m_keys.constEnd())
            return std::nullopt;
        return *it;
    }

    QHash<QString, Values> m_keys;
};

QString Key(int index)
{
    return QLatin1String(kSpeechEngineKeys.at(static_cast<std::size_t>(index)));
}

double PeakOf(const QList<qint16>& samples)
{
    int peak = 0;
    for (qint16 sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}

double RmsOf(const QList<qint16>& samples)
{
    double sum = 0;
    for (qint16 sample : samples)
        sum += double(sample) * sample;
    return samples.isEmpty() ? 0 : std::sqrt(sum / samples.size());
}

} // namespace

// Which of the three keys exist, and what their "Path" names.
enum class PathKind
{
    NoKey,
    ExistingFile,
    MissingFile,
    NoPathValue,
    TooLong,
    Folder
};
Q_DECLARE_METATYPE(PathKind)

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstRegistrationDecides_data();
    void firstRegistrationDecides();
    void systemRegistryFindsEspeak();
    void synthesisReallySpeaks();
    void synthesisOfNothingIsSilent();
    void speakPlaysWhatWasSet();
    void newSpeakCutsOffTheLast();
    void speakWithoutDeviceReturnsAtOnce();
    void wordsSplitIntoSyllables_data();
    void wordsSplitIntoSyllables();
    void slowlyIsHalfTheRateWithGaps();

private:
    QTemporaryDir m_dir;
    QString m_strEngineFile;
};

void TestSpeech::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_strEngineFile = m_dir.filePath(QStringLiteral("phontab"));
    QFile file(m_strEngineFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("engine");
}

void TestSpeech::firstRegistrationDecides_data()
{
    QTest::addColumn<PathKind>("first");
    QTest::addColumn<PathKind>("second");
    QTest::addColumn<PathKind>("third");
    QTest::addColumn<bool>("installed");
    using P = PathKind;
    QTest::addRow("first key valid") << P::ExistingFile << P::NoKey << P::NoKey << true;
    QTest::addRow("first absent, second valid") << P::NoKey << P::ExistingFile << P::NoKey << true;
    QTest::addRow("only third valid") << P::NoKey << P::NoKey << P::ExistingFile << true;
    QTest::addRow("first names a missing file, third valid")
        << P::MissingFile << P::NoKey << P::ExistingFile << false;
    QTest::addRow("first without Path, second valid")
        << P::NoPathValue << P::ExistingFile << P::NoKey << false;
    QTest::addRow("path longer than its buffer") << P::TooLong << P::NoKey << P::NoKey << false;
    QTest::addRow("path names a folder") << P::Folder << P::NoKey << P::NoKey << true;
    QTest::addRow("no key") << P::NoKey << P::NoKey << P::NoKey << false;
}

void TestSpeech::firstRegistrationDecides()
{
    QFETCH(PathKind, first);
    QFETCH(PathKind, second);
    QFETCH(PathKind, third);
    QFETCH(bool, installed);
    CTestRegistry registry;
    const QList<PathKind> kinds{first, second, third};
    for (int i = 0; i < kinds.size(); ++i) {
        CSpeechRegistry::Values values{{QStringLiteral("Other"), m_strEngineFile}};
        switch (kinds.at(i)) {
        case PathKind::NoKey:
            continue;
        case PathKind::ExistingFile:
            values.insert(QStringLiteral("Path"), m_strEngineFile);
            break;
        case PathKind::MissingFile:
            values.insert(QStringLiteral("Path"), m_dir.filePath(QStringLiteral("gone")));
            break;
        case PathKind::NoPathValue:
            break;
        case PathKind::TooLong:
            values.insert(QStringLiteral("Path"),
                          m_dir.path() + QStringLiteral("/") + QString(300, u'x'));
            break;
        case PathKind::Folder:
            values.insert(QStringLiteral("Path"), m_dir.path());
            break;
        }
        registry.m_keys.insert(Key(i), values);
    }
    QCOMPARE(IsSpeechEngineInstalled(registry), installed);
}

void TestSpeech::systemRegistryFindsEspeak()
{
    const CSystemSpeechRegistry registry;
    const auto values = registry.OpenKey(Key(0));
    QVERIFY(values.has_value());
    const QString path = values->value(QStringLiteral("Path"));
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    QVERIFY(path.contains(QStringLiteral("espeak-ng-data")));
    QVERIFY(!registry.OpenKey(Key(1)).has_value());
    QVERIFY(IsSpeechEngineInstalled(registry));
    QVERIFY(IsSpeechEngineInstalled());
}

void TestSpeech::synthesisReallySpeaks()
{
    const CSpeechSynthesizer::Audio audio =
        CActorSvr::Synthesize(QStringLiteral("Welcome to the Tutorama"));
    QCOMPARE(audio.sampleRate, 22050);
    QVERIFY2(audio.Seconds() > 0.8 && audio.Seconds() < 3.0,
             qPrintable(QString::number(audio.Seconds())));
    QVERIFY(PeakOf(audio.samples) > 4000);
    QVERIFY(RmsOf(audio.samples) > 300);
    // A longer text takes longer to say.
    const auto word = CActorSvr::Synthesize(QStringLiteral("cat"));
    QVERIFY(word.Seconds() > 0.1);
    QVERIFY(word.Seconds() < audio.Seconds());
}

void TestSpeech::synthesisOfNothingIsSilent()
{
    QVERIFY(CActorSvr::Synthesize(QString()).samples.isEmpty());
    QVERIFY(CActorSvr::Synthesize(QStringLiteral("   ")).samples.isEmpty());
    CActorSvr actor(std::make_unique<CRecordingOutput>());
    QVERIFY(!actor.Speak());
}

void TestSpeech::speakPlaysWhatWasSet()
{
    auto output = std::make_unique<CRecordingOutput>();
    CRecordingOutput* heard = output.get();
    CActorSvr actor(std::move(output));
    QCOMPARE(actor.metaObject()->className(), "CActorSvr");
    actor.SetText(QStringLiteral("elephant"));
    QVERIFY(actor.Speak());
    QCOMPARE(heard->m_sounds.size(), 1);
    const CRecordingOutput::Sound& sound = heard->m_sounds.at(0);
    QCOMPARE(sound.format.sampleRate(), 22050);
    QCOMPARE(sound.format.channelCount(), 1);
    QCOMPARE(sound.format.sampleFormat(), QAudioFormat::Int16);
    // The engine varies its timing by a few samples from one call to the next.
    const auto sameLength = [](qsizetype a, qsizetype b) { return std::abs(a - b) < a / 50; };
    const qsizetype expected = CActorSvr::Synthesize(QStringLiteral("elephant")).Pcm().size();
    QVERIFY(sameLength(sound.pcm.size(), expected));
    // Speak alone says the same word again.
    QVERIFY(actor.Speak());
    QVERIFY(sameLength(heard->m_sounds.at(1).pcm.size(), expected));
}

void TestSpeech::newSpeakCutsOffTheLast()
{
    auto output = std::make_unique<CRecordingOutput>();
    CRecordingOutput* heard = output.get();
    CActorSvr actor(std::move(output));
    actor.SetText(QStringLiteral("giraffe"));
    actor.Speak();
    actor.SetText(QStringLiteral("zebra"));
    actor.Speak();
    QCOMPARE(heard->m_sounds.size(), 2);
    QCOMPARE(heard->m_nCutOff, 1);
    QVERIFY(heard->IsPlaying());
}

void TestSpeech::speakWithoutDeviceReturnsAtOnce()
{
    // The real output: with no sound device the call still returns, silently.
    CActorSvr actor;
    actor.SetText(QStringLiteral("Welcome to the Tutorama"));
    QVERIFY(actor.Speak());
    QVERIFY(actor.Speak());
    actor.Stop();
}

void TestSpeech::wordsSplitIntoSyllables_data()
{
    QTest::addColumn<QString>("phonemes");
    QTest::addColumn<QString>("syllables");
    QTest::addRow("one consonant starts the next") << "b|j|'u:|t|i|f|@L"
                                                   << "b|j|'u: t|i f|@L";
    QTest::addRow("of two, the last") << "_!|'aI|C|h|W|r|n|C|@|n"
                                      << "_!|'aI|C h|W|r|n C|@|n";
    QTest::addRow("German") << "S|m|'E|t|3|l|,I|N"
                            << "S|m|'E t|3 l|,I|N";
    QTest::addRow("Spanish trill") << "m|,a|**|i|p|'o|s|a"
                                   << "m|,a **|i p|'o s|a";
    QTest::addRow("two vowels side by side") << "p|a|'i|s"
                                             << "p|a 'i|s";
    QTest::addRow("one syllable") << "s|t|r|'E|N|T"
                                  << "s|t|r|'E|N|T";
    QTest::addRow("two words") << "'aI|s k|r|'i:|m"
                               << "'aI|s k|r|'i:|m";
    QTest::addRow("no vowel") << "S|S"
                              << "S|S";
    QTest::addRow("nothing") << ""
                             << "";
}

void TestSpeech::wordsSplitIntoSyllables()
{
    QFETCH(QString, phonemes);
    QFETCH(QString, syllables);
    QCOMPARE(CSpeechSynthesizer::SplitSyllables(phonemes), syllables);
}

void TestSpeech::slowlyIsHalfTheRateWithGaps()
{
    const QString word = QStringLiteral("elephant");
    const auto normal = CActorSvr::Synthesize(word);
    const auto slow =
        CActorSvr::Synthesize(word, QStringLiteral("en"), CSpeechSynthesizer::Pace::Slow);
    QVERIFY2(
        slow.Seconds() > 1.8 * normal.Seconds(),
        qPrintable(QStringLiteral("%1 s against %2 s").arg(slow.Seconds()).arg(normal.Seconds())));
    // Silence of at least a tenth of a second between the sounds: between the syllables.
    const auto gapsIn = [](const CSpeechSynthesizer::Audio& audio) {
        int gaps = 0;
        int quiet = 0;
        bool heard = false;
        for (qint16 sample : audio.samples) {
            if (std::abs(sample) > 300) {
                if (heard && quiet > audio.sampleRate / 10)
                    ++gaps;
                heard = true;
                quiet = 0;
            } else {
                ++quiet;
            }
        }
        return gaps;
    };
    QCOMPARE(gapsIn(normal), 0);
    QVERIFY2(gapsIn(slow) >= 2, qPrintable(QString::number(gapsIn(slow))));
    // The next word is said at the normal rate again.
    const qsizetype again = CActorSvr::Synthesize(word).samples.size();
    QVERIFY(std::abs(again - normal.samples.size()) < normal.samples.size() / 20);

    // The speech control says the word it was given slowly, then at the normal rate.
    auto output = std::make_unique<CRecordingOutput>();
    CRecordingOutput* heard = output.get();
    CActorSvr actor(std::move(output));
    actor.SetText(word);
    QVERIFY(actor.SpeakSlowly());
    QVERIFY(actor.Speak());
    QCOMPARE(heard->m_sounds.size(), 2);
    QVERIFY(heard->m_sounds.at(0).pcm.size() > heard->m_sounds.at(1).pcm.size() * 18 / 10);
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
