#pragma once
// Web addresses, opened in the system's default browser.
#include <string_view>

namespace gui {

// Asks the desktop to open the address; returns once a launcher was started
// (or could not be). The program does not use the outcome.
void openWebAddress(std::string_view address);

} // namespace gui
