#pragma once
// The standard about box: the application text makes its title and first
// line, the additional text follows. Modal for all of the program's windows,
// no owner; returns when it is closed.
#include <string_view>

namespace gui {

void aboutBox(std::string_view application, std::string_view additional);

} // namespace gui
