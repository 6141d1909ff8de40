#pragma once

#include <array>

class CSpeechRegistry;

// The keys under which a speech engine may be registered, in the order they
// are tried.
inline constexpr std::array<const char*, 3> kSpeechEngineKeys{
    "SOFTWARE\\Corvane\\Sonorel\\SynEngines\\1\\0",
    "SOFTWARE\\Corvane\\Sonorel 4.0\\SynEngines\\1\\0",
    "SOFTWARE\\Lumen Voiceworks\\Lumen Speech\\SynEngines\\1\\0",
};
inline constexpr const char* kSpeechEnginePathValue = "Path";
// The engine path is read into a buffer of this many bytes, terminator included.
inline constexpr int kSpeechEnginePathBufferSize = 260;

// Whether spelling quizzes can be spoken: the first engine key that exists
// decides, and its "Path" must name an existing file. Later keys are not
// looked at once one exists.
bool IsSpeechEngineInstalled(const CSpeechRegistry& registry);
// The same over this machine's registry (CSystemSpeechRegistry).
bool IsSpeechEngineInstalled();
