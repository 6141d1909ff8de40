#include "CMarkupRenderer.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QChar kTagStart = u'<';
constexpr int kTagLength = 3;

bool IsTagLetter(QChar c)
{
    switch (c.unicode()) {
    case u'B':
    case u'I':
    case u'N':
    case u'T':
    case u'U':
    case u'C':
    case u'G':
        return true;
    default:
        return false;
    }
}

bool IsTagAt(const QString& text, qsizetype pos)
{
    // A tag needs its letter and one more character, which is skipped unseen.
    return pos + 2 < text.size() && text[pos] == kTagStart && IsTagLetter(text[pos + 1]);
}

bool IsBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

CMarkupRenderer::CMarkupRenderer()
    : m_fontNormal(MakeFont(QFont::Normal, false)), m_fontBold(MakeFont(QFont::Bold, false)),
      m_fontItalic(MakeFont(QFont::Normal, true))
{
}

QFont CMarkupRenderer::MakeFont(int weight, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

int CMarkupRenderer::DrawMarkup(QPainter& painter, const QRect& rect, const QString& text) const
{
    const Layout layout = LayoutMarkup(painter.font(), rect, text);
    for (const Run& run : layout.m_runs) {
        painter.setFont(run.m_font);
        painter.drawText(run.m_topLeft.x(), run.m_topLeft.y() + QFontMetrics(run.m_font).ascent(),
                         run.m_text);
    }
    painter.setFont(layout.m_endFont);
    return layout.m_stop;
}

QString CMarkupRenderer::PlainText(const QString& text) const
{
    const Layout layout = LayoutMarkup(m_fontNormal, QRect(), text);
    QString plain;
    int lineTop = 0;
    int lineBottom = 0;
    for (const Run& run : layout.m_runs) {
        const int top = run.m_topLeft.y();
        QString words = run.m_text;
        if (plain.isEmpty() || top != lineTop) {
            words = words.trimmed();
            // A gap of more than a line before the run is a blank line: a new paragraph. A word
            // broken at a hyphen goes on without a space.
            if (!plain.isEmpty() && top > lineBottom)
                plain += u'\n';
            else if (!plain.isEmpty() && !plain.endsWith(u'-'))
                plain += u' ';
            lineTop = top;
        }
        lineBottom = std::max(lineBottom, top + QFontMetrics(run.m_font).height());
        plain += words;
    }
    return plain.trimmed();
}

CMarkupRenderer::Layout CMarkupRenderer::LayoutMarkup(const QFont& startFont, const QRect& rect,
                                                      const QString& text) const
{
    Layout layout;
    QFont font = startFont;
    const QFontMetrics entry(font);
    const int indentStep = entry.horizontalAdvance(QStringLiteral("XX"));
    const int blankLineHeight = entry.height();

    int margin = rect.left();
    int x = margin;
    int y = rect.top();
    qsizetype pos = 0;
    const qsizetype end = text.size();

    while (pos < end) {
        // Collect a run up to a line break, a tag or the end.
        qsizetype runEnd = pos;
        while (runEnd < end && !IsBreak(text[runEnd]) && !IsTagAt(text, runEnd))
            ++runEnd;
        qsizetype drawEnd = runEnd;
        const bool endsAtTag = runEnd < end && IsTagAt(text, runEnd);
        if (!endsAtTag) {
            while (drawEnd > pos && text[drawEnd - 1] == u' ')
                --drawEnd;
        }

        int runHeight = 0;
        if (drawEnd > pos) {
            const QString run = text.mid(pos, drawEnd - pos);
            const QFontMetrics metrics(font);
            layout.m_runs.append({run, QPoint(x, y), font});
            x += metrics.horizontalAdvance(run);
            runHeight = metrics.height();
        }
        pos = runEnd;
        if (pos >= end)
            break;

        if (endsAtTag) {
            const QChar letter = text[pos + 1];
            pos += kTagLength;
            switch (letter.unicode()) {
            case u'C':
                layout.m_stop = static_cast<int>(pos);
                layout.m_endFont = font;
                return layout;
            case u'T':
                margin += indentStep;
                x = margin;
                break;
            case u'U':
                margin -= indentStep;
                x = margin;
                break;
            case u'B':
                font = m_fontBold;
                break;
            case u'I':
                font = m_fontItalic;
                break;
            case u'N':
                font = m_fontNormal;
                break;
            default: // <G> only ends the run
                break;
            }
        } else if (text[pos] == u'\r') {
            while (pos < end && text[pos] == u'\r')
                ++pos;
        } else {
            ++pos;
            x = margin;
            y += runHeight > 0 ? runHeight : blankLineHeight;
        }
    }
    layout.m_stop = static_cast<int>(pos);
    layout.m_endFont = font;
    return layout;
}
