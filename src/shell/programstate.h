#pragma once
// The program-wide variables: created by main() before the main window and
// alive until the process ends. Each subsystem touches only its own fields.
#include "core/text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct CatGameState {
    std::array<std::int32_t, 121> cells{};    // entry n - 1 for cell n: 0 free, 1 player wall, 2 fixed wall
    std::int32_t gameState = 0;               // 0 none yet, 1 in play, 2 over
    std::int32_t catCell = 0;
    std::vector<std::int32_t> path;
    std::array<std::int32_t, 121> distance{};
};

struct ProgramState {
    std::string skinEnginePath;
    std::int32_t hiddenNumber = 0;
    std::int32_t guessLimit = 0;
    std::string bannerText;
    std::int32_t snapshotCounter = 0;
    std::string levelCaption;
    CatGameState cat;
    text::Random random;
};
