#include "CSystemSoundEngine.h"

#include "CSinkAudioOutput.h"

#include <QFile>

#include <espeak-ng/speak_lib.h>

#include <cstring>

namespace {

// Where the synthesis under way puts its samples (synthesis is synchronous).
QList<qint16>* g_pTarget = nullptr;

int ForwardSamples(short* samples, int count, espeak_EVENT* events)
{
    (void)events;
    if (g_pTarget && samples && count > 0)
        g_pTarget->append(QList<qint16>(samples, samples + count));
    return 0; // go on synthesising
}

} // namespace

std::unique_ptr<CAudioOutput> CSystemSoundEngine::MakeOutput()
{
    return std::make_unique<CSinkAudioOutput>();
}

bool CSystemSoundEngine::HasAudioDevice()
{
    return CSinkAudioOutput::HasDevice();
}

int CSystemSoundEngine::StartSpeech(const QString& dataFolder)
{
    const QByteArray folder = QFile::encodeName(dataFolder);
    // DONT_EXIT: a missing data folder must fail the call, not end the program.
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0,
                                       folder.isEmpty() ? nullptr : folder.constData(),
                                       espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0 || espeak_SetVoiceByName("en") != EE_OK)
        return 0;
    espeak_SetSynthCallback(&ForwardSamples);
    return rate;
}

bool CSystemSoundEngine::UseVoice(const QString& language)
{
    return espeak_SetVoiceByName(language.toLatin1().constData()) == EE_OK;
}

QStringList CSystemSoundEngine::VoiceLanguages()
{
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
    return languages;
}

void CSystemSoundEngine::SetSlow(bool slow)
{
    espeak_SetParameter(espeakRATE, slow ? espeakRATE_NORMAL / 2 : espeakRATE_NORMAL, 0);
}

QString CSystemSoundEngine::Sounds(const QString& text, char separator)
{
    const QByteArray utf8 = text.toUtf8();
    const void* rest = utf8.constData();
    QStringList words;
    // The engine translates a clause at a time and clears the pointer after the last one.
    while (rest) {
        const char* sounds = espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, separator << 8);
        if (sounds)
            words.append(QString::fromUtf8(sounds));
    }
    return words.join(QLatin1Char(' '));
}

QList<qint16> CSystemSoundEngine::Synthesize(const QString& text, bool soundCode)
{
    QList<qint16> samples;
    const QByteArray utf8 = text.toUtf8();
    g_pTarget = &samples;
    espeak_Synth(utf8.constData(), static_cast<size_t>(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | (soundCode ? espeakPHONEMES : 0u), nullptr, nullptr);
    g_pTarget = nullptr;
    return samples;
}

// The library's one entry: the engine of the process.
extern "C" Q_DECL_EXPORT CSoundEngine* TutoramaSoundEngine()
{
    static CSystemSoundEngine engine;
    return &engine;
}
