// One planning runs per click on the cat board; it should cost microseconds.
#include "core/planner.h"

#include <benchmark/benchmark.h>

namespace {

void runPlanning(benchmark::State& state, const std::array<int, 121>& cells, int catCell)
{
    std::array<int, 121> distance{};
    std::vector<int> path;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cat::plan(cells, catCell, distance, path));
        benchmark::DoNotOptimize(path.data());
    }
    state.counters["way_cells"] = static_cast<double>(path.size());
}

void planFromCorner(benchmark::State& state)
{
    // Cell 13 sits next to corner 1: the flood covers the whole empty board.
    runPlanning(state, {}, 13);
}
BENCHMARK(planFromCorner);

void planAmongManyWalls(benchmark::State& state)
{
    std::array<int, 121> cells{};
    // The whole border walled but for cell 6, and two wall rows with gaps at
    // opposite ends: the cat's way winds through the board.
    for (int n = 1; n <= 121; ++n) {
        const int row = (n - 1) / 11;
        const int column = (n - 1) % 11;
        const bool onBorder = row == 0 || row == 10 || column == 0 || column == 10;
        if ((onBorder && n != 6) || (row == 3 && column <= 8) || (row == 7 && column >= 2))
            cells[n - 1] = 1;
    }
    runPlanning(state, cells, 61);
}
BENCHMARK(planAmongManyWalls);

} // namespace
