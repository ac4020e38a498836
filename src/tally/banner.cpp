#include "tally/banner.h"

#include "core/text.h"
#include "gui/controls.h"
#include "ui_mainwindow.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <functional>

namespace {

// Where the visible strip of the banner ends, in the coordinates of its group box.
constexpr int stripRightEnd = 261;

constexpr int tickPeriodMs = 300;

// Where the label's text starts: its contents less its margin.
QRect textArea(const QLabel* label)
{
    const int m = label->margin();
    return label->contentsRect().adjusted(m, m, -m, -m);
}

// Paints the banner label (red text over a white copy one pixel right and
// down, only where the label is exposed, which is the visible strip) and
// reports its font changes. A child of the label.
class BannerLook : public QObject {
public:
    BannerLook(QLabel* label, std::function<void()> fontChanged)
        : QObject(label), fontChanged_(std::move(fontChanged))
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            fontChanged_();
        if (event->type() != QEvent::Paint)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        // Nothing to draw; laying out even an empty text would load the font.
        if (label->text().isEmpty())
            return true;
        QPainter painter(label);
        painter.setClipRegion(static_cast<QPaintEvent*>(event)->region());
        painter.setFont(label->font());
        const QRect area = textArea(label);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter.setPen(Qt::white);
        painter.drawText(area.translated(1, 1), flags, label->text());
        painter.setPen(QColor(255, 0, 0));
        painter.drawText(area, flags, label->text());
        return true;
    }

private:
    std::function<void()> fontChanged_;
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
    // The window sets the banner font after the controls are wired, and a
    // skin may change it later: the place follows the font.
    new BannerLook(label, [this] {
        placed_ = false;
        if (!ui_.标签1->text().isEmpty())
            placeLabel();
    });

    QObject::connect(ui.按钮16, &QPushButton::clicked, ui.按钮16, [this] { 按钮16_clicked(); });
    QObject::connect(&时钟4, &QTimer::timeout, label, [this] { 时钟4_tick(); });
}

void Banner::placeLabel()
{
    QLabel* label = ui_.标签1;
    const int leadInWidth = QFontMetrics(label->font()).horizontalAdvance(QString(leadIn, QLatin1Char(' ')));
    const int textOffset = textArea(label).left();
    const int left = stripRightEnd - leadInWidth - textOffset;
    label->setGeometry(left, label->y(), stripRightEnd - left, label->height());
    placed_ = true;
}

void Banner::push()
{
    if (!placed_)
        placeLabel();
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
