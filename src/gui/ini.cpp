#include "gui/ini.h"

#include <QFile>
#include <QSaveFile>

#include <cstddef>
#include <optional>
#include <vector>

namespace gui {

namespace {

constexpr std::size_t valueCap = 10240;

// One line of the file without its line break; crlf tells how it ended.
struct Line {
    std::string_view text;
    bool crlf = false;
};

std::vector<Line> splitLines(std::string_view file)
{
    std::vector<Line> lines;
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string_view line = file.substr(0, end);
        Line entry;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            entry.crlf = true;
        }
        entry.text = line;
        lines.push_back(entry);
        if (end == std::string_view::npos)
            break;
        file.remove_prefix(end + 1);
    }
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Case-insensitive for ASCII letters only; the trail byte of a double-byte
// character is never folded, so two different characters never compare equal.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x >= 0x81 && x <= 0xFE && i + 1 < a.size()) {
            if (x != y || a[i + 1] != b[i + 1])
                return false;
            ++i;
            continue;
        }
        const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
        if (lower(x) != lower(y))
            return false;
    }
    return true;
}

// The name of a section header line "[name]", or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entry(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

// Where a key stands: the index of its line (or none) and the index of the
// line after the section's last non-blank line (where a new key goes), or
// no section at all.
struct Place {
    std::optional<std::size_t> section;
    std::optional<std::size_t> keyLine;
    std::size_t insertAt = 0;
};

Place find(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].text);
        if (!place.section) {
            if (name && sameName(*name, section)) {
                place.section = i;
                place.insertAt = i + 1;
            }
            continue;
        }
        if (name) // the next section ends ours; only the first section of a name counts
            break;
        if (!trimmed(lines[i].text).empty())
            place.insertAt = i + 1;
        if (const auto e = entry(lines[i].text); e && !place.keyLine && sameName(e->key, key))
            place.keyLine = i;
    }
    return place;
}

std::optional<std::string> readFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return std::string();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::string_view withoutByteOrderMark(std::string_view file)
{
    if (file.substr(0, 3) == "\xEF\xBB\xBF")
        file.remove_prefix(3);
    return file;
}

} // namespace

std::string readIni(const QString& file, std::string_view section, std::string_view key)
{
    const auto content = readFile(file);
    if (!content)
        return {};
    const auto lines = splitLines(withoutByteOrderMark(*content));
    const Place place = find(lines, section, key);
    if (!place.keyLine)
        return {};
    std::string_view value = entry(lines[*place.keyLine].text)->value;
    // A value in matching quotes reads without them.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, valueCap));
}

bool writeIni(const QString& file, std::string_view section, std::string_view key, std::string_view value)
{
    // A line break would end the entry early and turn the rest into other
    // keys or sections; such names and values are refused.
    const auto breaksLine = [](std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; };
    if (section.empty() || key.empty() || breaksLine(section) || breaksLine(key) || breaksLine(value)
        || section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos
        || trimmed(key) != key || trimmed(section) != section)
        return false;

    const auto content = readFile(file);
    if (!content)
        return false; // never replace a file that could not be read
    const std::string_view old = *content;
    const auto lines = splitLines(old);
    const bool crlf = old.find("\r\n") != std::string_view::npos;
    const std::string_view newline = crlf ? "\r\n" : "\n";
    const Place place = find(lines, section, key);

    std::string out;
    out.reserve(old.size() + key.size() + value.size() + section.size() + 8);
    const auto append = [&](std::size_t i) {
        out += lines[i].text;
        if (i + 1 < lines.size() || (!old.empty() && old.back() == '\n'))
            out += lines[i].crlf ? "\r\n" : "\n";
    };
    const auto appendEntry = [&](std::string_view name) {
        out.append(name).append("=").append(value).append(newline);
    };

    if (!place.section) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            append(i);
        if (!out.empty() && out.back() != '\n')
            out += newline;
        out.append("[").append(section).append("]").append(newline);
        appendEntry(key);
    } else {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (place.keyLine == i) {
                appendEntry(entry(lines[i].text)->key); // keeps the spelling already there
                continue;
            }
            if (!place.keyLine && place.insertAt == i) {
                if (!out.empty() && out.back() != '\n')
                    out += newline;
                appendEntry(key);
            }
            append(i);
        }
        if (!place.keyLine && place.insertAt == lines.size()) {
            if (!out.empty() && out.back() != '\n')
                out += newline;
            appendEntry(key);
        }
    }

    QSaveFile save(file);
    if (!save.open(QIODevice::WriteOnly))
        return false;
    if (save.write(out.data(), qint64(out.size())) != qint64(out.size())) {
        save.cancelWriting();
        return false;
    }
    return save.commit();
}

} // namespace gui
