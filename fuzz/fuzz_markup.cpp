// Draws arbitrary help texts with the page renderer on an offscreen image.
// Help texts come from the string table, but translations and future texts
// must never crash or hang the pages: tags cut short, stray '<', lone
// surrogates, endless lines and breaks, in any rectangle.
#include "CMarkupRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int IMAGE_WIDTH = 320;
constexpr int IMAGE_HEIGHT = 240;
// The first bytes choose the rectangle and the starting font; the rest is the text.
constexpr size_t HEADER_SIZE = 3;

QImage& Canvas()
{
    static QImage image(IMAGE_WIDTH, IMAGE_HEIGHT, QImage::Format_ARGB32_Premultiplied);
    return image;
}

const CMarkupRenderer& Renderer()
{
    static const CMarkupRenderer renderer;
    return renderer;
}

QFont StartFont(uint8_t choice)
{
    const CMarkupRenderer& renderer = Renderer();
    switch (choice % 3) {
    case 1:
        return renderer.m_fontBold;
    case 2:
        return renderer.m_fontItalic;
    default:
        return renderer.m_fontNormal;
    }
}

void Draw(const QFont& font, const QRect& rect, const QString& text)
{
    QPainter painter(&Canvas());
    painter.setFont(font);
    const int stop = Renderer().DrawMarkup(painter, rect, text);
    if (stop < 0 || stop > text.size()) {
        std::fprintf(stderr, "fuzz_markup: stop %d outside a text of %lld\n", stop,
                     static_cast<long long>(text.size()));
        std::abort();
    }
}

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
    // Fonts are loaded once here, so that each input is measured on its own.
    Draw(Renderer().m_fontNormal, QRect(0, 0, IMAGE_WIDTH, IMAGE_HEIGHT),
         QStringLiteral("<B>Bold<N> and <I>italic<N>\n<T>indented<U>\n<C>"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < HEADER_SIZE)
        return 0;
    // Rectangles reach outside the image on every side, as a clipped page would.
    const int left = int(int8_t(data[0]));
    const int top = int(int8_t(data[1]));
    const QRect rect(left, top, IMAGE_WIDTH, IMAGE_HEIGHT);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + HEADER_SIZE),
                                           qsizetype(size - HEADER_SIZE));
    Draw(StartFont(data[2]), rect, text);
    return 0;
}
