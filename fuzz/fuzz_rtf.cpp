// Reads arbitrary bytes as an advice document with the RTF reader. Damaged
// documents must read to whatever they hold, within the reader's bounds,
// without crash or hang. Laying the document out is Qt's work and would
// spend most of each run there, so only the warm-up does it.
#include "CRtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Page width of the layout in points, about a letter page without margins.
constexpr qreal PAGE_WIDTH = 468;
// A few characters of slack: paragraph ends the reader adds after its bound.
constexpr qsizetype CHARACTER_SLACK = 16;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int appArgc = 1;
    static char* appArgv[] = {(*argc > 0 ? (*argv)[0] : nullptr), nullptr};
    // Never destroyed: Qt's font caches stay reachable instead of being torn
    // down half-way at exit, which the leak checker would blame on us.
    static QGuiApplication* const app = new QGuiApplication(appArgc, appArgv);
    Q_UNUSED(app);
    QTextDocument warmUp;
    CRtfReader(&warmUp).Read(
        QByteArrayLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 x\\par}"));
    warmUp.setTextWidth(PAGE_WIDTH);
    warmUp.documentLayout()->documentSize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray rtf(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    CRtfReader reader(&document);
    const bool read = reader.Read(rtf);
    if (!read && !document.isEmpty()) {
        std::fprintf(stderr, "fuzz_rtf: a refused document is not left empty\n");
        std::abort();
    }
    if (document.characterCount() > CRtfReader::kMaxCharacters + CHARACTER_SLACK) {
        std::fprintf(stderr, "fuzz_rtf: %d characters, past the reader's bound\n",
                     document.characterCount());
        std::abort();
    }
    return 0;
}
