#include "core/board.h"

#include <algorithm>

namespace cat {

bool isCell(int n)
{
    return n >= 1 && n <= cellCount;
}

int rowOf(int n)
{
    return (n - 1) / sideLength;
}

int columnOf(int n)
{
    return n - sideLength * rowOf(n) - 1;
}

int cellAt(int row, int column)
{
    if (row < 0 || row >= sideLength || column < 0 || column >= sideLength)
        return 0;
    return sideLength * row + column + 1;
}

Position cellPosition(int n)
{
    const int r = rowOf(n);
    return {48 * columnOf(n) + (r % 2 == 1 ? 24 : 0), 40 * r};
}

Neighbours neighbours(int n)
{
    if (!isCell(n))
        return {};
    const int r = rowOf(n);
    const int c = columnOf(n);
    // On a shifted row the diagonal neighbours above and below lie one column
    // further right than on an even row.
    const int shift = r % 2;
    return {cellAt(r - 1, c - 1 + shift), cellAt(r - 1, c + shift),
            cellAt(r, c - 1),             cellAt(r, c + 1),
            cellAt(r + 1, c - 1 + shift), cellAt(r + 1, c + shift)};
}

bool isBorder(int n)
{
    const Neighbours slots = neighbours(n);
    return isCell(n) && std::count(slots.begin(), slots.end(), 0) > 0;
}

int cellAtPoint(int x, int y, const std::function<std::uint32_t(int, int)>& colourAt)
{
    if (x < 0 || x >= canvasWidth || y < 0 || y >= canvasHeight)
        return 0;
    if (colourAt(x, y) == canvasColour)
        return 0;
    const int r = y / 40;
    // x + 24 >= 0 always, so the division truncates like a floor here.
    const int c = r % 2 == 0 ? x / 48 : (x + 24) / 48 - 1;
    // Anything but the cell pictures drawn on the ground could be non-grey
    // beside the rows; such a pixel belongs to no cell.
    return cellAt(r, c);
}

int playerWallCount(const Cells& cells)
{
    return static_cast<int>(std::count(cells.begin(), cells.end(), PlayerWall));
}

} // namespace cat
