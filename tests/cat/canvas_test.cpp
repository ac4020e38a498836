#include "gui/canvas.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

constexpr std::uint32_t grey = 128u + 256u * 128u + 65536u * 128u;

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

double fromCentre(int x, int y)
{
    return std::hypot(x + 0.5 - 20, y + 0.5 - 20);
}

} // namespace

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void pixelReadsRedInTheLowByte_data();
    void pixelReadsRedInTheLowByte();
    void transparentColourKeepsWhatWasThere();
    void drawingIsClippedAndKeptThroughResize();
    void paintsItsDrawing();
    void leftPressReportsCanvasPixels();
    void cellPictures_data();
    void cellPictures();
    void cellPicturesReplaceEachOtherCompletely();
};

void CanvasTest::pixelReadsRedInTheLowByte_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<uint>("value");
    QTest::newRow("canvas grey") << QColor(128, 128, 128) << 8421504u;
    QTest::newRow("red") << QColor(255, 0, 0) << 255u;
    QTest::newRow("green") << QColor(0, 255, 0) << 65280u;
    QTest::newRow("blue") << QColor(0, 0, 255) << 16711680u;
    QTest::newRow("mixed") << QColor(1, 2, 3) << uint(1 + 2 * 256 + 3 * 65536);
}

void CanvasTest::pixelReadsRedInTheLowByte()
{
    QFETCH(QColor, colour);
    QFETCH(uint, value);
    gui::Canvas canvas;
    canvas.resize(50, 40);
    canvas.setBackground(Qt::black);
    canvas.draw(filled(1, 1, colour), 7, 9);
    QCOMPARE(canvas.pixel(7, 9), value);
    QCOMPARE(canvas.pixel(8, 9), 0u);
}

void CanvasTest::transparentColourKeepsWhatWasThere()
{
    gui::Canvas canvas;
    canvas.resize(20, 10);
    canvas.setBackground(QColor(128, 128, 128));
    canvas.draw(filled(20, 10, Qt::blue), 0, 0);
    QImage picture = filled(4, 1, QColor(128, 128, 128));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    picture.setPixel(2, 0, qRgb(128, 128, 127));
    canvas.draw(picture, 3, 2, grey);
    QCOMPARE(canvas.pixel(3, 2), 16711680u);                 // keyed: the blue stays
    QCOMPARE(canvas.pixel(4, 2), 16777215u);                 // white copied
    QCOMPARE(canvas.pixel(5, 2), 128u + 256u * 128u + 65536u * 127u); // near the key still copied
    QCOMPARE(canvas.pixel(6, 2), 16711680u);

    canvas.draw(picture, 3, 3); // no key: everything copied
    QCOMPARE(canvas.pixel(3, 3), grey);

    QImage holes(2, 1, QImage::Format_ARGB32);
    holes.setPixel(0, 0, qRgba(0, 0, 0, 0));
    holes.setPixel(1, 0, qRgba(10, 20, 30, 255));
    canvas.draw(holes, 0, 5);
    QCOMPARE(canvas.pixel(0, 5), 16711680u);
    QCOMPARE(canvas.pixel(1, 5), uint(10 + 20 * 256 + 30 * 65536));
}

void CanvasTest::drawingIsClippedAndKeptThroughResize()
{
    gui::Canvas canvas;
    canvas.resize(10, 10);
    canvas.setBackground(Qt::black);
    canvas.draw(filled(4, 4, Qt::white), -2, -2);
    canvas.draw(filled(4, 4, Qt::red), 8, 8);
    canvas.draw(filled(4, 4, Qt::red), 100, -100);
    QCOMPARE(canvas.pixel(1, 1), 16777215u);
    QCOMPARE(canvas.pixel(2, 2), 0u);
    QCOMPARE(canvas.pixel(9, 9), 255u);
    // Outside the canvas reads as the background.
    QCOMPARE(canvas.pixel(-1, 0), 0u);
    QCOMPARE(canvas.pixel(10, 0), 0u);

    canvas.resize(20, 20);
    canvas.draw(filled(1, 1, Qt::blue), 15, 15); // the image follows the new size
    QCOMPARE(canvas.pixel(15, 15), 16711680u);
    QCOMPARE(canvas.pixel(1, 1), 16777215u);
    QCOMPARE(canvas.pixel(9, 9), 255u);
    QCOMPARE(canvas.pixel(12, 12), 0u);
}

void CanvasTest::paintsItsDrawing()
{
    gui::Canvas canvas;
    canvas.resize(30, 20);
    canvas.setBackground(QColor(128, 128, 128));
    canvas.draw(filled(5, 5, Qt::white), 10, 10);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    const QImage shown = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, canvas.image());
    QCOMPARE(shown.pixel(12, 12), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(2, 2), qRgb(128, 128, 128));
}

void CanvasTest::leftPressReportsCanvasPixels()
{
    QWidget window;
    window.resize(200, 200);
    auto* canvas = new gui::Canvas(&window);
    canvas->setGeometry(30, 40, 100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy pressed(canvas, &gui::Canvas::pressed);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(5, 7));
    QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(9, 9));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 5);
    QCOMPARE(pressed.at(0).at(1).toInt(), 7);
}

void CanvasTest::cellPictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("hasMotif");
    QTest::newRow("empty cell") << ":/cat/empty.gif" << false;
    QTest::newRow("cat") << ":/cat/cat.gif" << true;
    QTest::newRow("fixed wall") << ":/cat/fixedwall.gif" << true;
    QTest::newRow("player wall") << ":/cat/playerwall.gif" << true;
}

// A white disc touching the middle of each side, exactly the canvas grey
// outside it, never that grey inside it (it would be left out when drawn),
// and a black motif where there is one.
void CanvasTest::cellPictures()
{
    QFETCH(QString, file);
    QFETCH(bool, hasMotif);
    const QImage picture(file);
    QCOMPARE(picture.size(), QSize(40, 40));
    int black = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb colour = picture.pixel(x, y);
            const QString where = QStringLiteral("%1,%2").arg(x).arg(y);
            QVERIFY2(qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour), qPrintable(where));
            const double r = fromCentre(x, y);
            if (r > 20.75) // the whole pixel lies outside the circle
                QVERIFY2(gui::Canvas::colourValue(colour) == grey, qPrintable(where));
            if (r < 19.25)
                QVERIFY2(gui::Canvas::colourValue(colour) != grey, qPrintable(where));
            if (r < 19.25 && !hasMotif)
                QVERIFY2(qRed(colour) == 255, qPrintable(where));
            black += qRed(colour) < 40;
        }
    for (const QPoint middle : {QPoint(0, 19), QPoint(0, 20), QPoint(39, 20), QPoint(20, 0), QPoint(19, 39)})
        QVERIFY(qRed(picture.pixel(middle)) > 200);
    if (hasMotif)
        QVERIFY2(black > 100, qPrintable(QString::number(black)));
    else
        QCOMPARE(black, 0);
}

void CanvasTest::cellPicturesReplaceEachOtherCompletely()
{
    const QStringList files{":/cat/empty.gif", ":/cat/cat.gif", ":/cat/fixedwall.gif", ":/cat/playerwall.gif"};
    gui::Canvas canvas;
    canvas.resize(40, 40);
    canvas.setBackground(QColor(128, 128, 128));
    for (const QString& first : files)
        for (const QString& second : files) {
            canvas.clear();
            canvas.draw(QImage(first), 0, 0, grey);
            canvas.draw(QImage(second), 0, 0, grey);
            QCOMPARE(canvas.image(), QImage(second).convertToFormat(QImage::Format_RGB32));
        }
    QCOMPARE(QImage(files[1]) == QImage(files[2]), false);
    QCOMPARE(QImage(files[2]) == QImage(files[3]), false);
    QCOMPARE(QImage(files[1]) == QImage(files[3]), false);
}

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
