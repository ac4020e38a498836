#pragma once
// Program-wide services: exit routines, files and the clock.
#include <cstdint>
#include <string>
#include <string_view>

class QString;

namespace gui {

// Runs at the end of the program, once, in registration order; a second
// registration of the same routine has no effect.
void registerExitRoutine(void (*routine)());
// Runs the registered routines (once per process); called by the shell after
// the event loop and by endProgram().
void runExitRoutines();
// Destroys the windows that are still open: those that delete themselves when
// closed (every loaded window) are deleted, any other window is hidden, since
// whoever owns it deletes it.
void destroyWindows();
// Ends the program at once with exit code 0: windows destroyed, exit routines run.
[[noreturn]] void endProgram();

// The program's folder, without a trailing separator.
QString runDirectory();
QString currentDirectory();
// Where the system keeps shared engines: the Windows system folder, elsewhere
// the program's installed library folder <prefix>/lib/vorlix.
QString systemDirectory();
bool fileExists(const QString& path);
// Creates or replaces the file; false when it could not be written.
bool writeBytes(const QString& path, std::string_view bytes);

// Milliseconds since an arbitrary start, for seeding the random generator.
std::uint32_t tickCount();

} // namespace gui
