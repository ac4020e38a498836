#pragma once
// The theming engine library carried inside the program, generated at build
// time from the built vorlix_skin file.
#include <string_view>

namespace shell {

std::string_view embeddedSkinEngine();

} // namespace shell
