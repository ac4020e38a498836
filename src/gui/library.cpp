#include "gui/library.h"

#include <QFileInfo>
#include <QLibrary>

#include <map>
#include <memory>

namespace gui {

void* resolveExport(const QString& libraryPath, const char* exportName)
{
    // Kept for the life of the process: functions already handed out must
    // stay valid, and the program loads only a library or two.
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;

    if (libraryPath.isEmpty())
        return nullptr;
    // An absolute path makes QLibrary try the name exactly as given first.
    const QString path = QFileInfo(libraryPath).absoluteFilePath();
    auto it = loaded.find(path);
    if (it == loaded.end()) {
        auto library = std::make_unique<QLibrary>(path);
        if (!library->load())
            return nullptr; // tried again on the next call: the file may have appeared
        it = loaded.emplace(path, std::move(library)).first;
    }
    return reinterpret_cast<void*>(it->second->resolve(exportName));
}

} // namespace gui
