// "猫眼快照": numbered BMP files on the user's desktop, and a failed write.
#include "gui/modalwatch.h"
#include "tally/snapshot.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Board {
    QWidget window;
    Ui::MainWindow ui;
    std::int32_t counter = 0;
    Snapshot snapshot;

    Board() : snapshot(window, (ui.setupUi(&window), ui), counter) { window.show(); }
    // The snapshot copies what the screen shows, so the window must have been painted.
    void click()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QTest::mouseClick(ui.按钮18, Qt::LeftButton);
    }
};

QString snapshotName(int n)
{
    return QStringLiteral("猫眼快照%1.bmp").arg(n);
}

} // namespace

class SnapshotTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void numberedFilesOnTheDesktop();
    void failedWriteIsReportedAndNumberIsUsed();

private:
    // A home of its own, so the desktop folder is one the test controls.
    std::unique_ptr<QTemporaryDir> home;
    QString desktop;
};

void SnapshotTest::init()
{
    home = std::make_unique<QTemporaryDir>();
    QVERIFY(home->isValid());
    qputenv("HOME", home->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home->filePath(QStringLiteral("config")).toLocal8Bit());
    desktop = home->filePath(QStringLiteral("Desktop"));
}

void SnapshotTest::numberedFilesOnTheDesktop()
{
    QVERIFY(QDir().mkpath(desktop));
    // A file of the same name from an earlier run is replaced.
    QFile old(QDir(desktop).filePath(snapshotName(1)));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("not a picture");
    old.close();

    Board board;
    for (int i = 0; i < 3; ++i)
        board.click();

    QCOMPARE(board.counter, 3);
    QCOMPARE(QDir(desktop).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{snapshotName(1), snapshotName(2), snapshotName(3)}));
    for (int n = 1; n <= 3; ++n) {
        const QString file = QDir(desktop).filePath(snapshotName(n));
        QFile bytes(file);
        QVERIFY(bytes.open(QIODevice::ReadOnly));
        QCOMPARE(bytes.read(2), QByteArray("BM"));
        QImage picture;
        QVERIFY(picture.load(file, "BMP"));
        QCOMPARE(picture.size(), board.window.frameGeometry().size());
        // The window's own controls are on it: the snapshot button's caption
        // gives its place more than one colour.
        const QImage button = picture.copy(board.ui.按钮18->geometry().translated(
            board.window.geometry().topLeft() - board.window.frameGeometry().topLeft()));
        QSet<QRgb> colours;
        for (int y = 0; y < button.height(); ++y)
            for (int x = 0; x < button.width(); ++x)
                colours.insert(button.pixel(x, y));
        QVERIFY(colours.size() > 2);
    }
}

void SnapshotTest::failedWriteIsReportedAndNumberIsUsed()
{
    Board board;
    QString texts;
    gui::ModalWatch watch([&](QWidget* box) {
        texts = gui::windowTexts(box);
        QVERIFY(gui::pressButton(box, QStringLiteral("确定")));
    });

    board.click();

    QCOMPARE(watch.count(), 1);
    QVERIFY2(texts.contains(QDir::toNativeSeparators(QDir(desktop).filePath(snapshotName(1)))), qPrintable(texts));
    QCOMPARE(board.counter, 1);
    QVERIFY2(!QFileInfo::exists(desktop), "the desktop folder is not created");

    // Once the folder exists the next snapshot goes on with number 2.
    QVERIFY(QDir().mkpath(desktop));
    board.click();
    QCOMPARE(watch.count(), 1);
    QCOMPARE(QDir(desktop).entryList(QDir::Files), QStringList{snapshotName(2)});
}

QTEST_MAIN(SnapshotTest)
#include "snapshot_test.moc"
