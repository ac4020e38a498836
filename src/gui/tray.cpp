#include "gui/tray.h"

namespace gui {

bool systemTrayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::vector<int> trayEventTypes(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return {1};
    case QSystemTrayIcon::DoubleClick:
        return {2, 1};
    case QSystemTrayIcon::Context:
        return {3};
    default:
        return {};
    }
}

} // namespace gui
