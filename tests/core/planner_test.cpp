#include "core/board.h"
#include "core/planner.h"

#include <QList>
#include <QMap>
#include <QTest>

#include <random>

using Distances = QMap<int, int>;
Q_DECLARE_METATYPE(cat::Outcome)

namespace {

cat::Cells board(const QList<int>& walls, int state = cat::PlayerWall)
{
    cat::Cells cells{};
    for (const int n : walls)
        cells[n - 1] = state;
    return cells;
}

QList<int> range(int from, int to, int step = 1)
{
    QList<int> cells;
    for (int n = from; n <= to; n += step)
        cells << n;
    return cells;
}

const QList<int> border = range(1, 11) + range(12, 100, 11) + range(22, 110, 11) + range(111, 121);

} // namespace

class PlannerTest : public QObject {
    Q_OBJECT
private slots:
    void plan_data();
    void plan();
    void fixedWallsBlockLikePlayerWalls();
    void randomBoardsKeepTheFloodAndWayConsistent();
};

void PlannerTest::plan_data()
{
    QTest::addColumn<QList<int>>("walls");
    QTest::addColumn<int>("catCell");
    QTest::addColumn<cat::Outcome>("outcome");
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<Distances>("distances");
    QTest::addColumn<bool>("restUnreached"); // every cell not listed in distances is 99

    Distances fromCentre{{61, 0}, {50, 1}, {38, 2}, {27, 3}, {15, 4}};
    for (const int n : range(4, 9) + QList<int>{55, 56, 66, 77} + range(114, 119))
        fromCentre[n] = 5;
    QTest::newRow("no walls, cat in the centre: first of the nearest border cells")
        << QList<int>{} << 61 << cat::Outcome::WayFound << QList<int>{61, 50, 38, 27, 15, 4}
        << fromCentre << false;

    QTest::newRow("no walls, cat on row 1: border cells next to it are skipped")
        << QList<int>{} << 13 << cat::Outcome::WayFound << QList<int>{13, 2, 1}
        << Distances{{13, 0}, {2, 1}, {3, 1}, {12, 1}, {1, 2}, {4, 2}, {23, 2}} << false;

    QTest::newRow("no walls, cat on row 2 column 1")
        << QList<int>{} << 24 << cat::Outcome::WayFound << QList<int>{24, 12, 1}
        << Distances{{24, 0}, {12, 1}, {1, 2}} << false;

    QTest::newRow("row 1 walled: unreached top row loses to the left column, which beats right and bottom")
        << range(12, 22) << 61 << cat::Outcome::WayFound << QList<int>{61, 60, 59, 58, 57, 56}
        << Distances{{1, 99}, {11, 99}, {12, -1}, {22, -1}, {56, 5}, {55, 5}, {66, 5}, {114, 5}}
        << false;

    Distances walledIn{{61, 0}};
    for (const int n : {50, 51, 60, 62, 72, 73})
        walledIn[n] = -1;
    QTest::newRow("all six neighbours walls: caught, first border cell is the target")
        << QList<int>{50, 51, 60, 62, 72, 73} << 61 << cat::Outcome::Caught << QList<int>{1}
        << walledIn << true;

    QTest::newRow("unreached wall can be the target")
        << QList<int>{1, 50, 51, 60, 62, 72, 73} << 61 << cat::Outcome::Caught << QList<int>{1}
        << walledIn << true;

    Distances sealed{{61, 0}, {50, 1}};
    for (const int n : {38, 39, 49, 51, 60, 62, 72, 73})
        sealed[n] = -1;
    QTest::newRow("region of two cells sealed, wall not next to it stays 99")
        << QList<int>{38, 39, 40, 49, 51, 60, 62, 72, 73} << 61 << cat::Outcome::Caught
        << QList<int>{1} << sealed << false;

    QTest::newRow("whole border walled: corner 1 is unreached and caught")
        << border << 61 << cat::Outcome::Caught << QList<int>{1}
        << Distances{{1, 99}, {111, 99}, {2, -1}, {12, -1}, {11, -1}, {121, -1}, {61, 0}, {13, 6}}
        << false;

    QTest::newRow("free border cell beside the cat does not save it")
        << QList<int>{1, 4, 14, 23, 24, 25} << 13 << cat::Outcome::Caught << QList<int>{5}
        << Distances{{13, 0}, {2, 1}, {3, 1}, {12, 1}, {1, -1}, {4, -1}, {5, 99}} << false;

    QTest::newRow("cat cell below the board") << QList<int>{} << 0 << cat::Outcome::NoTarget
                                              << QList<int>{} << Distances{} << true;
    QTest::newRow("cat cell past the board") << QList<int>{} << 122 << cat::Outcome::NoTarget
                                             << QList<int>{} << Distances{} << true;
}

void PlannerTest::plan()
{
    QFETCH(QList<int>, walls);
    QFETCH(int, catCell);
    QFETCH(cat::Outcome, outcome);
    QFETCH(QList<int>, path);
    QFETCH(Distances, distances);
    QFETCH(bool, restUnreached);

    // Leftovers of an earlier turn must not survive a planning.
    std::array<int, 121> distance;
    distance.fill(3);
    std::vector<int> way{7, 7, 7};
    QCOMPARE(cat::plan(board(walls), catCell, distance, way), outcome);
    QCOMPARE(QList<int>(way.begin(), way.end()), path);
    for (int n = 1; n <= cat::cellCount; ++n) {
        if (distances.contains(n))
            QVERIFY2(distance[n - 1] == distances[n],
                     qPrintable(QStringLiteral("cell %1: %2").arg(n).arg(distance[n - 1])));
        else if (restUnreached)
            QVERIFY2(distance[n - 1] == 99, qPrintable(QStringLiteral("cell %1").arg(n)));
    }
}

void PlannerTest::fixedWallsBlockLikePlayerWalls()
{
    std::array<int, 121> distance{};
    std::vector<int> way;
    QCOMPARE(cat::plan(board({38, 39, 49, 51, 60, 62, 72, 73}, cat::FixedWall), 61, distance, way),
             cat::Outcome::Caught);
    QCOMPARE(distance[49], 1);
    QCOMPARE(distance[37], -1);
}

// Checks the planner's result against what the distances mean, on boards with
// walls strewn at random: each reached cell is one step from a cell one
// nearer and no neighbour is nearer still; walls get -1 exactly when they
// touch the region; the way is a chain of neighbours to the nearest border cell.
void PlannerTest::randomBoardsKeepTheFloodAndWayConsistent()
{
    std::mt19937 generator(20260);
    for (int round = 0; round < 3000; ++round) {
        cat::Cells cells{};
        const int wallCount = static_cast<int>(generator() % 70);
        for (int k = 0; k < wallCount; ++k)
            cells[generator() % 121] = 1 + static_cast<int>(generator() % 2);
        const int catCell = 1 + static_cast<int>(generator() % 121);
        cells[catCell - 1] = cat::Free;

        std::array<int, 121> d{};
        std::vector<int> way;
        const cat::Outcome outcome = cat::plan(cells, catCell, d, way);
        const auto dist = [&](int n) { return d[n - 1]; };

        for (int n = 1; n <= cat::cellCount; ++n) {
            const cat::Neighbours around = cat::neighbours(n);
            bool touchesRegion = false;
            int nearest = 1000;
            for (const int m : around)
                if (m != 0 && cells[m - 1] == cat::Free && dist(m) >= 0 && dist(m) < 99) {
                    touchesRegion = true;
                    nearest = std::min(nearest, dist(m));
                }
            if (n == catCell)
                QCOMPARE(dist(n), 0);
            else if (cells[n - 1] != cat::Free)
                QCOMPARE(dist(n), touchesRegion ? -1 : 99);
            else if (touchesRegion)
                QCOMPARE(dist(n), nearest + 1);
            else
                QCOMPARE(dist(n), 99);
        }

        int best = 1000;
        for (const int n : border)
            if (dist(n) >= 2)
                best = std::min(best, dist(n));
        QVERIFY(best < 1000); // the two left corners never both sit within one step of the cat
        if (best == 99) {
            QCOMPARE(outcome, cat::Outcome::Caught);
            QCOMPARE(way.size(), std::size_t{1});
            QCOMPARE(dist(way[0]), 99);
            continue;
        }
        QCOMPARE(outcome, cat::Outcome::WayFound);
        QCOMPARE(way.front(), catCell);
        QCOMPARE(dist(way.back()), best);
        QVERIFY(cat::isBorder(way.back()));
        for (const int n : border)
            if (n == way.back())
                break;
            else
                QVERIFY(dist(n) < 2 || dist(n) > best);
        QCOMPARE(static_cast<int>(way.size()), best + 1);
        for (std::size_t k = 1; k < way.size(); ++k) {
            QCOMPARE(dist(way[k]), static_cast<int>(k));
            const cat::Neighbours around = cat::neighbours(way[k]);
            QVERIFY(std::find(around.begin(), around.end(), way[k - 1]) != around.end());
        }
    }
}

QTEST_GUILESS_MAIN(PlannerTest)
#include "planner_test.moc"
