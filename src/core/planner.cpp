#include "core/planner.h"

#include "core/board.h"

#include <algorithm>

namespace cat {

namespace {

constexpr int unreached = 99;

// Top row left to right, left column and right column of rows 1-9 top to
// bottom, bottom row left to right: the order that breaks ties between
// equally near targets.
constexpr std::array<int, 40> borderList = [] {
    std::array<int, 40> list{};
    int k = 0;
    for (int i = 1; i <= 11; ++i)
        list[k++] = i;
    for (int i = 1; i <= 9; ++i)
        list[k++] = 11 * i + 1;
    for (int i = 1; i <= 9; ++i)
        list[k++] = 11 * (i + 1);
    for (int i = 1; i <= 11; ++i)
        list[k++] = 110 + i;
    return list;
}();

int& at(std::array<int, 121>& values, int n)
{
    return values[static_cast<std::size_t>(n - 1)];
}

int at(const std::array<int, 121>& values, int n)
{
    return values[static_cast<std::size_t>(n - 1)];
}

// Breadth-first, so each cell is settled once and no recursion is needed; it
// leaves the same array as the depth-first flood the rules describe, whose
// result does not depend on the order of visits. Walls met from the region
// get -1.
void flood(const std::array<int, 121>& cells, int catCell, std::array<int, 121>& distance)
{
    std::array<int, 121> queue{};
    std::size_t head = 0;
    std::size_t tail = 0;
    queue[tail++] = catCell;
    while (head < tail) {
        const int a = queue[head++];
        for (const int m : neighbours(a)) {
            if (m == 0)
                continue;
            if (at(cells, m) != Free)
                at(distance, m) = -1;
            else if (at(distance, m) > at(distance, a) + 1) {
                at(distance, m) = at(distance, a) + 1;
                queue[tail++] = m;
            }
        }
    }
}

// The border cell at distance 2 or more that is nearest; the earlier one in
// the border list among equals. Unreached cells (99) take part. 0 for none.
int chooseTarget(const std::array<int, 121>& distance)
{
    int target = 0;
    for (const int n : borderList) {
        if (at(distance, n) < 2)
            continue;
        if (target == 0 || at(distance, n) < at(distance, target))
            target = n;
    }
    return target;
}

// Walks from the target toward the cat, taking at each step the first slot
// one step nearer. Fills path in walking order.
Outcome traceBack(const std::array<int, 121>& distance, int catCell, int target,
                  std::vector<int>& path)
{
    std::vector<int> reversed{target};
    Outcome outcome = Outcome::WayFound;
    for (int t = target; at(distance, t) != 1;) {
        const Neighbours slots = neighbours(t);
        const int want = at(distance, t) - 1;
        const auto next = std::find_if(slots.begin(), slots.end(),
                                       [&](int m) { return m != 0 && at(distance, m) == want; });
        if (next == slots.end()) {
            outcome = Outcome::Caught;
            break;
        }
        t = *next;
        reversed.push_back(t);
    }
    if (outcome == Outcome::WayFound)
        reversed.push_back(catCell);
    path.assign(reversed.rbegin(), reversed.rend());
    return outcome;
}

} // namespace

Outcome plan(const std::array<int, 121>& cells, int catCell, std::array<int, 121>& distance,
             std::vector<int>& path)
{
    path.clear();
    distance.fill(unreached);
    if (!isCell(catCell))
        return Outcome::NoTarget;
    at(distance, catCell) = 0;
    flood(cells, catCell, distance);
    const int target = chooseTarget(distance);
    if (target == 0)
        return Outcome::NoTarget;
    return traceBack(distance, catCell, target, path);
}

} // namespace cat
