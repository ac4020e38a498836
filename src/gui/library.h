#pragma once
// Binding an export of a shared library named by a path. A library is loaded
// on first use and stays loaded until the program ends.
#include <QString>

namespace gui {

// The address of the export, or nullptr when the library cannot be loaded or
// lacks the export.
void* resolveExport(const QString& libraryPath, const char* exportName);

} // namespace gui
