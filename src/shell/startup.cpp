#include "shell/startup.h"

#include "gui/controls.h"
#include "gui/program.h"
#include "shell/embeddedskin.h"
#include "shell/programstate.h"
#include "shell/skinlocation.h"

#include <QDir>

namespace shell {

namespace {

ProgramState* cleanedUpState = nullptr;

// Releases the program-wide texts and lists in the order they were declared.
void releaseProgramState()
{
    if (!cleanedUpState)
        return;
    ProgramState& state = *cleanedUpState;
    std::string().swap(state.skinEnginePath);
    std::string().swap(state.bannerText);
    std::string().swap(state.levelCaption);
    state.cat.cells.fill(0);
    std::vector<std::int32_t>().swap(state.cat.path);
    state.cat.distance.fill(0);
}

} // namespace

void enterRunDirectory()
{
    QDir::setCurrent(gui::runDirectory());
}

void registerCleanUp(ProgramState& state)
{
    cleanedUpState = &state;
    gui::registerExitRoutine(&releaseProgramState);
}

void locateSkinEngine(ProgramState& state, std::string_view candidate)
{
    const SkinSearch search{
        gui::encode(gui::runDirectory()),
        gui::encode(gui::systemDirectory()),
        char(QDir::separator().toLatin1()),
        [](const std::string& path) { return gui::fileExists(gui::decode(path)); },
    };
    state.skinEnginePath = shell::locateSkinEngine(candidate, search);
}

void writeOutSkinEngine(ProgramState& state)
{
    const std::string path = gui::encode(QDir(gui::currentDirectory()).filePath("jedata.dll"));
    gui::writeBytes(gui::decode(path), embeddedSkinEngine()); // a read-only folder is no reason to stop
    locateSkinEngine(state, path);
}

} // namespace shell
