#include "CSpeechSynthesizer.h"

#include "CSoundEngine.h"
#include "CSystemSpeechRegistry.h"

#include <algorithm>

namespace {

enum class EngineState
{
    NotStarted,
    Started,
    Failed
};

// espeak-ng keeps one engine per process; these mirror its state.
EngineState g_engineState = EngineState::NotStarted;
int g_nSampleRate = 0;
// The sound library's engine, once started.
CSoundEngine* g_pEngine = nullptr;

// The language of the voice the engine speaks with now (it starts in English).
QString g_strVoice;
// The engine's languages, listed once: its voices do not change while the program runs.
QStringList g_voiceLanguages;

// Saying a word slowly: about half the normal rate (the engine's slow pace), one syllable
// after the other with this much silence between them (seconds), besides the engine's own
// pause at the end of each.
constexpr double kSyllableGap = 0.15;
// Between the engine's sound names when it spells a word out in them.
constexpr char kSoundSeparator = '|';

// Marks of stress that the engine writes before a vowel.
bool IsStressMark(QChar c)
{
    return c == u'\'' || c == u',' || c == u'%' || c == u'=';
}

// The engine names its vowels with a vowel letter, a digit, "@" or "&" ("'u:", "@L", "3:",
// "O~"); consonants and pauses with other letters and signs ("S", "tS", "l^", "_!").
bool IsVowel(const QString& sound)
{
    for (const QChar c : sound) {
        if (IsStressMark(c))
            continue;
        return QStringLiteral("aeiouyAEIOUVWY@&0123456789").contains(c);
    }
    return false;
}

// One word's sounds, as the engine lists them, grouped into syllables.
QStringList WordSyllables(const QStringList& sounds)
{
    QList<int> vowels;
    for (int i = 0; i < sounds.size(); ++i)
        if (IsVowel(sounds.at(i)))
            vowels.append(i);
    if (vowels.size() < 2)
        return {sounds.join(QLatin1Char(kSoundSeparator))};
    QStringList syllables;
    int start = 0;
    for (int v = 1; v < vowels.size(); ++v) {
        // One consonant between two vowels starts the next syllable; of more, only the last.
        const int next = std::max(vowels.at(v - 1) + 1, vowels.at(v) - 1);
        syllables.append(sounds.mid(start, next - start).join(QLatin1Char(kSoundSeparator)));
        start = next;
    }
    syllables.append(sounds.mid(start).join(QLatin1Char(kSoundSeparator)));
    return syllables;
}

} // namespace

double CSpeechSynthesizer::Audio::Seconds() const
{
    return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0.0;
}

QAudioFormat CSpeechSynthesizer::Audio::Format() const
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QByteArray CSpeechSynthesizer::Audio::Pcm() const
{
    return QByteArray(reinterpret_cast<const char*>(samples.constData()),
                      samples.size() * static_cast<qsizetype>(sizeof(qint16)));
}

bool CSpeechSynthesizer::EnsureStarted()
{
    if (g_engineState == EngineState::NotStarted) {
        // The data the engine check found is the data spoken with, so a spelling
        // quiz offered is never silent (ESPEAK_DATA_PATH may name an empty folder).
        CSoundEngine* engine = CSoundEngine::Get();
        const int rate =
            engine ? engine->StartSpeech(CSystemSpeechRegistry::EspeakDataFolder()) : 0;
        if (rate > 0) {
            g_pEngine = engine;
            g_nSampleRate = rate;
            g_strVoice = DefaultLanguage();
            g_engineState = EngineState::Started;
        } else {
            g_engineState = EngineState::Failed;
        }
    }
    return g_engineState == EngineState::Started;
}

bool CSpeechSynthesizer::IsAvailable()
{
    return EnsureStarted();
}

bool CSpeechSynthesizer::UseVoice(const QString& language)
{
    if (language == g_strVoice)
        return true;
    if (!HasVoice(language) || !g_pEngine->UseVoice(language))
        return false;
    g_strVoice = language;
    return true;
}

QStringList CSpeechSynthesizer::VoiceLanguages()
{
    if (!g_voiceLanguages.isEmpty() || !EnsureStarted())
        return g_voiceLanguages;
    g_voiceLanguages = g_pEngine->VoiceLanguages();
    return g_voiceLanguages;
}

bool CSpeechSynthesizer::HasVoice(const QString& language)
{
    return !language.isEmpty() && VoiceLanguages().contains(language);
}

QString CSpeechSynthesizer::SplitSyllables(const QString& phonemes)
{
    QStringList syllables;
    for (const QString& word : phonemes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList sounds = word.split(QLatin1Char(kSoundSeparator), Qt::SkipEmptyParts);
        if (!sounds.isEmpty())
            syllables += WordSyllables(sounds);
    }
    return syllables.join(QLatin1Char(' '));
}

QString CSpeechSynthesizer::Syllables(const QString& text)
{
    return SplitSyllables(g_pEngine->Sounds(text, kSoundSeparator));
}

void CSpeechSynthesizer::UsePace(Pace pace)
{
    g_pEngine->SetSlow(pace == Pace::Slow);
}

void CSpeechSynthesizer::SynthesizeInto(Audio& audio, const QString& text, bool soundCode)
{
    audio.sampleRate = g_nSampleRate;
    audio.samples += g_pEngine->Synthesize(text, soundCode);
}

CSpeechSynthesizer::Audio CSpeechSynthesizer::Synthesize(const QString& text,
                                                         const QString& language, Pace pace)
{
    Audio audio;
    if (!EnsureStarted() || text.trimmed().isEmpty())
        return audio;
    if (!UseVoice(language) && !UseVoice(DefaultLanguage()))
        return audio;
    UsePace(pace);
    // Slowly, each syllable is said on its own, given to the engine in its sound code, with
    // silence after it. (Pauses asked of the engine inside one text would change how it says
    // every later text.) The pupil's text never goes in as sound code: in it "[[" is text.
    const QStringList syllables = pace == Pace::Slow
                                      ? Syllables(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                      : QStringList();
    if (syllables.isEmpty())
        SynthesizeInto(audio, text, false);
    for (const QString& syllable : syllables) {
        if (!audio.samples.isEmpty())
            audio.samples.append(QList<qint16>(qRound(g_nSampleRate * kSyllableGap), 0));
        SynthesizeInto(audio, QStringLiteral("[[") + syllable + QStringLiteral("]]"), true);
    }
    UsePace(Pace::Normal);
    return audio;
}
