#include "core/board.h"

#include <QTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(cat::Neighbours)

namespace {

constexpr std::uint32_t white = 255u + 256u * 255u + 65536u * 255u;

// A canvas with every cell drawn as a disc of radius 20 on the grey ground,
// the way the cell pictures leave it.
std::uint32_t discsCanvas(int x, int y)
{
    for (int n = 1; n <= cat::cellCount; ++n) {
        const cat::Position p = cat::cellPosition(n);
        if (std::hypot(x + 0.5 - (p.x + 20), y + 0.5 - (p.y + 20)) <= 20)
            return white;
    }
    return cat::canvasColour;
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void neighbours_data();
    void neighbours();
    void relationIsSymmetricAndMarksTheBorder();
    void cellPosition_data();
    void cellPosition();
    void cellAtPoint_data();
    void cellAtPoint();
    void everyDiscPixelMapsToItsOwnCell();
    void playerWallCountSkipsFixedWalls();
};

void BoardTest::neighbours_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<cat::Neighbours>("expected");
    QTest::newRow("top-left corner") << 1 << cat::Neighbours{0, 0, 0, 2, 0, 12};
    QTest::newRow("top-right corner") << 11 << cat::Neighbours{0, 0, 10, 0, 21, 22};
    QTest::newRow("shifted row, left end") << 12 << cat::Neighbours{1, 2, 0, 13, 23, 24};
    QTest::newRow("shifted row, right end") << 22 << cat::Neighbours{11, 0, 21, 0, 33, 0};
    QTest::newRow("centre, shifted row") << 61 << cat::Neighbours{50, 51, 60, 62, 72, 73};
    QTest::newRow("inner cell, even row") << 50 << cat::Neighbours{38, 39, 49, 51, 60, 61};
    QTest::newRow("bottom-left corner") << 111 << cat::Neighbours{0, 100, 0, 112, 0, 0};
    QTest::newRow("bottom-right corner") << 121 << cat::Neighbours{109, 110, 120, 0, 0, 0};
    QTest::newRow("below the board") << 0 << cat::Neighbours{};
    QTest::newRow("past the board") << 122 << cat::Neighbours{};
}

void BoardTest::neighbours()
{
    QFETCH(int, cell);
    QFETCH(cat::Neighbours, expected);
    QCOMPARE(cat::neighbours(cell), expected);
}

void BoardTest::relationIsSymmetricAndMarksTheBorder()
{
    int borderCells = 0;
    for (int n = 1; n <= cat::cellCount; ++n) {
        QCOMPARE(cat::cellAt(cat::rowOf(n), cat::columnOf(n)), n);
        const int r = cat::rowOf(n);
        const int c = cat::columnOf(n);
        const bool onEdge = r == 0 || r == 10 || c == 0 || c == 10;
        QCOMPARE(cat::isBorder(n), onEdge);
        borderCells += onEdge;
        for (const int m : cat::neighbours(n)) {
            if (m == 0)
                continue;
            QVERIFY(cat::isCell(m));
            const cat::Neighbours back = cat::neighbours(m);
            QVERIFY2(std::find(back.begin(), back.end(), n) != back.end(),
                     qPrintable(QStringLiteral("%1 -> %2 not mutual").arg(n).arg(m)));
            // Neighbours are the nearest discs: 48 px apart in a row, about 47 across rows.
            const cat::Position a = cat::cellPosition(n);
            const cat::Position b = cat::cellPosition(m);
            QVERIFY(std::hypot(a.x - b.x, a.y - b.y) < 49);
        }
    }
    QCOMPARE(borderCells, 40);
}

void BoardTest::cellPosition_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("1") << 1 << 0 << 0;
    QTest::newRow("11") << 11 << 480 << 0;
    QTest::newRow("12, shifted") << 12 << 24 << 40;
    QTest::newRow("22, shifted") << 22 << 504 << 40;
    QTest::newRow("61, start") << 61 << 264 << 200;
    QTest::newRow("121") << 121 << 480 << 400;
}

void BoardTest::cellPosition()
{
    QFETCH(int, cell);
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(cat::cellPosition(cell), (cat::Position{x, y}));
}

void BoardTest::cellAtPoint_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("allDark"); // every canvas pixel non-grey: only the range checks guard
    QTest::addColumn<int>("expected");
    QTest::newRow("ground left of cell 12") << 20 << 60 << false << 0;
    QTest::newRow("ground right of cell 11") << 530 << 20 << false << 0;
    QTest::newRow("grey corner of cell 1") << 0 << 0 << false << 0;
    QTest::newRow("ground right of cell 121") << 530 << 420 << false << 0;
    QTest::newRow("gap between cells 1 and 2") << 44 << 20 << false << 0;
    QTest::newRow("inside cell 61") << 284 << 220 << false << 61;
    QTest::newRow("inside cell 1") << 20 << 20 << false << 1;
    QTest::newRow("inside cell 121") << 500 << 420 << false << 121;
    QTest::newRow("last pixel of cell 22") << 543 << 60 << false << 22;
    QTest::newRow("dark strip left of a shifted row") << 10 << 60 << true << 0;
    QTest::newRow("dark strip right of an even row") << 530 << 20 << true << 0;
    QTest::newRow("dark strip right of the bottom row") << 543 << 439 << true << 0;
    QTest::newRow("left of the canvas") << -1 << 20 << true << 0;
    QTest::newRow("right of the canvas") << 544 << 60 << true << 0;
    QTest::newRow("above the canvas") << 20 << -1 << true << 0;
    QTest::newRow("below the canvas") << 20 << 440 << true << 0;
    QTest::newRow("far below the canvas") << 20 << 100000 << true << 0;
}

void BoardTest::cellAtPoint()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, allDark);
    QFETCH(int, expected);
    std::vector<std::pair<int, int>> readOffCanvas;
    const auto colourAt = [&](int px, int py) -> std::uint32_t {
        if (px < 0 || px >= cat::canvasWidth || py < 0 || py >= cat::canvasHeight)
            readOffCanvas.emplace_back(px, py);
        return allDark ? 0u : discsCanvas(px, py);
    };
    QCOMPARE(cat::cellAtPoint(x, y, colourAt), expected);
    QVERIFY(readOffCanvas.empty());
}

void BoardTest::everyDiscPixelMapsToItsOwnCell()
{
    for (int n = 1; n <= cat::cellCount; ++n) {
        const cat::Position p = cat::cellPosition(n);
        for (int y = p.y; y < p.y + cat::pictureSize; ++y)
            for (int x = p.x; x < p.x + cat::pictureSize; ++x)
                if (discsCanvas(x, y) != cat::canvasColour)
                    QCOMPARE(cat::cellAtPoint(x, y, discsCanvas), n);
    }
}

void BoardTest::playerWallCountSkipsFixedWalls()
{
    cat::Cells cells{};
    for (const int n : {1, 40, 121})
        cells[n - 1] = cat::PlayerWall;
    for (const int n : {2, 3, 60})
        cells[n - 1] = cat::FixedWall;
    QCOMPARE(cat::playerWallCount(cells), 3);
}

QTEST_GUILESS_MAIN(BoardTest)
#include "board_test.moc"
