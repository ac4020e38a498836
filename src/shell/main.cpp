// Vorlix: the host's gift tally and entertainment tool for a live room.
#include "gui/program.h"
#include "shell/programstate.h"
#include "shell/startup.h"
#include "tally/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shell::enterRunDirectory();
    ProgramState state;
    shell::registerCleanUp(state);
    shell::locateSkinEngine(state, "");
    shell::writeOutSkinEngine(state);

    // Closing the main window destroys it, as closing any loaded window does.
    auto* mainWindow = new MainWindow(state);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    app.exec();

    gui::destroyWindows();
    gui::runExitRoutines();
    return 0;
}
