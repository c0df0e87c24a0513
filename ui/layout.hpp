#pragma once

#include <QColor>

namespace cellwright::layout {

// The window is laid out in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int px(int twips) {
    return twips / 15;
}

constexpr int kClientWidth = 4920;
constexpr int kClientHeight = 4200;

// Left (for columns) and top (for rows) of the cells of row or column n: a pitch
// of 360 inside a box and 480 across a box boundary.
constexpr int cellPosition(int n) {
    return 240 + 360 * n + 120 * (n / 3);
}
constexpr int kCellWidth = 255;
constexpr int kCellHeight = 285;

constexpr int kButtonLeft = 3840;
constexpr int kButtonWidth = 975;

struct LineSpec {
    int x1, y1, x2, y2;
};
// The box lines Line1(0..7).
constexpr LineSpec kBoxLines[] = {
    {1320, 120, 1320, 3720}, {2520, 120, 2520, 3720}, {120, 1320, 4800, 1320},
    {120, 2520, 4800, 2520}, {120, 3720, 4800, 3720}, {3720, 120, 3720, 3720},
    {120, 120, 4800, 120},   {120, 120, 120, 3720},
};
constexpr int kLineWidthPx = 2;

// The corner marks Shape1: left and top, each 135 twips square.
struct MarkSpec {
    int index, left, top;
};
constexpr MarkSpec kCornerMarks[] = {
    {0, 120, 120},   {5, 3600, 120},  {6, 120, 3600},  {8, 3600, 3600},
    {2, 1320, 1320}, {4, 2400, 1320}, {3, 1320, 2400}, {7, 2400, 2400},
};
constexpr int kMarkSize = 135;

constexpr int kLabelLeft = 120;
constexpr int kLabelTop = 3840;
constexpr int kLabelWidth = 5055;
constexpr int kLabelHeight = 375;

inline QColor lightGrey() {
    return {224, 224, 224};
}
inline QColor peach() {
    return {255, 224, 192};
}
inline QColor darkRed() {
    return {192, 0, 0};
}

// Peach for the four edge-middle boxes.
constexpr bool isPeachCell(int row, int col) {
    return (row / 3 + col / 3) % 2 == 1;
}

} // namespace cellwright::layout
