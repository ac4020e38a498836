// The loudspeaker banner: push, the two-byte tick, and where the message
// shows in the strip.
#include "core/text.h"
#include "gui/controls.h"
#include "shell/programstate.h"
#include "tally/banner.h"
#include "tally/mainwindow.h"
#include "ui_mainwindow.h"

#include <QFontMetrics>
#include <QTimer>
#include <QtTest>

#include <optional>
#include <string>

namespace {

struct Board {
    QWidget window;
    Ui::MainWindow ui;
    QTimer 时钟4;
    std::string bannerText;
    Banner banner;

    Board() : banner((ui.setupUi(&window), ui), 时钟4, bannerText)
    {
        时钟4.setInterval(500);
        window.show();
    }

    std::string caption() const { return gui::text(ui.标签1); }
    void push(const std::string& message)
    {
        gui::setText(ui.编辑框11, message);
        QTest::mouseClick(ui.按钮16, Qt::LeftButton);
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            banner.时钟4_tick();
    }

    // Leftmost red pixel of the strip, in the banner group box's coordinates.
    std::optional<int> inkStart()
    {
        const QImage strip = ui.分组框10->grab().toImage();
        for (int x = 35; x < strip.width(); ++x) {
            for (int y = 0; y < strip.height(); ++y) {
                const QColor c = strip.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                    return x;
            }
        }
        return std::nullopt;
    }
};

const std::string leadIn(Banner::leadIn, ' ');

} // namespace

class BannerTest : public QObject {
    Q_OBJECT
private slots:
    void pushPutsLeadInAndEmptiesInput();
    void pushReplacesScrollingText();
    void ticks_data();
    void ticks();
    void tickSetsPeriod();
    void messageEntersAtStripEndAndMovesTwoSpacesPerTick_data();
    void messageEntersAtStripEndAndMovesTwoSpacesPerTick();
    void whiteShadowUnderRedText();
    void placedForTheMainWindowsFont();
};

void BannerTest::pushPutsLeadInAndEmptiesInput()
{
    Board board;
    board.push("\xb9\xa7\xcf\xb2 <b>A&B</b>"); // 恭喜 and markup-like text
    QCOMPARE(board.caption(), leadIn + "\xb9\xa7\xcf\xb2 <b>A&B</b>");
    QVERIFY(gui::text(board.ui.编辑框11).empty());
    // Shown as typed, not as markup.
    QVERIFY(board.ui.标签1->text().endsWith(QStringLiteral("<b>A&B</b>")));
    QCOMPARE(board.ui.标签1->textFormat(), Qt::PlainText);
}

void BannerTest::pushReplacesScrollingText()
{
    Board board;
    board.push("first message");
    board.ticks(40);
    QCOMPARE(board.caption(), std::string(Banner::leadIn - 80, ' ') + "first message");
    board.push("\xb5\xda\xb6\xfe"); // 第二
    QCOMPARE(board.caption(), leadIn + "\xb5\xda\xb6\xfe");
    // Also from a program-set input, as the prize draw does.
    gui::setText(board.ui.编辑框11, "x");
    board.banner.push();
    QCOMPARE(board.caption(), leadIn + "x");
}

void BannerTest::ticks_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<QByteArray>("lastRead");

    QTest::newRow("empty push: one space left after 184 ticks")
        << QByteArray() << 184 << QByteArray(" ") << QByteArray("   ");
    QTest::newRow("empty push: empty after 185 ticks") << QByteArray() << 185 << QByteArray() << QByteArray(" ");
    QTest::newRow("empty stays empty") << QByteArray() << 190 << QByteArray() << QByteArray();
    // 中文: D6 D0 CE C4. The 185th tick takes the last space and half of 中.
    QTest::newRow("cut through a Chinese character")
        << QByteArray("\xd6\xd0\xce\xc4") << 185 << QByteArray("\xd0\xce\xc4") << QByteArray(" \xd6\xd0\xce\xc4");
    QTest::newRow("then its other half") << QByteArray("\xd6\xd0\xce\xc4") << 186 << QByteArray("\xc4")
                                         << QByteArray("\xd0\xce\xc4");
    QTest::newRow("ascii ends in one byte") << QByteArray("abc") << 185 << QByteArray("bc") << QByteArray(" abc");
    QTest::newRow("ascii gone") << QByteArray("abc") << 186 << QByteArray() << QByteArray("bc");
}

void BannerTest::ticks()
{
    QFETCH(QByteArray, message);
    QFETCH(int, count);
    QFETCH(QByteArray, caption);
    QFETCH(QByteArray, lastRead);
    Board board;
    board.push(message.toStdString());

    board.ticks(count);

    QCOMPARE(QByteArray::fromStdString(board.caption()), caption);
    QCOMPARE(QByteArray::fromStdString(board.bannerText), lastRead);
}

void BannerTest::tickSetsPeriod()
{
    Board board;
    board.时钟4.start();
    board.ticks(1);
    QCOMPARE(board.时钟4.interval(), 300);
    QVERIFY(board.时钟4.isActive());
    QVERIFY(board.caption().empty());
}

void BannerTest::messageEntersAtStripEndAndMovesTwoSpacesPerTick_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("fontPixels"); // 0: the label's font as built
    const QByteArray chinese("\xb9\xa7\xcf\xb2\xb7\xa2\xb2\xc6"); // 恭喜发财
    QTest::newRow("ascii") << QByteArray("HELLO WORLD") << 0;
    QTest::newRow("chinese") << chinese << 0;
    // The window sets the banner font after the banner is wired.
    QTest::newRow("ascii, font set later") << QByteArray("HELLO WORLD") << 16;
    QTest::newRow("chinese, font set later") << chinese << 16;
    QTest::newRow("chinese, wide font") << chinese << 30;
}

void BannerTest::messageEntersAtStripEndAndMovesTwoSpacesPerTick()
{
    QFETCH(QByteArray, message);
    QFETCH(int, fontPixels);
    Board board;
    if (fontPixels) {
        QFont font(QStringList{QStringLiteral("楷体"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")});
        font.setPixelSize(fontPixels);
        font.setBold(true);
        board.ui.标签1->setFont(font);
    }
    const QFontMetrics metrics(board.ui.标签1->font());
    const auto spaces = [&](int n) { return metrics.horizontalAdvance(QString(n, QLatin1Char(' '))); };
    const int space = spaces(2);
    QVERIFY(space > 0);
    board.push(message.toStdString());

    QVERIFY2(!board.inkStart(), "the message must start beyond the strip's right end");
    board.ticks(1);
    const std::optional<int> first = board.inkStart();
    QVERIFY(first);
    QVERIFY2(*first >= 261 - space - 2 && *first < 261, qPrintable(QString::number(*first)));
    board.ticks(3);
    const std::optional<int> later = board.inkStart();
    QVERIFY(later);
    // Three ticks cut six spaces of the lead-in.
    const int step = spaces(Banner::leadIn - 2) - spaces(Banner::leadIn - 8);
    QVERIFY2(std::abs(*first - *later - step) <= 1, qPrintable(QStringLiteral("%1 -> %2, step %3").arg(*first).arg(*later).arg(step)));
}

void BannerTest::whiteShadowUnderRedText()
{
    Board board;
    board.push("HHHH IIII");
    board.ticks(30);
    const QImage strip = board.ui.分组框10->grab().toImage();
    const QColor background = strip.pixelColor(strip.width() / 2, 1);
    QVERIFY2(background.red() < 250, "the window colour must differ from white and red");
    // Red and white, and any blend of them at the glyphs' soft edges, keep
    // full red; the background does not.
    const auto redOrWhite = [&](int x, int y) { return strip.pixelColor(x, y).red() >= 250; };
    int red = 0;
    int covered = 0;
    for (int y = 0; y + 1 < strip.height(); ++y) {
        for (int x = 35; x + 1 < strip.width(); ++x) {
            const QColor c = strip.pixelColor(x, y);
            if (c.red() < 230 || c.green() > 60 || c.blue() > 60)
                continue;
            ++red;
            if (redOrWhite(x + 1, y + 1))
                ++covered;
        }
    }
    QVERIFY(red > 10);
    // Under every strongly red pixel lies the white copy, one pixel right and down.
    QCOMPARE(covered, red);
    bool white = false;
    for (int y = 0; y < strip.height() && !white; ++y)
        for (int x = 35; x < strip.width() && !white; ++x)
            white = strip.pixelColor(x, y) == Qt::white;
    QVERIFY(white);
}

void BannerTest::placedForTheMainWindowsFont()
{
    ProgramState state;
    MainWindow window(state);
    QLabel* label = window.ui().标签1;
    QVERIFY(label->font().bold());
    window.banner().push();
    const int leadInWidth = QFontMetrics(label->font()).horizontalAdvance(QString(Banner::leadIn, QLatin1Char(' ')));
    QCOMPARE(label->geometry().right() + 1, 261);
    QCOMPARE(label->x() + label->contentsRect().left() + label->margin() + leadInWidth, 261);
}

QTEST_MAIN(BannerTest)
#include "banner_test.moc"
