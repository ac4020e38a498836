#include "gui/program.h"
#include "gui/windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace std::string_literals;

namespace {

QString routineLog;
void first() { routineLog += "1"; }
void second() { routineLog += "2"; }

// Run as a child process: endProgram() must end it at once with code 0,
// after the windows are gone and the routines have run, in that order.
int endProgramChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, [] { std::printf("window destroyed\n"); });
    window->show();
    QWidget owned; // owned by this frame: hidden, never deleted by the run time
    owned.show();
    gui::registerExitRoutine([] { std::printf("routine A\n"); });
    gui::registerExitRoutine([] { std::printf("routine B\n"); });
    gui::endProgram();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void exitRoutinesRunOnceInRegistrationOrder()
    {
        gui::registerExitRoutine(&second);
        gui::registerExitRoutine(&first);
        gui::registerExitRoutine(&second); // no effect
        gui::runExitRoutines();
        gui::runExitRoutines();
        QCOMPARE(routineLog, QString("21"));
    }

    void endProgramDestroysWindowsRunsRoutinesAndExitsZero()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VORLIX_END_PROGRAM_CHILD", "1");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("window destroyed\nroutine A\nroutine B\n"));
    }

    void writeBytesCreatesOrReplaces()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("jedata.dll");
        QVERIFY(!gui::fileExists(path));
        QVERIFY(gui::writeBytes(path, "a longer first content"s));
        QVERIFY(gui::fileExists(path));
        QVERIFY(gui::writeBytes(path, "\0short"s));
        QCOMPARE(readAll(path), QByteArray("\0short", 6));
        QVERIFY(gui::writeBytes(path, ""s));
        QCOMPARE(readAll(path), QByteArray());
    }

    void writeBytesReportsFailure()
    {
        QTemporaryDir dir;
        QVERIFY(!gui::writeBytes(dir.filePath("missing/folder/file"), "x"s));
        QVERIFY(!gui::writeBytes(dir.path(), "x"s)); // a folder is not a file
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QDir(dir.path()).mkdir("locked");
        const QString locked = dir.filePath("locked");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!gui::writeBytes(locked + "/new.dll", "x"s));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void fileExistsOnlyForFiles()
    {
        QTemporaryDir dir;
        QVERIFY(!gui::fileExists(""));
        QVERIFY(!gui::fileExists(dir.path()));
        QVERIFY(gui::writeBytes(dir.filePath("f"), "x"s));
        QVERIFY(gui::fileExists(dir.filePath("f")));
    }

    void directories()
    {
        QCOMPARE(gui::runDirectory(), QDir::toNativeSeparators(QFileInfo(QCoreApplication::applicationFilePath()).absolutePath()));
        QVERIFY(!gui::runDirectory().endsWith(QDir::separator()));
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QCOMPARE(gui::currentDirectory(), QDir::toNativeSeparators(QDir(dir.path()).canonicalPath()));
        QDir::setCurrent(before);
    }

    void windowStateCodes_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("read");
        QTest::newRow("normal") << 0 << 0;
        QTest::newRow("restore and centre") << 1 << 0;
        QTest::newRow("minimised") << 2 << 2;
        QTest::newRow("maximised") << 3 << 3;
    }
    void windowStateCodes()
    {
        QFETCH(int, written);
        QFETCH(int, read);
        QWidget window;
        window.resize(200, 100);
        window.move(0, 0);
        window.show();
        gui::setWindowState(&window, 3);
        gui::setWindowState(&window, written);
        QCOMPARE(gui::windowState(&window), read);
        if (written == 1) {
            const QRect area = window.screen()->availableGeometry();
            QTRY_VERIFY(qAbs(window.frameGeometry().center().x() - area.center().x()) <= 1);
            QVERIFY(qAbs(window.frameGeometry().center().y() - area.center().y()) <= 1);
        }
    }

    void modelessLoadMakesNoCopy()
    {
        QPointer<QWidget> open;
        int made = 0;
        auto make = [&] { ++made; return new QWidget; };
        QWidget* window = gui::loadModeless(open, make);
        QVERIFY(window->isVisible());
        window->showMinimized();
        QCOMPARE(gui::loadModeless(open, make), window);
        QCOMPARE(made, 1);
        QVERIFY(!window->isMinimized());
        window->close(); // deletes it
        QTRY_VERIFY(open.isNull());
        QVERIFY(gui::loadModeless(open, make) != nullptr);
        QCOMPARE(made, 2);
        delete open.data();
    }

    void tickCountAdvances()
    {
        const std::uint32_t before = gui::tickCount();
        QTest::qWait(30);
        const std::uint32_t elapsed = gui::tickCount() - before;
        QVERIFY2(elapsed >= 25 && elapsed < 5000, qPrintable(QString::number(elapsed)));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("VORLIX_END_PROGRAM_CHILD"))
        return endProgramChild(argc, argv);
    QApplication app(argc, argv);
    ProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_test.moc"
