#pragma once
// Windows: state codes, centring and loading.
#include <QPointer>
#include <QWidget>

namespace gui {

// 2 minimised, 3 maximised, else 0.
int windowState(const QWidget* window);
// 0 normal, 1 restore and centre on the screen, 2 minimise, 3 maximise.
void setWindowState(QWidget* window, int state);
void centreOnScreen(QWidget* window);

// Shows window modally for all of the program's windows and returns once it
// has been destroyed. The window must have WA_DeleteOnClose semantics.
void loadModal(QWidget* window);

// Modeless loading with no copy: when open holds a live window it is restored
// if minimised, else activated; otherwise make() creates one, which is shown.
template <class Window, class Make>
Window* loadModeless(QPointer<Window>& open, Make make)
{
    if (open) {
        if (open->isMinimized())
            open->showNormal();
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    open = make();
    open->setAttribute(Qt::WA_DeleteOnClose);
    open->show();
    return open;
}

} // namespace gui
