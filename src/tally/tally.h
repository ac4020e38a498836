#pragma once
// The team tally: quick and custom adds to the two teams' totals, the gap
// between them, team names and the reset of the whole board.
class QTimer;
namespace Ui { class MainWindow; }

class Tally {
public:
    // Connects the tally's buttons and the gap refresh on 时钟2.
    Tally(Ui::MainWindow& ui, QTimer& 时钟2);

private:
    Ui::MainWindow& ui_;
};
