#pragma once
// The main window: the host's working surface with the tally, the banner and
// the overlay panels. Built from forms/mainwindow.ui; the subsystems attached
// to it connect their own controls.
#include "ui_mainwindow.h"

#include <QTimer>
#include <QWidget>

struct ProgramState;

class MainWindow : public QWidget {
public:
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);

    Ui::MainWindow& ui() { return ui_; }

private:
    // The creation handler: runs once the controls exist, before the first show.
    void created();
    void setupLook();

    ProgramState& state_;
    Ui::MainWindow ui_;
    QTimer 时钟2_;
    QTimer 时钟3_;
    QTimer 时钟4_;
};
