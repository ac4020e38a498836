#pragma once
// "猫眼快照": saves a picture of the main window as shown on the user's
// desktop, numbered by the snapshots of this run.
#include <cstdint>

class QWidget;
namespace Ui { class MainWindow; }

class Snapshot {
public:
    // counter is the program-wide snapshot number, raised before each save.
    Snapshot(QWidget& mainWindow, Ui::MainWindow& ui, std::int32_t& counter);

    void 按钮18_clicked();

private:
    QWidget& mainWindow_;
    std::int32_t& counter_;
};
