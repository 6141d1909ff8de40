#include "CSpeechSynthesizer.h"

#include "CSystemSpeechRegistry.h"

#include <QFile>

#include <espeak-ng/speak_lib.h>

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

CSpeechSynthesizer::Audio CSpeechSynthesizer::Synthesize(const QString& text,
                                                         const QString& language)
{
    Audio audio;
    if (!EnsureStarted() || text.trimmed().isEmpty())
        return audio;
    if (!UseVoice(language) && !UseVoice(DefaultLanguage()))
        return audio;
    const QByteArray utf8 = text.toUtf8();
    audio.sampleRate = g_nSampleRate;
    g_pTarget = &audio.samples;
    espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, nullptr);
    g_pTarget = nullptr;
    return audio;
}
