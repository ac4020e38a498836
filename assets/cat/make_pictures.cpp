// Draws the four 40 x 40 cell pictures of the cat game as grey-scale PNG
// files into the folder given as argument; CMake's regenerate_cat_pictures
// target turns them into the GIF files committed beside this file.
//
// Every picture is a white disc touching the middle of each side on the
// canvas grey RGB(128,128,128). All four share the same disc and rim, and no
// pixel inside the disc is ever exactly that grey: drawn with the grey as the
// transparent colour, any picture then fully replaces any other.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int size = 40;
constexpr int ground = 128;
constexpr int detail = 8; // sub-pixels per pixel and axis for the coverage masks

// Share of each pixel covered by the shapes that draw() paints, 0 to 1.
using Coverage = std::array<std::array<double, size>, size>;

Coverage coverage(const std::function<void(QPainter&)>& draw)
{
    QImage mask(size * detail, size * detail, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(detail, detail);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        draw(p);
    }
    Coverage result{};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int sum = 0;
            for (int sy = 0; sy < detail; ++sy) {
                const uchar* line = mask.constScanLine(y * detail + sy);
                for (int sx = 0; sx < detail; ++sx)
                    sum += line[x * detail + sx];
            }
            result[y][x] = sum / (255.0 * detail * detail);
        }
    return result;
}

const Coverage& disc()
{
    static const Coverage shape = coverage([](QPainter& p) { p.drawEllipse(QRectF(0, 0, size, size)); });
    return shape;
}

// White disc with a black motif of the given coverage.
QImage picture(const Coverage& motif)
{
    QImage image(size, size, QImage::Format_Grayscale8);
    for (int y = 0; y < size; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size; ++x) {
            const int rim = static_cast<int>(std::lround(ground + disc()[y][x] * (255 - ground)));
            int value = static_cast<int>(std::lround(rim * (1.0 - motif[y][x])));
            if (rim == ground)
                value = ground; // outside the disc: the canvas grey exactly
            else if (value == ground)
                value = ground + 1; // inside: never the transparent colour
            line[x] = static_cast<uchar>(value);
        }
    }
    return image;
}

void stroke(QPainter& p, const QPainterPath& path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    p.drawPath(stroker.createStroke(path));
}

// Seated in profile facing right, tail curled round its front paws.
void catSilhouette(QPainter& p)
{
    QPainterPath body;
    body.moveTo(12.0, 31.5);
    body.cubicTo(10.5, 25.0, 13.0, 18.5, 19.5, 15.5);
    body.lineTo(23.0, 15.0);
    body.cubicTo(26.0, 17.0, 26.8, 21.5, 25.8, 25.5);
    body.lineTo(26.5, 31.5);
    body.closeSubpath();
    body.addEllipse(QPointF(23.0, 11.8), 5.0, 4.5); // head
    body.addEllipse(QPointF(27.3, 13.3), 2.2, 1.7); // muzzle
    QPolygonF leftEar{{19.0, 10.0}, {19.8, 4.0}, {23.2, 7.6}};
    QPolygonF rightEar{{23.0, 7.4}, {26.6, 4.2}, {27.2, 10.0}};
    body.addPolygon(leftEar);
    body.addPolygon(rightEar);
    body.setFillRule(Qt::WindingFill);
    p.drawPath(body.simplified());

    QPainterPath tail;
    tail.moveTo(12.5, 29.5);
    tail.cubicTo(8.0, 31.0, 9.0, 34.3, 14.5, 33.8);
    tail.lineTo(24.5, 33.6);
    tail.cubicTo(28.5, 33.4, 30.5, 31.0, 29.3, 28.0);
    stroke(p, tail, 2.8);
}

void boldX(QPainter& p)
{
    QPainterPath cross;
    cross.moveTo(12.5, 12.5);
    cross.lineTo(27.5, 27.5);
    cross.moveTo(27.5, 12.5);
    cross.lineTo(12.5, 27.5);
    QPainterPathStroker stroker;
    stroker.setWidth(5.5);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath bars = stroker.createStroke(cross);
    bars.setFillRule(Qt::WindingFill);
    p.drawPath(bars.simplified());
}

// Three pointed pickets joined by two rails.
void fence(QPainter& p)
{
    QPainterPath shape;
    for (const double centre : {12.5, 20.0, 27.5}) {
        QPolygonF picket{{centre - 2.2, 31.0}, {centre - 2.2, 12.5}, {centre, 8.5},
                         {centre + 2.2, 12.5}, {centre + 2.2, 31.0}};
        shape.addPolygon(picket);
        shape.closeSubpath();
    }
    shape.addRect(QRectF(8.5, 15.5, 23.0, 3.0));
    shape.addRect(QRectF(8.5, 24.5, 23.0, 3.0));
    shape.setFillRule(Qt::WindingFill);
    p.drawPath(shape.simplified());
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const Coverage none{};
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {
        {"empty.png", picture(none)},
        {"cat.png", picture(coverage(catSilhouette))},
        {"fixedwall.png", picture(coverage(boldX))},
        {"playerwall.png", picture(coverage(fence))},
    };
    for (const auto& [name, image] : pictures)
        if (!image.save(out.filePath(QString::fromLatin1(name)))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    return 0;
}
