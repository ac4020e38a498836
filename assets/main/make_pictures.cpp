// Draws the main window's pictures: the pink-heart icon, the loudspeaker
// and the contact-page portrait. Run it with the output folder as argument;
// the PNG files it writes are the ones committed beside it.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>
#include <cstdio>

namespace {

QImage blank(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A heart from two cubic halves, symmetric about x = 32.
QImage heart()
{
    QImage image = blank(64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(32, 58);
    path.cubicTo(8, 42, 0, 26, 6, 15);
    path.cubicTo(12, 4, 28, 4, 32, 17);
    path.cubicTo(36, 4, 52, 4, 58, 15);
    path.cubicTo(64, 26, 56, 42, 32, 58);
    QRadialGradient fill(QPointF(22, 20), 44);
    fill.setColorAt(0, QColor(255, 190, 215));
    fill.setColorAt(0.5, QColor(255, 105, 170));
    fill.setColorAt(1, QColor(215, 40, 120));
    p.setPen(QPen(QColor(170, 20, 90), 2));
    p.setBrush(fill);
    p.drawPath(path);
    // A soft highlight on the upper left lobe.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(QRectF(13, 13, 10, 7));
    return image;
}

QImage loudspeaker()
{
    QImage image = blank(256);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Horn body: a box and a flaring cone.
    QLinearGradient metal(0, 60, 0, 196);
    metal.setColorAt(0, QColor(255, 214, 90));
    metal.setColorAt(1, QColor(220, 140, 20));
    p.setPen(QPen(QColor(120, 70, 10), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(24, 98, 52, 60), 8, 8);
    QPainterPath cone;
    cone.moveTo(76, 104);
    cone.lineTo(150, 40);
    cone.lineTo(150, 216);
    cone.lineTo(76, 152);
    cone.closeSubpath();
    p.drawPath(cone);
    p.setBrush(QColor(250, 235, 200));
    p.drawEllipse(QRectF(136, 40, 28, 176));
    // Sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 40, 40), 10, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 30 + 26 * i;
        p.drawArc(QRectF(150 - r, 128 - r, 2 * r, 2 * r).translated(10, 0), -50 * 16, 100 * 16);
    }
    return image;
}

// A drawn cartoon face; it portrays nobody.
QImage portrait()
{
    QImage image(90, 90, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(150, 200, 255));
    sky.setColorAt(1, QColor(225, 240, 255));
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(QColor(90, 60, 40), 1.5));
    p.setBrush(QColor(70, 140, 220));              // shoulders
    p.drawEllipse(QRectF(12, 70, 66, 44));
    p.setBrush(QColor(255, 222, 190));             // neck and face
    p.drawRect(QRectF(38, 58, 14, 14));
    p.drawEllipse(QRectF(22, 18, 46, 50));
    p.setBrush(QColor(60, 40, 30));                // hair
    QPainterPath hair;
    hair.moveTo(21, 42);
    hair.cubicTo(16, 10, 74, 6, 69, 42);
    hair.cubicTo(60, 26, 34, 24, 21, 42);
    p.drawPath(hair);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 30));                // eyes
    p.drawEllipse(QRectF(34, 40, 5, 6));
    p.drawEllipse(QRectF(51, 40, 5, 6));
    p.setBrush(QColor(255, 150, 150, 150));        // cheeks
    p.drawEllipse(QRectF(28, 49, 8, 5));
    p.drawEllipse(QRectF(54, 49, 8, 5));
    p.setPen(QPen(QColor(170, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);                       // smile
    p.drawArc(QRectF(37, 46, 16, 12), -20 * 16, -140 * 16);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const struct { const char* name; QImage image; } pictures[] = {
        {"heart.png", heart()},
        {"loudspeaker.png", loudspeaker()},
        {"portrait.png", portrait()},
    };
    for (const auto& picture : pictures) {
        const QString path = out.filePath(QString::fromLatin1(picture.name));
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
