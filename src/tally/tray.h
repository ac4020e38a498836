#pragma once
// The tray icon and its menu, and hiding the main window on minimise.
class QWidget;
namespace Ui { class MainWindow; }

class Tray {
public:
    Tray(QWidget& mainWindow, Ui::MainWindow& ui);

    // Puts the icon into the tray; run by the main window's creation handler.
    void install();
    // Run on a change of the main window's state: a minimise hides the window.
    void mainWindowStateChanged();

private:
    QWidget& mainWindow_;
    Ui::MainWindow& ui_;
};
