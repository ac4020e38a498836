#include "gui/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace gui {

Canvas::Canvas(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitToSize();
}

void Canvas::setBackground(const QColor& colour)
{
    background_ = colour;
    clear();
}

void Canvas::clear()
{
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(background_);
    update();
}

void Canvas::draw(const QImage& picture, int x, int y)
{
    copy(picture, x, y, false, 0);
}

void Canvas::draw(const QImage& picture, int x, int y, std::uint32_t transparent)
{
    copy(picture, x, y, true, qRgb(transparent & 0xFF, (transparent >> 8) & 0xFF, (transparent >> 16) & 0xFF));
}

void Canvas::copy(const QImage& picture, int x, int y, bool keyed, QRgb key)
{
    fitToSize();
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const QRect target = QRect(x, y, source.width(), source.height()) & image_.rect();
    for (int ty = target.top(); ty <= target.bottom(); ++ty) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(ty - y));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(ty));
        for (int tx = target.left(); tx <= target.right(); ++tx) {
            const QRgb colour = from[tx - x];
            if (qAlpha(colour) == 0 || (keyed && (colour & 0xFFFFFF) == (key & 0xFFFFFF)))
                continue;
            to[tx] = colour | 0xFF000000u;
        }
    }
    update(target);
}

std::uint32_t Canvas::pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return colourValue(background_.rgb());
    return colourValue(image_.pixel(x, y));
}

std::uint32_t Canvas::colourValue(QRgb rgb)
{
    return std::uint32_t(qRed(rgb)) + 256u * std::uint32_t(qGreen(rgb)) + 65536u * std::uint32_t(qBlue(rgb));
}

void Canvas::paintEvent(QPaintEvent* event)
{
    fitToSize();
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void Canvas::resizeEvent(QResizeEvent* event)
{
    fitToSize();
    QWidget::resizeEvent(event);
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        emit pressed(at.x(), at.y());
    }
    event->accept();
}

void Canvas::fitToSize()
{
    if (image_.size() == size())
        return;
    QImage fitted(size(), QImage::Format_RGB32);
    fitted.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(0, 0, image_);
    }
    image_ = fitted;
}

} // namespace gui
