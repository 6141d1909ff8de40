#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One image showing every picture at its own size with its id, so the whole set can be looked
// at together.
class CContactSheet
{
public:
    struct Entry
    {
        int id = 0;
        QString caption;
        QImage picture;
    };

    static QImage Compose(const QList<Entry>& entries, int width);
};
