#include "gui/library.h"
#include "gui/program.h"
#include "shell/embeddedskin.h"
#include "shell/programstate.h"
#include "shell/startup.h"
#include "skin/skinengine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::string_literals;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray embedded()
{
    const std::string_view bytes = shell::embeddedSkinEngine();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// Runs a step with the current folder set to folder.
template <class Step>
void inFolder(const QString& folder, Step step)
{
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder));
    step();
    QDir::setCurrent(before);
}

using AttachRes = std::int32_t (*)(const unsigned char*, std::int32_t, const char*, std::int32_t, std::int32_t, std::int32_t);

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void embeddedEngineIsTheBuiltLibrary()
    {
        const QByteArray built = readFile(SKIN_LIBRARY_FILE);
        QVERIFY(built.size() > 1000);
        QCOMPARE(embedded(), built);
    }

    void enterRunDirectoryFromElsewhere()
    {
        QTemporaryDir elsewhere;
        inFolder(elsewhere.path(), [] {
            shell::enterRunDirectory();
            QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        });
    }

    void writesTheEngineOverAnyOldFileAndUsesIt()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("jedata.dll");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x')); // longer than the engine, so a leftover tail would show
        old.close();
        ProgramState state;
        inFolder(dir.path(), [&] { shell::writeOutSkinEngine(state); });
        QCOMPARE(readFile(path), embedded());
        QCOMPARE(QString::fromStdString(state.skinEnginePath), QDir::toNativeSeparators(QDir(dir.path()).canonicalPath() + "/jedata.dll"));
    }

    void aFolderThatCannotTakeTheFileIsNoError()
    {
        // "jedata.dll" is a folder here, so no file of that name can be written,
        // even by root.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("jedata.dll"));
        ProgramState state;
        inFolder(dir.path(), [&] { shell::writeOutSkinEngine(state); });
        QVERIFY(QFileInfo(dir.filePath("jedata.dll")).isDir());
        // No engine in the run or system folder of the test: the path names the missing file.
        if (gui::fileExists(QDir(gui::systemDirectory()).filePath("SkinH_EL.dll")))
            QSKIP("an installed engine is found in the system folder");
        QCOMPARE(QString::fromStdString(state.skinEnginePath), QDir::toNativeSeparators(QDir(dir.path()).canonicalPath() + "/jedata.dll"));
    }

    void writtenEngineBindsAndChecksItsArguments_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<bool>("null");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("result");
        const QByteArray skin = QByteArray(".SHE") + QByteArray(7118, '\1');
        QTest::newRow("null description") << QByteArray() << true << 0 << 0 << 0 << int(skin::NoDescription);
        QTest::newRow("shorter than its magic") << QByteArray(".SH") << false << 0 << 0 << 0 << int(skin::NoDescription);
        QTest::newRow("not a skin description") << QByteArray(7122, 'x') << false << 0 << 0 << 0 << int(skin::NotADescription);
        QTest::newRow("hue out of range") << skin << false << 361 << 1 << 1 << int(skin::ValueOutOfRange);
        QTest::newRow("brightness out of range") << skin << false << 0 << 1 << 11 << int(skin::ValueOutOfRange);
        QTest::newRow("lowest hue of the first slider") << skin << false << -180 << 0 << 0 << int(skin::ThemingUnavailable);
        QTest::newRow("all sliders at their ends") << skin << false << 360 << 10 << 10 << int(skin::ThemingUnavailable);
    }
    void writtenEngineBindsAndChecksItsArguments()
    {
        QFETCH(QByteArray, description);
        QFETCH(bool, null);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, brightness);
        QFETCH(int, result);
        static QTemporaryDir dir; // the library stays loaded from here until the end
        ProgramState state;
        inFolder(dir.path(), [&] { shell::writeOutSkinEngine(state); });
        const QString path = QString::fromStdString(state.skinEnginePath);
        void* symbol = gui::resolveExport(path, "SkinH_AttachRes");
        QVERIFY(symbol);
        QCOMPARE(gui::resolveExport(path, "SkinH_AttachRes"), symbol);
        const auto attach = reinterpret_cast<AttachRes>(symbol);
        const auto* bytes = null ? nullptr : reinterpret_cast<const unsigned char*>(description.constData());
        QCOMPARE(attach(bytes, std::int32_t(description.size()), nullptr, hue, saturation, brightness), result);
    }

    void resolveExportFailsQuietly()
    {
        QTemporaryDir dir;
        QVERIFY(!gui::resolveExport(dir.filePath("missing.dll"), "SkinH_AttachRes"));
        QFile text(dir.filePath("text.dll"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a library");
        text.close();
        QVERIFY(!gui::resolveExport(text.fileName(), "SkinH_AttachRes"));
        QVERIFY(!gui::resolveExport(SKIN_LIBRARY_FILE, "NoSuchExport"));
        QVERIFY(!gui::resolveExport("", "SkinH_AttachRes"));
    }

    // Last: exit routines run once per process.
    void cleanUpReleasesTheTextsAndListsOnce()
    {
        ProgramState state;
        state.skinEnginePath = "/x/jedata.dll";
        state.bannerText = std::string(400, ' ') + "prize";
        state.levelCaption = "level";
        state.cat.cells[5] = 2;
        state.cat.path = {1, 2, 3};
        state.hiddenNumber = 42;
        shell::registerCleanUp(state);
        shell::registerCleanUp(state);
        gui::runExitRoutines();
        QVERIFY(state.skinEnginePath.empty());
        QVERIFY(state.bannerText.empty());
        QVERIFY(state.levelCaption.empty());
        QVERIFY(state.cat.path.empty());
        QCOMPARE(state.cat.cells[5], 0);
        QCOMPARE(state.hiddenNumber, 42); // not a text or list: left as it is
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"
