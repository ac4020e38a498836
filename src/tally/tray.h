#pragma once
// The tray icon and its menu, and hiding the main window on minimise, so the
// window stays reachable from the notification area.
#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;
namespace Ui { class MainWindow; }

// The author's contact page: opened by "联系作者" and by the portrait button.
inline constexpr char contactAddress[] = "https://example.org/contact?account=20230345";

class Tray {
public:
    // The icon and the menu are children of the main window.
    Tray(QWidget& mainWindow, Ui::MainWindow& ui);

    // Puts the icon into the tray; run by the main window's creation handler.
    void install();
    // Run on a change of the main window's state: a minimise hides the window
    // when the tray can bring it back; without a tray it stays minimised.
    void mainWindowStateChanged();

    // 1 left click, 2 double click, 3 right click.
    void trayEvent(int type);
    void 打开界面_triggered();
    void 联系作者_triggered();
    void 关闭程序_triggered();
    void 图形按钮1_clicked();

    QSystemTrayIcon& icon() { return *icon_; }
    QMenu& menu() { return *menu_; }

    // Whether the desktop has a tray; asked at each minimise. Tests replace it.
    std::function<bool()> trayAvailable;

private:
    void restoreAndCentre();

    QWidget& mainWindow_;
    QSystemTrayIcon* icon_;
    QMenu* menu_;
};
