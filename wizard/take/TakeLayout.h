#pragma once

#include <QPoint>
#include <QRect>

// Places shared by the pages of taking a quiz, so that the banner, the side
// picture and the texts beside it line up as the pupil moves from page to page.
namespace TakeLayout {

const QPoint kBannerAt(0, 0);
const QPoint kSideAt(10, 100);
// Everything right of the side picture, in two columns.
constexpr int kContentLeft = 184;
constexpr int kContentRight = 712;
constexpr int kContentTop = 104;
constexpr int kContentWidth = kContentRight - kContentLeft;
constexpr int kColumnGap = 12;
constexpr int kColumnWidth = (kContentWidth - kColumnGap) / 2;
constexpr int kRightColumnLeft = kContentLeft + kColumnWidth + kColumnGap;
// The Read aloud speaker of the pages that show a text to read, below the side picture, and
// its words below it.
const QRect kReadAloudRect(40, 262, 100, 100);
const QRect kReadAloudCaptionRect(10, 368, 160, 44);
// The line that tells how many questions there are, or how far the pupil has come.
constexpr int kLineHeight = 24;

// The introduction pages: their help texts run in two wide columns below the
// side picture, since the help texts keep their own line breaks.
constexpr int kIntroMargin = 16;
constexpr int kIntroColumnTop = 256;
constexpr int kIntroColumnHeight = 190;
constexpr int kIntroLeftWidth = 330;
constexpr int kIntroRightLeft = kIntroMargin + kIntroLeftWidth + 16;
constexpr int kIntroRightWidth = kContentRight - kIntroRightLeft;

} // namespace TakeLayout
