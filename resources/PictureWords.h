#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// The words that belong on the program's pictures: banner titles, the heads of the card frames
// and answer boxes, and the words on the true/false answer buttons. The pictures themselves are
// drawn without words (tools/resgen); the words come from the translation and are lettered over
// the picture when it is drawn, at whatever size it is drawn, so a new language needs no drawing.
namespace PictureWords {

enum class Align
{
    Left,
    Centre
};

// One line of lettering, in the picture's own coordinates.
struct Word
{
    const char* source = nullptr; // English text, translated in the context "PictureWords"
    QRectF box;                   // where it goes; longer texts shrink to fit its width
    double pixelSize = 0;         // letter size when the text fits
    Align align = Align::Left;
    quint32 fill = 0;    // 0xRRGGBB
    quint32 outline = 0; // drawn under the fill
    double outlineWidth = 0;
    QPointF shadowOffset; // a shadow in the shadow colour when not (0, 0)
    quint32 shadow = 0;
};

// The words of one picture, none for most.
QList<Word> For(int pictureId);

// The word's text in the program's language.
QString Text(const Word& word);

} // namespace PictureWords
