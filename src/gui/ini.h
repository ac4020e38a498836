#pragma once
// INI files with the Windows profile-file rules: case-insensitive section and
// key, blanks around "=" ignored, other lines kept, CRLF read, values capped
// at 10240 bytes. Writes are atomic.
#include <QString>
#include <string>
#include <string_view>

namespace gui {

std::string readIni(const QString& file, std::string_view section, std::string_view key);
bool writeIni(const QString& file, std::string_view section, std::string_view key, std::string_view value);

} // namespace gui
