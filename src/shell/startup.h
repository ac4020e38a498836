#pragma once
// The steps of the start-up that prepare the program-wide state before the
// main window is loaded.
#include <string_view>

struct ProgramState;

namespace shell {

// The current folder becomes the program's own folder.
void enterRunDirectory();
// Registers the routine that releases state's texts and lists at exit.
void registerCleanUp(ProgramState& state);
// Sets state.skinEnginePath from the candidate (see skinlocation.h).
void locateSkinEngine(ProgramState& state, std::string_view candidate);
// Writes the embedded engine to "jedata.dll" in the current folder, replacing
// whatever is there (a failure is not reported), and locates the engine with
// that path.
void writeOutSkinEngine(ProgramState& state);

} // namespace shell
