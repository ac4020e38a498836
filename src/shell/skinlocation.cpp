#include "shell/skinlocation.h"

#include "core/text.h"

namespace shell {

namespace {
constexpr std::string_view engineName = "SkinH_EL.dll";
}

std::string locateSkinEngine(std::string_view candidate, const SkinSearch& search)
{
    std::string path = text::trim(candidate);
    if (search.fileExists(path))
        return path;

    const std::string inRunDirectory = search.runDirectory + search.separator + std::string(engineName);
    if (search.fileExists(inRunDirectory))
        path = inRunDirectory;

    std::string inSystemDirectory = search.systemDirectory;
    if (inSystemDirectory.empty() || inSystemDirectory.back() != search.separator)
        inSystemDirectory += search.separator;
    inSystemDirectory += engineName;
    if (search.fileExists(inSystemDirectory))
        path = inSystemDirectory;
    return path;
}

} // namespace shell
