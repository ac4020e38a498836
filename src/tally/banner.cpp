#include "tally/banner.h"

#include "core/text.h"
#include "gui/controls.h"
#include "ui_mainwindow.h"

#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

// Where the visible strip of the banner ends, in the coordinates of its group box.
constexpr int stripRightEnd = 261;

constexpr int tickPeriodMs = 300;

// Runs a function whenever the watched widget's font changes; a child of it.
class FontWatch : public QObject {
public:
    FontWatch(QWidget* widget, std::function<void()> changed)
        : QObject(widget), changed_(std::move(changed))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            changed_();
        return false;
    }

private:
    std::function<void()> changed_;
};

} // namespace

Banner::Banner(Ui::MainWindow& ui, QTimer& 时钟4, std::string& bannerText)
    : ui_(ui), 时钟4_(时钟4), bannerText_(bannerText)
{
    QLabel* label = ui.标签1;
    // A host's message is shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    // The white copy of the text one pixel right and down, under the red one.
    auto* shadow = new QGraphicsDropShadowEffect(label);
    shadow->setBlurRadius(0);
    shadow->setOffset(1, 1);
    shadow->setColor(Qt::white);
    label->setGraphicsEffect(shadow);
    placeLabel();
    // The window sets the banner font after the controls are wired, and a
    // skin may change it later: the place follows the font.
    new FontWatch(label, [this] { placeLabel(); });

    QObject::connect(ui.按钮16, &QPushButton::clicked, ui.按钮16, [this] { 按钮16_clicked(); });
    QObject::connect(&时钟4, &QTimer::timeout, label, [this] { 时钟4_tick(); });
}

void Banner::placeLabel()
{
    QLabel* label = ui_.标签1;
    const int leadInWidth = QFontMetrics(label->font()).horizontalAdvance(QString(leadIn, QLatin1Char(' ')));
    const QMargins margins = label->contentsMargins();
    const int textOffset = margins.left() + label->margin() + std::max(0, label->indent());
    const int left = stripRightEnd - leadInWidth - textOffset;
    label->setGeometry(left, label->y(), stripRightEnd - left, label->height());
}

void Banner::push()
{
    gui::setText(ui_.标签1, text::blanks(leadIn) + gui::text(ui_.编辑框11));
    gui::setText(ui_.编辑框11, "");
}

void Banner::按钮16_clicked()
{
    push();
}

void Banner::时钟4_tick()
{
    if (时钟4_.interval() != tickPeriodMs)
        时钟4_.setInterval(tickPeriodMs);
    bannerText_ = gui::text(ui_.标签1);
    gui::setText(ui_.标签1, text::right(bannerText_, text::length(bannerText_) - 2));
}
