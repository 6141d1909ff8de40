#include "CRtfDocumentBuilder.h"

#include "CRtfDecoder.h"

#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace {
constexpr int kMaxColors = 4096;
constexpr int kMaxListMarkerLength = 64;
constexpr int kMinDefaultTabTwips = 72;
constexpr int kDefaultTabTwips = 720;
constexpr int kMaxTwips = 31680;        // 22 inches: larger than any paper
constexpr double kTwipsPerPixel = 15.0; // layout lengths are pixels at 96 per inch
constexpr int kTwipsPerSingleLine = 240;
constexpr double kMinLinePercent = 50.0;
constexpr double kMaxLinePercent = 500.0;
constexpr char16_t kReplacement = 0xFFFD;
} // namespace

CRtfDocumentBuilder::CRtfDocumentBuilder(QTextDocument* document, const CRtfDecoder& fonts)
    : m_pDocument(document), m_fonts(fonts)
{
}

void CRtfDocumentBuilder::Start()
{
    m_pDocument->clear();
    m_cursor = QTextCursor(m_pDocument);
    SetDefaultTabStop(kDefaultTabTwips);
    m_colors.clear();
    m_bWidowControl = false;
    m_listMarker.clear();
    m_pendingText.clear();
    m_pendingFormat = QTextCharFormat();
    m_bFormatDirty = true;
    m_bBlockPending = false;
    m_bBlockHasContent = false;
    m_bPageBreakPending = false;
    m_bPageBreakBeforeCurrent = false;
    m_nCharacters = 0;
}

void CRtfDocumentBuilder::SetDefaultTabStop(int twips)
{
    QTextOption option = m_pDocument->defaultTextOption();
    option.setTabStopDistance(std::clamp(twips, kMinDefaultTabTwips, kMaxTwips) / kTwipsPerPixel);
    m_pDocument->setDefaultTextOption(option);
}

void CRtfDocumentBuilder::AddColor(const QColor& color)
{
    if (m_colors.size() < kMaxColors)
        m_colors.append(color);
}

void CRtfDocumentBuilder::AddText(const QString& text, const CharState& chars)
{
    if (AtCharacterLimit())
        return;
    StartPendingBlock();
    if (m_bFormatDirty) {
        const QTextCharFormat format = CharFormatOf(chars);
        if (format != m_pendingFormat) {
            FlushText();
            m_pendingFormat = format;
        }
        m_bFormatDirty = false;
    }
    m_pendingText += text;
    m_nCharacters += text.size();
    m_bBlockHasContent = true;
}

void CRtfDocumentBuilder::EndParagraph(const ParaState& para, const CharState& chars)
{
    if (AtCharacterLimit())
        return;
    StartPendingBlock();
    FlushText();
    m_cursor.setBlockFormat(BlockFormatOf(para));
    // The paragraph mark carries the size, so that empty lines keep their height.
    m_cursor.setBlockCharFormat(CharFormatOf(chars));
    m_bBlockPending = true;
    ++m_nCharacters;
}

void CRtfDocumentBuilder::PageBreak(bool inText, const ParaState& para, const CharState& chars)
{
    if (inText && m_bBlockHasContent && !m_bBlockPending)
        EndParagraph(para, chars);
    if (m_bBlockPending)
        m_bPageBreakPending = true;
    else
        m_bPageBreakBeforeCurrent = true;
}

void CRtfDocumentBuilder::AddListMarkerText(const QString& text, const CharState& chars)
{
    if (m_listMarker.isEmpty())
        m_listMarkerFormat = CharFormatOf(chars);
    if (m_listMarker.size() < kMaxListMarkerLength)
        m_listMarker += text;
}

void CRtfDocumentBuilder::EndListMarker(bool inText)
{
    // Writers pad markers with blanks, and headings carry empty ones: only a marker with
    // something to see is shown.
    const qsizetype visible = std::find_if(m_listMarker.cbegin(), m_listMarker.cend(),
                                           [](QChar c) { return !c.isSpace(); }) -
                              m_listMarker.cbegin();
    const QString marker = m_listMarker.mid(visible);
    m_listMarker.clear();
    if (marker.isEmpty() || !inText || AtCharacterLimit())
        return;
    StartPendingBlock();
    FlushText();
    m_cursor.insertText(marker, m_listMarkerFormat);
    m_nCharacters += marker.size();
    m_bBlockHasContent = true;
    m_bFormatDirty = true;
    m_pendingFormat = QTextCharFormat();
}

void CRtfDocumentBuilder::Finish(const ParaState& para)
{
    FlushText();
    if (m_bBlockHasContent && !m_bBlockPending)
        m_cursor.setBlockFormat(BlockFormatOf(para));
}

void CRtfDocumentBuilder::StartPendingBlock()
{
    if (!m_bBlockPending)
        return;
    FlushText();
    m_cursor.insertBlock();
    m_bBlockPending = false;
    m_bBlockHasContent = false;
    m_bPageBreakBeforeCurrent = m_bPageBreakPending;
    m_bPageBreakPending = false;
}

void CRtfDocumentBuilder::FlushText()
{
    if (m_pendingText.isEmpty())
        return;
    // A surrogate half without its partner cannot be drawn.
    for (qsizetype i = 0; i < m_pendingText.size(); ++i) {
        const QChar c = m_pendingText.at(i);
        if (c.isHighSurrogate() && i + 1 < m_pendingText.size() &&
            m_pendingText.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            m_pendingText[i] = QChar(kReplacement);
        }
    }
    m_cursor.insertText(m_pendingText, m_pendingFormat);
    m_pendingText.clear();
}

QColor CRtfDocumentBuilder::ColorAt(int index) const
{
    if (index <= 0 || index >= m_colors.size())
        return {};
    return m_colors.at(index);
}

QTextCharFormat CRtfDocumentBuilder::CharFormatOf(const CharState& chars) const
{
    QTextCharFormat format;
    const CRtfDecoder::FontEntry* font = m_fonts.FontAt(chars.font);
    if (font && !font->name.isEmpty() &&
        m_fonts.SymbolSetOf(chars.font) == CRtfDecoder::SymbolSet::None) {
        format.setFontFamilies(QStringList{font->name});
        switch (font->family) {
        case 'r':
            format.setFontStyleHint(QFont::Serif);
            break;
        case 's':
            format.setFontStyleHint(QFont::SansSerif);
            break;
        case 'm':
            format.setFontStyleHint(QFont::Monospace);
            break;
        default:
            break;
        }
    }
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    if (chars.allCaps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chars.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor color = ColorAt(chars.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = ColorAt(chars.background); color.isValid())
        format.setBackground(color);
    return format;
}

QTextBlockFormat CRtfDocumentBuilder::BlockFormatOf(const ParaState& para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    const int left = std::max(0, para.leftTwips);
    format.setLeftMargin(left / kTwipsPerPixel);
    format.setRightMargin(std::max(0, para.rightTwips) / kTwipsPerPixel);
    format.setTextIndent(std::max(-left, para.firstTwips) / kTwipsPerPixel);
    format.setTopMargin(para.beforeTwips / kTwipsPerPixel);
    format.setBottomMargin(para.afterTwips / kTwipsPerPixel);
    SetLineHeight(format, para);
    if (para.keepTogether)
        format.setProperty(kKeepTogetherProperty, true);
    if (para.keepWithNext)
        format.setProperty(kKeepWithNextProperty, true);
    if (para.widowControl.value_or(m_bWidowControl))
        format.setProperty(kWidowControlProperty, true);
    SetTabStops(format, para);
    if (m_bPageBreakBeforeCurrent)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

void CRtfDocumentBuilder::SetLineHeight(QTextBlockFormat& format, const ParaState& para) const
{
    if (para.lineTwips > 0 && para.lineMultiple)
        format.setLineHeight(std::clamp(100.0 * para.lineTwips / kTwipsPerSingleLine,
                                        kMinLinePercent, kMaxLinePercent),
                             QTextBlockFormat::ProportionalHeight);
    else if (para.lineTwips > 0)
        format.setLineHeight(para.lineTwips / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (para.lineTwips < 0)
        format.setLineHeight(-para.lineTwips / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
}

void CRtfDocumentBuilder::SetTabStops(QTextBlockFormat& format, const ParaState& para) const
{
    // RTF measures tab stops from the left margin, the layout from where the first line
    // starts. A hanging first line gets an implied stop at the indent, as word processors
    // do, so that "1.<tab>text" lines up with the lines below it.
    const int left = std::max(0, para.leftTwips);
    const int firstLineStart = left + std::max(-left, para.firstTwips);
    QList<int> tabs = para.tabTwips;
    if (para.firstTwips < 0 && left > 0 && !tabs.contains(left))
        tabs.append(left);
    std::sort(tabs.begin(), tabs.end());
    QList<QTextOption::Tab> stops;
    for (int twips : std::as_const(tabs)) {
        if (twips > firstLineStart)
            stops.append(
                QTextOption::Tab((twips - firstLineStart) / kTwipsPerPixel, QTextOption::LeftTab));
    }
    if (!stops.isEmpty())
        format.setTabPositions(stops);
}
