#pragma once
// The circle-the-cat board: 121 cells numbered 1-121 row by row, their places
// on the 544 x 440 canvas, their six neighbours in a fixed slot order. Knows
// nothing of the canvas itself: pixel colours come in through a callable.
#include <array>
#include <cstdint>
#include <functional>

namespace cat {

inline constexpr int sideLength = 11;
inline constexpr int cellCount = 121;
inline constexpr int startCell = 61;
inline constexpr int canvasWidth = 544;
inline constexpr int canvasHeight = 440;
inline constexpr int pictureSize = 40;
// RGB(128,128,128) as r + 256 g + 65536 b: the ground between the discs and
// the corners of every cell picture.
inline constexpr std::uint32_t canvasColour = 128u + 256u * 128u + 65536u * 128u;

enum CellState { Free = 0, PlayerWall = 1, FixedWall = 2 };

// Entry n - 1 for cell n.
using Cells = std::array<int, cellCount>;

bool isCell(int n);
int rowOf(int n);
int columnOf(int n);
// 0 when (r, c) lies off the board.
int cellAt(int row, int column);

struct Position {
    int x;
    int y;
    bool operator==(const Position&) const = default;
};
// Top-left corner of the cell's picture; shifted (odd) rows sit 24 px further right.
Position cellPosition(int n);

// Slots: upper left, upper right, left, right, lower left, lower right; 0 in
// a slot off the board (and in every slot of a number that is no cell).
using Neighbours = std::array<int, 6>;
Neighbours neighbours(int n);
bool isBorder(int n);

// The cell whose disc holds canvas point (x, y), or 0 for none: outside the
// canvas, on a pixel of the canvas colour, or in the strips beside the rows
// that no disc covers.
int cellAtPoint(int x, int y, const std::function<std::uint32_t(int x, int y)>& colourAt);

int playerWallCount(const Cells& cells);

} // namespace cat
