// Vorlix: the host's gift tally and entertainment tool for a live room.
#include "gui/program.h"
#include "shell/programstate.h"
#include "shell/startup.h"
#include "tally/mainwindow.h"

#include <QApplication>
#include <QPointer>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::enterRunDirectory();
    ProgramState state;
    shell::registerCleanUp(state);
    shell::locateSkinEngine(state, "");
    shell::writeOutSkinEngine(state);

    auto mainWindow = std::make_unique<MainWindow>(state);
    mainWindow->show();
    app.exec();

    // The windows go first, then the exit routines, as endProgram() does.
    mainWindow.reset();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const auto& window : std::as_const(windows))
        delete window.data();
    gui::runExitRoutines();
    return 0;
}
