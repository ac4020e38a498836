#pragma once
// The main window: the host's working surface with the tally, the banner and
// the overlay panels. Built from forms/mainwindow.ui; the subsystems attached
// to it connect their own controls.
#include "calc/calculator.h"
#include "cat/catwindow.h"
#include "tally/banner.h"
#include "tally/panels.h"
#include "tally/snapshot.h"
#include "tally/tally.h"
#include "tally/tray.h"
#include "ui_mainwindow.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

struct ProgramState;

class MainWindow : public QWidget {
public:
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);

    Ui::MainWindow& ui() { return ui_; }
    Banner& banner() { return banner_; }
    Tally& tally() { return tally_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Builds the controls with their looks; the subsystems connect to them after.
    Ui::MainWindow& setupForm();
    // The creation handler: runs once the controls exist, before the first show.
    void created();
    void setupLook();
    void setupSettingsTabs();
    void 按钮35_clicked();

    ProgramState& state_;
    Ui::MainWindow ui_;
    Panels panels_;
    // Children of the window, so they are found by name like the controls.
    QTimer 时钟2_{this};
    QTimer 时钟3_{this};
    QTimer 时钟4_{this};
    Tally tally_;
    Banner banner_;
    Tray tray_;
    Snapshot snapshot_;
    Calculator calculator_;
    QPointer<CatWindow> catWindow_;
};
