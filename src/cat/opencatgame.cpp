#include "cat/opencatgame.h"

#include "gui/tray.h"
#include "gui/windows.h"

void openCatGame(QPointer<CatWindow>& open, CatGameState& game, text::Random& random, QWidget& mainWindow)
{
    const bool fresh = !open;
    CatWindow* window = gui::loadModeless(open, [&] { return new CatWindow(game, random); });
    // The main window is hidden, not gone: closing the game must not count as
    // closing the program's last window.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    if (fresh && !gui::systemTrayAvailable()) {
        // Shown while the cat window is still visible, so closing it is never
        // taken for closing the program's last window.
        QObject::connect(window, &CatWindow::closing, &mainWindow, [&mainWindow] { mainWindow.show(); });
    }
    mainWindow.hide();
}
