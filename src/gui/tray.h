#pragma once
// The notification area: whether there is one, and its events as the program's
// event types.
#include <QSystemTrayIcon>
#include <vector>

namespace gui {

// False under the offscreen platform and on desktops without a tray host.
bool systemTrayAvailable();

// Event types: 1 left button released, 2 left double click, 3 right button or
// context-menu key; other reasons give none. A double click reports 2 and
// then 1, as the left release that ends it does on Windows, so that with the
// click that started it (a Trigger on X11) it toggles the window twice.
std::vector<int> trayEventTypes(QSystemTrayIcon::ActivationReason reason);

} // namespace gui
