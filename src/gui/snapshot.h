#pragma once
// Pictures of windows as they are shown, saved as BMP files.
#include <QImage>
#include <QString>

class QWidget;

namespace gui {

// The window as it is on the screen, with the window manager's frame where
// the platform can copy the screen; otherwise the window's own rendering.
QImage grabAsShown(QWidget* window);

// Writes the picture as a BMP file, replacing one of the same name; false when
// the file could not be written. Creates no folder.
bool saveBmp(const QImage& picture, const QString& path);

// The current user's desktop folder.
QString desktopFolder();

} // namespace gui
