#include "CSpeechSynthesizer.h"

#include "CSoundEngine.h"
#include "CSystemSpeechRegistry.h"

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

CSpeechSynthesizer::Audio CSpeechSynthesizer::Synthesize(const QString& text,
                                                         const QString& language)
{
    Audio audio;
    if (!EnsureStarted() || text.trimmed().isEmpty())
        return audio;
    if (!UseVoice(language) && !UseVoice(DefaultLanguage()))
        return audio;
    audio.sampleRate = g_nSampleRate;
    audio.samples = g_pEngine->Synthesize(text);
    return audio;
}
