#pragma once
// The loudspeaker banner: a message that enters at the right end of the strip
// and moves left as each tick of 时钟4 cuts two bytes off the front of a text
// that starts with a lead-in of spaces.
#include <string>

class QTimer;
namespace Ui { class MainWindow; }

class Banner {
public:
    // bannerText is the program-wide text that carries the caption through a
    // tick.
    Banner(Ui::MainWindow& ui, QTimer& 时钟4, std::string& bannerText);

    // Replaces whatever scrolls with the message in 编辑框11 behind a fresh
    // lead-in and empties 编辑框11. Also run by the prize draw.
    void push();

    void 按钮16_clicked();
    void 时钟4_tick();

    // Spaces in front of every message.
    static constexpr int leadIn = 369;

private:
    // Puts the label so that the text after the lead-in starts exactly at the
    // right end of the visible strip, whatever the width of a space. Done at
    // the first push, not at start: measuring loads the banner's font, which
    // an empty banner does not need.
    void placeLabel();

    bool placed_ = false;
    Ui::MainWindow& ui_;
    QTimer& 时钟4_;
    std::string& bannerText_;
};
