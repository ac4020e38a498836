#pragma once
// The cat's step planner: distance flood from the cat, choice of the border
// cell to run for, and the way back from it to the cat.
#include <array>
#include <vector>

namespace cat {

enum class Outcome {
    WayFound, // path holds the way [cat, p1, ..., target], p_k k steps from the cat
    NoTarget, // no border cell is 2 or more steps away; path is empty
    Caught,   // the target lies outside the cat's region; path holds only the target
};

// cells and distance hold entry n - 1 for cell n. distance is rewritten: 0 at
// the cat, steps from the cat for the free cells it can reach, -1 for walls
// next to those, 99 for every other cell. A catCell that is no cell gives
// NoTarget with every distance 99.
Outcome plan(const std::array<int, 121>& cells, int catCell, std::array<int, 121>& distance,
             std::vector<int>& path);

} // namespace cat
