#pragma once
// Modal message boxes with one "确定" button and no owner window.
#include <string_view>

namespace gui {

enum MessageFlags { ErrorIcon = 16, InformationIcon = 64 };

// Returns when the box is closed; modal for all of the program's windows.
void messageBox(std::string_view text, int flags, std::string_view title);

} // namespace gui
