#pragma once

// Where the pages put controls on top of the pictures drawn for them. The pictures are drawn
// around these places (tools/resgen), so a page that puts its controls here lines up with them.
namespace PictureLayout {

// The calculator body (IDB_CALCULATOR_BODY) has a recessed well for each of the math editor's
// keys: four rows of four, the bottom row without a key in its second column. A key's top-left
// corner, in picture coordinates, is (kKeyLeft + column * kKeyPitchX, kKeyTop + row * kKeyPitchY).
constexpr int kCalculatorWidth = 244;
constexpr int kCalculatorHeight = 250;
constexpr int kKeyLeft = 16;
constexpr int kKeyTop = 58;
constexpr int kKeyWidth = 44;
constexpr int kKeyHeight = 36;
constexpr int kKeyPitchX = 56;
constexpr int kKeyPitchY = 46;
constexpr int kKeyRows = 4;
constexpr int kKeyColumns = 4;

// The flash card editor's card box sits inside a frame of four pieces: the top and bottom strips
// span the box plus both edges, the edges are as tall as the box.
constexpr int kCardBoxWidth = 320;
constexpr int kCardBoxHeight = 160;
constexpr int kCardEdgeWidth = 16;
constexpr int kCardTopHeight = 28;
constexpr int kCardBottomHeight = 20;

} // namespace PictureLayout
