#pragma once
// The overlay panels over the upper tally: the settings panel opened and
// closed by 按钮20, and the level, prank and dice panels opened from the games
// page. Showing a panel never hides another; their stacking decides what is seen.
class QWidget;
namespace Ui { class MainWindow; }

class Panels {
public:
    // Connects 按钮20, 按钮21, 按钮23, 按钮28, 按钮31, 按钮32 and 按钮34.
    explicit Panels(Ui::MainWindow& ui);

    // Opens the settings panel when 按钮20 reads "更多设置"; otherwise closes
    // every tab-control panel (the dice panel stays). Also the action of 按钮23.
    void 按钮20_clicked();

private:
    void 按钮21_clicked();
    void 按钮28_clicked();
    void 按钮31_clicked();
    void 按钮32_clicked();
    void 按钮34_clicked();
    void hide(QWidget* panel);

    Ui::MainWindow& ui_;
};
