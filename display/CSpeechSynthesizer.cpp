#include "CSpeechSynthesizer.h"

#include "CSystemSpeechRegistry.h"

#include <QFile>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>

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
// Where the synthesis under way puts its samples (synthesis is synchronous).
QList<qint16>* g_pTarget = nullptr;

const char* const kVoice = "en";
// The language of the voice the engine speaks with now.
QString g_strVoice;
// The engine's languages, listed once: its voices do not change while the program runs.
QStringList g_voiceLanguages;

// Saying a word slowly: about half the normal rate, one syllable after the other with this
// much silence between them (seconds), besides the engine's own pause at the end of each.
constexpr int kSlowRate = espeakRATE_NORMAL / 2;
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

int ForwardSamples(short* samples, int count, espeak_EVENT* events)
{
    (void)events;
    if (g_pTarget && samples && count > 0)
        g_pTarget->append(QList<qint16>(samples, samples + count));
    return 0; // go on synthesising
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
        const QByteArray dataFolder = QFile::encodeName(CSystemSpeechRegistry::EspeakDataFolder());
        // DONT_EXIT: a missing data folder must fail the call, not end the program.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0,
                                           dataFolder.isEmpty() ? nullptr : dataFolder.constData(),
                                           espeakINITIALIZE_DONT_EXIT);
        if (rate > 0 && espeak_SetVoiceByName(kVoice) == EE_OK) {
            espeak_SetSynthCallback(&ForwardSamples);
            g_nSampleRate = rate;
            g_strVoice = QString::fromLatin1(kVoice);
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
    if (!HasVoice(language) || espeak_SetVoiceByName(language.toLatin1().constData()) != EE_OK)
        return false;
    g_strVoice = language;
    return true;
}

QStringList CSpeechSynthesizer::VoiceLanguages()
{
    if (!g_voiceLanguages.isEmpty() || !EnsureStarted())
        return g_voiceLanguages;
    // Each voice lists its languages as a priority byte followed by a name ("en-gb") and a
    // zero byte; the list ends with a zero priority. The program speaks plain languages.
    QStringList languages;
    for (const espeak_VOICE** voice = espeak_ListVoices(nullptr); voice && *voice; ++voice) {
        for (const char* entry = (*voice)->languages; entry && *entry;
             entry += std::strlen(entry + 1) + 2) {
            const QString language = QString::fromLatin1(entry + 1).section(QLatin1Char('-'), 0, 0);
            if (!language.isEmpty() && !languages.contains(language))
                languages.append(language);
        }
    }
    languages.sort();
    g_voiceLanguages = languages;
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
    const QByteArray utf8 = text.toUtf8();
    const void* rest = utf8.constData();
    QStringList words;
    // The engine translates a clause at a time and clears the pointer after the last one.
    while (rest) {
        const char* sounds = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, kSoundSeparator << 8);
        if (sounds)
            words.append(QString::fromUtf8(sounds));
    }
    return SplitSyllables(words.join(QLatin1Char(' ')));
}

void CSpeechSynthesizer::UsePace(Pace pace)
{
    espeak_SetParameter(espeakRATE, pace == Pace::Slow ? kSlowRate : espeakRATE_NORMAL, 0);
}

void CSpeechSynthesizer::SynthesizeInto(Audio& audio, const QByteArray& utf8, unsigned int flags)
{
    audio.sampleRate = g_nSampleRate;
    g_pTarget = &audio.samples;
    espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | flags, nullptr, nullptr);
    g_pTarget = nullptr;
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
        SynthesizeInto(audio, text.toUtf8(), 0);
    for (const QString& syllable : syllables) {
        if (!audio.samples.isEmpty())
            audio.samples.append(QList<qint16>(qRound(g_nSampleRate * kSyllableGap), 0));
        SynthesizeInto(audio, (QStringLiteral("[[") + syllable + QStringLiteral("]]")).toUtf8(),
                       espeakPHONEMES);
    }
    UsePace(Pace::Normal);
    return audio;
}
