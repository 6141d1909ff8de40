#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One image showing every picture of a set (drawn at the set's scale) with its id and its own
// size, so the whole set can be looked at together.
class CContactSheet
{
public:
    struct Entry
    {
        int id = 0;
        QString caption;
        QImage picture;
    };

    static QImage Compose(const QList<Entry>& entries, int width, int scale);
};
