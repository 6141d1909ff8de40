#include "CContactSheet.h"

#include "CArtStyle.h"

#include <QPainter>

namespace {
constexpr int kMargin = 16;
constexpr int kGap = 14;
constexpr int kCaptionHeight = 18;
constexpr int kTitleHeight = 44;
} // namespace

QImage CContactSheet::Compose(const QList<Entry>& entries, int width, int scale)
{
    // Lay the pictures out in rows, left to right, then paint them.
    struct Placed
    {
        const Entry* entry;
        QPoint at;
    };
    QList<Placed> placed;
    int x = kMargin;
    int y = kMargin + kTitleHeight;
    int rowHeight = 0;
    for (const Entry& entry : entries) {
        const int w = qMax(entry.picture.width(), 70);
        if (x + w > width - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.append({&entry, QPoint(x, y)});
        x += w + kGap;
        rowHeight = qMax(rowHeight, entry.picture.height() + kCaptionHeight);
    }
    const int height = y + rowHeight + kMargin;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(CArtStyle::Page());
    QPainter painter(&sheet);
    CArtStyle::Prepare(painter);
    painter.setPen(CArtStyle::Ink());
    painter.setFont(CArtStyle::Font(22));
    painter.drawText(QRect(kMargin, kMargin, width, kTitleHeight - 8), Qt::AlignVCenter,
                     QStringLiteral("Tutorama pictures (%1), the %2x set, with their words as "
                                    "the English program letters them")
                         .arg(entries.size())
                         .arg(scale));
    painter.setFont(CArtStyle::Font(11, false));
    for (const Placed& p : placed) {
        painter.drawImage(p.at, p.entry->picture);
        painter.drawText(
            QRect(p.at.x(), p.at.y() + p.entry->picture.height() + 2, 400, kCaptionHeight - 2),
            Qt::AlignLeft | Qt::AlignTop,
            QStringLiteral("%1  %2x%3")
                .arg(p.entry->id)
                .arg(p.entry->picture.width() / scale)
                .arg(p.entry->picture.height() / scale));
    }
    return sheet;
}
