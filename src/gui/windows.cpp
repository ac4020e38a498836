#include "gui/windows.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

namespace gui {

int windowState(const QWidget* window)
{
    if (window->isMinimized())
        return 2;
    if (window->isMaximized())
        return 3;
    return 0;
}

void setWindowState(QWidget* window, int state)
{
    switch (state) {
    case 1:
        window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        centreOnScreen(window);
        break;
    case 2:
        window->setWindowState((window->windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case 3:
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    default:
        window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    }
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is known only once the window manager has framed the window;
    // before that the client size is the best guess.
    const QSize size = window->isVisible() ? window->frameGeometry().size() : window->size();
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

void loadModal(QWidget* window)
{
    QPointer<QWidget> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    // The window may already be gone if showing it ran a handler that closed it.
    if (alive)
        loop.exec(QEventLoop::DialogExec);
}

} // namespace gui
