#pragma once
// Finding the skin engine's file: the candidate when it exists, else an
// engine named SkinH_EL.dll in the run folder or, preferred, the system folder.
#include <functional>
#include <string>
#include <string_view>

namespace shell {

struct SkinSearch {
    std::string runDirectory;    // without a trailing separator
    std::string systemDirectory; // with or without one
    char separator = '/';
    std::function<bool(const std::string& path)> fileExists;
};

// The new skin engine path: the trimmed candidate when a file exists there;
// otherwise the system folder's engine, else the run folder's engine, else the
// trimmed candidate even though it names no file.
std::string locateSkinEngine(std::string_view candidate, const SkinSearch& search);

} // namespace shell
