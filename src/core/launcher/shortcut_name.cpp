#include "core/launcher/shortcut_name.h"

#include "core/base/cp932.h"

bool IsShortcutPath(const std::string& path)
{
    std::string::size_type dot = std::string::npos;  // the last dot of the last component
    for (std::string::size_type i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (IsCp932LeadByte(c)) {
            ++i;  // the trail byte is never a separator or a dot
        } else if (c == '\\' || c == '/' || c == ':') {
            dot = std::string::npos;
        } else if (c == '.') {
            dot = i;
        }
    }
    if (dot == std::string::npos || path.size() - dot != 4) return false;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return lower(path[dot + 1]) == 'l' && lower(path[dot + 2]) == 'n' && lower(path[dot + 3]) == 'k';
}
