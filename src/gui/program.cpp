#include "gui/program.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace gui {

namespace {

std::vector<void (*)()>& exitRoutines()
{
    static std::vector<void (*)()> routines;
    return routines;
}

bool exitRoutinesRan = false;

} // namespace

void registerExitRoutine(void (*routine)())
{
    auto& routines = exitRoutines();
    if (routine && std::find(routines.begin(), routines.end(), routine) == routines.end())
        routines.push_back(routine);
}

void runExitRoutines()
{
    if (exitRoutinesRan)
        return;
    exitRoutinesRan = true;
    for (auto routine : exitRoutines())
        routine();
}

void destroyWindows()
{
    // Guarded pointers: deleting a window also deletes the windows it owns.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const auto& window : std::as_const(windows)) {
        if (!window)
            continue;
        if (window->testAttribute(Qt::WA_DeleteOnClose))
            delete window.data();
        else
            window->hide();
    }
}

void endProgram()
{
    destroyWindows();
    runExitRoutines();
    std::fflush(nullptr);
    // Not std::exit: main()'s application object and windows on its stack are
    // still alive, and Qt's global clean-up must not run underneath them.
    std::_Exit(0);
}

QString runDirectory()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString currentDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

QString systemDirectory()
{
#ifdef _WIN32
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? QString::fromWCharArray(folder, int(length)) : QString();
#else
    return QDir::toNativeSeparators(QStringLiteral(VORLIX_SYSTEM_DIRECTORY));
#endif
}

bool fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool writeBytes(const QString& path, std::string_view bytes)
{
    // Written beside and renamed over the old file, so a process that has the
    // old file mapped (a loaded library) keeps its copy intact. Only a folder
    // that forbids new files makes it write into the existing file directly.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::uint32_t tickCount()
{
    using namespace std::chrono;
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace gui
