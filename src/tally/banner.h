#pragma once
// The loudspeaker banner: a message that enters from the right of the strip
// and moves left two bytes per tick of 时钟4.
#include <string>

class QTimer;
namespace Ui { class MainWindow; }

class Banner {
public:
    // bannerText is the scrolling text, owned by the program state.
    Banner(Ui::MainWindow& ui, QTimer& 时钟4, std::string& bannerText);

    // Replaces the scrolling text with the message in 编辑框11 and empties it.
    void push();

private:
    Ui::MainWindow& ui_;
    QTimer& 时钟4_;
    std::string& bannerText_;
};
