#include "gui/snapshot.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

namespace gui {

QImage grabAsShown(QWidget* window)
{
    if (!window)
        return {};
    const QRect frame = window->frameGeometry();
    if (QScreen* screen = window->screen(); screen && window->isVisible()) {
        // grabWindow(0, ...) takes global coordinates relative to the screen's
        // virtual desktop origin.
        const QPoint origin = screen->geometry().topLeft();
        const QPixmap shot = screen->grabWindow(0, frame.x() - origin.x(), frame.y() - origin.y(),
                                                frame.width(), frame.height());
        if (!shot.isNull() && shot.size() == frame.size() * shot.devicePixelRatio())
            return shot.toImage();
    }
    return window->grab().toImage();
}

bool saveBmp(const QImage& picture, const QString& path)
{
    if (picture.isNull())
        return false;
    // Written atomically, so a failed write never leaves a half file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!picture.save(&file, "BMP"))
        return false;
    return file.commit();
}

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace gui
