#pragma once
// The team tally: quick and custom adds to the two teams' totals, the gap
// between them, team labels and the reset of the whole board. Its only state
// is the text of the main window's controls.
class QTimer;
class QWidget;
namespace Ui { class MainWindow; }

class Tally {
public:
    // Connects the tally's buttons and the gap refresh on 时钟2.
    Tally(Ui::MainWindow& ui, QTimer& 时钟2);

    void 按钮8_clicked();
    void 按钮15_clicked();
    void 按钮17_clicked();
    void 按钮1_clicked();
    void 时钟2_tick();

private:
    // The twelve quick-add buttons: total := total + amount.
    void quickAdd(QWidget* total, double amount);

    Ui::MainWindow& ui_;
};
