#pragma once

#include <QString>

// Paths of the compiled-in pictures and sounds, named by their ids (ResourceIds.h).
inline QString BitmapResourcePath(int id)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

inline QString WaveResourcePath(int id)
{
    return QStringLiteral(":/waves/%1.wav").arg(id);
}
