#pragma once
// The drawing canvas: a widget that paints a backing image, so it keeps what
// was drawn on it when covered and uncovered. Colours cross this interface as
// r + 256 g + 65536 b, red in the low byte.
#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>

namespace gui {

class Canvas : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor background READ background WRITE setBackground)
public:
    explicit Canvas(QWidget* parent = nullptr);

    QColor background() const { return background_; }
    // Also clears the drawing to the new colour.
    void setBackground(const QColor& colour);
    void clear();

    // Copies picture with its top-left corner at (x, y), clipped to the canvas.
    void draw(const QImage& picture, int x, int y);
    // The same, leaving out the pixels of the transparent colour (and fully
    // transparent ones).
    void draw(const QImage& picture, int x, int y, std::uint32_t transparent);

    // The colour at (x, y); the background colour outside the canvas.
    std::uint32_t pixel(int x, int y) const;
    const QImage& image() const { return image_; }

    static std::uint32_t colourValue(QRgb rgb);

signals:
    // Left mouse button pressed, in canvas pixels.
    void pressed(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Brings the image to the widget's size, keeping what it holds.
    void fitToSize();
    void copy(const QImage& picture, int x, int y, bool keyed, QRgb key);

    QColor background_{Qt::white};
    QImage image_;
};

} // namespace gui
